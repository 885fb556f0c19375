#include "TDrawMetaFile.h"

#include <QFont>
#include <QPainter>

QStringList TDrawMetaFile::texty(const QString& meno) const
{
    QStringList out;
    for (const auto& o : operacie)
        if (o.druh == KresliacaOperacia::Druh::Text && (meno.isEmpty() || o.meno.compare(meno, Qt::CaseInsensitive) == 0))
            out.append(o.text);
    return out;
}

QList<const KresliacaOperacia*> TDrawMetaFile::operacieOvladaca(const QString& meno) const
{
    QList<const KresliacaOperacia*> out;
    for (const auto& o : operacie)
        if (o.meno.compare(meno, Qt::CaseInsensitive) == 0)
            out.append(&o);
    return out;
}

QFont pismoQt(const TAlFont& f)
{
    QFont q;
    QStringList rodiny{f.Name};
    const QString m = f.Name.toLower();
    if (m.contains(u"courier") || m.contains(u"mono"))
        rodiny << QStringLiteral("Liberation Mono") << QStringLiteral("DejaVu Sans Mono");
    else if (m.contains(u"times") || (m.contains(u"serif") && !m.contains(u"sans")))
        rodiny << QStringLiteral("Liberation Serif") << QStringLiteral("DejaVu Serif");
    else
        rodiny << QStringLiteral("Liberation Sans") << QStringLiteral("Arial") << QStringLiteral("DejaVu Sans");
    q.setFamilies(rodiny);
    q.setStyleHint(QFont::SansSerif);
    int px = f.Height < 0 ? -f.Height : (f.Height * 4 + 2) / 5;
    q.setPixelSize(qBound(1, px, 1000));
    q.setBold(f.Bold);
    q.setItalic(f.Italic);
    q.setUnderline(f.Underline);
    q.setStrikeOut(f.StrikeOut);
    // The same glyph advances at every scale, so a page paints as it was measured.
    q.setHintingPreference(QFont::PreferNoHinting);
    return q;
}

int priznakyTextu(TAlignment zarovnanie, bool zalamovanie)
{
    int f = Qt::AlignTop | Qt::TextExpandTabs;
    switch (zarovnanie) {
    case TAlignment::taLeftJustify: f |= Qt::AlignLeft; break;
    case TAlignment::taRightJustify: f |= Qt::AlignRight; break;
    case TAlignment::taCenter: f |= Qt::AlignHCenter; break;
    }
    if (zalamovanie)
        f |= Qt::TextWordWrap;
    return f;
}

namespace {

Qt::PenStyle stylPera(TPenStyle s)
{
    switch (s) {
    case TPenStyle::psSolid: case TPenStyle::psInsideFrame: return Qt::SolidLine;
    case TPenStyle::psDash: return Qt::DashLine;
    case TPenStyle::psDot: return Qt::DotLine;
    case TPenStyle::psDashDot: return Qt::DashDotLine;
    case TPenStyle::psDashDotDot: return Qt::DashDotDotLine;
    case TPenStyle::psClear: return Qt::NoPen;
    }
    return Qt::SolidLine;
}

Qt::BrushStyle stylStetca(TBrushStyle s)
{
    switch (s) {
    case TBrushStyle::bsSolid: return Qt::SolidPattern;
    case TBrushStyle::bsClear: return Qt::NoBrush;
    case TBrushStyle::bsHorizontal: return Qt::HorPattern;
    case TBrushStyle::bsVertical: return Qt::VerPattern;
    case TBrushStyle::bsFDiagonal: return Qt::FDiagPattern;
    case TBrushStyle::bsBDiagonal: return Qt::BDiagPattern;
    case TBrushStyle::bsCross: return Qt::CrossPattern;
    case TBrushStyle::bsDiagCross: return Qt::DiagCrossPattern;
    }
    return Qt::SolidPattern;
}

void nastavPeroAStetec(QPainter& p, const KresliacaOperacia& o)
{
    QPen pero(o.farbaPera);
    pero.setWidth(qMax(1, o.sirkaPera));
    pero.setStyle(stylPera(o.stylPera));
    pero.setJoinStyle(Qt::MiterJoin);
    p.setPen(pero);
    p.setBrush(QBrush(o.farbaStetca, stylStetca(o.stylStetca)));
}

// A rectangle of pixels [left, right] x [top, bottom] drawn with a pen inside it.
QRectF vnutri(const QRect& r, int sirkaPera)
{
    const qreal pol = qMax(1, sirkaPera) / 2.0;
    return QRectF(r.left() + pol, r.top() + pol, qMax<qreal>(0, r.width() - 2 * pol), qMax<qreal>(0, r.height() - 2 * pol));
}

void kresliOperaciu(QPainter& p, const KresliacaOperacia& o)
{
    using D = KresliacaOperacia::Druh;
    switch (o.druh) {
    case D::Vypln:
        p.fillRect(o.obdlznik, o.farba);
        break;
    case D::Text:
        p.setFont(pismoQt(o.pismo));
        p.setPen(o.farba);
        p.drawText(o.obdlznik, priznakyTextu(o.zarovnanie, o.zalamovanie), o.text);
        break;
    case D::Obdlznik:
        nastavPeroAStetec(p, o);
        p.drawRect(vnutri(o.obdlznik, o.sirkaPera));
        break;
    case D::ZaoblenyObdlznik:
        nastavPeroAStetec(p, o);
        p.drawRoundedRect(vnutri(o.obdlznik, o.sirkaPera), o.polomer / 2.0, o.polomer / 2.0);
        break;
    case D::Elipsa:
        nastavPeroAStetec(p, o);
        p.drawEllipse(vnutri(o.obdlznik, o.sirkaPera));
        break;
    case D::Ciara: {
        QPen pero(o.farbaPera);
        pero.setWidth(qMax(1, o.sirkaPera));
        pero.setStyle(stylPera(o.stylPera));
        pero.setCapStyle(Qt::FlatCap);
        p.setPen(pero);
        p.drawLine(QPointF(o.od) + QPointF(0.5, 0.5), QPointF(o.po) + QPointF(0.5, 0.5));
        break;
    }
    case D::Obrazok:
        p.drawImage(QRectF(o.obdlznik), o.obrazok);
        break;
    case D::Obrys:
        p.setPen(QPen(Qt::black, 1));
        p.setBrush(Qt::NoBrush);
        p.drawRect(vnutri(o.obdlznik, 1));
        break;
    }
}

}  // namespace

void kresliStranu(QPainter& p, const TDrawMetaFile& strana, const QRectF& ciel)
{
    if (strana.velkost.isEmpty())
        return;
    p.save();
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setRenderHint(QPainter::TextAntialiasing, true);
    p.setRenderHint(QPainter::SmoothPixmapTransform, true);
    p.translate(ciel.topLeft());
    p.scale(ciel.width() / strana.velkost.width(), ciel.height() / strana.velkost.height());
    p.setClipRect(QRect(QPoint(0, 0), strana.velkost));
    for (const auto& o : strana.operacie)
        kresliOperaciu(p, o);
    p.restore();
}
