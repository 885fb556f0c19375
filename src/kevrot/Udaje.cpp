#include "kevrot/Udaje.h"

#include "settings/Banky.h"
#include "store/Peniaze.h"

void Udaje::NacitajPriStarte(int rok, const Stav& stav)
{
    if (stav)
        stav(QStringLiteral("Načítavam nastavenie programu..."));
    Zurnal::PripravPracovnyAdresar();
    odbory.NacitajOdboryOdvetvia();
    jazyky.NacitajJazyky();
    vozidla.NacitajVozidla();
    preddefTexty.NacitajPreddefTexty();
    objednavky.NacitajObjednavatelov();
    objednavky.NacitajObjednavky(rok);
    polozky.NacitajPolozky();
    nastavenia.NacitajVsetko();
    AktualizujSuborBank();
    nastavDualneZobrazovanie(nastavenia.Dualne.DualneZobrazovanie);
}
