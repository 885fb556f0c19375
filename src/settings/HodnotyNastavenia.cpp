#include "HodnotyNastavenia.h"

#include "Iban.h"

#include "TextyZnalca.h"
#include "store/Cisla.h"

HodnotyNastavenia HodnotyZNastaveni(const Nastavenia& n, const QList<TVozidlo>& vozidla,
                                     std::optional<double> sadzbaZaznamu)
{
    HodnotyNastavenia h;
    h.nastavenie = n.Nastavenie;
    h.tlac = n.NastavenieTlac;
    h.hlavickaText = n.NastavenieHlavicka.HlavickaText;
    h.dualne = n.Dualne.DualneZobrazovanie;
    h.vozidla = vozidla;
    const TNastavenia& t = n.Nastavenie;
    if (t.Druh == Tlmocnik || t.Druh == Prekladatel)
        h.jazyky = {t.Odbory, t.NajpouzivanejsiOdbor};
    else
        h.odbory = {t.Odbory, t.Odvetvia, t.NajpouzivanejsiOdbor};
    if (sadzbaZaznamu)
        h.nastavenie.SadzbaDPH = *sadzbaZaznamu;
    h.eFaktura = NacitajNastaveniaEFaktury();
    return h;
}

void PrevezmiHodnoty(const HodnotyNastavenia& h, Nastavenia& n, QList<TVozidlo>& vozidla)
{
    TNastavenia& t = n.Nastavenie;
    const TNastavenia& z = h.nastavenie;
    t.TitulPred = z.TitulPred;
    t.TitulZa = z.TitulZa;
    t.Meno = z.Meno;
    t.Priezvisko = z.Priezvisko;
    t.Adresa = z.Adresa;
    t.Mesto = z.Mesto;
    t.PSC = z.PSC;
    t.EC = z.EC;
    t.ICO = z.ICO;
    t.DIC = z.DIC;
    t.ICDPH = z.ICDPH;
    t.Banka = z.Banka;
    t.CisloUctu = z.CisloUctu;
    t.PlatcaDPH = z.PlatcaDPH;
    t.SadzbaDPH = z.SadzbaDPH;
    t.CestakBezDPH = z.CestakBezDPH;
    t.Druh = z.Druh;
    t.BasicFontName = z.BasicFontName;
    t.BasicFontSize = z.BasicFontSize;
    t.TableFontName = z.TableFontName;
    t.TableFontSize = z.TableFontSize;
    t.TitleFontName = z.TitleFontName;
    t.TitleFontSize = z.TitleFontSize;
    t.TitleFontStyleBold = z.TitleFontStyleBold;
    t.TitleFontStyleItalic = z.TitleFontStyleItalic;
    if (z.Druh == Tlmocnik || z.Druh == Prekladatel) {
        t.Odbory = h.jazyky.Jazyky;
        t.Odvetvia.clear();
        t.NajpouzivanejsiOdbor = h.jazyky.Najpouzivanejsi;
    } else {
        t.Odbory = h.odbory.Odbory;
        t.Odvetvia = h.odbory.Odvetvia;
        t.NajpouzivanejsiOdbor = h.odbory.Najpouzivanejsi;
    }
    t.TextVyuctovania.clear();
    t.TextVyuctovaniaCiastka.clear();
    // What memory holds is what the files will hold: cut to capacity, Windows-1250 only.
    t = TNastavenia::zObrazu(t.obrazNaZapis());
    n.NastavenieTlac = TNastavenieTlac::zObrazu(h.tlac.obrazNaZapis());
    n.NastavenieHlavicka.HlavickaText.clear();
    n.Dualne.DualneZobrazovanie = h.dualne;
    vozidla.clear();
    for (const auto& v : h.vozidla)
        vozidla.append(TVozidlo::zObrazu(v.obrazNaZapis()));
}

Vysledok UlozPoNastaveni(Nastavenia& n, const Vozidla& vozidla)
{
    n.UlozStaryCestak(vozidla.ZoznamVozidiel);
    n.NastavStylNadpisu();
    // Stops at the first failure.
    Vysledok v = vozidla.UlozVozidla();
    if (v)
        v = n.UlozNastavenia();
    if (v)
        v = n.UlozNastavenieTlac();
    if (v)
        v = n.UlozNastavenieHlavicka();
    if (v)
        v = n.UlozDualneZobrazovanie();
    return v;
}

