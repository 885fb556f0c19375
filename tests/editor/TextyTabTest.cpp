// The tab "Texty" in the entry editor: template lists, regeneration from the editor's
// controls, legacy texts, and editing the working file in the template editor.

#include "ZnalecOdboru.h"
#include "common/TestAppDir.h"
#include "editor/UiPomoc.h"

#include "editor/TZnalecKevrotEditForm.h"
#include "editor/TextyTab.h"
#include "word/RtfCitac.h"
#include "widgets/PoleTextovehoZoznamu.h"
#include "widgets/RichEditForm.h"
#include "kevrot/Udaje.h"

#include <QScrollArea>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QTabWidget>
#include <QTextEdit>

namespace {

const QByteArray Hlava = "{\\rtf1\\ansi\\ansicpg1250\\deff0{\\fonttbl{\\f0 Arial;}}\r\n";

class TextyTabTest : public TestAppDir {
protected:
    void SetUp() override
    {
        TestAppDir::SetUp();
        zaistiAplikaciu();
        NastavZnalcaOdboru(m_udaje);
        TNastavenia& n = m_udaje.nastavenia.Nastavenie;
        n.CisloUctu = QStringLiteral("123456789");
        n.Banka = QStringLiteral("0900");
        n.BasicFontName = QStringLiteral("Verdana");
        n.BasicFontSize = 11;
        zapis(QStringLiteral("ZnaleckyKevrot texty/Text vyuctovania/Sud.rtf"),
              Hlava + "\\pard \\'da\\'e8tujem \\'fakon $CISLO$: $UKON$, $PREDMET$, VS $VARIAB_SYMBOL$\\par\r\n}");
        zapis(QStringLiteral("ZnaleckyKevrot texty/Text vyuctovania - financna ciastka/Ucet.rtf"),
              Hlava + "\\pard Na \\'fa\\'e8et $CISLO_UCTU$ ($OBJEDNAVKA$)\\par\r\n}");
    }

    UpravaZaznamu zaznam(bool novy)
    {
        UpravaZaznamu u;
        u.novy = novy;
        u.zaznam.PoradoveCislo = 7;
        u.zaznam.Rok = 2024;
        u.zaznam.Odbor = QStringLiteral("370000");
        u.zaznam.Odvetvie = QStringLiteral("370900");
        u.zaznam.Predmet = QStringLiteral("vozidlo");
        u.zaznam.VariabilnySymbol = QStringLiteral("72024");
        return u;
    }

    static QString text(const QString& cesta) { return RtfCitac::citajSubor(cesta).dokument.text().trimmed(); }
    static QString vyuctovanie() { return TextyVyuctovania::pracovnySubor(DruhTextu::Vyuctovanie); }
    static QString vyplatenie() { return TextyVyuctovania::pracovnySubor(DruhTextu::Vyplatenie); }

    Udaje m_udaje;
};

}  // namespace

TEST_F(TextyTabTest, TabSitsAfterVecWithTheTemplatesOfTheKind)
{
    zapis(QStringLiteral("ZnaleckyKevrot texty/Text vyuctovania (tlmocnik)/Tlmocenie.rtf"), Hlava + "}");
    TZnalecKevrotEditForm okno(zaznam(true), Zdroje(m_udaje));
    QStringList zalozky;
    for (int i = 0; i < okno.Zalozky->count(); ++i)
        zalozky << okno.Zalozky->tabText(i);
    EXPECT_EQ(zalozky, (QStringList{QStringLiteral("Vec"), QStringLiteral("Texty"), QStringLiteral("Vyúčtovanie"),
                                    QStringLiteral("Vyplatenie")}));
    TextyTab* t = okno.tabTexty;
    ASSERT_NE(t, nullptr);
    EXPECT_EQ(qobject_cast<QScrollArea*>(okno.Zalozky->widget(1))->widget(), t);
    ASSERT_EQ(t->TextVyuctovaniaComboBox->count(), 2);
    EXPECT_EQ(t->TextVyuctovaniaComboBox->itemText(1), QStringLiteral("Sud"));
    EXPECT_EQ(t->TextVyuctovaniaComboBox->currentIndex(), 0);
    EXPECT_EQ(t->TextVyplateniaComboBox->itemText(1), QStringLiteral("Ucet"));
    EXPECT_TRUE(t->TextVyuctovanie->isReadOnly());
    EXPECT_TRUE(t->TextVyuctovanie->toPlainText().isEmpty());

    m_udaje.nastavenia.Nastavenie.Druh = Tlmocnik;
    TZnalecKevrotEditForm tlmocnik(zaznam(true), Zdroje(m_udaje));
    EXPECT_EQ(tlmocnik.tabTexty->TextVyuctovaniaComboBox->count(), 2);
    EXPECT_EQ(tlmocnik.tabTexty->TextVyuctovaniaComboBox->itemText(1), QStringLiteral("Tlmocenie"));
    EXPECT_EQ(tlmocnik.tabTexty->TextVyplateniaComboBox->count(), 1);
}

