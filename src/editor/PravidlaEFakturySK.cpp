#include "PravidlaEFakturySK.h"

#include <QHash>
#include <QXmlStreamReader>

namespace {

// The document as "Party/PostalAddress/StreetName"-like paths below the root, each with its
// first non-empty text, plus the facts that need a look at siblings.
struct Obsah {
    QString koren;
    QHash<QString, QString> hodnoty;
    QString icDphDodavatela;  // PartyTaxScheme with TaxScheme ID "VAT"
    bool sadzbaS = false, kategoriaBezDph = false, bezDovodu = false, bezSadzby = false;
};

Obsah precitaj(const QByteArray& xml)
{
    Obsah o;
    QXmlStreamReader r(xml);
    QStringList cesta;
    QString schemaId, kategoria, dovod, sadzba;
    while (!r.atEnd()) {
        r.readNext();
        if (r.isStartElement()) {
            if (o.koren.isEmpty()) {
                o.koren = r.name().toString();
                continue;
            }
            cesta << r.name().toString();
        } else if (r.isCharacters() && !r.isWhitespace() && !cesta.isEmpty()) {
            const QString p = cesta.join(u'/');
            if (!o.hodnoty.contains(p))
                o.hodnoty.insert(p, r.text().toString().trimmed());
            if (p == QLatin1String("AccountingSupplierParty/Party/PartyTaxScheme/CompanyID"))
                schemaId = r.text().toString().trimmed();
            else if (p == QLatin1String("AccountingSupplierParty/Party/PartyTaxScheme/TaxScheme/ID")
                     && r.text().trimmed() == QLatin1String("VAT"))
                o.icDphDodavatela = schemaId;
            else if (p == QLatin1String("TaxTotal/TaxSubtotal/TaxCategory/ID"))
                kategoria = r.text().toString().trimmed();
            else if (p.startsWith(QLatin1String("TaxTotal/TaxSubtotal/TaxCategory/TaxExemptionReason")))
                dovod = r.text().toString().trimmed();
            else if (p == QLatin1String("TaxTotal/TaxSubtotal/TaxCategory/Percent"))
                sadzba = r.text().toString().trimmed();
            else if (p.endsWith(QLatin1String("Item/ClassifiedTaxCategory/ID")) && r.text().trimmed() == QLatin1String("S"))
                o.sadzbaS = true;
        } else if (r.isEndElement() && !cesta.isEmpty()) {
            if (cesta.join(u'/') == QLatin1String("TaxTotal/TaxSubtotal")) {
                if (kategoria == QLatin1String("S")) {
                    o.sadzbaS = true;
                    o.bezSadzby = o.bezSadzby || sadzba.isEmpty();
                } else if (kategoria == QLatin1String("E") || kategoria == QLatin1String("O")) {
                    o.kategoriaBezDph = true;
                    o.bezDovodu = o.bezDovodu || dovod.isEmpty();
                }
                kategoria.clear(), dovod.clear(), sadzba.clear();
            }
            cesta.removeLast();
        }
    }
    return o;
}

}  // namespace

QStringList ChybyPravidielSK(const QByteArray& xml)
{
    const Obsah o = precitaj(xml);
    const bool dobropis = o.koren == QLatin1String("CreditNote");
    QStringList ch;
    const auto ma = [&](const char* cesta) { return !o.hodnoty.value(QString::fromLatin1(cesta)).isEmpty(); };
    const auto pravidlo = [&](bool plati, const char* kod, const char* text) {
        if (!plati)
            ch << QString::fromLatin1(kod) + QStringLiteral(": ") + QString::fromUtf8(text);
    };
    pravidlo(ma("TaxPointDate"), "SK-R-001 (BT-7)", "chýba dátum dodania (deň vykonania úkonu).");
    pravidlo(dobropis || ma("DueDate"), "SK-R-002 (BT-9)", "chýba dátum splatnosti.");
    pravidlo(ma("AccountingSupplierParty/Party/PartyLegalEntity/CompanyID"), "SK-R-003 (BT-30)",
             "chýba IČO dodávateľa.");
    pravidlo(!o.sadzbaS || !o.icDphDodavatela.isEmpty(), "SK-R-004 (BT-31)", "platiteľ DPH musí uviesť IČ DPH.");
    for (const char* strana : {"AccountingSupplierParty", "AccountingCustomerParty"}) {
        const QString p = QString::fromLatin1(strana) + QStringLiteral("/Party/PostalAddress/");
        const bool uplna = !o.hodnoty.value(p + QStringLiteral("StreetName")).isEmpty()
                           && !o.hodnoty.value(p + QStringLiteral("CityName")).isEmpty()
                           && !o.hodnoty.value(p + QStringLiteral("PostalZone")).isEmpty();
        pravidlo(uplna, strana[10] == 'S' ? "SK-R-005 (BG-5)" : "SK-R-006 (BG-8)",
                 strana[10] == 'S' ? "adresa dodávateľa musí mať ulicu, mesto a PSČ."
                                   : "adresa odberateľa musí mať ulicu, mesto a PSČ.");
    }
    pravidlo(!o.sadzbaS || ma("TaxTotal/TaxAmount"), "SK-R-007 (BT-110)", "chýba suma DPH.");
    pravidlo(!o.bezSadzby, "SK-R-008 (BT-119)", "chýba sadzba DPH.");
    pravidlo(!o.kategoriaBezDph || !o.bezDovodu, "SK-R-009 (BT-120)", "chýba dôvod, prečo sa DPH neuplatňuje.");
    pravidlo(o.hodnoty.value(QStringLiteral("AccountingSupplierParty/Party/PartyLegalEntity/CompanyLegalForm"))
                 .contains(QStringLiteral("evidenčné číslo")),
             "SK-R-010 (BT-33)",
             "chýba zápis dodávateľa v zozname znalcov, tlmočníkov a prekladateľov s evidenčným číslom.");
    pravidlo(!dobropis || ma("BillingReference/InvoiceDocumentReference/ID"), "SK-R-011 (BT-25)",
             "dobropis musí uviesť číslo faktúry, ktorú opravuje.");
    return ch;
}
