#include "Banky.h"

#include "store/Cesty.h"
#include "store/Spravy.h"
#include "store/Subory.h"
#include "store/Win1250.h"

#include <QFileInfo>

#include <algorithm>

namespace {

struct Banka {
    QString kod, nazov, bic;
};

// The banks of data/csv/banky.csv (a test keeps the two equal).
const QList<Banka>& banky()
{
    static const QList<Banka> b = {
        {QStringLiteral("0200"), QStringLiteral("Všeobecná úverová banka, a.s."), QStringLiteral("SUBASKBX")},
        {QStringLiteral("0720"), QStringLiteral("Národná banka Slovenska"), QStringLiteral("NBSBSKBX")},
        {QStringLiteral("0900"), QStringLiteral("Slovenská sporiteľňa, a.s."), QStringLiteral("GIBASKBX")},
        {QStringLiteral("1100"), QStringLiteral("Tatra banka, a.s."), QStringLiteral("TATRSKBX")},
        {QStringLiteral("1111"), QStringLiteral("UniCredit Bank Czech Republic and Slovakia, a.s., pobočka zahraničnej banky"), QStringLiteral("UNCRSKBX")},
        {QStringLiteral("3000"), QStringLiteral("Slovenská záručná a rozvojová banka, a.s."), QStringLiteral("SLZBSKBA")},
        {QStringLiteral("5200"), QStringLiteral("OTP Banka Slovensko, a.s."), QStringLiteral("OTPVSKBX")},
        {QStringLiteral("5600"), QStringLiteral("Prima banka Slovensko, a.s."), QStringLiteral("KOMASK2X")},
        {QStringLiteral("5900"), QStringLiteral("Prvá stavebná sporiteľňa, a.s."), QStringLiteral("PRVASKBA")},
        {QStringLiteral("6500"), QStringLiteral("365.bank, a.s."), QStringLiteral("POBNSKBA")},
        {QStringLiteral("7300"), QStringLiteral("ING Bank N.V., pobočka zahraničnej banky"), QStringLiteral("INGBSKBX")},
        {QStringLiteral("7500"), QStringLiteral("Československá obchodná banka, a.s."), QStringLiteral("CEKOSKBX")},
        {QStringLiteral("7930"), QStringLiteral("Wüstenrot stavebná sporiteľňa, a.s."), QStringLiteral("WUSTSKBA")},
        {QStringLiteral("8050"), QStringLiteral("COMMERZBANK Aktiengesellschaft, pobočka zahraničnej banky"), QStringLiteral("COBASKBX")},
        {QStringLiteral("8100"), QStringLiteral("Komerční banka, a.s., pobočka zahraničnej banky"), QStringLiteral("KOMBSKBA")},
        {QStringLiteral("8120"), QStringLiteral("Privatbanka, a.s."), QStringLiteral("BSLOSK22")},
        {QStringLiteral("8130"), QStringLiteral("Citibank Europe plc, pobočka zahraničnej banky"), QStringLiteral("CITISKBA")},
        {QStringLiteral("8160"), QStringLiteral("EXIMBANKA SR"), QStringLiteral("EXSKSKBX")},
        {QStringLiteral("8170"), QStringLiteral("ČSOB stavebná sporiteľňa, a.s."), QStringLiteral("KBSPSKBX")},
        {QStringLiteral("8180"), QStringLiteral("Štátna pokladnica"), QStringLiteral("SPSRSKBA")},
        {QStringLiteral("8320"), QStringLiteral("J&T BANKA, a.s., pobočka zahraničnej banky"), QStringLiteral("JTBPSKBA")},
        {QStringLiteral("8330"), QStringLiteral("Fio banka, a.s., pobočka zahraničnej banky"), QStringLiteral("FIOZSKBA")},
        {QStringLiteral("8360"), QStringLiteral("mBank S.A., pobočka zahraničnej banky"), QStringLiteral("BREXSKBX")},
        {QStringLiteral("8370"), QStringLiteral("Oberbank AG pobočka zahraničnej banky v Slovenskej republike"), QStringLiteral("OBKLSKBA")},
        {QStringLiteral("8400"), QStringLiteral("BANCO COFIDIS, S.A., pobočka zahraničnej banky"), QStringLiteral("")},
        {QStringLiteral("8420"), QStringLiteral("BKS Bank AG, pobočka zahraničnej banky v SR"), QStringLiteral("BFKKSKBB")},
    };
    return b;
}

// The list earlier versions shipped: a file that still holds one of its own lines gets the
// current list, keeping the user's banks.
const QStringList& stareVstavaneBanky()
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

}  // namespace

const QStringList& VstavaneBanky()
{
    static const QStringList polozky = [] {
        QStringList p;
        for (const Banka& b : banky())
            p.append(PolozkaBanky(b.kod, b.nazov));
        return p;
    }();
    return polozky;
}

QString BicBanky(const QString& kod)
{
    for (const Banka& b : banky())
        if (b.kod == kod)
            return b.bic;
    return {};
}

std::optional<QStringList> AktualizovanyZoznamBank(const QStringList& ulozene)
{
    const QStringList& stare = stareVstavaneBanky();
    const QStringList& nove = VstavaneBanky();
    const bool zastarany = std::any_of(ulozene.begin(), ulozene.end(),
                                       [&](const QString& r) { return stare.contains(r) && !nove.contains(r); });
    if (!zastarany)
        return std::nullopt;
    QStringList vysledok = nove;
    for (const QString& r : ulozene) {
        const bool kodZnamy = std::any_of(nove.begin(), nove.end(),
                                          [&](const QString& n) { return KodPolozkyBanky(n) == KodPolozkyBanky(r); });
        if (!r.trimmed().isEmpty() && !stare.contains(r) && !kodZnamy && !vysledok.contains(r))
            vysledok.append(r);
    }
    return vysledok;
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

bool AktualizujSuborBank()
{
    const QString cesta = SuborBank();
    if (!QFileInfo::exists(cesta))
        return false;
    const auto obsah = Subory::citaj(cesta);
    if (!obsah)
        return false;  // reported by the window that reads it
    const auto aktualny = AktualizovanyZoznamBank(RiadkyTextu(*obsah));
    return aktualny && ohlas(UlozBanky(*aktualny));
}

Vysledok UlozBanky(const QStringList& banky)
{
    const QString cesta = SuborBank();
    const Vysledok v = Subory::ulozAtomicky(cesta, TextZRiadkov(banky));
    return v ? v : Vysledok::chyba(Subory::textChybaZapisu(cesta, v.dovod()));
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
