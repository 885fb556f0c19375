#include "PoliaZaznamu.h"

#include "editor/KonstantneSymboly.h"
#include "editor/VstupPoli.h"
#include "store/Datum.h"
#include "store/Zurnal.h"

#include <QFileInfo>

namespace {
QString datumPola(double d) { return d == 0 ? QString() : DatumText(d); }

void datumZPola(const QString& text, double& pole)
{
    if (text.trimmed().isEmpty())
        return;
    pole = TextNaDatum(text.trimmed());
}
}  // namespace

PoliaZaznamu ZobrazZaznam(const TZnalKevrotZaznam& z)
{
    PoliaZaznamu p;
    p.Cislo = QString::number(z.PoradoveCislo);
    p.Rok = QString::number(z.Rok);
    p.KodOdboru = z.Odbor;
    p.KodOdvetvia = z.Odvetvie;
    p.KodJazyka = z.Jazyk;
    p.Meno = z.Meno;
    p.Adresa = z.Adresa;
    p.ICO = z.ICO;
    p.DIC = z.DIC;
    p.ICDPH = z.ICDPH;
    p.StatnyOrgan = z.StatnyOrgan != 0;
    p.TypCisla = z.TypCisla == 1 ? 1 : 0;
    p.CisloObjednavky = z.CisloObjednavky;
    p.DatumVyziadania = datumPola(z.DatumVyziadania);
    p.DatumVykonania = datumPola(z.DatumVykonania);
    p.DatumSplatnosti = datumPola(z.DatumSplatnosti);
    p.DruhUkonu = z.DruhUkonu;
    p.TypPosudku = z.TypPosudku;
    p.Predmet = z.Predmet;
    p.Ucel = z.Ucel;
    p.Poznamka = z.Poznamka;
    p.UdajeOdmena = z.UdajeOdmena;
    p.PriznanaOdmena = VstupPoli::CisloDoPola(z.PriznanaOdmena);
    p.PriznaneVydavky = VstupPoli::CisloDoPola(z.PriznaneVydavky);
    p.KonstantnySymbol = z.KonstantnySymbol.isEmpty() ? QString::fromLatin1(KonstantneSymboly::Predvoleny)
                                                      : z.KonstantnySymbol;
    p.VariabilnySymbol = z.VariabilnySymbol;
    p.DodaciePodmienky = z.DodaciePodmienky;
    p.SposobPlatby = z.SposobPlatby;
    p.DoZoznamuVyuctovani = z.DoZoznamuVyuctovani;
    return p;
}

int CisloZPola(const QString& text)
{
    if (text.trimmed().isEmpty())
        return 0;
    return VstupPoli::CeleCislo(text).value_or(0);
}

QString ChybyZaznamu(const PoliaZaznamu& p, int druhZnalca)
{
    QStringList chyby;
    if (CisloZPola(p.Cislo) == 0)
        chyby << QStringLiteral("Nie je vyplnené poradové číslo.");
    if (CisloZPola(p.Rok) == 0)
        chyby << QStringLiteral("Nie je vyplnený rok.");
    if (druhZnalca == 0) {
        if (p.KodOdboru.isEmpty())
            chyby << QStringLiteral("Nie je vyplnený odbor.");
        if (p.KodOdvetvia.isEmpty())
            chyby << QStringLiteral("Nie je vyplnené odvetvie.");
    } else if (p.KodJazyka.isEmpty()) {
        chyby << QStringLiteral("Nie je vyplnený jazyk.");
    }
    if (p.DatumVykonania.trimmed().isEmpty())
        chyby << QStringLiteral("Nie je vyplnený dátum vykonania.");
    // A typed date that is no date would wipe the stored one.
    const auto zlyDatum = [](const QString& t) { return !t.trimmed().isEmpty() && TextNaDatum(t.trimmed()) == 0; };
    if (zlyDatum(p.DatumVyziadania))
        chyby << QStringLiteral("Neplatný dátum vyžiadania.");
    if (zlyDatum(p.DatumVykonania))
        chyby << QStringLiteral("Neplatný dátum vykonania.");
    if (zlyDatum(p.DatumSplatnosti))
        chyby << QStringLiteral("Neplatný dátum splatnosti.");
    return chyby.join(QLatin1Char('\n'));
}

bool CisloVolne(const QList<RiadokKevrota>& zaznamy, const TZnalKevrotZaznam& povodny, bool novy,
                int cislo, int rok)
{
    if (!novy && cislo == povodny.PoradoveCislo && rok == povodny.Rok)
        return true;
    for (const auto& z : zaznamy)
        if (z.PoradoveCislo == cislo && z.Rok == rok)
            return false;
    return true;
}

