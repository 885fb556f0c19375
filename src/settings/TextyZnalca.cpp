#include "TextyZnalca.h"

#include "Banky.h"
#include "Iban.h"

QString MenoZnalca(const TNastavenia& n)
{
    QString t = n.TitulPred + QLatin1Char(' ') + n.Meno + QLatin1Char(' ') + n.Priezvisko;
    if (!n.TitulZa.isEmpty())
        t += QStringLiteral(", ") + n.TitulZa;
    return t;
}

QString AdresaZnalca(const TNastavenia& n)
{
    return n.Adresa + QStringLiteral(", ") + n.Mesto + QLatin1Char(' ') + n.PSC;
}

QString BankoveSpojenie(const TNastavenia& n) { return n.CisloUctu + QLatin1Char('/') + n.Banka; }

QString NazovDruhuZnalca(qint32 druh)
{
    switch (druh) {
    case Znalec: return QStringLiteral("Znalec");
    case Tlmocnik: return QStringLiteral("Tlmočník");
    case Prekladatel: return QStringLiteral("Prekladateľ");
    }
    return {};
}

QString TextPlatcuDPH(qint32 druh, bool platca)
{
    return NazovDruhuZnalca(druh) + (platca ? QStringLiteral(" je platca DPH.") : QStringLiteral(" nie je platca DPH."));
}

HodnotaAleboChyba<QString> IbanZnalca(const TNastavenia& n, const NastaveniaEFaktury& e)
{
    if (!e.IBAN.trimmed().isEmpty()) {
        const QString dovod = Iban::chyba(e.IBAN);
        if (!dovod.isEmpty())
            return HodnotaAleboChyba<QString>::chyba(dovod);
        return Iban::over(e.IBAN);
    }
    if (n.CisloUctu.trimmed().isEmpty())
        return HodnotaAleboChyba<QString>::chyba(QStringLiteral("V nastaveniach nie je číslo účtu ani IBAN."));
    return Iban::preUcet(n.CisloUctu, n.Banka);
}

QString TextZapisuVZozname(const TNastavenia& n)
{
    QString t = QStringLiteral("zapísaný v zozname znalcov, tlmočníkov a prekladateľov vedenom Ministerstvom "
                               "spravodlivosti Slovenskej republiky");
    if (!n.EC.trimmed().isEmpty())
        t += QStringLiteral(", evidenčné číslo ") + n.EC.trimmed();
    return t;
}

namespace {

QString spoj(const QStringList& casti)
{
    QStringList neprazdne;
    for (const QString& c : casti)
        if (!c.trimmed().isEmpty())
            neprazdne << c.trimmed();
    return neprazdne.join(QStringLiteral(" • "));
}

QString sPopisom(const QString& popis, const QString& hodnota)
{
    return hodnota.trimmed().isEmpty() ? QString() : popis + hodnota.trimmed();
}

}  // namespace

QStringList RiadkyHlavicky(const TNastavenia& n, const NastaveniaEFaktury& e)
{
    QString adresa = n.Adresa.trimmed();
    const QString mesto = (n.PSC.trimmed() + u' ' + n.Mesto.trimmed()).trimmed();
    if (!mesto.isEmpty())
        adresa += (adresa.isEmpty() ? QString() : QStringLiteral(", ")) + mesto;
    return {MenoZnalca(n).simplified(), TextZapisuVZozname(n),
            spoj({adresa, sPopisom(QStringLiteral("tel.: "), e.Telefon), sPopisom(QStringLiteral("e-mail: "), e.Email)})};
}

QString RiadokPaty(const TNastavenia& n, const NastaveniaEFaktury& e)
{
    const QString iban = IbanZnalca(n, e).hodnotaAlebo({});
    QString banka;
    if (!iban.isEmpty()) {
        const QString nazov = NazovBanky(n.Banka);
        banka = QStringLiteral("Bankové spojenie: ") + (nazov.isEmpty() ? QString() : nazov + QStringLiteral(", "))
                + QStringLiteral("IBAN: ") + Iban::naTlac(iban);
        if (!e.BIC.trimmed().isEmpty())
            banka += QStringLiteral(", BIC: ") + e.BIC.trimmed();
    } else if (!n.CisloUctu.trimmed().isEmpty()) {
        banka = QStringLiteral("Bankové spojenie: ") + BankoveSpojenie(n);
    }
    return spoj({banka, sPopisom(QStringLiteral("IČO: "), n.ICO), sPopisom(QStringLiteral("DIČ: "), n.DIC),
                 sPopisom(QStringLiteral("IČ DPH: "), n.ICDPH)});
}
