#pragma once
// The four documents of an entry: their working files in Tmp_doc, the question asked when
// one exists, building, saving and opening them, and the marks of the existing ones.

#include <QList>
#include <QString>

#include <functional>
#include <optional>

#include "editor/PodkladyDokladu.h"
#include "editor/EFaktura.h"
#include "word/Dokument.h"

enum class DruhDokladu { Vyuctovanie, Faktura, PrijmovyDoklad, CestovnyPrikaz };

// The four in the order of the marks.
const QList<DruhDokladu>& VsetkyDoklady();

// "vyuctovanie.doc", "faktura.doc", "prijmovy_doklad.doc", "cestovny_prikaz.doc".
QString SuborDokladu(DruhDokladu druh);
// The working file in Tmp_doc.
QString PracovnySuborDokladu(DruhDokladu druh);
// The name in the question: "Vyúčtovanie", "Faktúra", "Príjmov doklad", "Cestovný príkaz".
QString NazovDokladu(DruhDokladu druh);
// The template for the practitioner of the settings; empty for the billing document.
QString SablonaDokladu(DruhDokladu druh, const TNastavenia& n);

// "Nedá sa nahrať šablóna " + path.
QString TextChybajucaSablona(const QString& cesta);

// Builds the document; a template that is missing or not rich text is reported and gives
// nothing.
std::optional<Dokument> ZostavDoklad(DruhDokladu druh, const PodkladyDokladu& p);

// Writes RTF, or PDF when the path ends in ".pdf". False after reporting a failure.
bool UlozDoklad(const Dokument& d, const QString& cesta);

// The answer of "Dokument už existuje".
enum class VolbaDokladu { Otvorit, Vytvorit, Storno };
using OtazkaDokladu = std::function<VolbaDokladu(const QString& nazov)>;

// The command of a document button: when the working file exists the question decides;
// a new document is built, saved as the working file and opened; "Otvoriť dokument" opens
// the existing file. True when a document was opened.
bool VytvorDoklad(DruhDokladu druh, const PodkladyDokladu& p, const OtazkaDokladu& otazka);

// The same document written to `cesta` (PDF or RTF by its ending) and opened, leaving the
// working file alone: the "PDF" buttons.
bool VytvorDokladDo(DruhDokladu druh, const PodkladyDokladu& p, const QString& cesta);

// "Všetky doklady": the billing statement and the invoice always, the cash receipt when
// "Spôsob platby:" is "hotovosť", the travel order when the entry has travel costs.
QList<DruhDokladu> DokladyNaVytvorenie(const PodkladyDokladu& p);
// "vyuctovanie.pdf" and the like.
QString SuborPdf(DruhDokladu druh);

struct VysledokVsetkych {
    QStringList pdf;       // the PDFs written, in the order of DokladyNaVytvorenie
    QString eFaktura;      // the e-invoice kept in `adresar` (new or already there); empty for none
    QStringList chyby;     // why a document or the e-invoice was not written
};
// Writes those documents as PDF into `adresar`, all with the issue date of `p` (today when
// it has none), and for a VAT payer the e-invoice, unless `potvrd` (when given)
// declines it. A document that fails does not stop the others.
using PotvrdenieEFaktury = std::function<bool(const EFaktura&)>;
VysledokVsetkych VytvorVsetkyDoklady(const PodkladyDokladu& p, const QString& adresar,
                                     const PotvrdenieEFaktury& potvrd = {});

// Which working files exist, in the order of VsetkyDoklady.
QList<bool> ZnackyDokladov();
