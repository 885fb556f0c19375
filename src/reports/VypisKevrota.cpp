#include "VypisKevrota.h"

#include "settings/Nastavenia.h"
#include "settings/OdborKody.h"
#include "settings/TextyZnalca.h"
#include "store/Cesty.h"
#include "store/Datum.h"
#include "store/Peniaze.h"
#include "store/Spravy.h"
#include "store/ZdielaneSubory.h"

#include <QDate>

#include <cmath>

namespace {

const QString TextStatne = QStringLiteral("znaleckých úkonov pre štátne orgány v odbore - odvetví ");
const QString TextOsoby = QStringLiteral("znaleckých úkonov pre právnické a fyzické osoby v odbore - odvetví ");
// Width of the count column of the statement, in points; the text takes the rest of the line.
constexpr double SirkaPoctu = 50;

// A language pair has no branch: the language alone decides.
int spocitajPar(const ParUkonov& par, const QList<RiadokKevrota>& zaznamy, int statny, int rok, int polrok)
{
    int n = 0;
    for (const auto& z : zaznamy)
        if (z.StatnyOrgan == statny && z.Odbor() == par.kodOdboru
            && (par.kodOdvetvia.isEmpty() || z.Odvetvie() == par.kodOdvetvia)
            && VypisKevrota::Polrok(z.DatumVykonania, rok) == polrok)
            ++n;
    return n;
}

QString nazovPary(const ParUkonov& p)
{
    return p.kodOdvetvia.isEmpty() ? p.nazovOdboru : p.nazovOdboru + QStringLiteral(" - ") + p.nazovOdvetvia;
}

void vlozRiadky(Dokument& d, const QList<ParUkonov>& pary, const QString& text, const TNastavenia& n)
{
    for (const auto& p : pary) {
        d.nastavPismo(n.BasicFontName, n.BasicFontSize);
        d.vloz(PocetText(p.pocet) + QStringLiteral("; ") + text + nazovPary(p) + QStringLiteral("\r"));
    }
}

// The words of the kind: "znaleckých" / "tlmočníckych" / "prekladateľských" and the like.
struct SlovaDruhu {
    QString statne, osoby;
    QList<std::pair<QString, QString>> sablona;  // template text and its replacement
};

SlovaDruhu slovaDruhu(qint32 druh)
{
    if (druh != Tlmocnik && druh != Prekladatel)
        return {TextStatne, TextOsoby, {}};
    const bool t = druh == Tlmocnik;
    const QString ukonov = t ? QStringLiteral("tlmočníckych") : QStringLiteral("prekladateľských");
    return {ukonov + QStringLiteral(" úkonov pre štátne orgány v jazyku "),
            ukonov + QStringLiteral(" úkonov pre právnické a fyzické osoby v jazyku "),
            {{QStringLiteral("VÝPIS ZO ZNALECKÉHO KEVROTA"),
              t ? QStringLiteral("VÝPIS Z TLMOČNÍCKEHO KEVROTA") : QStringLiteral("VÝPIS Z PREKLADATEĽSKÉHO KEVROTA")},
             {QStringLiteral("tieto znalecké úkony (počet; druh úkonov v odbore - odvetví):"),
              (t ? QStringLiteral("tieto tlmočnícke") : QStringLiteral("tieto prekladateľské"))
                  + QStringLiteral(" úkony (počet; druh úkonov v jazyku):")},
             {QStringLiteral("v znaleckom kevrote"),
              t ? QStringLiteral("v tlmočníckom kevrote") : QStringLiteral("v prekladateľskom kevrote")},
             {QStringLiteral("podpis znalca"), t ? QStringLiteral("podpis tlmočníka") : QStringLiteral("podpis prekladateľa")}}};
}

}  // namespace

VypisKevrota::VypisKevrota(const TNastavenia& nastavenie, const OdboryOdvetvia& odbory,
                           QList<RiadokKevrota> zaznamy, int rok, const Jazyky* jazyky)
    : m_nastavenie(nastavenie), m_zaznamy(std::move(zaznamy)), m_rok(rok)
{
    if (jazykovy()) {
        for (const QString& kod : OdborKody::RozdelKody(nastavenie.Odbory)) {
            if (kod.isEmpty())
                continue;
            const QString nazov = jazyky ? jazyky->NazovJazyka(kod) : QString();
            const ParUkonov par{kod, nazov.isEmpty() ? kod : nazov, QString(), QString(), 0};
            m_statne << par;
            m_osoby << par;
        }
        Spocitaj(1);
        return;
    }
    const QStringList odvetvia = OdborKody::RozdelKody(nastavenie.Odvetvia);
    for (const QString& odbor : OdborKody::RozdelKody(nastavenie.Odbory)) {
        if (odbor.isEmpty())
            continue;
        for (const QString& odvetvie : odvetvia) {
            if (odvetvie.isEmpty() || odvetvie.left(2) != odbor.left(2))
                continue;
            const ParUkonov par{odbor, odbory.NazovOdboru(odbor), odvetvie, odbory.NazovOdvetvia(odvetvie), 0};
            m_statne << par;
            m_osoby << par;
        }
    }
    Spocitaj(1);
}

int VypisKevrota::Polrok(double datum, int rok)
{
    // Compared by day: a time of day on 30 June is still the first half.
    const QDate d = DatumNaQDate(std::floor(datum));
    if (!d.isValid() || d.year() != rok)
        return 0;
    return d.month() <= 6 ? 1 : 2;
}

