#pragma once
// Taking over the journals, data, settings and texts of an earlier version (5.0 to 5.4)
// and the texts and settings of the sibling office product.

#include <QString>
#include <QStringList>

#include "Prenos.h"

enum class StaraVerzia { V50, V52, V53, V54 };

// "5.0" … "5.4"; nothing for another text.
std::optional<StaraVerzia> VerziaZTextu(const QString& text);
QString TextVerzie(StaraVerzia v);

// The year folders ("ZnalKevrot2011") of `zdroj` from 2000 up to next year, as spelled
// there, in year order.
QStringList RokyZdroja(const QString& zdroj);

// Plans the copy of the entry files of one year folder and the document folders that hold
// files. Only entries that load are taken; of case twins one. An entry that is here and
// differs is kept (and listed) unless `nahradit`.
void PrenesRok(Prenos& prenos, const QString& zdroj, const QString& priecinok, bool nahradit = false);
// How many entries of the year folder exist here with other content: the transfer would
// replace them only when chosen.
int OdlisneZaznamy(const QString& zdroj, const QString& priecinok);

// Merges the settings record of `zdroj` into `ciel` (both nastavenia.dat): the target keeps
// its name (bytes 0 to 1004) and its padding, everything else comes from the source. A file
// of the wrong size is refused with a message and nothing changes.
bool PrenesNastavenia(Prenos& prenos, const QString& zdroj, const QString& cielRel);

// The data files, the client conversion of 5.0 and the merged nastavenia.dat.
void PrenesNastaveniaVerzie(Prenos& prenos, const QString& zdroj, StaraVerzia verzia);
// The billing texts with the header and footer.
void PrenesTexty(Prenos& prenos, const QString& zdroj);

struct VolbyPrenosu {
    QStringList roky;  // year folders to take
    QStringList nahradit;  // of those, where entries here that differ are replaced
    bool nastavenia = true;
    bool texty = true;
};
// "Prenes": the years, then the settings, then the texts, switched in all or nothing.
void PrenesKevrot(Prenos& prenos, const QString& zdroj, StaraVerzia verzia, const VolbyPrenosu& volby);

// The sibling product's text lists, billing texts and, with `nastavenia`, its settings;
// switched in all or nothing.
void PrenesTextyKancelarie(Prenos& prenos, const QString& zdroj, bool nastavenia);

// Where an earlier Windows installation lies on this machine: the program folders of the
// Wine prefix ($WINEPREFIX, else ~/.wine) and of mounted Windows disks, in the order the
// default is chosen. `prieciny`: the folder names below "Program Files" to look for.
QStringList MiestaInstalacie(const QStringList& prieciny);
// The first existing installation of the version, else empty.
QString PredvolenyZdroj(StaraVerzia v);
QString PredvolenyZdrojKancelarie();
// Whether any earlier version is installed where MiestaInstalacie looks.
bool NajdenaStaraInstalacia();

inline const QString TextPrenesene = QStringLiteral("Znalecký kevrot bol prenesený.\nZmeny sa prejavia až po reštarte programu.");
inline const QString TextTextyPrenesene =
    QStringLiteral("Preddefinované texty boli prenesené.\nZmeny sa prejavia až po reštarte programu.");
