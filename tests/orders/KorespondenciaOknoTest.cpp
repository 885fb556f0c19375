// The letter part of the order editor: template list of the kind, the working file filled
// from the window's controls, "Edituj" and "Otvor vo Worde".

#include "common/TestAppDir.h"
#include "editor/UiPomoc.h"

#include "word/RtfCitac.h"
#include "orders/KorespondenciaObjednavky.h"
#include "widgets/RichEditForm.h"
#include "orders/TZnalecKevrotObjednavkaEditForm.h"
#include "store/Datum.h"
#include "store/Objednavky.h"

#include <QComboBox>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QTextEdit>

namespace {

const QByteArray Hlava = "{\\rtf1\\ansi\\ansicpg1250\\deff0{\\fonttbl{\\f0 Arial;}}\r\n";

class KorespondenciaOkno : public TestAppDir {
protected:
    void SetUp() override
    {
        TestAppDir::SetUp();
        zaistiAplikaciu();
        m_nastavenia.Druh = Prekladatel;
        m_nastavenia.Meno = QStringLiteral("Ján");
        m_nastavenia.Priezvisko = QStringLiteral("Novák");
        m_nastavenia.Mesto = QStringLiteral("Martin");
        m_nastavenia.BasicFontName = QStringLiteral("Verdana");
        m_nastavenia.BasicFontSize = 11;
        zapis(QStringLiteral("ZnaleckyKevrot texty/Korespondencia - objednavky (prekladatel)/Potvrdenie.rtf"),
              Hlava + "\\pard $ZADAVATEL_MENO$ | $OBJEDNAVKA$ | $DATUM_VYZIAD$ | $ZNALEC_MESTO$\\par\r\n"
                      "\\pard $ZNALEC_PATA$\\par\r\n}");
        zapis(QStringLiteral("ZnaleckyKevrot texty/pata_vyuctovania.rtf"), Hlava + "\\pard P\\'e4ta\\par\r\n}");
        m_objednavka = Objednavky::NovaObjednavka();
        m_objednavka.Meno = QStringLiteral("Krajský súd");
        m_objednavka.Cislo = QStringLiteral("2T 5/2024");
        m_objednavka.DatumVyziadania = QDateNaDatum(QDate(2024, 3, 5));
    }

    static QString pracovny() { return KorespondenciaObjednavky::pracovnySubor(); }

    TNastavenia m_nastavenia;
    TObjednavka m_objednavka;
    Objednavky m_objednavky;
};

}  // namespace

TEST_F(KorespondenciaOkno, ChosenTemplateFillsTheWorkingFileFromTheControls)
{
    TZnalecKevrotObjednavkaEditForm okno(m_objednavka, m_objednavky, nullptr, &m_nastavenia);
    ASSERT_EQ(okno.KorespondenciaComboBox->count(), 2);
    EXPECT_EQ(okno.KorespondenciaComboBox->currentIndex(), 0);
    EXPECT_TRUE(okno.Korespondencia->isReadOnly());

    okno.Edit2->setText(QStringLiteral("Okresný súd {Žilina}"));
    okno.KorespondenciaComboBox->setCurrentIndex(1);
    emit okno.KorespondenciaComboBox->activated(1);
    const QString ocakavany = QStringLiteral("Okresný súd {Žilina} | 2T 5/2024 | 5.3.2024 | Martin");
    EXPECT_EQ(RtfCitac::citajSubor(pracovny()).dokument.text().trimmed(), ocakavany);
    EXPECT_EQ(okno.Korespondencia->toPlainText().trimmed(), ocakavany);
    EXPECT_TRUE(m_spravy.spravy.isEmpty());

    // The letter is not part of the order.
    okno.btnOK->click();
    EXPECT_EQ(okno.objednavka().Meno, QStringLiteral("Okresný súd {Žilina}"));
}

TEST_F(KorespondenciaOkno, OtvorVoWordeOpensTheLetterWithTheFooter)
{
    TZnalecKevrotObjednavkaEditForm okno(m_objednavka, m_objednavky, nullptr, &m_nastavenia);
    okno.btnOtvorVoWorde->click();
    EXPECT_TRUE(m_spravy.otvoreneSubory.isEmpty());  // nothing made yet

    okno.KorespondenciaComboBox->setCurrentIndex(1);
    emit okno.KorespondenciaComboBox->activated(1);
    okno.btnOtvorVoWorde->click();
    ASSERT_EQ(m_spravy.otvoreneSubory.size(), 1);
    const auto v = RtfCitac::citajSubor(m_spravy.otvoreneSubory.first());
    EXPECT_TRUE(v.dokument.text().startsWith(QStringLiteral("Krajský súd | 2T 5/2024")));
    EXPECT_EQ(RtfDokument::textBlokov(v.dokument.pata), QStringLiteral("Päta\n"));
}

TEST_F(KorespondenciaOkno, EditujOpensTheTemplateEditorAndTheViewFollows)
{
    TZnalecKevrotObjednavkaEditForm okno(m_objednavka, m_objednavky, nullptr, &m_nastavenia);
    QString titulok;
    ked_sa_otvori<TRichEditForm>([&](TRichEditForm* f) {
        titulok = f->windowTitle();
        f->editor()->setPlainText(QStringLiteral("Vážený pán"));
        f->btnVlozClick();
    });
    okno.btnEditujList->click();
    EXPECT_EQ(titulok, QStringLiteral("[Korešpondencia - objednávky]"));
    EXPECT_EQ(RtfCitac::citajSubor(pracovny()).dokument.text().trimmed(), QStringLiteral("Vážený pán"));
    EXPECT_EQ(okno.Korespondencia->toPlainText().trimmed(), QStringLiteral("Vážený pán"));
}

TEST_F(KorespondenciaOkno, ChosenTemplateKeepsWhatTheViewCannotShow)
{
    zapis(QStringLiteral("ZnaleckyKevrot texty/hlavicka_vyuctovania.rtf"),
          Hlava + "\\pard\\qc\\brdrb\\brdrs\\brdrw10 Hlavi\\'e8ka\\par\r\n}");
    zapis(QStringLiteral("ZnaleckyKevrot texty/Korespondencia - objednavky (prekladatel)/S hlavickou.rtf"),
          Hlava + "\\pard $ZNALEC_HLAVICKA$\\par\r\n\\pard Text\\par\r\n}");
    TZnalecKevrotObjednavkaEditForm okno(m_objednavka, m_objednavky, nullptr, &m_nastavenia);
    const int i = okno.KorespondenciaComboBox->findText(QStringLiteral("S hlavickou"));
    ASSERT_GT(i, 0);
    okno.KorespondenciaComboBox->setCurrentIndex(i);
    emit okno.KorespondenciaComboBox->activated(i);
    QFile f(pracovny());
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_TRUE(f.readAll().contains("\\brdrb\\brdrs\\brdrw10 Hlavi\\'e8ka"));
    EXPECT_EQ(okno.Korespondencia->toPlainText().trimmed(), QStringLiteral("Hlavička\n\nText"));
}
