// "Výpis z kevrota": the register opens the extract window of its year; the window counts
// by the chosen half-year and writes the statement as a document and as PDF.

#include "journal/KevrotPrikazy.h"
#include "journal/KevrotZalozka.h"
#include "journal/TStartForm.h"
#include "journal/TZnalecKevrotForm.h"
#include "reports/TVypisKevrotForm.h"
#include "settings/Nastavenia.h"
#include "store/Datum.h"
#include "store/Zurnal.h"

#include "common/TestAppDir.h"

#include <QApplication>
#include <QDate>
#include <QDir>
#include <QFile>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTableWidget>

TEST_F(TestAppDir, VypisZKevrotaPocitaPolrokATlaciDokumentAPdf)
{
    TStartForm::Pauza = 0;
    const int rok = QDate::currentDate().year();
    Nastavenia n;
    n.Nastavenie.Meno = QStringLiteral("Ján");
    n.Nastavenie.Priezvisko = QString::fromUtf8("Kováč");
    n.Nastavenie.Odbory = QStringLiteral("370000|");
    n.Nastavenie.Odvetvia = QStringLiteral("370100|370200|");
    ASSERT_TRUE(n.UlozNastavenia());
    for (auto [cislo, mesiac, odvetvie] : {std::tuple{1, 3, "370100"}, {4, 3, "370100"}, {2, 9, "370100"}, {3, 9, ""}}) {
        Zurnal z;
        UpravaZaznamu u = KevrotPrikazy::NovyZaznam(z, rok, 0);
        u.zaznam.PoradoveCislo = cislo;
        u.zaznam.StatnyOrgan = 1;
        u.zaznam.DatumVykonania = QDateNaDatum(QDate(rok, mesiac, 10));
        u.zaznam.Odbor = QStringLiteral("370000");
        u.zaznam.Odvetvie = QString::fromLatin1(odvetvie);
        ASSERT_GE(KevrotPrikazy::PridajZaznam(z, u), 0);
    }
    QDir().mkpath(cesta("Zostavy"));
    QFile::copy(QStringLiteral(KEVROT_SOURCE_DIR "/data/app/Zostavy/vypis.dot"), cesta("Zostavy/vypis.dot"));

    TZnalecKevrotForm f({});
    f.PrvaAktivacia();
    f.kevrot()->btnVypis->click();
    TVypisKevrotForm* v = nullptr;
    for (QWidget* w : QApplication::topLevelWidgets())
        if (auto* x = qobject_cast<TVypisKevrotForm*>(w))
            v = x;
    ASSERT_NE(v, nullptr);
    EXPECT_TRUE(v->windowTitle().endsWith(QString::number(rok)));
    auto pocty = [&] {
        QStringList p;
        for (int r = 0; r < v->Mriezka->rowCount(); ++r)
            p << v->Mriezka->item(r, 0)->text();
        return p.join(' ');
    };
    EXPECT_EQ(pocty(), QStringLiteral("2 0 0 0"));
    EXPECT_FALSE(v->Kontrola->isHidden());
    EXPECT_EQ(v->Kontrola->count(), 1);
    v->rbDruhy->click();
    EXPECT_EQ(pocty(), QStringLiteral("1 0 0 0"));  // entry 2; entry 3 has no branch
    v->rbPrvy->click();
    v->rbDruhy->click();
    v->grab().save(QDir::tempPath() + QStringLiteral("/kevrot-vypis-okno.png"));

    v->btnTlac->click();
    v->btnPdf->click();
    EXPECT_TRUE(QFileInfo::exists(cesta("Tmp_doc/vypis.rtf")));
    EXPECT_TRUE(QFileInfo::exists(cesta("Tmp_doc/vypis.pdf")));
    EXPECT_EQ(m_spravy.otvoreneSubory.size(), 2);
    EXPECT_TRUE(obsah("Tmp_doc/vypis.rtf").contains("1.7.")) << m_spravy.texty().join('\n').toStdString();
    delete v;
}
