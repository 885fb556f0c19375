#pragma once
// The items of the editor's field (or language) and branch drop-downs.

#include <QList>
#include <QString>

#include "settings/Jazyk.h"
#include "settings/Jazyky.h"
#include "settings/OdboryOdvetvia.h"
#include "settings/OdborOdvetvie.h"

struct PolozkaVolby {
    QString Kod;
    QString Text;             // code, one blank, name
    bool Predvolena = false;  // the most used field or language
    QList<PolozkaVolby> Odvetvia;
};

QList<PolozkaVolby> VolbyOdborov(const QList<TOdborOdvetvie>& odbory);
QList<PolozkaVolby> VolbyJazykov(const QList<TZapisanyJazyk>& jazyky);

// Every field of the code list with all its branches (every language), none the default:
// what the editor offers while the settings register no field (language) yet, so that a
// new installation can keep its journal before the settings are filled in.
QList<PolozkaVolby> VsetkyOdbory(const OdboryOdvetvia& ciselnik);
QList<PolozkaVolby> VsetkyJazyky(const Jazyky& ciselnik);

// The index of the item with this code, or -1 (also for an empty code).
int IndexKodu(const QList<PolozkaVolby>& polozky, const QString& kod);
// The index of the first default item, else 0 when there is only one item, else -1.
int IndexPredvolenej(const QList<PolozkaVolby>& polozky);
// The item of a shown code; with no code, the only item when there is just one.
int IndexZvolenej(const QList<PolozkaVolby>& polozky, const QString& kod);
