// The wheel changes a combo, spin or date box only while it has the focus; otherwise the
// page scrolls.
#include "widgets/KolieskoLenSFokusom.h"

#include <QApplication>
#include <QComboBox>
#include <QDateEdit>
#include <QLineEdit>
#include <QScrollArea>
#include <QScrollBar>
#include <QSpinBox>
#include <QVBoxLayout>
#include <QWheelEvent>

#include <gtest/gtest.h>

namespace {

// As the window system delivers a wheel: to the widget under the pointer, then to its
// parents while none accepts it.
void otocKolieskom(QWidget* w, int krok)
{
    for (; w; w = w->parentWidget()) {
        QWheelEvent e(QPointF(5, 5), w->mapToGlobal(QPointF(5, 5)), QPoint(), QPoint(0, krok),
                      Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(w, &e);
        if (e.isAccepted() || w->isWindow())
            return;
    }
}

struct Stranka {
    QScrollArea okno;
    QWidget* obsah = new QWidget;
    QComboBox* combo = new QComboBox;
    QSpinBox* spin = new QSpinBox;
    QDateEdit* datum = new QDateEdit(QDate(2026, 12, 10));
    Stranka()
    {
        KolieskoLenSFokusom::Zapni();
        combo->addItems({QStringLiteral("prevodný príkaz"), QStringLiteral("poštová poukážka"),
                         QStringLiteral("v hotovosti")});
        spin->setRange(0, 100);
        spin->setValue(50);
        auto* l = new QVBoxLayout(obsah);
        l->addWidget(new QLineEdit);  // takes the focus when the window is activated
        for (QWidget* w : {static_cast<QWidget*>(combo), static_cast<QWidget*>(spin),
                           static_cast<QWidget*>(datum)})
            l->addWidget(w);
        l->addSpacing(3000);
        okno.setWidget(obsah);
        okno.resize(300, 200);
        okno.show();
        QApplication::setActiveWindow(&okno);
    }
};

TEST(Koliesko, BezFokusuRolujeStranku)
{
    Stranka s;
    for (QWidget* w : {static_cast<QWidget*>(s.combo), static_cast<QWidget*>(s.spin),
                       static_cast<QWidget*>(s.datum)}) {
        EXPECT_EQ(w->focusPolicy(), Qt::StrongFocus);
        const int predtym = s.okno.verticalScrollBar()->value();
        otocKolieskom(w, -120);
        EXPECT_GT(s.okno.verticalScrollBar()->value(), predtym) << w->metaObject()->className();
        s.okno.verticalScrollBar()->setValue(0);
    }
    EXPECT_EQ(s.combo->currentIndex(), 0);
    EXPECT_EQ(s.spin->value(), 50);
    EXPECT_EQ(s.datum->date(), QDate(2026, 12, 10));
}

TEST(Koliesko, SFokusomMeniHodnotu)
{
    Stranka s;
    s.combo->setFocus();
    ASSERT_TRUE(s.combo->hasFocus()) << QApplication::focusWidget() << " " << QApplication::activeWindow();
    otocKolieskom(s.combo, -120);
    EXPECT_EQ(s.combo->currentIndex(), 1);
    s.spin->setFocus();
    otocKolieskom(s.spin, 120);
    EXPECT_EQ(s.spin->value(), 51);
    EXPECT_EQ(s.okno.verticalScrollBar()->value(), 0);
}

} // namespace