bool CisloVolneNaDisku(const TZnalKevrotZaznam& povodny, bool novy, int cislo, int rok)
{
    if (!novy && cislo == povodny.PoradoveCislo && rok == povodny.Rok)
        return true;
    return !QFileInfo::exists(Zurnal::SuborZaznamu(cislo, rok));
}

void PrevezmiPolia(const PoliaZaznamu& p, int druhZnalca, TZnalKevrotZaznam& z)
{
    z.PoradoveCislo = CisloZPola(p.Cislo);
    z.Rok = CisloZPola(p.Rok);
    z.Odbor.clear();
    z.Odvetvie.clear();
    z.Jazyk.clear();
    if (druhZnalca == 0) {
        z.Odbor = p.KodOdboru;
        z.Odvetvie = p.KodOdvetvia;
    } else {
        z.Jazyk = p.KodJazyka;
    }
    z.Meno = p.Meno.left(DlzkyPoli::Meno);
    z.Adresa = p.Adresa.left(DlzkyPoli::Adresa);
    z.ICO = p.ICO.left(DlzkyPoli::ICO);
    z.DIC = p.DIC.left(DlzkyPoli::DIC);
    z.ICDPH = p.ICDPH.left(DlzkyPoli::ICDPH);
    z.StatnyOrgan = p.StatnyOrgan ? 1 : 0;
    z.TypCisla = p.TypCisla;
    z.CisloObjednavky = p.CisloObjednavky.left(DlzkyPoli::CisloObjednavky);
    datumZPola(p.DatumVyziadania, z.DatumVyziadania);
    datumZPola(p.DatumVykonania, z.DatumVykonania);
    datumZPola(p.DatumSplatnosti, z.DatumSplatnosti);
    z.DruhUkonu = p.DruhUkonu.left(DlzkyPoli::DruhUkonu);
    z.TypPosudku = p.TypPosudku.left(DlzkyPoli::TypPosudku);
    z.Predmet = p.Predmet.left(DlzkyPoli::Predmet);
    z.Ucel = p.Ucel.left(DlzkyPoli::Ucel);
    z.Poznamka = p.Poznamka.left(DlzkyPoli::Poznamka);
    z.UdajeOdmena = p.UdajeOdmena.left(DlzkyPoli::UdajeOdmena);
    if (const auto v = VstupPoli::Cislo(p.PriznanaOdmena))
        z.PriznanaOdmena = *v;
    if (const auto v = VstupPoli::Cislo(p.PriznaneVydavky))
        z.PriznaneVydavky = *v;
    z.KonstantnySymbol = p.KonstantnySymbol.left(DlzkyPoli::KonstantnySymbol);
    z.VariabilnySymbol = p.VariabilnySymbol.left(DlzkyPoli::VariabilnySymbol);
    z.DodaciePodmienky = p.DodaciePodmienky.left(DlzkyPoli::DodaciePodmienky);
    z.SposobPlatby = p.SposobPlatby.left(DlzkyPoli::SposobPlatby);
    z.TextVyuctovania.clear();
    z.TextFinancnaCiastka.clear();
    z.DoZoznamuVyuctovani = p.DoZoznamuVyuctovani;
}

void VyplnZObjednavky(PoliaZaznamu& p, const TObjednavka& o, const QList<TObjednavatel>& klienti)
{
    // The order keeps no tax numbers: they come from the client of its name (and address,
    // when several share the name); a requester not in the list has none.
    const TObjednavatel* klient = nullptr;
    for (const TObjednavatel& k : klienti) {
        if (k.Meno != o.Meno)
            continue;
        if (!klient || (k.Adresa == o.Adresa && klient->Adresa != o.Adresa))
            klient = &k;
    }
    if (klient || p.Meno != o.Meno) {
        p.ICO = klient ? klient->ICO.left(DlzkyPoli::ICO) : QString();
        p.DIC = klient ? klient->DIC.left(DlzkyPoli::DIC) : QString();
        p.ICDPH = klient ? klient->ICDPH.left(DlzkyPoli::ICDPH) : QString();
    }
    p.Meno = o.Meno;
    p.Adresa = o.Adresa;
    p.TypCisla = o.TypCisla == 1 ? 1 : 0;
    p.StatnyOrgan = o.StatnyOrgan != 0;
    p.CisloObjednavky = o.Cislo;
    p.DatumVyziadania = o.DatumVyziadania == 0 ? QString() : DatumText(o.DatumVyziadania);
    p.DruhUkonu = o.DruhUkonu;
    p.TypPosudku = o.TypPosudku;
    p.Predmet = o.Predmet;
    p.Poznamka = o.Poznamka;
    p.Ucel = o.Ucel;
}

QString VariabilnySymbolPodlaCisla(const QString& cislo, const QString& rok)
{
    return (cislo + rok).left(DlzkyPoli::VariabilnySymbol);
}
