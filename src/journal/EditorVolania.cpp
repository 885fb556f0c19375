#include "EditorVolania.h"

#include "editor/TZnalecKevrotEditForm.h"
#include "orders/TZnalecKevrotObjednavkaEditForm.h"
#include "kevrot/Udaje.h"

bool UpravZaznamVEditore(QWidget* rodic, Udaje& udaje, UpravaZaznamu& uprava, int)
{
    return UpravZaznam(rodic, uprava,
                       {udaje.odbory, udaje.jazyky, udaje.nastavenia, udaje.objednavky, udaje.zurnal.ZaznamyKevrota,
                        udaje.polozky, udaje.vozidla, udaje.zurnal.UlozeneVyuctovaniaRoka(uprava.zaznam.Rok), udaje.preddefTexty});
}

bool UpravObjednavkuVEditore(QWidget* rodic, Udaje& udaje, TObjednavka& objednavka, bool)
{
    return UpravObjednavku(rodic, objednavka, udaje.objednavky, &udaje.nastavenia.Nastavenie);
}
