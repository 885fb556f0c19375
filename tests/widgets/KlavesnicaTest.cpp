// Accelerators given to the captions of a window: one letter each, never twice.
#include "widgets/KlavesnicaOkien.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QVBoxLayout>
#include <QFormLayout>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSet>
#include <QTabWidget>

#include <gtest/gtest.h>

TEST(Klavesnica, KazdyPopisMaInePismeno)
{
    QWidget okno;
    auto* l = new QFormLayout(&okno);
    QList<QPushButton*> tlacidla;
    for (const char* t : {"Pridaj", "Pridaj položku", "&Storno", "Zmaž", "Vytlač Excel", "Vytvor kópiu", "Tlač && pošli"})
        tlacidla.append(new QPushButton(QString::fromUtf8(t), &okno));
    for (auto* b : tlacidla)
        l->addRow(b);
    l->addRow(QStringLiteral("Suma:"), new QLineEdit(&okno));
    auto* karty = new QTabWidget(&okno);
    karty->addTab(new QWidget, QStringLiteral("Vec"));
    karty->addTab(new QWidget, QStringLiteral("Vyúčtovanie"));
    l->addRow(karty);
    l->addRow(new QPushButton(QStringLiteral("…"), &okno));  // too short to carry one

    KlavesnicaOkien::PridajAkceleratory(&okno);
    KlavesnicaOkien::PridajAkceleratory(&okno);  // a second show changes nothing

    EXPECT_EQ(tlacidla[0]->text(), QStringLiteral("&Pridaj"));
    EXPECT_EQ(tlacidla[2]->text(), QStringLiteral("&Storno"));
    EXPECT_EQ(QString(tlacidla[4]->text()).remove(QLatin1Char('&')), QStringLiteral("Vytlač Excel"));
    EXPECT_EQ(tlacidla[6]->text().count(QLatin1Char('&')), 3);  // "&&" stays an ampersand
    QStringList texty;
    for (auto* b : tlacidla)
        texty << b->text();
    texty << karty->tabText(0) << karty->tabText(1);
    for (auto* lab : okno.findChildren<QLabel*>())
        texty << lab->text();
    QSet<QChar> pismena;
    for (const QString& t : texty) {
        const QChar a = KlavesnicaOkien::Akcelerator(t);
        ASSERT_FALSE(a.isNull()) << t.toStdString();
        EXPECT_FALSE(pismena.contains(a)) << t.toStdString();
        pismena.insert(a);
    }
    EXPECT_EQ(okno.findChildren<QPushButton*>().last()->text(), QStringLiteral("…"));
}

TEST(Klavesnica, ViditelnePopisyMajuPrednost)
{
    QWidget okno;
    auto* skryta = new QWidget(&okno);  // a tab page not shown
    auto* skryte = new QPushButton(QStringLiteral("Pridaj"), skryta);
    skryta->hide();
    auto* viditelne = new QPushButton(QStringLiteral("Prepočítaj"), &okno);
    KlavesnicaOkien::PridajAkceleratory(&okno);
    EXPECT_EQ(viditelne->text(), QStringLiteral("&Prepočítaj"));
    EXPECT_NE(KlavesnicaOkien::Akcelerator(skryte->text()), QLatin1Char('p'));
}

TEST(Klavesnica, PopisPolaDostanePoleAPismeno)
{
    QWidget okno;
    auto* g = new QGridLayout(&okno);
    auto* suma = new QLabel(QStringLiteral("Suma:"), &okno);
    auto* pole = new QLineEdit(&okno);
    auto* nadpis = new QLabel(QStringLiteral("Súčty"), &okno);  // no colon: a heading
    g->addWidget(suma, 0, 0);
    g->addWidget(pole, 0, 1);
    g->addWidget(nadpis, 1, 0);
    g->addWidget(new QLineEdit(&okno), 1, 1);
    KlavesnicaOkien::PridajAkceleratory(&okno);
    EXPECT_EQ(suma->buddy(), pole);
    EXPECT_EQ(suma->text(), QStringLiteral("&Suma:"));
    EXPECT_EQ(nadpis->buddy(), nullptr);
}

TEST(Klavesnica, RozbalovaciZoznamSFokusomJeOramovany)
{
    KlavesnicaOkien::Zapni();
    QWidget okno;
    auto* l = new QVBoxLayout(&okno);
    auto* pole = new QLineEdit(&okno);
    auto* combo = new QComboBox(&okno);
    l->addWidget(pole);
    l->addWidget(combo);
    okno.show();
    QApplication::setActiveWindow(&okno);
    auto ramcek = [&]() -> QWidget* {
        for (QWidget* w : okno.findChildren<QWidget*>())
            if (w->testAttribute(Qt::WA_TransparentForMouseEvents) && w->isVisible())
                return w;
        return nullptr;
    };
    combo->setFocus();
    ASSERT_TRUE(ramcek());
    EXPECT_TRUE(ramcek()->geometry().contains(combo->geometry()));
    pole->setFocus();  // a line edit shows its own focus
    EXPECT_FALSE(ramcek());
}
