#include "Nastavenia.h"

#include <QFileInfo>

#include <cstring>

#include "store/Cesty.h"
#include "store/Peniaze.h"
#include "store/Spravy.h"
#include "store/Subory.h"

namespace {

constexpr qint32 PredvolenaSplatnost = 14;  // days

// Reads a single-record file over the record's current (default) content.
template <class T>
bool nacitajNastavenie(const QString& cesta, T& zaznam)
{
    if (!QFileInfo::exists(cesta))
        return true;
    const auto obsah = Subory::citaj(cesta);
    if (!obsah) {
        spravy().chyba(textProblemSoSuborom(cesta));
        return false;
    }
    // Fields that lie whole in the bytes there are taken; a field cut off keeps its default.
    int celych = 0;
    for (const auto& p : T::rozlozenie())
        if (p.offset + p.sirka <= obsah->size())
            celych = p.offset + p.sirka;
    QByteArray obraz = zaznam.obrazNaZapis();
    std::memcpy(obraz.data(), obsah->constData(), size_t(celych));
    zaznam = T::zObrazu(obraz);
    if (obsah->size() < T::VELKOST) {
        spravy().chyba(textProblemSoSuborom(cesta));
        return false;
    }
    return true;
}

// "%5.2f" with the decimal comma of the Slovak regional settings.
QString cisloCestaku(double x)
{
    return QString::asprintf("%5.2f", x).replace(QLatin1Char('.'), QLatin1Char(','));
}

}  // namespace

QString Nastavenia::SuborNastavenia() { return Cesty::cesta(QStringLiteral("\\nastavenia.dat")); }
QString Nastavenia::SuborNastavenieTlac()
{
    return Cesty::cesta(QStringLiteral("\\Data\\znalec_kevrot_nastavenie_tlac.dat"));
}
QString Nastavenia::SuborNastavenieHlavicka()
{
    return Cesty::cesta(QStringLiteral("\\Data\\znalec_kevrot_nastavenie.dat"));
}
QString Nastavenia::SuborNastavenieManazer()
{
    return Cesty::cesta(QStringLiteral("\\Data\\znalec_kevrot_nastavenie_manazer.dat"));
}
QString Nastavenia::SuborPodielOdmena()
{
    return Cesty::cesta(QStringLiteral("\\Data\\znalec_kevrot_nastavenie_podiel_odmena.dat"));
}
QString Nastavenia::SuborDualneZobrazovanie()
{
    return Cesty::cesta(QStringLiteral("\\Data\\nastavenie_dualneZobrazovanie.dat"));
}

bool Nastavenia::NacitajNastavenia()
{
    // A new installation (no settings file yet) starts with a payment term of 14 days.
    if (!QFileInfo::exists(SuborNastavenia()))
        Nastavenie.Splatnost = PredvolenaSplatnost;
    return nacitajNastavenie(SuborNastavenia(), Nastavenie);
}
bool Nastavenia::NacitajNastavenieTlac() { return nacitajNastavenie(SuborNastavenieTlac(), NastavenieTlac); }
bool Nastavenia::NacitajNastavenieManazer() { return nacitajNastavenie(SuborNastavenieManazer(), NastavenieManazer); }
bool Nastavenia::NacitajPodielOdmena() { return nacitajNastavenie(SuborPodielOdmena(), PodielOdmena); }

bool Nastavenia::NacitajDualneZobrazovanie()
{
    const bool ok = nacitajNastavenie(SuborDualneZobrazovanie(), Dualne);
    nastavDualneZobrazovanie(Dualne.DualneZobrazovanie);
    return ok;
}

bool Nastavenia::NacitajVsetko()
{
    bool ok = NacitajNastavenia();
    ok = NacitajNastavenieTlac() && ok;
    ok = NacitajNastavenieManazer() && ok;
    ok = NacitajDualneZobrazovanie() && ok;
    ok = NacitajPodielOdmena() && ok;
    return ok;
}

Vysledok Nastavenia::UlozNastavenia() const { return ulozJedenZaznam(SuborNastavenia(), Nastavenie); }
Vysledok Nastavenia::UlozNastavenieTlac() const { return ulozJedenZaznam(SuborNastavenieTlac(), NastavenieTlac); }
Vysledok Nastavenia::UlozNastavenieHlavicka() const
{
    return ulozJedenZaznam(SuborNastavenieHlavicka(), NastavenieHlavicka);
}
Vysledok Nastavenia::UlozDualneZobrazovanie() const
{
    nastavDualneZobrazovanie(Dualne.DualneZobrazovanie);
    return ulozJedenZaznam(SuborDualneZobrazovanie(), Dualne);
}
Vysledok Nastavenia::UlozNastavenieManazer() const
{
    return ulozJedenZaznam(SuborNastavenieManazer(), NastavenieManazer);
}

Vysledok Nastavenia::UlozPodielOdmena()
{
    PodielOdmena.Verzia = TNastaveniePodielOdmena::VerziaAktualna;
    return ulozJedenZaznam(SuborPodielOdmena(), PodielOdmena);
}

void Nastavenia::DoplnPredvoleneFonty()
{
    const QString arial = QStringLiteral("Arial");
    if (Nastavenie.BasicFontName.isEmpty()) {
        Nastavenie.BasicFontName = arial;
        Nastavenie.BasicFontSize = 11;
    }
    if (Nastavenie.TableFontName.isEmpty()) {
        Nastavenie.TableFontName = arial;
        Nastavenie.TableFontSize = 10;
    }
    if (Nastavenie.TitleFontName.isEmpty()) {
        Nastavenie.TitleFontName = arial;
        Nastavenie.TitleFontSize = 12;
        Nastavenie.TitleFontStyleBold = true;
        Nastavenie.TitleFontStyleItalic = false;
    }
}

void Nastavenia::UlozStaryCestak(const QList<TVozidlo>& vozidla)
{
    QStringList& t = Nastavenie.StaryCestak;
    while (t.size() < 5)
        t.append(QString());
    t[0] = cisloCestaku(0.0);
    for (const auto& v : vozidla) {
        t[1] = v.Nazov;
        t[2] = v.EvidencneCislo;
        t[3] = cisloCestaku(v.Spotreba);
        t[4] = cisloCestaku(v.Opotrebenie);
    }
}

quint16 Nastavenia::KodStyluNadpisu(bool tucne, bool kurziva)
{
    return quint16(0x3001 | (tucne ? 0x0100 : 0) | (kurziva ? 0x0200 : 0));
}

void Nastavenia::NastavStylNadpisu()
{
    Nastavenie.TitleFontStyle = KodStyluNadpisu(Nastavenie.TitleFontStyleBold, Nastavenie.TitleFontStyleItalic);
}
