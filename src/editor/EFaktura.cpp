#include "EFaktura.h"

#include <QXmlStreamWriter>

#include <cmath>

QString CentyText(qint64 centy)
{
    const qint64 a = centy < 0 ? -centy : centy;
    return (centy < 0 ? QStringLiteral("-") : QString()) + QString::number(a / 100) + u'.'
           + QStringLiteral("%1").arg(a % 100, 2, 10, QLatin1Char('0'));
}

namespace {

qint64 dphZakladu(qint64 zaklad, const EKategoriaDPH& k)
{
    if (k.Kod != QLatin1String("S"))
        return 0;
    return DPHZakladu(zaklad, k.Sadzba);
}

QString cisloText(double x)
{
    QString t = QString::number(x, 'f', 4);
    while (t.endsWith(u'0'))
        t.chop(1);
    if (t.endsWith(u'.'))
        t.chop(1);
    return t;
}

QString datum(const QDate& d) { return d.toString(Qt::ISODate); }

class Ubl {
public:
    Ubl(const EFaktura& f, QByteArray* b) : f(f), s(f.Dobropis ? "CreditNote" : "Invoice"), w(b) {}

    void zapis()
    {
        const ESucty sucty = VypocitajSucty(f);
        w.setAutoFormatting(true);
        w.writeStartDocument();
        w.writeDefaultNamespace(QStringLiteral("urn:oasis:names:specification:ubl:schema:xsd:") + s + "-2");
        w.writeNamespace(QStringLiteral("urn:oasis:names:specification:ubl:schema:xsd:CommonAggregateComponents-2"), "cac");
        w.writeNamespace(QStringLiteral("urn:oasis:names:specification:ubl:schema:xsd:CommonBasicComponents-2"), "cbc");
        w.writeStartElement(s);
        hlavicka();
        strana("AccountingSupplierParty", f.Dodavatel, true);
        strana("AccountingCustomerParty", f.Odberatel, false);
        if (f.Dodanie.isValid()) {
            w.writeStartElement("cac:Delivery");
            cbc("ActualDeliveryDate", datum(f.Dodanie));
            w.writeEndElement();
        }
        platba();
        dane(sucty);
        w.writeStartElement("cac:LegalMonetaryTotal");
        suma("LineExtensionAmount", sucty.Riadky);
        suma("TaxExclusiveAmount", sucty.BezDPH);
        suma("TaxInclusiveAmount", sucty.SDPH);
        suma("PayableAmount", sucty.NaUhradu);
        w.writeEndElement();
        for (int i = 0; i < f.Riadky.size(); ++i)
            riadok(i + 1, f.Riadky.at(i));
        w.writeEndElement();
        w.writeEndDocument();
    }

private:
    void cbc(const char* meno, const QString& text)
    {
        w.writeTextElement(QStringLiteral("cbc:") + meno, text);
    }
    void suma(const char* meno, qint64 centy)
    {
        w.writeStartElement(QStringLiteral("cbc:") + meno);
        w.writeAttribute("currencyID", f.Mena);
        w.writeCharacters(CentyText(centy));
        w.writeEndElement();
    }

    void hlavicka()
    {
        cbc("CustomizationID", EFakturaPeppol::CustomizationID);
        cbc("ProfileID", EFakturaPeppol::ProfileID);
        cbc("ID", f.Cislo);
        cbc("IssueDate", datum(f.Vystavenie));
        if (!f.Dobropis && f.Splatnost.isValid())
            cbc("DueDate", datum(f.Splatnost));
        cbc(f.Dobropis ? "CreditNoteTypeCode" : "InvoiceTypeCode", f.Dobropis ? "381" : "380");
        if (!f.Poznamky.isEmpty())
            cbc("Note", f.Poznamky.join(u'\n'));
        if (f.Dodanie.isValid())
            cbc("TaxPointDate", datum(f.Dodanie));
        cbc("DocumentCurrencyCode", f.Mena);
        if (!f.OdkazKupujuceho.isEmpty())
            cbc("BuyerReference", f.OdkazKupujuceho);
        if (f.Dobropis && !f.FakturaDobropisu.isEmpty()) {
            w.writeStartElement("cac:BillingReference");
            w.writeStartElement("cac:InvoiceDocumentReference");
            cbc("ID", f.FakturaDobropisu);
            if (f.DatumFakturyDobropisu.isValid())
                cbc("IssueDate", datum(f.DatumFakturyDobropisu));
            w.writeEndElement();
            w.writeEndElement();
        }
    }

    bool lenMimoDPH() const
    {
        for (const ERiadok& r : f.Riadky)
            if (r.Dph.Kod != QLatin1String("O"))
                return false;
        return !f.Riadky.isEmpty();
    }

    void danovaSchema(const QString& id, const char* schema)
    {
        w.writeStartElement("cac:PartyTaxScheme");
        cbc("CompanyID", id);
        w.writeStartElement("cac:TaxScheme");
        cbc("ID", schema);
        w.writeEndElement();
        w.writeEndElement();
    }