void VypisKevrota::Spocitaj(int polrok)
{
    m_polrok = polrok;
    m_kontrola.clear();
    for (const auto& z : std::as_const(m_zaznamy))
        if (jazykovy() && z.Odbor().isEmpty())
            m_kontrola << QStringLiteral("%1/%2 - nie je zadaný jazyk").arg(z.PoradoveCislo).arg(z.Rok);
        else if (!jazykovy() && (z.Odbor().isEmpty() || z.Odvetvie().isEmpty()))
            m_kontrola << QStringLiteral("%1/%2 - nie je zadaný odbor/odvetvie (%3/%4)")
                              .arg(z.PoradoveCislo).arg(z.Rok).arg(z.Odbor(), z.Odvetvie());
    for (auto& p : m_statne)
        p.pocet = spocitajPar(p, m_zaznamy, 1, m_rok, polrok);
    for (auto& p : m_osoby)
        p.pocet = spocitajPar(p, m_zaznamy, 0, m_rok, polrok);
}

QList<VypisKevrota::RiadokMriezky> VypisKevrota::Mriezka() const
{
    QList<RiadokMriezky> riadky;
    auto pridaj = [&](const QList<ParUkonov>& pary, const QString& skupina) {
        for (const auto& p : pary)
            riadky << RiadokMriezky{p.pocet, p.kodOdvetvia.isEmpty()
                                                 ? skupina + p.nazovOdboru + QStringLiteral(" (") + p.kodOdboru + u')'
                                                 : skupina + p.nazovOdboru + QStringLiteral(" (") + p.kodOdboru
                                                       + QStringLiteral(") ") + QStringLiteral(" - ") + p.nazovOdvetvia
                                                       + QStringLiteral(" (") + p.kodOdvetvia + QStringLiteral(")")};
    };
    pridaj(m_statne, QStringLiteral("Štátne orgány: "));
    pridaj(m_osoby, QStringLiteral("Právnické a fyzické osoby: "));
    return riadky;
}

QString VypisKevrota::Znalec() const { return MenoZnalca(m_nastavenie); }

QString VypisKevrota::Adresa() const
{
    return m_nastavenie.Adresa + QStringLiteral(", ") + m_nastavenie.PSC + QLatin1Char(' ') + m_nastavenie.Mesto;
}

QString VypisKevrota::ZaObdobie() const
{
    const QString r = QString::number(m_rok);
    return m_polrok == 1 ? QStringLiteral("1.1.") + r + QStringLiteral(" až 30.6.") + r
                         : QStringLiteral("1.7.") + r + QStringLiteral(" až 31.12.") + r;
}

QString VypisKevrota::Sablona() { return ZdielaneSubory::sablona(QStringLiteral("\\Zostavy\\vypis.dot")); }

std::optional<Dokument> VypisKevrota::VytvorDokument(const QString& sablona) const
{
    Nastavenia nastavenia;
    nastavenia.Nastavenie = m_nastavenie;
    nastavenia.DoplnPredvoleneFonty();
    const TNastavenia& n = nastavenia.Nastavenie;
    auto d = Dokument::zoSablony(sablona);
    if (!d) {
        spravy().chyba(QStringLiteral("Nedá sa nahrať šablóna ") + sablona);
        return std::nullopt;
    }
    auto vypln = [&](const QString& zalozka, const QString& text) {
        if (d->chodNaZalozku(zalozka))
            d->vloz(text);
    };
    const SlovaDruhu slova = slovaDruhu(n.Druh);
    for (const auto& [co, cim] : slova.sablona)
        if (d->najdiAOdstran(co))
            d->vloz(cim);
    vypln(QStringLiteral("druh_znalca"), NazovDruhuZnalca(jazykovy() ? n.Druh : qint32(DruhZnalca::Znalec))
                                             + u':');
    vypln(QStringLiteral("znalec_meno"), Znalec());
    vypln(QStringLiteral("znalec_adresa"), Adresa());
    const QString& ec = n.EC;
    if (ec.size() > 4)
        for (int i = 0; i < 5; ++i)
            vypln(QStringLiteral("EC%1").arg(i + 1), ec.mid(i, 1));
    if (ec.size() > 5)
        vypln(QStringLiteral("EC6"), ec.mid(5, 1));
    vypln(QStringLiteral("za_obdobie"), ZaObdobie());
    if (d->chodNaZalozku(QStringLiteral("znalecky_ukon1"))) {
        const auto od = d->pozicia();
        vlozRiadky(*d, m_statne, slova.statne, n);
        vlozRiadky(*d, m_osoby, slova.osoby, n);
        TabulkaVolby v;
        v.sirkyStlpcov = {SirkaPoctu};
        d->textNaTabulku(od, v);
    }
    return d;
}

bool VypisKevrota::Uloz(const QString& subor) const
{
    const auto d = VytvorDokument(Sablona());
    if (!d)
        return false;
    return subor.endsWith(QStringLiteral(".pdf"), Qt::CaseInsensitive) ? ohlas(d->ulozAkoPdf(subor)) : ohlas(d->ulozAko(subor));
}

QString VypisKevrota::PracovnySubor(bool pdf)
{
    Cesty::vytvorJednuUroven(Cesty::tmpDoc());
    return Cesty::tmpDoc() + (pdf ? QStringLiteral("/vypis.pdf") : QStringLiteral("/vypis.rtf"));
}
