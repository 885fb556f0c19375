#pragma once
// The template folders of a kind of practitioner, shared by the billing texts and the
// correspondence of orders.

#include <QString>
#include <QStringList>

namespace SablonyDruhu {

// The folder suffix of a kind of practitioner: "\", " (tlmocnik)\", " (prekladatel)\"
// (an unknown kind is taken as an expert).
QString priponaDruhu(int druhZnalca);

// An empty first item, then the names (without ".rtf") of the folder's "*.rtf" files, by
// name. A missing folder gives the empty item alone.
QStringList zoznamSuborovRtf(const QString& adresar);

}  // namespace SablonyDruhu
