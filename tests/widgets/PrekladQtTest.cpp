// Qt's own texts in Slovak once the translation is loaded.
#include "widgets/PrekladQt.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QPushButton>
#include <QTemporaryDir>

#include <gtest/gtest.h>

TEST(PrekladQt, StandardneTlacidlaPoSlovensky)
{
    QTemporaryDir prazdny;
    EXPECT_FALSE(NacitajPrekladQt(prazdny.path()));
    EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", "Cancel"), QStringLiteral("Cancel"));

    ASSERT_TRUE(NacitajPrekladQt()) << AdresarPrekladovQt().toStdString();
    EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", "Cancel"), QStringLiteral("Zrušiť"));
    QDialogButtonBox tlacidla(QDialogButtonBox::Yes | QDialogButtonBox::No);
    EXPECT_EQ(tlacidla.button(QDialogButtonBox::Yes)->text().remove(QLatin1Char('&')), QStringLiteral("Áno"));
    EXPECT_EQ(tlacidla.button(QDialogButtonBox::No)->text().remove(QLatin1Char('&')), QStringLiteral("Nie"));
}

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
