#include "widgets/KlavesnicaOkien.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAbstractSpinBox>
#include <QApplication>
#include <QComboBox>
#include <QBoxLayout>
#include <QEvent>
#include <QFormLayout>
#include <QGridLayout>
#include <QLabel>
#include <QPainter>
#include <QPlainTextEdit>
#include <QTabBar>
#include <QSet>
#include <QTextEdit>

#include <algorithm>
#include <functional>

namespace {

// A frame drawn around the control with the focus, over its parent.
class RamcekFokusu : public QWidget {
public:
    explicit RamcekFokusu(QWidget* rodic) : QWidget(rodic)
    {
        setAttribute(Qt::WA_TransparentForMouseEvents);
        setAttribute(Qt::WA_NoSystemBackground);
        setFocusPolicy(Qt::NoFocus);
    }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter p(this);
        QPen pero(palette().color(QPalette::Highlight), 2);
        p.setPen(pero);
        p.drawRect(rect().adjusted(1, 1, -1, -1));
    }
};

bool potrebujeRamcek(const QWidget* w)
{
    return qobject_cast<const QComboBox*>(w) || qobject_cast<const QAbstractItemView*>(w) ||
           qobject_cast<const QAbstractSpinBox*>(w);
}

bool jePismeno(QChar c)
{
    const QChar m = c.toLower();
    return (m >= QLatin1Char('a') && m <= QLatin1Char('z')) || (m >= QLatin1Char('0') && m <= QLatin1Char('9'));
}

// A caption that may carry an accelerator, and how to set it.
struct Popis {
    QString text;
    std::function<void(const QString&)> nastav;
    bool viditelny = true;  // shown now: served first, so that hidden pages do not use up letters
};

// The layout that holds `w` directly, searched from `l` down.
QLayout* layoutS(QLayout* l, QWidget* w)
{
    if (!l)
        return nullptr;
    if (l->indexOf(w) >= 0)
        return l;
    for (int i = 0; i < l->count(); ++i)
        if (QLayout* v = layoutS(l->itemAt(i)->layout(), w))
            return v;
    return nullptr;
}

// The control a label ending in ":" stands before (right of it in a grid or form, next in
// a row), when it takes the keyboard focus.
QWidget* poleZaPopisom(QLabel* l)
{
    if (!l->parentWidget() || !l->text().trimmed().endsWith(QLatin1Char(':')))
        return nullptr;
    QLayout* v = layoutS(l->parentWidget()->layout(), l);
    if (!v)
        return nullptr;
    QLayoutItem* dalsi = nullptr;
    const int i = v->indexOf(l);
    if (auto* g = qobject_cast<QGridLayout*>(v)) {
        int r, s, rr, ss;
        g->getItemPosition(i, &r, &s, &rr, &ss);
        dalsi = g->itemAtPosition(r, s + ss);
    } else if (auto* f = qobject_cast<QFormLayout*>(v)) {
        int r;
        QFormLayout::ItemRole rola;
        f->getItemPosition(i, &r, &rola);
        dalsi = rola == QFormLayout::LabelRole ? f->itemAt(r, QFormLayout::FieldRole) : nullptr;
    } else if (qobject_cast<QBoxLayout*>(v) && i + 1 < v->count()) {
        dalsi = v->itemAt(i + 1);
    }
    QWidget* w = dalsi ? dalsi->widget() : nullptr;
    return w && (w->focusPolicy() & Qt::TabFocus) ? w : nullptr;
}

QList<Popis> popisyOkna(QWidget* okno)
{
    QList<Popis> p;
    for (QAbstractButton* b : okno->findChildren<QAbstractButton*>()) {
        if (b->window() != okno || b->text().trimmed().size() < 2)
            continue;
        p.append({b->text(), [b](const QString& t) { b->setText(t); }, b->isVisibleTo(okno)});
    }
    for (QTabBar* tb : okno->findChildren<QTabBar*>()) {
        if (tb->window() != okno)
            continue;
        for (int i = 0; i < tb->count(); ++i)
            p.append({tb->tabText(i), [tb, i](const QString& t) { tb->setTabText(i, t); }, tb->isVisibleTo(okno)});
    }
    for (QLabel* l : okno->findChildren<QLabel*>()) {
        if (l->window() == okno && !l->buddy() && !Qt::mightBeRichText(l->text()))
            if (QWidget* pole = poleZaPopisom(l))
                l->setBuddy(pole);
        if (l->window() != okno || !l->buddy() || l->textFormat() == Qt::RichText || Qt::mightBeRichText(l->text()))
            continue;
        p.append({l->text(), [l](const QString& t) { l->setText(t); }, l->isVisibleTo(okno)});
    }
    std::stable_sort(p.begin(), p.end(), [](const Popis& a, const Popis& b) { return a.viditelny && !b.viditelny; });
    return p;
}

}  // namespace

