#include "Banky.h"

#include "store/Cesty.h"
#include "store/Spravy.h"
#include "store/Subory.h"
#include "store/Win1250.h"

#include <QFileInfo>

const QStringList& VstavaneBanky()
{
    static const QStringList banky = {
        QStringLiteral("0200 Všeobecná úverová banka, a.s."),
        QStringLiteral("0720 Národná banka Slovenska"),
        QStringLiteral("0900 Slovenská sporitelna, a.s."),
        QStringLiteral("1100 Tatra banka, a.s."),
        QStringLiteral("1200 UniBanka, a.s. "),
        QStringLiteral("3000 Slovenská zárucná a rozvojová banka, a.s."),
        QStringLiteral("3100 LUDOVÁ BANKA, a.s. Bratislava"),
        QStringLiteral("4900 ISTROBANKA, a.s."),
        QStringLiteral("5200 OTP Banka Slovensko, a.s. "),
        QStringLiteral("5600 Dexia banka Slovensko a.s."),
        QStringLiteral("5900 Prvá stavebná sporitelna, a.s."),
        QStringLiteral("6500 Poštová banka, a.s. "),
        QStringLiteral("7300 ING Bank N.V.,  pobocka Bratislava"),
        QStringLiteral("7500 Ceskoslovenská obchodní banka, a.s., pobocka zahranicnej banky v SR"),
        QStringLiteral("7930 Wüstenrot stavebná sporitelna, a.s."),
        QStringLiteral("8020 +CALYON BANK SLOVAKIA, a.s."),
        QStringLiteral("8050 COMMERZBANK Aktiengesellschaft, pobocka zahranicnej banky, Bratislava"),
        QStringLiteral("8080 HVB Bank Slovakia a.s. "),
        QStringLiteral("8100 KOMERCNÍ BANKA Bratislava, a.s."),
        QStringLiteral("8120 Banka Slovakia, a.s. Banská Bystrica"),
        QStringLiteral("8130 Citibank (Slovakia), a.s. Bratislava"),
        QStringLiteral("8160 EXIMBANKA SR"),
        QStringLiteral("8170 CSOB stavebná sporitelna, a.s."),
        QStringLiteral("8180 Štátna pokladnica"),
        QStringLiteral("8191 Centrálny depozitár cenných papierov SR, a.s."),
        QStringLiteral("8300 HSBC Bank plc, pobocka zahranicnej banky"),
        QStringLiteral("8320 J&T BANKA, a.s., pobocka zahranicnej banky"),
        QStringLiteral("8330 Fio,sporitelne družstvo"),
        QStringLiteral("8350 ABN AMRO Bank N.V. pobocka zahranicnej banky"),
        QStringLiteral("8360 BRE BANK,pobocka zahranicnej banky MBANK"),
        QStringLiteral("8400 Banco Mais, S.A., pobocka zahr.banky"),
        QStringLiteral("9951 Burza cenných papierov"),
    };
    return banky;
}

QString SuborBank() { return Cesty::cesta(QStringLiteral("\\Data\\banky.kvz")); }

QStringList RiadkyTextu(const QByteArray& obsah)
{
    const QString text = Win1250::dekoduj(obsah);
    QStringList riadky;
    QString riadok;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c == u'\r' || c == u'\n') {
            riadky.append(riadok);
            riadok.clear();
            if (c == u'\r' && i + 1 < text.size() && text.at(i + 1) == u'\n')
                ++i;
        } else {
            riadok.append(c);
        }
    }
    if (!riadok.isEmpty())
        riadky.append(riadok);
    return riadky;
}

QByteArray TextZRiadkov(const QStringList& riadky)
{
    QByteArray b;
    for (QString r : riadky) {
        // A line break inside an item would split it into two lines of the file.
        r.replace(u'\r', u' ').replace(u'\n', u' ');
        b += Win1250::koduj(r);
        b += "\r\n";
    }
    return b;
}

std::optional<QStringList> NacitajBanky()
{
    const QString cesta = SuborBank();
    if (!QFileInfo::exists(cesta))
        return VstavaneBanky();
    const auto obsah = Subory::citaj(cesta);
    if (!obsah) {
        spravy().chyba(textProblemSoSuborom(cesta));
        return std::nullopt;
    }
    return RiadkyTextu(*obsah);
}

bool UlozBanky(const QStringList& banky)
{
    const QString cesta = SuborBank();
    QString chyba;
    if (Subory::ulozAtomicky(cesta, TextZRiadkov(banky), &chyba))
        return true;
    Subory::ohlasChybuZapisu(cesta, chyba);
    return false;
}

QString NazovBanky(const QString& kod)
{
    const QString cesta = SuborBank();
    if (!QFileInfo::exists(cesta))
        return {};
    const auto obsah = Subory::citaj(cesta);
    if (!obsah)
        return {};
    QString nazov;
    for (const auto& riadok : RiadkyTextu(*obsah))
        if (riadok.left(4) == kod)
            nazov = riadok.mid(5);
    return nazov;
}

QString OverBanku(const QString& kod, const QString& nazov)
{
    if (kod.size() != 4)
        return QStringLiteral("Nesprávne vyplnený kód banky.");
    if (nazov.isEmpty())
        return QStringLiteral("Nesprávne vyplnený názov banky.");
    return {};
}

QString PolozkaBanky(const QString& kod, const QString& nazov) { return kod + u' ' + nazov; }
QString KodPolozkyBanky(const QString& polozka) { return polozka.left(4); }
QString NazovPolozkyBanky(const QString& polozka) { return polozka.mid(5); }

int PolozkaSKodom(const QStringList& banky, const QString& kod)
{
    if (kod.isEmpty())
        return -1;
    for (int i = 0; i < banky.size(); ++i)
        if (banky.at(i).contains(kod))
            return i;
    return -1;
}
