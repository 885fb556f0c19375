#include "PoliaObjednavky.h"

#include "store/Datum.h"

PoliaObjednavky ZobrazObjednavku(const TObjednavka& o)
{
    PoliaObjednavky p;
    const QDate d = o.DatumVyziadania == 0 ? QDate() : DatumNaQDate(o.DatumVyziadania);
    if (d.isValid()) {
        p.Den = QString::number(d.day());
        p.Mesiac = QString::number(d.month());
        p.Rok = QString::number(d.year());
    }
    p.Meno = o.Meno;
    p.Adresa = o.Adresa;
    p.TypCisla = o.TypCisla == 1 ? 1 : 0;
    p.Cislo = o.Cislo;
    p.StatnyOrgan = o.StatnyOrgan != 0;
    p.DruhUkonu = o.DruhUkonu;
    p.TypPosudku = o.TypPosudku;
    p.Predmet = o.Predmet;
    p.Ucel = o.Ucel;
    return p;
}

bool PrevezmiPoliaObjednavky(const PoliaObjednavky& p, TObjednavka& o)
{
    const double datum = DatumZTextov(p.Den, p.Mesiac, p.Rok);
    if (datum == 0)
        return false;
    o.DatumVyziadania = datum;
    o.Meno = p.Meno.left(DlzkyPoliObjednavky::Meno);
    o.Adresa = p.Adresa.left(DlzkyPoliObjednavky::Adresa);
    o.TypCisla = p.TypCisla;
    o.Cislo = p.Cislo.left(DlzkyPoliObjednavky::Cislo);
    o.StatnyOrgan = p.StatnyOrgan ? 1 : 0;
    o.DruhUkonu = p.DruhUkonu.left(DlzkyPoliObjednavky::DruhUkonu);
    o.TypPosudku = p.TypPosudku.left(DlzkyPoliObjednavky::TypPosudku);
    o.Predmet = p.Predmet.left(DlzkyPoliObjednavky::Predmet);
    o.Ucel = p.Ucel.left(DlzkyPoliObjednavky::Ucel);
    return true;
}
