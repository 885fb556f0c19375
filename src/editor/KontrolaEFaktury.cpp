#include "KontrolaEFaktury.h"

#include <QRegularExpression>
#include <QXmlStreamReader>

namespace {

const QString kNastavenia = QStringLiteral("doplňte v Nastaveniach na záložke „Nastavenie údajov o znalcovi“");
const QString kEfaktura = QStringLiteral("doplňte v okne „Nastavenia e-faktúry“");
const QString kHlavicka = QStringLiteral("doplňte v hlavičke záznamu");

void povinne(QStringList& chyby, const QString& hodnota, const QString& co, const QString& kde)
{
    if (hodnota.trimmed().isEmpty())
        chyby << QStringLiteral("Chýba %1 – %2.").arg(co, kde);
}

// XML 1.0 holds no control characters but tab and line ends, and no lone surrogates.
bool platneXml(const QString& t)
{
    for (qsizetype i = 0; i < t.size(); ++i) {
        const char16_t c = t.at(i).unicode();
        if (c < 0x20 && c != u'\t' && c != u'\n' && c != u'\r')
            return false;
        if (c == 0xFFFE || c == 0xFFFF)
            return false;
        if (QChar::isHighSurrogate(c)) {
            if (i + 1 >= t.size() || !QChar::isLowSurrogate(t.at(i + 1).unicode()))
                return false;
            ++i;
        } else if (QChar::isLowSurrogate(c)) {
            return false;
        }
    }
    return true;
}

void znaky(QStringList& chyby, const QString& hodnota, const QString& co)
{
    if (!platneXml(hodnota))
        chyby << QStringLiteral("%1 obsahuje riadiaci znak, ktorý e-faktúra nemôže obsahovať – opravte ho.").arg(co);
}

}  // namespace

QStringList ChybyEFaktury(const EFaktura& f)
{
    QStringList ch;
    const EStrana& d = f.Dodavatel;
    const EStrana& o = f.Odberatel;
    povinne(ch, f.Cislo, QStringLiteral("číslo faktúry (poradové číslo a rok)"), kHlavicka);
    if (!f.Vystavenie.isValid())
        ch << QStringLiteral("Chýba dátum vykonania – doplňte pole „Dátum vykonania:“ v hlavičke záznamu.");
    if (!f.Dobropis && !f.Splatnost.isValid())
        ch << QStringLiteral("Chýba dátum splatnosti – doplňte pole „Dátum splatnosti:“ v hlavičke záznamu.");
    povinne(ch, d.Nazov, QStringLiteral("meno znalca"), kNastavenia);
    povinne(ch, d.Ulica, QStringLiteral("adresa znalca (pole „Adresa:“)"), kNastavenia);
    povinne(ch, d.Mesto, QStringLiteral("mesto znalca (pole „Mesto:“)"), kNastavenia);
    povinne(ch, d.PSC, QStringLiteral("PSČ znalca (pole „PSČ:“)"), kNastavenia);
    povinne(ch, d.ICO, QStringLiteral("IČO znalca (pole „IČO:“)"), kNastavenia);
    povinne(ch, d.DIC, QStringLiteral("DIČ znalca (pole „DIČ:“)"), kNastavenia);
    bool platca = false;
    for (const ERiadok& r : f.Riadky)
        platca = platca || r.Dph.Kod == QLatin1String("S");
    if (platca)
        povinne(ch, d.ICDPH, QStringLiteral("IČ DPH znalca, ktorý je platcom DPH (pole „IČ DPH:“)"), kNastavenia);
    if (!f.ChybaUctu.isEmpty())
        ch << f.ChybaUctu + QStringLiteral(" E-faktúra sa z takého účtu nevytvorí – opravte „Číslo účtu:“ alebo „IBAN:“ ")
                  + QStringLiteral("v Nastaveniach.");
    else
        povinne(ch, f.IBAN, QStringLiteral("IBAN účtu znalca (pole „Číslo účtu:“ a banka)"),
                kNastavenia + QStringLiteral(", alebo IBAN v okne „Nastavenia e-faktúry“"));
    povinne(ch, d.EndpointId, QStringLiteral("Peppol identifikátor znalca (DIČ)"), kEfaktura);
    povinne(ch, o.Nazov, QStringLiteral("meno objednávateľa (pole „Meno:“)"), kHlavicka);
    if (o.Ulica.trimmed().isEmpty() || o.Mesto.trimmed().isEmpty() || o.PSC.trimmed().isEmpty())
        ch << QStringLiteral("Adresa objednávateľa musí obsahovať ulicu, PSČ a mesto, napr. „Námestie 1, 811 01 Bratislava“ "
                             "– opravte pole „Adresa:“ v hlavičke záznamu.");
    if (o.DIC.trimmed().isEmpty() && o.ICDPH.trimmed().isEmpty())
        ch << QStringLiteral("Chýba DIČ objednávateľa (pole „DIČ:“) – %1; podľa neho e-faktúru doručí poskytovateľ.").arg(kHlavicka);
    if (f.Riadky.isEmpty())
        ch << QStringLiteral("Faktúra nemá žiadnu položku – zadajte znalečné tlačidlom „Znalečné“ na záložke „Vyúčtovanie“.");
    for (const ERiadok& r : f.Riadky)
        if (r.Dph.Kod != QLatin1String("S") && r.Dph.DovodOslobodenia.trimmed().isEmpty()) {
            ch << QStringLiteral("Chýba dôvod, prečo sa DPH neuplatňuje – %1.").arg(kEfaktura);
            break;
        }
    if (f.Dobropis && f.FakturaDobropisu.isEmpty())
        ch << QStringLiteral("Dobropis musí odkazovať na číslo pôvodnej faktúry.");

    znaky(ch, f.Cislo, QStringLiteral("Číslo faktúry"));
    znaky(ch, f.OdkazKupujuceho, QStringLiteral("Číslo objednávky / spisová značka"));
    znaky(ch, f.Poznamky.join(u' '), QStringLiteral("Poznámka faktúry"));
    for (const EStrana* s : {&d, &o}) {
        const QString kto = s == &d ? QStringLiteral("Údaj znalca") : QStringLiteral("Údaj objednávateľa");
        for (const QString& t : {s->Nazov, s->Ulica, s->Mesto, s->PSC, s->ICO, s->DIC, s->ICDPH})
            znaky(ch, t, kto);
    }
    for (const ERiadok& r : f.Riadky)
        znaky(ch, r.Nazov, QStringLiteral("Položka „%1“").arg(r.Nazov.left(40)));
    ch.removeDuplicates();
    return ch;
}

