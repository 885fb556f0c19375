// The main window by keyboard alone: Tab walks out of the grid through the side panel and
// back, Ctrl+Tab changes the tab, Insert / Enter / Delete work on the register.
#include "journal/KevrotPrikazy.h"
#include "journal/KevrotZalozka.h"
#include "journal/TStartForm.h"
#include "journal/TZnalecKevrotForm.h"
#include "editor/TZnalecKevrotEditForm.h"
#include "store/Zurnal.h"
#include "widgets/KlavesnicaOkien.h"

#include "common/TestAppDir.h"
#include "editor/UiPomoc.h"

#include <QDate>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QTableView>
#include <QTabWidget>
#include <QTest>

#include <algorithm>

namespace {

class KlavesnicaOkna : public TestAppDir {
protected:
    void SetUp() override
    {
        TestAppDir::SetUp();
        TStartForm::Pauza = 0;
        KlavesnicaOkien::Zapni();
        Zurnal z;
        UpravaZaznamu u = KevrotPrikazy::NovyZaznam(z, QDate::currentDate().year(), 0);
        u.zaznam.PoradoveCislo = 1;
        u.zaznam.Meno = QStringLiteral("Okresný súd");
        ASSERT_GE(KevrotPrikazy::PridajZaznam(z, u), 0);
    }
};

// The widgets Tab visits from the focus, until it comes back (at most `najviac` steps).
QList<QWidget*> retazTabu(int najviac)
{
    QList<QWidget*> r{QApplication::focusWidget()};
    for (int i = 0; i < najviac; ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        if (QApplication::focusWidget() == r.first())
            return r;
        r.append(QApplication::focusWidget());
    }
    return r;
}

}  // namespace

TEST_F(KlavesnicaOkna, TabWalksThroughTheGridAndTheSidePanelAndBack)
{
    TZnalecKevrotForm f({});
    f.resize(1280, 800);
    f.show();
    f.PrvaAktivacia();
    QApplication::setActiveWindow(&f);
    KevrotZalozka* k = f.kevrot();
    k->StringGrid1->setFocus();
    ASSERT_EQ(QApplication::focusWidget(), k->StringGrid1);

    const QList<QWidget*> retaz = retazTabu(60);
    ASSERT_LT(retaz.size(), 61) << "Tab never comes back to the grid";
    ASSERT_GT(retaz.size(), 1);
    EXPECT_NE(retaz[1], k->StringGrid1);  // Tab leaves the grid
    EXPECT_EQ(retaz.count(k->StringGrid1), 1);
    for (QWidget* w : {static_cast<QWidget*>(k->btnPridaj), static_cast<QWidget*>(k->btnZmaz),
                       static_cast<QWidget*>(k->btnVyhladaj), static_cast<QWidget*>(k->RokEdit),
                       static_cast<QWidget*>(f.btnZavriet)})
        EXPECT_TRUE(retaz.contains(w) || retaz.contains(w->focusProxy())) << w->metaObject()->className();
    // the side panel follows the grid in its order
    EXPECT_LT(retaz.indexOf(k->btnPridaj), retaz.indexOf(k->btnZmaz));

    k->StringGrid1->setFocus();
    QTest::keyClick(k->StringGrid1, Qt::Key_Tab, Qt::ControlModifier);
    EXPECT_EQ(f.PageControl1->currentIndex(), 1);
    f.PageControl1->setCurrentIndex(0);
}

TEST_F(KlavesnicaOkna, InsertEnterAndDeleteWorkOnTheRegister)
{
    TZnalecKevrotForm f({});
    f.show();
    f.PrvaAktivacia();
    QApplication::setActiveWindow(&f);
    KevrotZalozka* k = f.kevrot();
    ASSERT_EQ(k->StringGrid1->model()->rowCount(), 1);
    k->VyberRiadok(0);
    k->StringGrid1->setFocus();

    for (const auto kluc : {Qt::Key_Return, Qt::Key_F2, Qt::Key_Insert}) {
        QString cislo;
        ked_sa_otvori<TZnalecKevrotEditForm>([&](TZnalecKevrotEditForm* e) {
            cislo = e->Edit4->text();
            e->done(QDialog::Rejected);
        });
        QTest::keyClick(k->StringGrid1, kluc);
        EXPECT_EQ(cislo, kluc == Qt::Key_Insert ? QStringLiteral("2") : QStringLiteral("1"))
            << kluc << m_spravy.texty().join(u'|').toStdString();
    }

    m_spravy.odpovede = {true};
    QTest::keyClick(k->StringGrid1, Qt::Key_Delete);
    EXPECT_EQ(m_spravy.texty().last(), QString::fromUtf8(KevrotPrikazy::OtazkaZmazat));
    EXPECT_EQ(k->StringGrid1->model()->rowCount(), 0);
}

TEST_F(KlavesnicaOkna, EntryEditorStartsInItsHeaderAndTabsThroughThePageToOk)
{
    TZnalecKevrotForm f({});
    f.show();
    f.PrvaAktivacia();
    QApplication::setActiveWindow(&f);
    f.kevrot()->StringGrid1->setFocus();
    bool otvoreny = false, zacinaCislom = false;
    int meno = -1, karty = -1, ok = -1;
    ked_sa_otvori<TZnalecKevrotEditForm>([&](TZnalecKevrotEditForm* e) {
        otvoreny = true;
        QApplication::setActiveWindow(e);
        const QList<QWidget*> retaz = retazTabu(120);
        zacinaCislom = !retaz.isEmpty() && retaz.first() == e->Edit4;
        meno = int(retaz.indexOf(e->Edit2));
        ok = int(retaz.indexOf(e->btnOK));
        for (int i = 0; i < retaz.size() && karty < 0; ++i)
            if (e->Zalozky->isAncestorOf(retaz[i]))
                karty = i;
        e->done(QDialog::Rejected);
    });
    QTest::keyClick(f.kevrot()->StringGrid1, Qt::Key_Insert);
    ASSERT_TRUE(otvoreny);
    EXPECT_TRUE(zacinaCislom);  // the entry's number first
    EXPECT_GE(meno, 0);
    EXPECT_LT(meno, karty);  // the header before the page
    EXPECT_LT(karty, ok);    // the page before "OK"
}
