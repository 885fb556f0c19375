#include "EFakturaZaznamu.h"

#include <QRegularExpression>

#include <cmath>

#include "editor/HodnotyFaktury.h"
#include "settings/TextyZnalca.h"
#include "editor/RiadkyPoloziek.h"
#include "settings/TextyZnalca.h"
#include "store/Datum.h"

AdresaStrany RozdelAdresu(const QString& adresa)
{
    static const QRegularExpression oddelovac(QStringLiteral("[,;\\r\\n]+"));
    static const QRegularExpression psc(QStringLiteral("\\b(\\d{3}) ?(\\d{2})\\b"));
    QStringList casti;
    for (const QString& c : adresa.split(oddelovac))
        if (!c.trimmed().isEmpty())
            casti << c.trimmed();
    for (qsizetype i = casti.size() - 1; i >= 0; --i) {
        const auto m = psc.match(casti.at(i));
        if (!m.hasMatch() || i == 0)
            continue;
        QString mesto = casti.at(i);
        mesto.remove(m.capturedStart(), m.capturedLength());
        return {casti.mid(0, i).join(QStringLiteral(", ")), m.captured(1) + u' ' + m.captured(2),
                mesto.simplified()};
    }
    return {adresa.simplified(), {}, {}};
}

QString KodJednotky(const QString& mj)
{
    static const QList<std::pair<QString, QString>> kody = {
        {QStringLiteral("hod"), QStringLiteral("HUR")}, {QStringLiteral("h"), QStringLiteral("HUR")},
        {QStringLiteral("km"), QStringLiteral("KMT")},  {QStringLiteral("m2"), QStringLiteral("MTK")},
        {QStringLiteral("deň"), QStringLiteral("DAY")}, {QStringLiteral("ks"), QStringLiteral("H87")},
        {QStringLiteral("strana"), QStringLiteral("ZP")}, {QStringLiteral("str"), QStringLiteral("ZP")},
    };
    const QString t = mj.trimmed().toLower().remove(u'.');
    for (const auto& [text, kod] : kody)
        if (t == text)
            return kod;
    return QStringLiteral("C62");
}

namespace {

// The net cents of an amount of the printed invoice: before 2011 amounts include VAT.
qint64 netto(double suma, const HodnotyFaktury& h)
{
    if (h.PlatcaDPH && h.Vykonanie < DatumPrechoduDPH())
        return NaCenty(suma / (h.SadzbaDPH / 100 + 1));
    return NaCenty(suma);
}

ERiadok riadok(const QString& nazov, const QString& mj, double cena, double mnozstvo, qint64 suma,
               const EKategoriaDPH& k, const HodnotyFaktury& h)
{
    ERiadok r;
    // The printed row: the act, then its rate and notes on lines of their own.
    QStringList casti;
    for (const QString& c : nazov.split(QChar(0x2028)))
        if (!c.simplified().isEmpty())
            casti << c.simplified();
    r.Nazov = casti.isEmpty() ? QStringLiteral("Položka") : casti.takeFirst();
    r.Popis = casti.join(QStringLiteral("; "));
    r.SumaCenty = suma;
    r.Dph = k;
    // Quantity × price, rounded to the cent, must give the line amount; otherwise one unit
    // at the amount.
    const qint64 c = netto(cena, h);
    const double q = std::round(mnozstvo * 10000) / 10000;
    if (q > 0 && c > 0 && std::llround(double(c) * q) == suma) {
        r.Jednotka = KodJednotky(mj);
        r.Mnozstvo = q;
        r.CenaCenty = c;
    } else {
        r.CenaCenty = suma;
    }
    return r;
}

}  // namespace

