#pragma once
// "Vytlač obrazovka": the listing and the cover page of a year, each in its own preview.

#include <QList>
#include <QPoint>

#include "TlacKevrota.h"
#include "store/RiadokKevrota.h"

class QWidget;
class Nastavenia;
class OdboryOdvetvia;
class TfrmPreview;

namespace TlacKevrota {

// Lays out a layout of "\Zostavy" with the values and shows it maximized in a preview of its
// own; nothing (after its message) when the layout cannot be loaded.
TfrmPreview* OtvorNahlad(const QString& subor, const NazvaneHodnoty& hodnoty, QWidget* rodic = nullptr,
                         QPoint posun = {});

// `zaznamy` in the register's order (sorted by number by the caller). Opens the listing's
// preview, then the cover page's; a layout that cannot be loaded is reported and its
// preview left out. Returns the previews opened (they free themselves when closed).
QList<TfrmPreview*> ZobrazKevrot(const QList<RiadokKevrota>& zaznamy, const Nastavenia& nastavenia,
                                 const OdboryOdvetvia& ciselnik, int rok, QWidget* rodic = nullptr,
                                 const Jazyky* jazyky = nullptr);

}  // namespace TlacKevrota