    void strana(const char* rola, const EStrana& p, bool dodavatel)
    {
        w.writeStartElement(QStringLiteral("cac:") + rola);
        w.writeStartElement("cac:Party");
        if (!p.EndpointId.isEmpty()) {
            w.writeStartElement("cbc:EndpointID");
            w.writeAttribute("schemeID", p.EndpointSchema);
            w.writeCharacters(p.EndpointId);
            w.writeEndElement();
        }
        if (!dodavatel && !p.DIC.isEmpty()) {
            w.writeStartElement("cac:PartyIdentification");
            w.writeStartElement("cbc:ID");
            w.writeAttribute("schemeID", EFakturaPeppol::SchemaDIC);
            w.writeCharacters(p.DIC);
            w.writeEndElement();
            w.writeEndElement();
        }
        w.writeStartElement("cac:PartyName");
        cbc("Name", p.Nazov);
        w.writeEndElement();
        w.writeStartElement("cac:PostalAddress");
        cbc("StreetName", p.Ulica);
        cbc("CityName", p.Mesto);
        cbc("PostalZone", p.PSC);
        w.writeStartElement("cac:Country");
        cbc("IdentificationCode", p.Krajina);
        w.writeEndElement();
        w.writeEndElement();
        // Outside the scope of VAT no VAT identifier may stand on the invoice.
        if (!p.ICDPH.isEmpty() && !lenMimoDPH())
            danovaSchema(p.ICDPH, "VAT");
        if (dodavatel && !p.DIC.isEmpty())
            danovaSchema(p.DIC, "TAX");
        w.writeStartElement("cac:PartyLegalEntity");
        cbc("RegistrationName", p.Nazov);
        if (!p.ICO.isEmpty())
            cbc("CompanyID", p.ICO);
        if (!p.PravneInfo.isEmpty())
            cbc("CompanyLegalForm", p.PravneInfo);
        w.writeEndElement();
        if (!p.Telefon.isEmpty() || !p.Email.isEmpty()) {
            w.writeStartElement("cac:Contact");
            if (!p.Telefon.isEmpty())
                cbc("Telephone", p.Telefon);
            if (!p.Email.isEmpty())
                cbc("ElectronicMail", p.Email);
            w.writeEndElement();
        }
        w.writeEndElement();
        w.writeEndElement();
    }

    void platba()
    {
        if (f.IBAN.isEmpty())
            return;
        w.writeStartElement("cac:PaymentMeans");
        w.writeStartElement("cbc:PaymentMeansCode");
        w.writeAttribute("name", "Credit transfer");
        w.writeCharacters("30");
        w.writeEndElement();
        if (f.Dobropis && f.Splatnost.isValid())
            cbc("PaymentDueDate", datum(f.Splatnost));
        if (!f.VariabilnySymbol.isEmpty())
            cbc("PaymentID", f.VariabilnySymbol);
        w.writeStartElement("cac:PayeeFinancialAccount");
        cbc("ID", f.IBAN);
        if (!f.BIC.isEmpty()) {
            w.writeStartElement("cac:FinancialInstitutionBranch");
            cbc("ID", f.BIC);
            w.writeEndElement();
        }
        w.writeEndElement();
        w.writeEndElement();
    }

    void kategoria(const char* meno, const EKategoriaDPH& k, bool sDovodom)
    {
        w.writeStartElement(QStringLiteral("cac:") + meno);
        cbc("ID", k.Kod);
        if (k.Kod != QLatin1String("O"))
            cbc("Percent", cisloText(k.Sadzba));
        if (sDovodom && k.Kod != QLatin1String("S") && !k.DovodOslobodenia.isEmpty())
            cbc("TaxExemptionReason", k.DovodOslobodenia);
        w.writeStartElement("cac:TaxScheme");
        cbc("ID", "VAT");
        w.writeEndElement();
        w.writeEndElement();
    }

    void dane(const ESucty& sucty)
    {
        w.writeStartElement("cac:TaxTotal");
        suma("TaxAmount", sucty.DPH);
        for (const ERozpisDPH& r : sucty.Rozpis) {
            w.writeStartElement("cac:TaxSubtotal");
            suma("TaxableAmount", r.ZakladCenty);
            suma("TaxAmount", r.DPHCenty);
            kategoria("TaxCategory", r.Kategoria, true);
            w.writeEndElement();
        }
        w.writeEndElement();
    }

    void riadok(int cislo, const ERiadok& r)
    {
        w.writeStartElement(QStringLiteral("cac:") + s + "Line");
        cbc("ID", QString::number(cislo));
        w.writeStartElement(QStringLiteral("cbc:") + (f.Dobropis ? "CreditedQuantity" : "InvoicedQuantity"));
        w.writeAttribute("unitCode", r.Jednotka);
        w.writeCharacters(cisloText(r.Mnozstvo));
        w.writeEndElement();
        suma("LineExtensionAmount", r.SumaCenty);
        w.writeStartElement("cac:Item");
        if (!r.Popis.isEmpty())
            cbc("Description", r.Popis);
        cbc("Name", r.Nazov);
        kategoria("ClassifiedTaxCategory", r.Dph, false);
        w.writeEndElement();
        w.writeStartElement("cac:Price");
        suma("PriceAmount", r.CenaCenty);
        w.writeEndElement();
        w.writeEndElement();
    }

    const EFaktura& f;
    const QString s;
    QXmlStreamWriter w;
};

}  // namespace

ESucty VypocitajSucty(const EFaktura& f)
{
    ESucty s;
    for (const ERiadok& r : f.Riadky) {
        s.Riadky += r.SumaCenty;
        auto it = std::find_if(s.Rozpis.begin(), s.Rozpis.end(),
                               [&](const ERozpisDPH& x) { return x.Kategoria == r.Dph; });
        if (it == s.Rozpis.end())
            s.Rozpis.append({r.Dph, r.SumaCenty, 0});
        else
            it->ZakladCenty += r.SumaCenty;
    }
    for (ERozpisDPH& r : s.Rozpis) {
        r.DPHCenty = dphZakladu(r.ZakladCenty, r.Kategoria);
        s.DPH += r.DPHCenty;
    }
    s.BezDPH = s.Riadky;
    s.SDPH = s.BezDPH + s.DPH;
    s.NaUhradu = s.SDPH;
    return s;
}

QByteArray ZapisUbl(const EFaktura& f)
{
    QByteArray b;
    Ubl(f, &b).zapis();
    return b;
}
