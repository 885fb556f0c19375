#include "CestovneVypocty.h"

#include "settings/Vozidla.h"
#include "store/Centy.h"
#include "store/Cisla.h"

#include <cmath>
#include "store/Datum.h"
#include "store/Peniaze.h"

#include <QDateTime>
#include <QMap>
#include <QRegularExpression>

#include <optional>

namespace {
template <class T>
T& den(T& d1, T& d2, T& d3, T& d4, int i)
{
    return i == 2 ? d2 : i == 3 ? d3 : i == 4 ? d4 : d1;
}
}  // namespace

double& StravneDna(TCestovneNahrady& c, int d) { return den(c.Stravne1, c.Stravne2, c.Stravne3, c.Stravne4, d); }
double& NoclazneDna(TCestovneNahrady& c, int d) { return den(c.Noclazne1, c.Noclazne2, c.Noclazne3, c.Noclazne4, d); }
double& VedlajsieDna(TCestovneNahrady& c, int d)
{
    return den(c.Vedlajsie1, c.Vedlajsie2, c.Vedlajsie3, c.Vedlajsie4, d);
}
QString& DatumDna(TCestovneNahrady& c, int d) { return den(c.Datum1, c.Datum2, c.Datum3, c.Datum4, d); }

void PrepocitajCestovne(TCestovneNahrady& c, const DPHPaliva& dph)
{
    const double cenaPHM = dph.platca && c.SDPH && dph.sadzba > -100 ? c.CenaPHM / (1 + dph.sadzba / 100) : c.CenaPHM;
    const Centy phm = NaCenty(c.PocetNajazdenychKM * c.Spotreba / 100 * cenaPHM);
    const Centy cestovne = NaCenty(c.PocetNajazdenychKM * c.Opotrebenie);
    const Centy stravne = NaCenty(c.Stravne1) + NaCenty(c.Stravne2) + NaCenty(c.Stravne3) + NaCenty(c.Stravne4);
    Centy ostatne = 0;
    for (double x : {c.Noclazne1, c.Noclazne2, c.Noclazne3, c.Noclazne4, c.Vedlajsie1, c.Vedlajsie2, c.Vedlajsie3,
                     c.Vedlajsie4})
        ostatne += NaCenty(x);
    c.PHM_celkom = ZCentov(phm);
    c.Cestovne = ZCentov(cestovne);
    c.Stravne = ZCentov(stravne);
    c.OstatneNaklady = ZCentov(ostatne);
    c.SpoluNaklady = ZCentov(phm + cestovne + stravne + ostatne);
}

double OpotrebenieVozidla(const SadzbyNahrad& s, double sadzbaVozidla, double datum)
{
    const auto tisiciny = [](double x) { return std::llround(x * 1000); };
    bool zTabulky = sadzbaVozidla == 0;
    for (const SadzbaOpotrebenia& o : s.opotrebenie)
        zTabulky = zTabulky || tisiciny(o.sadzba) == tisiciny(sadzbaVozidla);
    const double platna = s.OpotrebenieKDatumu(datum);
    return zTabulky && platna > 0 ? platna : sadzbaVozidla;
}

void PredvolbyCesty(TCestovneNahrady& c, const TNastavenia& n, double dnes)
{
    QString meno = n.TitulPred + u' ' + n.Meno + u' ' + n.Priezvisko;
    if (!n.TitulZa.isEmpty())
        meno += QStringLiteral(", ") + n.TitulZa;
    c.Meno = meno.left(100);
    c.Bydlisko = (n.Adresa + QStringLiteral(", ") + n.PSC + u' ' + n.Mesto).left(100);
    c.VyuctovaneDna = dnes;
    c.SDPH = n.CestakBezDPH == 0;
}

void ZvolVozidlo(TCestovneNahrady& c, const TVozidlo& v, const SadzbyNahrad& s, double dnes, const DPHPaliva& dph)
{
    c.Vozidlo = v.Nazov.left(100);
    c.VozidloEC = v.EvidencneCislo.left(20);
    c.Spotreba = v.Spotreba;
    c.Opotrebenie = OpotrebenieVozidla(s, v.Opotrebenie, c.VyuctovaneDna != 0 ? c.VyuctovaneDna : dnes);
    PrepocitajCestovne(c, dph);
}

double DatumStravneho(const QString& datumDna, double vyuctovaneDna, double dnes)
{
    if (const double d = TextNaDatum(datumDna.trimmed()); d != 0)
        return d;
    return vyuctovaneDna != 0 ? vyuctovaneDna : dnes;
}

