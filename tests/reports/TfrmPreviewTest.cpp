// The preview: paging, zoom rules, print jobs, PDF, and several windows at once.

#include "common/TestAppDir.h"

#include "reports/StavNahladu.h"
#include "reports/TfrmPreview.h"
#include "reports/TlacKevrotaOkna.h"
#include "settings/Nastavenia.h"
#include "settings/OdboryOdvetvia.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QMouseEvent>
#include <QPointer>
#include <QProcess>
#include <QScreen>

#include <gtest/gtest.h>

namespace {

StranyZostavy strany(int n)
{
    StranyZostavy z;
    for (int i = 0; i < n; ++i) {
        TDrawMetaFile s;
        s.velkost = QSize(794, 1123);
        KresliacaOperacia t;
        t.druh = KresliacaOperacia::Druh::Text;
        t.obdlznik = QRect(100, 100, 400, 40);
        t.text = QStringLiteral("Strana číslo %1").arg(i + 1);
        t.pismo.Name = QStringLiteral("Arial");
        t.pismo.Height = -20;
        t.farba = Qt::black;
        s.operacie.append(t);
        z.strany.append(s);
    }
    return z;
}

void klik(QWidget* w, Qt::MouseButton b)
{
    QMouseEvent e(QEvent::MouseButtonPress, QPointF(20, 20), w->mapToGlobal(QPointF(20, 20)), b, b, Qt::NoModifier);
    QApplication::sendEvent(w, &e);
}

}  // namespace

TEST(StavNahladu, StrankovanieAIndikator)
{
    StavNahladu s(1);
    EXPECT_EQ(s.indikator(), QString("1/1"));
    s.dalsiaStrana();
    s.predchadzajucaStrana();
    EXPECT_EQ(s.indikator(), QString("1/1"));
    s.nastavPocetStran(3);
    s.poslednaStrana();
    EXPECT_EQ(s.indikator(), QString("3/3"));
    s.chodNaStranu(4);
    s.chodNaStranu(0);
    EXPECT_EQ(s.strana(), 3);
    s.prvaStrana();
    EXPECT_EQ(s.strana(), 1);
    StavNahladu prazdny(0);
    prazdny.poslednaStrana();
    EXPECT_EQ(prazdny.strana(), 1);
}

TEST(StavNahladu, ZvacsenieZKombaARebrikMysi)
{
    StavNahladu s(1);
    s.zvacsenieZTextu("300");
    s.zvacsenieZTextu("10");
    EXPECT_EQ(s.zvacsenie(), 100);
    s.zvacsenieZTextu("25");
    EXPECT_EQ(s.zvacsenie(), 25);
    // Off the ladder: the mouse does nothing.
    s.zvacsi();
    s.zmensi();
    EXPECT_EQ(s.zvacsenie(), 25);
    s.zvacsenieZTextu("abc");
    EXPECT_EQ(s.zvacsenie(), 100);
    s.zvacsi();
    EXPECT_EQ(s.zvacsenie(), 150);
    s.zvacsi();
    s.zvacsi();
    EXPECT_EQ(s.zvacsenie(), 200);
    for (int i = 0; i < 5; ++i)
        s.zmensi();
    EXPECT_EQ(s.zvacsenie(), 50);
    EXPECT_EQ(s.velkostListu(QSize(794, 1123), false), QSize(397, 562));
    EXPECT_EQ(s.velkostListu(QSize(794, 1123), true), QSize(402, 567));
}

TEST(StavNahladu, KazdaKopiaJeSamostatnaUloha)
{
    EXPECT_EQ(StavNahladu::ulohyTlace(2, 3, 2), (QList<QList<int>>{{2, 3}, {2, 3}}));
    EXPECT_TRUE(StavNahladu::ulohyTlace(3, 2, 1).isEmpty());
    EXPECT_EQ(StavNahladu::ulohyTlace(1, 1, 0).size(), 0);
}

class TfrmPreviewTest : public TestAppDir {};

