#pragma once
// The items of the editor's field (or language) and branch drop-downs.

#include <QList>
#include <QString>

#include "settings/Jazyk.h"
#include "settings/OdborOdvetvie.h"

struct PolozkaVolby {
    QString Kod;
    QString Text;             // code, one blank, name
    bool Predvolena = false;  // the most used field or language
    QList<PolozkaVolby> Odvetvia;
};

QList<PolozkaVolby> VolbyOdborov(const QList<TOdborOdvetvie>& odbory);
QList<PolozkaVolby> VolbyJazykov(const QList<TZapisanyJazyk>& jazyky);

// The index of the item with this code, or -1 (also for an empty code).
int IndexKodu(const QList<PolozkaVolby>& polozky, const QString& kod);
// The index of the first default item, or -1.
int IndexPredvolenej(const QList<PolozkaVolby>& polozky);