EFaktura EFakturaZaznamu(const PodkladyDokladu& p, const NastaveniaEFaktury& n, bool dobropis,
                         const QDate& vystavenie)
{
    using namespace DruhVydavku;
    const HodnotyFaktury h = VypocitajHodnotyFaktury(p);
    EFaktura f;
    f.Dobropis = dobropis;
    f.Cislo = dobropis ? QStringLiteral("D-") + h.Cislo : h.Cislo;
    const QDate vykonanie = h.Vykonanie > 0 ? DatumNaQDate(h.Vykonanie) : QDate();
    // The invoice carries the issue date of the entry's documents; a credit note its own.
    if (dobropis)
        f.Vystavenie = vystavenie;
    else if (p.datumVystavenia > 0)
        f.Vystavenie = DatumNaQDate(p.datumVystavenia);
    else
        f.Vystavenie = vystavenie.isValid() ? vystavenie : vykonanie;
    f.Dodanie = vykonanie;
    if (h.Splatnost > 0)
        f.Splatnost = DatumNaQDate(h.Splatnost);
    if (dobropis) {
        f.FakturaDobropisu = h.Cislo;
        f.DatumFakturyDobropisu = vykonanie;
    }
    f.OdkazKupujuceho = h.CisloObjednavky.trimmed().isEmpty() ? h.Cislo : h.CisloObjednavky.trimmed();
    if (!h.CisloObjednavky.trimmed().isEmpty())
        f.Poznamky << h.TypCisla + QStringLiteral(": ") + h.CisloObjednavky.trimmed();
    if (!h.KonstantnySymbol.trimmed().isEmpty())
        f.Poznamky << QStringLiteral("Konštantný symbol: ") + h.KonstantnySymbol.trimmed();
    if (!h.PlatcaDPH && !h.TextPlatcuDPH.isEmpty())
        f.Poznamky << h.TextPlatcuDPH;

    const StranaFaktury& d = h.Dodavatel;
    f.Dodavatel = {d.Meno.simplified(), d.Adresa.simplified(), d.Mesto.trimmed(), d.PSC.trimmed(),
                   QStringLiteral("SK"), d.ICO.trimmed(), d.DIC.trimmed(),
                   h.PlatcaDPH ? d.ICDPH.trimmed() : QString(), n.EndpointSchema,
                   n.EndpointId.isEmpty() ? d.DIC.trimmed() : n.EndpointId};
    f.Dodavatel.PravneInfo = TextZapisuVZozname(p.nastavenie);
    f.Dodavatel.Telefon = n.Telefon.trimmed();
    f.Dodavatel.Email = n.Email.trimmed();
    const StranaFaktury& o = h.Odberatel;
    const AdresaStrany a = RozdelAdresu(o.Adresa);
    f.Odberatel = {o.Meno.simplified(), a.Ulica, a.Mesto, a.PSC, QStringLiteral("SK"), o.ICO.trimmed(),
                   o.DIC.trimmed(), o.ICDPH.trimmed(), QString::fromLatin1(EFakturaPeppol::SchemaDIC),
                   o.DIC.trimmed()};
    const auto iban = IbanZnalca(p.nastavenie, n);
    f.IBAN = iban.hodnotaAlebo({});
    f.ChybaUctu = iban.dovod();
    f.BIC = n.BIC;
    f.VariabilnySymbol = h.VariabilnySymbol.trimmed();
    f.KonstantnySymbol = h.KonstantnySymbol.trimmed();

    const EKategoriaDPH k = h.PlatcaDPH ? EKategoriaDPH{QStringLiteral("S"), h.SadzbaDPH, {}}
                                        : EKategoriaDPH{n.KategoriaNeplatcu, 0, n.DovodNeplatcu};
    // The printed invoice's rows with their net cents from its bill: the lines add up to
    // the printed base, and VAT reckoned on it once gives the printed VAT.
    for (qsizetype i = 0; i < h.Riadky.size(); ++i) {
        const RiadokPolozky& r = h.Riadky[i];
        const Centy zaklad = h.Rozpis.riadky().value(i).zaklad;
        if (zaklad <= 0)
            continue;
        const bool polozkaBezPodpoloziek = r.Druh == PodielovaOdmena || r.Druh == 0;
        f.Riadky << riadok(r.Polozka, r.MJ, polozkaBezPodpoloziek ? 0 : r.Cena, r.Mnozstvo, zaklad, k, h);
    }
    return f;
}