TEST_F(TextyTabTest, ChoosingATemplateFillsItFromTheControls)
{
    TZnalecKevrotEditForm okno(zaznam(true), Zdroje(m_udaje));
    TextyTab* t = okno.tabTexty;
    okno.cmbDruhUkonu->nastavText(QStringLiteral("posudok"));
    okno.Edit20->setText(QStringLiteral("99"));
    t->TextVyuctovaniaComboBox->setCurrentIndex(1);
    emit t->TextVyuctovaniaComboBox->activated(1);
    const QString ocakavany = QStringLiteral("Účtujem úkon 7/2024: posudok, vozidlo, VS 99");
    EXPECT_EQ(text(vyuctovanie()), ocakavany);
    EXPECT_EQ(t->TextVyuctovanie->toPlainText().trimmed(), ocakavany);
    EXPECT_FALSE(QFile::exists(vyplatenie()));

    // The empty first item leaves the text as it is.
    t->TextVyuctovaniaComboBox->setCurrentIndex(0);
    emit t->TextVyuctovaniaComboBox->activated(0);
    EXPECT_EQ(text(vyuctovanie()), ocakavany);
    EXPECT_EQ(t->TextVyuctovanie->toPlainText().trimmed(), ocakavany);
}

TEST_F(TextyTabTest, LeavingTheNumberOrTheVariableSymbolRegenerates)
{
    TZnalecKevrotEditForm okno(zaznam(true), Zdroje(m_udaje));
    TextyTab* t = okno.tabTexty;
    t->TextVyuctovaniaComboBox->setCurrentIndex(1);
    t->TextVyplateniaComboBox->setCurrentIndex(1);
    okno.Edit5->setText(QStringLiteral("OBJ-1"));
    EXPECT_FALSE(QFile::exists(vyuctovanie()));  // selecting alone made nothing

    okno.Edit4->setText(QStringLiteral("8"));
    emit okno.Edit4->editingFinished();
    EXPECT_EQ(text(vyuctovanie()), QStringLiteral("Účtujem úkon 8/2024: , vozidlo, VS 72024"));
    EXPECT_EQ(text(vyplatenie()), QStringLiteral("Na účet 123456789/0900 (OBJ-1)"));
    EXPECT_EQ(t->TextFinancnaCiastka->toPlainText().trimmed(), QStringLiteral("Na účet 123456789/0900 (OBJ-1)"));

    // A variable symbol set later is taken into the texts at once.
    okno.Edit20->setText(QStringLiteral("111"));
    emit okno.Edit20->editingFinished();
    EXPECT_TRUE(text(vyuctovanie()).endsWith(QStringLiteral("VS 111")));
    okno.Edit16->setText(QStringLiteral("2025"));
    emit okno.Edit16->editingFinished();
    EXPECT_EQ(text(vyuctovanie()), QStringLiteral("Účtujem úkon 8/2025: , vozidlo, VS 111"));

    // A changed subject regenerates, typed or chosen.
    okno.cmbPredmet->Combo->setEditText(QStringLiteral("dom"));
    EXPECT_EQ(text(vyuctovanie()), QStringLiteral("Účtujem úkon 8/2025: , dom, VS 111"));
    EXPECT_EQ(t->TextVyuctovanie->toPlainText().trimmed(), QStringLiteral("Účtujem úkon 8/2025: , dom, VS 111"));
}

