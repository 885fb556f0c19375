#pragma once
// Controls whose function comes later are shown disabled with this tooltip.

#include <QWidget>

inline const QString TextNedostupnaFunkcia = QStringLiteral("Funkcia zatiaľ nie je k dispozícii.");

inline void OznacNedostupne(QWidget* w)
{
    w->setEnabled(false);
    w->setToolTip(TextNedostupnaFunkcia);
    w->setToolTipDuration(-1);
}
