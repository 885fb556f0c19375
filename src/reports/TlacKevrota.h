#pragma once
// The printed journal of a year: the listing of its entries and the cover page, as named
// values for the two shipped layouts, laid out into pages or written into a PDF.

#include <QList>
#include <QPair>
#include <QString>

#include <optional>

#include "ZostavaPdf.h"

class Zurnal;
class Nastavenia;
class OdboryOdvetvia;
class Jazyky;
struct TNastavenia;
struct TNastavenieTlac;
class RiadokKevrota;
class TAlReport;

// Named values in the order they are added.
using NazvaneHodnoty = QList<QPair<QString, QString>>;

namespace TlacKevrota {

inline const QString ZostavaZoznamu = QStringLiteral("pr_znalec_kevrot.dfm");
inline const QString ZostavaHlavicky = QStringLiteral("pr_znalec_kevrot_hlavicka.dfm");

// "\Zostavy\" + name among the shipped files (ZdielaneSubory).
QString cestaZostavy(const QString& subor);

// The year's entries in the register's order by number (lowest first).
QList<RiadokKevrota> ZaznamyNaTlac(const Zurnal& zurnal, int rok);

// The listing: the practitioner and the year once, then one value per field per entry of
// `zaznamy` whose `Rok` is `rok`, in the given order.
NazvaneHodnoty HodnotyZoznamu(const QList<RiadokKevrota>& zaznamy, const TNastavenia& n, int rok);

// The cover page: journal number, name, the registration number's characters, and a row
// per registered field followed by its registered branches.
// An interpreter or a translator names the registered languages (names from `jazyky`).
NazvaneHodnoty HodnotyHlavicky(const TNastavenia& n, const TNastavenieTlac& tlac, const OdboryOdvetvia& ciselnik,
                               const Jazyky* jazyky = nullptr);

void pridaj(TAlReport& report, const NazvaneHodnoty& hodnoty);

// Loads a layout of "\Zostavy", adds the values and lays it out. On a layout that cannot
// be loaded the caller's box "Nedá sa nahrať zostava <path>" is shown and nothing comes back.
std::optional<StranyZostavy> priprav(const QString& subor, const NazvaneHodnoty& hodnoty);

// The listing and the cover page of a year in one PDF, listing first. A report whose layout
// cannot be loaded is left out (after its message); false when neither could be, or the
// file could not be written. Needs a GUI application object (offscreen is enough).
bool VytlacKevrotDoPdf(const Zurnal& zurnal, const Nastavenia& nastavenia, const OdboryOdvetvia& ciselnik,
                       int rok, const QString& subor, const Jazyky* jazyky = nullptr);

}  // namespace TlacKevrota
