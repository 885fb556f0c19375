#include "widgets/KolieskoLenSFokusom.h"

#include <QAbstractSpinBox>
#include <QApplication>
#include <QComboBox>
#include <QEvent>

void KolieskoLenSFokusom::Zapni()
{
    static KolieskoLenSFokusom* filter = nullptr;
    if (filter || !qApp)
        return;
    filter = new KolieskoLenSFokusom(qApp);
    qApp->installEventFilter(filter);
}

bool KolieskoLenSFokusom::MeniHodnotuKolieskom(const QWidget* w)
{
    return qobject_cast<const QComboBox*>(w) || qobject_cast<const QAbstractSpinBox*>(w);
}

static bool maFokus(const QWidget* w)
{
    const QWidget* fokus = QApplication::focusWidget();
    return w->hasFocus() || (fokus && w->isAncestorOf(fokus));
}

bool KolieskoLenSFokusom::eventFilter(QObject* objekt, QEvent* udalost)
{
    if (!objekt->isWidgetType())
        return false;
    auto* w = static_cast<QWidget*>(objekt);
    if (udalost->type() == QEvent::Polish && MeniHodnotuKolieskom(w)) {
        // The wheel alone must not give them the focus (and with it the wheel).
        if (w->focusPolicy() == Qt::WheelFocus)
            w->setFocusPolicy(Qt::StrongFocus);
    } else if (udalost->type() == QEvent::Wheel && MeniHodnotuKolieskom(w) && !maFokus(w)) {
        // Not accepted: the application hands the wheel on to the parents (the page).
        udalost->ignore();
        return true;
    }
    return false;
}
