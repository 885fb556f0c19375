#include "widgets/VelkostOkna.h"

#include <QGuiApplication>
#include <QScreen>
#include <QScrollBar>

SvitokStranky::SvitokStranky(QWidget* stranka, QWidget* rodic) : QScrollArea(rodic)
{
    setFrameShape(QFrame::NoFrame);
    setWidgetResizable(true);
    setWidget(stranka);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
}

QSize SvitokStranky::sizeHint() const
{
    const QWidget* w = widget();
    if (!w)
        return QScrollArea::sizeHint();
    // Room for the vertical bar beside the page: a page that scrolls down on a low screen
    // never needs a horizontal bar as well.
    return w->sizeHint().expandedTo(w->minimumSizeHint()) + QSize(verticalScrollBar()->sizeHint().width(), 0);
}

QSize SvitokStranky::minimumSizeHint() const
{
    // Room for a few lines and both scroll bars; the page scrolls below that.
    const int riadok = fontMetrics().height();
    const int pas = verticalScrollBar()->sizeHint().width();
    const QSize stranka = widget() ? widget()->minimumSizeHint() : QSize();
    return QSize(qMin(stranka.width() + pas, 24 * riadok), qMin(stranka.height() + pas, 8 * riadok));
}

void PrisposobObrazovke(QWidget* okno, QSize ziadana)
{
    const QScreen* s = okno->screen() ? okno->screen() : QGuiApplication::primaryScreen();
    if (s) {
        // The title bar and the borders that the desktop adds.
        const QSize plocha = s->availableGeometry().size() - QSize(16, 48);
        ziadana = ziadana.boundedTo(plocha);
    }
    okno->resize(ziadana.expandedTo(okno->minimumSizeHint()));
}
