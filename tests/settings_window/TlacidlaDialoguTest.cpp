// The row that closes the dialogs: Enter in a field presses "OK" only where it is the
// default; Escape, "Storno" and Enter on a focused "Storno" reject.

#include "common/TestAppDir.h"
#include "editor/UiPomoc.h"

#include "settings/TlacidlaDialogu.h"

#include <QLineEdit>
#include <QTest>
#include <QVBoxLayout>

TEST_F(TestAppDir, DialogButtonRowKeepsEnterAndEscape)
{
    zaistiAplikaciu();
    const struct {
        EnterDialogu enter;
        Qt::Key klaves;  // Qt::Key_unknown: "Storno" clicked
        bool naStorne;   // the key goes to "Storno", else to the field
        int okKliky;
        bool zamietnute;
    } pripady[] = {
        {EnterDialogu::StlaciOK, Qt::Key_Return, false, 1, false},
        {EnterDialogu::Nic, Qt::Key_Return, false, 0, false},
        {EnterDialogu::StlaciOK, Qt::Key_Return, true, 0, true},
        {EnterDialogu::StlaciOK, Qt::Key_Escape, false, 0, true},
        {EnterDialogu::Nic, Qt::Key_Escape, false, 0, true},
        {EnterDialogu::StlaciOK, Qt::Key_unknown, false, 0, true},
    };
    for (const auto& p : pripady) {
        QDialog d;
        auto* l = new QVBoxLayout(&d);
        auto* pole = new QLineEdit(&d);
        l->addWidget(pole);
        const TlacidlaDialogu t = PridajTlacidla(&d, l, QStringLiteral("OK"), p.enter);
        int kliky = 0;
        QObject::connect(t.ok, &QPushButton::clicked, [&] { ++kliky; });
        bool zamietnute = false;
        QObject::connect(&d, &QDialog::rejected, [&] { zamietnute = true; });
        d.show();
        QWidget* ciel = p.naStorne ? static_cast<QWidget*>(t.storno) : pole;
        ciel->setFocus();
        if (p.klaves == Qt::Key_unknown)
            t.storno->click();
        else
            QTest::keyClick(ciel, p.klaves);
        EXPECT_EQ(kliky, p.okKliky) << int(p.enter) << ' ' << p.klaves;
        EXPECT_EQ(zamietnute, p.zamietnute) << int(p.enter) << ' ' << p.klaves;
        EXPECT_EQ(t.ok->text(), QStringLiteral("OK"));
        EXPECT_EQ(t.storno->text(), QStringLiteral("Storno"));
    }
}
