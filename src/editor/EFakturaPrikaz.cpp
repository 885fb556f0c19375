#include "EFakturaPrikaz.h"

#include <QDir>
#include <QFileInfo>

#include "editor/DatumVystavenia.h"
#include "editor/EFakturaZaznamu.h"
#include "editor/KontrolaEFaktury.h"
#include "editor/UlozenieEFaktury.h"
#include "settings/TNastaveniaEFakturyForm.h"
#include "store/Cesty.h"
#include "store/Spravy.h"

void PrikazEFaktura(const PodkladyDokladu& podklady, bool dobropis, QWidget* rodic)
{
    const QDate dnes = QDate::currentDate();
    PodkladyDokladu p = podklady;
    if (!dobropis)
        p.datumVystavenia = PotvrdDatumVystavenia(p.datumVystavenia > 0 ? p.datumVystavenia : p.dnes);
    EFaktura f = EFakturaZaznamu(p, NacitajNastaveniaEFaktury(), dobropis, dnes);
    const QStringList chyby = ChybyEFaktury(f);
    if (chyby.join(u'\n').contains(QStringLiteral("Nastavenia e-faktúry"))
        && spravy().otazka(chyby.join(u'\n') + QStringLiteral("\n\nOtvoriť okno „Nastavenia e-faktúry“?"))) {
        if (UpravNastaveniaEFaktury(IbanZUctu(p.nastavenie.CisloUctu, p.nastavenie.Banka), p.nastavenie.DIC, rodic))
            f = EFakturaZaznamu(p, NacitajNastaveniaEFaktury(), dobropis, dnes);
    }
    // A written e-invoice is archived as sent: the user sees what goes out first.
    const bool uzJe = QFileInfo::exists(QDir(Cesty::tmpDoc()).filePath(UlozenieEFaktury::NazovSuboru(dobropis)));
    if (!uzJe && ChybyEFaktury(f).isEmpty() && !spravy().otazka(UlozenieEFaktury::TextPotvrdenia(f)))
        return;
    Cesty::vytvorJednuUroven(Cesty::tmpDoc());
    UlozenieEFaktury::VytvorAUloz(f, Cesty::tmpDoc());
}