TEST_F(TextyTabTest, ClickOnThePaymentLabelRegeneratesThePaymentTextAlone)
{
    TZnalecKevrotEditForm okno(zaznam(true), Zdroje(m_udaje));
    TextyTab* t = okno.tabTexty;
    t->TextVyuctovaniaComboBox->setCurrentIndex(1);
    t->TextVyplateniaComboBox->setCurrentIndex(1);
    QMouseEvent klik(QEvent::MouseButtonRelease, QPointF(2, 2), QPointF(2, 2), Qt::LeftButton, Qt::NoButton,
                     Qt::NoModifier);
    QApplication::sendEvent(t->lblTextVyplatenia, &klik);
    EXPECT_TRUE(QFile::exists(vyplatenie()));
    EXPECT_FALSE(QFile::exists(vyuctovanie()));
}

TEST_F(TextyTabTest, ExistingEntryShowsItsWorkingFileOrItsLegacyText)
{
    zapis(QStringLiteral("Tmp_doc/text_financna_ciastka.rtf"), Hlava + "\\pard ulo\\'9een\\'fd text\\par\r\n}");
    UpravaZaznamu u = zaznam(false);
    u.zaznam.TextVyuctovania = QStringLiteral("Starý text {7}");
    u.zaznam.TextFinancnaCiastka = QStringLiteral("nepoužije sa");
    TZnalecKevrotEditForm okno(u, Zdroje(m_udaje));
    EXPECT_EQ(okno.tabTexty->TextVyuctovanie->toPlainText(), QStringLiteral("Starý text {7}"));
    EXPECT_EQ(okno.tabTexty->TextFinancnaCiastka->toPlainText().trimmed(), QStringLiteral("uložený text"));
    EXPECT_EQ(text(vyuctovanie()), QStringLiteral("Starý text {7}"));
    EXPECT_EQ(RtfCitac::citajSubor(vyuctovanie()).dokument.predvolenePismo, QStringLiteral("Verdana"));

    okno.Edit17->setText(QStringLiteral("1.2.2024"));
    okno.Potvrd();
    ASSERT_EQ(okno.result(), QDialog::Accepted) << m_spravy.texty().join('|').toStdString();
    EXPECT_TRUE(okno.uprava().zaznam.TextVyuctovania.isEmpty());
    EXPECT_TRUE(okno.uprava().zaznam.TextFinancnaCiastka.isEmpty());
    EXPECT_TRUE(QFile::exists(vyuctovanie()));
}

TEST_F(TextyTabTest, EditujOpensTheTemplateEditorOnTheWorkingFile)
{
    TZnalecKevrotEditForm okno(zaznam(true), Zdroje(m_udaje));
    TextyTab* t = okno.tabTexty;
    QString titulok;
    QString pismo;
    ked_sa_otvori<TRichEditForm>([&](TRichEditForm* f) {
        titulok = f->windowTitle();
        pismo = f->editor()->document()->defaultFont().family() + f->editor()->currentFont().family();
        f->editor()->setPlainText(QStringLiteral("Upravený text"));
        f->btnVlozClick();
    });
    t->btnEdituj->click();
    EXPECT_EQ(titulok, QStringLiteral("[Text vyúčtovania]"));
    EXPECT_TRUE(pismo.contains(QStringLiteral("Verdana"))) << pismo.toStdString();
    EXPECT_EQ(text(vyuctovanie()), QStringLiteral("Upravený text"));
    EXPECT_EQ(t->TextVyuctovanie->toPlainText().trimmed(), QStringLiteral("Upravený text"));

    // Emptied and inserted: the file goes away and the view keeps what it showed.
    ked_sa_otvori<TRichEditForm>([&](TRichEditForm* f) {
        titulok = f->windowTitle();
        f->editor()->clear();
        f->btnVlozClick();
    });
    t->btnEdituj->click();
    EXPECT_FALSE(QFile::exists(vyuctovanie()));
    EXPECT_EQ(t->TextVyuctovanie->toPlainText().trimmed(), QStringLiteral("Upravený text"));

    ked_sa_otvori<TRichEditForm>([&](TRichEditForm* f) { titulok = f->windowTitle(); });
    t->btnEditor->click();
    EXPECT_EQ(titulok, QStringLiteral("[Text vyplatenia]"));
    EXPECT_FALSE(QFile::exists(vyplatenie()));  // "Storno" writes nothing
}
