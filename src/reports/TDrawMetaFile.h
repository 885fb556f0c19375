#pragma once
// One recorded page: a list of drawing operations in page units (design pixels, 96 to the
// inch), painted later on any device at any scale.

#include <QColor>
#include <QImage>
#include <QList>
#include <QRect>
#include <QSize>
#include <QString>

#include "Komponenty.h"

class QPainter;
class QFont;

struct KresliacaOperacia {
    enum class Druh {
        Vypln,       // fill `obdlznik` with `farba`
        Text,        // `text` in `pismo`, `farba`, aligned in `obdlznik`
        Obdlznik, ZaoblenyObdlznik, Elipsa, Ciara,  // shapes with pen and brush
        Obrazok,     // `obrazok` stretched over `obdlznik`
        Obrys        // the outline of `obdlznik`
    };
    Druh druh = Druh::Vypln;
    QRect obdlznik;
    QColor farba;
    QString text;
    TAlFont pismo;
    TAlignment zarovnanie = TAlignment::taLeftJustify;
    bool zalamovanie = false;
    // Shapes.
    QColor farbaPera;
    int sirkaPera = 1;
    TPenStyle stylPera = TPenStyle::psSolid;
    QColor farbaStetca;
    TBrushStyle stylStetca = TBrushStyle::bsSolid;
    int polomer = 0;          // corner ellipse of a round rectangle
    QPoint od, po;            // a line
    QImage obrazok;
    QString meno;             // the control that drew it, for inspection
};

struct TDrawMetaFile {
    QSize velkost;            // the page in page units
    QList<KresliacaOperacia> operacie;

    // Texts drawn, in order; with `meno` only those of that control.
    QStringList texty(const QString& meno = {}) const;
    QList<const KresliacaOperacia*> operacieOvladaca(const QString& meno) const;
};

using tPages = QList<TDrawMetaFile>;

// The Qt font for a layout font at page units.
QFont pismoQt(const TAlFont& f);

// Qt text flags for an alignment.
int priznakyTextu(TAlignment zarovnanie, bool zalamovanie);

// Paints the page so that its page rectangle covers `ciel` (in the painter's coordinates).
void kresliStranu(QPainter& p, const TDrawMetaFile& strana, const QRectF& ciel);
