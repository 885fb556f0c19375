#include "EFakturaPrikaz.h"

#include "editor/EFakturaZaznamu.h"
#include "editor/KontrolaEFaktury.h"
#include "editor/UlozenieEFaktury.h"
#include "settings/TNastaveniaEFakturyForm.h"
#include "store/Cesty.h"
#include "store/Spravy.h"

void PrikazEFaktura(const PodkladyDokladu& p, bool dobropis, QWidget* rodic)
{
    const QDate dnes = QDate::currentDate();
    EFaktura f = EFakturaZaznamu(p, NacitajNastaveniaEFaktury(), dobropis, dnes);
    const QStringList chyby = ChybyEFaktury(f);
    if (chyby.join(u'\n').contains(QStringLiteral("Nastavenia e-faktúry"))
        && spravy().otazka(chyby.join(u'\n') + QStringLiteral("\n\nOtvoriť okno „Nastavenia e-faktúry“?"))) {
        if (UpravNastaveniaEFaktury(IbanZUctu(p.nastavenie.CisloUctu, p.nastavenie.Banka), p.nastavenie.DIC, rodic))
            f = EFakturaZaznamu(p, NacitajNastaveniaEFaktury(), dobropis, dnes);
    }
    Cesty::vytvorJednuUroven(Cesty::tmpDoc());
    UlozenieEFaktury::VytvorAUloz(f, Cesty::tmpDoc());
}