QStringList ChybyPeppol(const QByteArray& xml)
{
    static const QStringList schemy = {QStringLiteral("0245"), QStringLiteral("9950"), QStringLiteral("0088"),
                                       QStringLiteral("0002"), QStringLiteral("0007"), QStringLiteral("0060"),
                                       QStringLiteral("0184"), QStringLiteral("0192"), QStringLiteral("0208")};
    static const QRegularExpression dic(QStringLiteral("^\\d{10}$"));
    QStringList ch;
    QXmlStreamReader r(xml);
    QStringList cesta;
    QString customization, profil, odkaz;
    int poznamky = 0, endpointy = 0;
    while (!r.atEnd()) {
        r.readNext();
        if (r.isStartElement()) {
            cesta << r.name().toString();
            const QString p = cesta.join(u'/');
            if (cesta.size() == 2 && r.name() == QLatin1String("CustomizationID"))
                customization = r.readElementText(), cesta.removeLast();
            else if (cesta.size() == 2 && r.name() == QLatin1String("ProfileID"))
                profil = r.readElementText(), cesta.removeLast();
            else if (cesta.size() == 2 && r.name() == QLatin1String("BuyerReference"))
                odkaz = r.readElementText(), cesta.removeLast();
            else if (cesta.size() == 2 && r.name() == QLatin1String("Note"))
                ++poznamky;
            else if (r.name() == QLatin1String("EndpointID") && cesta.size() == 4) {
                ++endpointy;
                const QString schema = r.attributes().value(QLatin1String("schemeID")).toString();
                const QString id = r.readElementText();
                cesta.removeLast();
                if (!schemy.contains(schema))
                    ch << QStringLiteral("Peppol: neznáma schéma identifikátora „%1“ (%2).").arg(schema, p);
                else if (schema == QLatin1String("0245") && !dic.match(id).hasMatch())
                    ch << QStringLiteral("Peppol: identifikátor „%1“ nie je DIČ (10 číslic) (%2).").arg(id, p);
            }
        } else if (r.isEndElement() && !cesta.isEmpty()) {
            cesta.removeLast();
        }
    }
    if (r.hasError())
        return {QStringLiteral("Peppol: dokument nie je platné XML: %1").arg(r.errorString())};
    if (customization != QLatin1String(EFakturaPeppol::CustomizationID))
        ch << QStringLiteral("Peppol: nesprávne CustomizationID.");
    if (profil != QLatin1String(EFakturaPeppol::ProfileID))
        ch << QStringLiteral("Peppol: nesprávne ProfileID.");
    if (odkaz.trimmed().isEmpty())
        ch << QStringLiteral("Peppol: chýba odkaz kupujúceho (BuyerReference).");
    if (poznamky > 1)
        ch << QStringLiteral("Peppol: faktúra smie mať najviac jednu poznámku.");
    if (endpointy != 2)
        ch << QStringLiteral("Peppol: predávajúci aj kupujúci musia mať elektronickú adresu (EndpointID).");
    return ch;
}
