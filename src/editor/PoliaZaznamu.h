#pragma once
// The entry editor's fields as texts, and what the editor does with them: showing an
// entry, the collected checks of "OK", taking the values into the entry, and filling the
// fields from an order. The window only copies these texts to and from its controls.

#include <QList>
#include <QString>

#include "store/Objednavatel.h"
#include "store/Objednavka.h"
#include "store/RiadokKevrota.h"
#include "store/ZnalKevrotZaznam.h"

struct PoliaZaznamu {
    QString Cislo;             // Edit4
    QString Rok;               // Edit16
    QString KodOdboru;         // expert: the selected field's code, empty when none
    QString KodOdvetvia;       // expert: the selected branch's code
    QString KodJazyka;         // interpreter or translator: the selected language's code
    QString Meno, Adresa, ICO, DIC, ICDPH;
    bool StatnyOrgan = false;  // rbSO checked
    int TypCisla = 0;          // 0 "Číslo objednávky", 1 "Spisová značka"
    QString CisloObjednavky;   // Edit5
    QString DatumVyziadania, DatumVykonania, DatumSplatnosti;
    QString DruhUkonu, TypPosudku, Predmet, Ucel, Poznamka;
    QString UdajeOdmena;
    QString PriznanaOdmena, PriznaneVydavky;
    QString KonstantnySymbol, VariabilnySymbol;
    QString DodaciePodmienky, SposobPlatby;
    bool DoZoznamuVyuctovani = false;
};

// What the controls allow to be typed.
namespace DlzkyPoli {
inline constexpr int Meno = 100, Adresa = 100, ICO = 10, DIC = 10, ICDPH = 15, CisloObjednavky = 50;
inline constexpr int DruhUkonu = 100, TypPosudku = 100, Predmet = 200, Ucel = 100, Poznamka = 200;
inline constexpr int UdajeOdmena = 50, KonstantnySymbol = 4, VariabilnySymbol = 10;
inline constexpr int DodaciePodmienky = 30, SposobPlatby = 30;
}  // namespace DlzkyPoli

// The texts of an entry: dates in the short form (empty for 0), the awarded amounts as
// plain numbers, "0308" for an empty constant symbol.
PoliaZaznamu ZobrazZaznam(const TZnalKevrotZaznam& z);

// The blocking checks of "OK", in their order, one message a line; empty when none. A date
// edit whose text is no valid date is refused too, so that it never wipes a stored date.
// `druhZnalca`: 0 expert, else interpreter or translator.
QString ChybyZaznamu(const PoliaZaznamu& p, int druhZnalca);

// The number and year an edit gives: its whole number, or 0.
int CisloZPola(const QString& text);

// For "OK" after the checks: whether the number and year may be stored. A new entry may
// not take a number and year that an entry of the loaded year has; an existing entry may
// not be renumbered onto another entry either (both would write the same file).
bool CisloVolne(const QList<RiadokKevrota>& zaznamy, const TZnalKevrotZaznam& povodny, bool novy,
                int cislo, int rok);

// The same for the files of other years: true unless a file of another entry already has
// this number and year (the loaded list only knows its own year, and saving would
// overwrite that file).
bool CisloVolneNaDisku(const TZnalKevrotZaznam& povodny, bool novy, int cislo, int rok);
inline constexpr const char* ZaznamExistuje = "Záznam s daným číslom existuje";

// Takes the fields into the entry: texts cut to their capacity, dates that are given
// (an empty date edit keeps the field), awarded amounts that are numbers, the billing
// texts of earlier versions emptied. `druhZnalca` decides between field and language.
void PrevezmiPolia(const PoliaZaznamu& p, int druhZnalca, TZnalKevrotZaznam& z);

// "Vytvor záznam na základe objednávky": the order's requester, number, date of request
// and matter; IČO, DIČ and IČ DPH of the client of that name in `klienti` (emptied for a
// new requester who is not in the list).
void VyplnZObjednavky(PoliaZaznamu& p, const TObjednavka& o, const QList<TObjednavatel>& klienti);

// "podľa čísla znal úkonu": the number's text followed by the year's.
QString VariabilnySymbolPodlaCisla(const QString& cislo, const QString& rok);
