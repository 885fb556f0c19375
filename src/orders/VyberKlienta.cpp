#include "VyberKlienta.h"

#include "orders/TObjednavatelZoznamForm.h"
#include "store/Objednavky.h"
#include "store/Spravy.h"

std::optional<VybranyObjednavatel> VyberKlienta(QWidget* rodic, Objednavky& objednavky)
{
    TObjednavatelZoznamForm okno(objednavky.ZoznamObjednavatelov, rodic);
    const bool ok = okno.exec() == QDialog::Accepted;
    if (okno.zmeneny())
        ohlas(objednavky.UlozObjednavatelov(Objednavky::SuborObjednavatelov()));
    if (!ok)
        return std::nullopt;
    return okno.vysledok();
}
