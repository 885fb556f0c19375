#pragma once
// The invoice, the cash receipt and the travel order: templates filled at their bookmarks.

#include <QStringList>

#include "editor/PodkladyDokladu.h"
#include "store/Centy.h"
#include "word/Dokument.h"

// "\Zostavy\FakturaRozpisDPH_tlmocnik.dot" and the like, by kind and VAT status.
QString SablonaFaktury(qint32 druh, bool platca);
QString SablonaPrijmovehoDokladu();   // "\Zostavy\prijmovy_doklad.dot"
QString SablonaCestovnehoPrikazu();   // "\Zostavy\cestovny_prikaz.dot"

// Each fills a document made from the template; a bookmark the template lacks is skipped.
void VyplnFakturu(Dokument& d, const PodkladyDokladu& p);
// The receipt's bill: the invoice's, so that both carry the same cents.
RozpisSumy RozpisPrijmovehoDokladu(const PodkladyDokladu& p);
void VyplnPrijmovyDoklad(Dokument& d, const PodkladyDokladu& p);
void VyplnCestovnyPrikaz(Dokument& d, const PodkladyDokladu& p);

// The bookmarks each template must carry, in the order they are filled.
const QStringList& ZalozkyFaktury(bool platca);
const QStringList& ZalozkyPrijmovehoDokladu();
const QStringList& ZalozkyCestovnehoPrikazu();

// Where the invoice's payment QR picture goes: a bookmark of the invoice templates, left
// empty by VyplnFakturu.
inline constexpr const char* ZalozkaPlatobnehoKodu = "platobny_kod";