PopisyDruhu PopisyPreDruh(int druhZnalca)
{
    switch (druhZnalca) {
    case Tlmocnik:
        return {QStringLiteral("Údaje o tlmočníkovi"), QStringLiteral("Meno tlmočníka:"),
                QStringLiteral("tlmočník je platca DPH"), QStringLiteral("Zapísané jazyky"),
                QStringLiteral("Editovanie tlmočníckeho kevrota"), QStringLiteral("Číslo tlmočníckeho úkonu:"),
                QStringLiteral("Typ tlmočenia:")};
    case Prekladatel:
        return {QStringLiteral("Údaje o prekladateľovi"), QStringLiteral("Meno prekladateľa:"),
                QStringLiteral("prekladateľ je platca DPH"), QStringLiteral("Zapísané jazyky"),
                QStringLiteral("Editovanie prekladateľského kevrota"), QStringLiteral("Číslo prekladateľského úkonu:"),
                QStringLiteral("Typ prekladu:")};
    default:
        return {QStringLiteral("Údaje o znalcovi"), QStringLiteral("Meno znalca:"),
                QStringLiteral("znalec je platca DPH"), QStringLiteral("Zapísané odbory a odvetvia"),
                QStringLiteral("Editovanie znaleckého kevrota"), QStringLiteral("Číslo znaleckého úkonu:"),
                QStringLiteral("Typ posudku:")};
    }
}

std::optional<double> CitajSadzbu(const QString& text)
{
    // A negative rate would turn every VAT amount into a deduction.
    const auto v = TextNaCislo(text.trimmed());
    if (!v || *v < 0)
        return std::nullopt;
    return v;
}

QString TextSadzby(double sadzba) { return CisloText(sadzba, 2).trimmed(); }

std::optional<qint32> CitajCisloKevrota(const QString& text) { return TextNaCeleCislo(text.trimmed()); }

QString HlavickaZAdresy(const TNastavenia& n)
{
    return MenoZnalca(n) + QStringLiteral(", ") + n.Adresa + QStringLiteral(", ") + n.PSC + u' ' + n.Mesto;
}

PoliaUctu UpravPoliaUctu(PoliaUctu p)
{
    p.cisloUctu = p.cisloUctu.trimmed();
    p.kodBanky = p.kodBanky.trimmed();
    p.iban = p.iban.simplified().remove(u' ').toUpper();
    const QString ucet = QString(p.cisloUctu).remove(u' ');
    if (ucet.size() > 2 && ucet.at(0).isLetter() && ucet.at(1).isLetter()) {
        p.iban = ucet.toUpper();
        p.cisloUctu.clear();
        QString cislo, kod;
        if (Iban::naUcet(p.iban, &cislo, &kod)) {
            p.cisloUctu = cislo;
            p.kodBanky = kod;
        }
    }
    return p;
}

QString ChybaPoliUctu(const PoliaUctu& p)
{
    if (!p.iban.isEmpty()) {
        const QString chyba = Iban::chyba(p.iban);
        if (!chyba.isEmpty())
            return chyba;
    }
    if (p.cisloUctu.isEmpty())
        return {};
    const auto iban = Iban::zUctu(p.cisloUctu, p.kodBanky);
    if (!iban)
        return iban.dovod() + QStringLiteral(" (číslo účtu: predčíslie-číslo, napr. 19-123457, a štvormiestny kód "
                                             "banky; obe časti musia prejsť kontrolou modulo 11)");
    const QString& zUctu = iban.hodnota();
    if (!p.iban.isEmpty() && p.iban.startsWith(QLatin1String("SK")) && Iban::over(p.iban) != zUctu)
        return QStringLiteral("IBAN %1 nepatrí k účtu %2/%3 (z účtu vychádza %4).")
            .arg(Iban::naTlac(Iban::over(p.iban)), p.cisloUctu, p.kodBanky, Iban::naTlac(zUctu));
    return {};
}
