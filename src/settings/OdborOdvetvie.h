#pragma once
// A field registered by the expert with its registered branches (in memory only), and
// the changes the dialog of registered fields makes to such a list.

#include <QList>
#include <QString>

#include "Odvetvie.h"

struct TOdborOdvetvie {
    QString Kod;
    QString Nazov;
    QList<TOdvetvie> ZoznamOdvetvi;  // in registration order
    bool Najpouzivanejsi = false;
    bool Rozbaleny = true;
};

// The three texts in which the settings keep the registered set.
struct TZapisaneKody {
    QString Odbory;          // "490000|330000|"
    QString Odvetvia;        // "491500|330100|"
    QString Najpouzivanejsi; // "490000"
};

// The texts of a registered list: fields and branches in list order, the code of the
// last field marked as most used (empty when none).
TZapisaneKody ZapisaneOdboryText(const QList<TOdborOdvetvie>& zoznam);

// Registers a branch of a field: appended to the field when it is registered (even when
// the branch is there already), otherwise the field is appended, expanded and not most
// used, with this one branch. Returns the index of the field.
int PridajZapisaneOdvetvie(QList<TOdborOdvetvie>& zoznam, const QString& kodOdboru,
                           const QString& nazovOdboru, const TOdvetvie& odvetvie);

// Replaces a registered branch; false when the position does not exist.
bool NahradZapisaneOdvetvie(QList<TOdborOdvetvie>& zoznam, int odbor, int odvetvie,
                            const TOdvetvie& nove);

// Removes a registered branch and a field left without branches; false when the
// position does not exist.
bool ZmazZapisaneOdvetvie(QList<TOdborOdvetvie>& zoznam, int odbor, int odvetvie);