void KlavesnicaOkien::Zapni()
{
    static KlavesnicaOkien* filter = nullptr;
    if (filter || !qApp)
        return;
    filter = new KlavesnicaOkien(qApp);
    qApp->installEventFilter(filter);
}

QChar KlavesnicaOkien::Akcelerator(const QString& text)
{
    for (int i = 0; i + 1 < text.size(); ++i) {
        if (text[i] != QLatin1Char('&'))
            continue;
        if (text[i + 1] != QLatin1Char('&'))
            return text[i + 1].toLower();
        ++i;  // "&&" is an ampersand
    }
    return {};
}

void KlavesnicaOkien::PridajAkceleratory(QWidget* okno)
{
    QList<Popis> popisy = popisyOkna(okno);
    QSet<QChar> pouzite;
    for (const Popis& p : popisy)
        if (const QChar a = Akcelerator(p.text); !a.isNull())
            pouzite.insert(a);
    for (Popis& p : popisy) {
        if (!Akcelerator(p.text).isNull())
            continue;
        int miesto = -1;
        // the start of a word first, then any letter
        for (int kolo = 0; kolo < 2 && miesto < 0; ++kolo)
            for (int i = 0; i < p.text.size() && miesto < 0; ++i) {
                const bool zaciatok = i == 0 || !p.text[i - 1].isLetterOrNumber();
                if ((kolo == 1 || zaciatok) && jePismeno(p.text[i]) && !pouzite.contains(p.text[i].toLower()))
                    miesto = i;
            }
        if (miesto < 0)
            continue;
        pouzite.insert(p.text[miesto].toLower());
        // a caption without an accelerator holds ampersands only doubled: they stay
        p.nastav(QString(p.text).insert(miesto, QLatin1Char('&')));
    }
}

void KlavesnicaOkien::oramuj(QWidget* w)
{
    if (m_ramcek)
        m_ramcek->hide();
    m_oramovany = nullptr;
    // Containers that would take the frame for one of their own parts are left alone.
    if (!w || !potrebujeRamcek(w) || !w->parentWidget() || w->isWindow() ||
        w->parentWidget()->inherits("QSplitter") || w->parentWidget()->inherits("QToolBar"))
        return;
    if (!m_ramcek || m_ramcek->parentWidget() != w->parentWidget()) {
        delete m_ramcek;
        m_ramcek = new RamcekFokusu(w->parentWidget());
    }
    m_oramovany = w;
    m_ramcek->setGeometry(w->geometry().adjusted(-2, -2, 2, 2));
    m_ramcek->raise();
    m_ramcek->show();
}

bool KlavesnicaOkien::eventFilter(QObject* objekt, QEvent* udalost)
{
    if (!objekt->isWidgetType())
        return false;
    auto* w = static_cast<QWidget*>(objekt);
    switch (udalost->type()) {
    case QEvent::Polish:
        if (auto* v = qobject_cast<QAbstractItemView*>(w))
            v->setTabKeyNavigation(false);
        else if (auto* t = qobject_cast<QPlainTextEdit*>(w); t && t->isReadOnly())
            t->setTabChangesFocus(true);
        else if (auto* t = qobject_cast<QTextEdit*>(w); t && t->isReadOnly())
            t->setTabChangesFocus(true);
        break;
    case QEvent::Show:
        if (w->isWindow() && (w->windowType() == Qt::Window || w->windowType() == Qt::Dialog))
            PridajAkceleratory(w);
        break;
    case QEvent::FocusIn:
        if (w == QApplication::focusWidget())
            oramuj(w);
        break;
    case QEvent::Move:
    case QEvent::Resize:
    case QEvent::Hide:
        if (w == m_oramovany)
            oramuj(w->isVisible() && w->hasFocus() ? w : nullptr);
        break;
    default:
        break;
    }
    return false;
}