TEST_F(TfrmPreviewTest, OknoStrankujeAZvacsuje)
{
    auto* okno = new TfrmPreview;
    okno->zostava() = strany(3);
    okno->show();
    okno->ZobrazPrvuStranu();
    EXPECT_EQ(okno->windowTitle(), QString("Tlačová zostava"));
    EXPECT_EQ(okno->lblStrana()->text(), QString("1/3"));
    okno->chodNaStranu(3);
    EXPECT_EQ(okno->lblStrana()->text(), QString("3/3"));
    okno->chodNaStranu(9);
    EXPECT_EQ(okno->lblStrana()->text(), QString("3/3"));

    okno->cmbZvacsenie()->setEditText("300");
    EXPECT_EQ(okno->nahlad()->stav.zvacsenie(), 100);
    okno->cmbZvacsenie()->setEditText("50");
    EXPECT_EQ(okno->nahlad()->stav.zvacsenie(), 50);
    EXPECT_EQ(okno->nahlad()->size(), QSize(397 + 30, 562 + 30));
    klik(okno->nahlad(), Qt::LeftButton);
    EXPECT_EQ(okno->nahlad()->stav.zvacsenie(), 75);
    EXPECT_EQ(okno->cmbZvacsenie()->currentText(), QString("75"));
    klik(okno->nahlad(), Qt::RightButton);
    klik(okno->nahlad(), Qt::RightButton);
    EXPECT_EQ(okno->cmbZvacsenie()->currentText(), QString("50"));

    // The sheet shows the page: something dark on white.
    const QImage obraz = okno->nahlad()->grab().toImage();
    EXPECT_EQ(QColor(obraz.pixel(20, 20)), QColor(Qt::white));
    QPointer<TfrmPreview> strazca(okno);
    okno->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(strazca.isNull());
}

TEST_F(TfrmPreviewTest, ViacOkienNarazAPdf)
{
    auto* a = new TfrmPreview;
    auto* b = new TfrmPreview;
    a->zostava() = strany(2);
    b->zostava() = strany(1);
    a->show();
    b->show();
    a->ZobrazPrvuStranu();
    b->ZobrazPrvuStranu();
    EXPECT_FALSE(a->isModal());
    EXPECT_EQ(a->lblStrana()->text(), QString("1/2"));
    EXPECT_EQ(b->lblStrana()->text(), QString("1/1"));

    const QString pdf = cesta("nahlad");
    m_spravy.vybery = {pdf};
    EXPECT_TRUE(a->UlozAkoPdf());
    ASSERT_TRUE(QFile::exists(pdf + ".pdf"));
    QProcess p;
    p.start("pdftotext", {pdf + ".pdf", "-"});
    p.waitForFinished(30000);
    const QString text = QString::fromUtf8(p.readAllStandardOutput());
    if (!text.isEmpty()) {
        EXPECT_TRUE(text.contains(QStringLiteral("Strana číslo 1")));
        EXPECT_TRUE(text.contains(QStringLiteral("Strana číslo 2")));
    }
    // Cancelled choice: nothing written.
    EXPECT_FALSE(b->UlozAkoPdf());
    a->close();
    b->close();
}

TEST_F(TfrmPreviewTest, VytlacObrazovkaOtvoriZoznamAHlavicku)
{
    QDir().mkpath(cesta("Zostavy"));
    ASSERT_TRUE(QFile::copy(QStringLiteral(KEVROT_SOURCE_DIR "/data/app/Zostavy/pr_znalec_kevrot.dfm"),
                            cesta("Zostavy/pr_znalec_kevrot.dfm")));
    Nastavenia n;
    OdboryOdvetvia c;
    // The cover layout is missing: its message, and the listing still opens.
    auto okna = TlacKevrota::ZobrazKevrot({}, n, c, 2024);
    ASSERT_EQ(okna.size(), 1);
    EXPECT_EQ(okna[0]->lblStrana()->text(), QString("1/1"));
    EXPECT_EQ(m_spravy.texty(), QStringList({"Nedá sa nahrať zostava " + cesta("Zostavy/pr_znalec_kevrot_hlavicka.dfm")}));
    ASSERT_TRUE(QFile::copy(QStringLiteral(KEVROT_SOURCE_DIR "/data/app/Zostavy/pr_znalec_kevrot_hlavicka.dfm"),
                            cesta("Zostavy/pr_znalec_kevrot_hlavicka.dfm")));
    auto obe = TlacKevrota::ZobrazKevrot({}, n, c, 2024);
    EXPECT_EQ(obe.size(), 2);
    // Even where the desktop does not maximize, the window covers most of the screen.
    const QSize plocha = obe[0]->screen()->availableGeometry().size();
    EXPECT_GE(obe[0]->normalGeometry().width(), plocha.width() * 8 / 10);
    EXPECT_GE(obe[0]->normalGeometry().height(), plocha.height() * 8 / 10);
    // the cover does not lie exactly over the listing
    EXPECT_FALSE(obe[1]->isMaximized());
    EXPECT_NE(obe[1]->geometry().topLeft(), obe[0]->geometry().topLeft());
    for (auto* o : okna + obe)
        o->close();
}