QList<TlacidloStravneho> TlacidlaStravneho(const SadzbaStravneho& s)
{
    auto t = [](const char* pasmo, double suma) {
        return TlacidloStravneho{QString::fromUtf8(pasmo) + QStringLiteral(" - ") + SumaText(SymbolEuro, suma), suma};
    };
    return {t("5 - 12 hodín", s.do12h), t("12 - 18 hodín", s.do18h), t("nad 18 hodín", s.nad18h)};
}

QList<QStringList> VyvojStravneho(const QList<SadzbaStravneho>& obdobia)
{
    QList<QStringList> riadky;
    for (int i = obdobia.size() - 1; i >= 0; --i) {
        const SadzbaStravneho& s = obdobia[i];
        QString platnost = QStringLiteral("od ") + DatumText(s.od);
        if (i + 1 < obdobia.size())
            platnost += QStringLiteral(" do ") + DatumText(obdobia[i + 1].od - 1);
        riadky.append({platnost, SumaText(SymbolEuro, s.do12h), SumaText(SymbolEuro, s.do18h),
                       SumaText(SymbolEuro, s.nad18h)});
    }
    return riadky;
}

double OpotrebenieKDnu(const SadzbyNahrad& s, double vyuctovaneDna, double dnes)
{
    return s.OpotrebenieKDatumu(vyuctovaneDna != 0 ? vyuctovaneDna : dnes);
}

QString TextAktualnehoOpotrebenia(double sadzba)
{
    return QStringLiteral("Aktuálna hodnota ") + QString::number(sadzba, 'f', 3);
}

QString CisloCesty(double x, int desatinne) { return CisloText(x, desatinne); }

namespace {
// "…, 3.5.2024 7:30" or "3. 5. 2024 o 7.30 hod": the moment; nothing without a date and a time.
std::optional<QDateTime> casCesty(const QString& text)
{
    static const QRegularExpression vzor(
        QStringLiteral("(\\d{1,2})\\.\\s*(\\d{1,2})\\.\\s*(\\d{4})\\D{0,6}?(\\d{1,2})[:.](\\d{2})"));
    const auto m = vzor.match(text);
    if (!m.hasMatch())
        return std::nullopt;
    const QDate d(m.captured(3).toInt(), m.captured(2).toInt(), m.captured(1).toInt());
    const QTime t(m.captured(4).toInt(), m.captured(5).toInt());
    if (!d.isValid() || !t.isValid())
        return std::nullopt;
    return QDateTime(d, t);
}
}  // namespace

double StravneZaHodiny(const SadzbaStravneho& s, double hodin)
{
    if (hodin < 5)
        return 0;
    if (hodin <= 12)
        return s.do12h;
    if (hodin <= 18)
        return s.do18h;
    return s.nad18h;
}

QList<int> StravnePodlaCasov(TCestovneNahrady& c, const SadzbyNahrad& sadzby)
{
    // first start and last end of the legs of each day
    QMap<QDate, std::pair<QDateTime, QDateTime>> dni;
    for (int k = 1; k <= 4; ++k) {
        const auto zaciatok = casCesty(c.textCesty(k, 0));
        const auto koniec = casCesty(c.textCesty(k, 3));
        if (!zaciatok || !koniec || zaciatok->date() != koniec->date() || *koniec < *zaciatok)
            continue;
        auto it = dni.find(zaciatok->date());
        if (it == dni.end())
            dni.insert(zaciatok->date(), {*zaciatok, *koniec});
        else
            *it = {std::min(it->first, *zaciatok), std::max(it->second, *koniec)};
    }
    QList<int> nastavene;
    for (auto it = dni.cbegin(); it != dni.cend(); ++it) {
        const double datum = QDateNaDatum(it.key());
        int den = 0;
        for (int d = 1; d <= 4 && den == 0; ++d)
            if (TextNaDatum(DatumDna(c, d)) == datum)
                den = d;
        for (int d = 1; d <= 4 && den == 0; ++d)
            if (DatumDna(c, d).trimmed().isEmpty()) {
                den = d;
                DatumDna(c, d) = DatumText(datum);
            }
        if (den == 0)
            continue;
        const double hodin = it->first.secsTo(it->second) / 3600.0;
        StravneDna(c, den) = StravneZaHodiny(sadzby.StravneKDatumu(datum), hodin);
        nastavene.append(den);
    }
    if (!nastavene.isEmpty())
        PrepocitajCestovne(c);
    return nastavene;
}
