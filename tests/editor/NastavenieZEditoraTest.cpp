// "Nastavenie programu" in the entry editor, and the fields it offers once settings exist.

#include "ZnalecOdboru.h"
#include "common/TestAppDir.h"
#include "editor/UiPomoc.h"

#include "editor/TZnalecKevrotEditForm.h"
#include "editor/TextyTab.h"
#include "word/RtfCitac.h"
#include "settings_window/TNastavenieForm.h"
#include "settings_window/StrankaUdaje.h"
#include "kevrot/Udaje.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>

namespace {

class NastavenieZEditora : public TestAppDir {
protected:
    void SetUp() override
    {
        TestAppDir::SetUp();
        zaistiAplikaciu();
        NastavZnalcaOdboru(m_udaje);
        TNastavenia& n = m_udaje.nastavenia.Nastavenie;
        n.SadzbaDPH = 20;
        n.PlatcaDPH = true;
        n.CisloUctu = QStringLiteral("111");
        n.Banka = QStringLiteral("0900");
    }

    static UpravaZaznamu novy()
    {
        UpravaZaznamu u;
        u.novy = true;
        u.zaznam.PoradoveCislo = 1;
        u.zaznam.Rok = 2024;
        return u;
    }

    Udaje m_udaje;
};

}  // namespace

TEST_F(NastavenieZEditora, EntrysRateFillsTheSlotAndTheTextsAreMadeAgainAfterOk)
{
    zapis(QStringLiteral("ZnaleckyKevrot texty/Text vyuctovania - financna ciastka/Ucet.rtf"),
          "{\\rtf1\\ansi\\pard Na $CISLO_UCTU$\\par}");
    TZnalecKevrotEditForm okno(novy(), Zdroje(m_udaje));
    TextyTab* t = okno.tabTexty;
    t->TextVyplateniaComboBox->setCurrentIndex(1);
    emit t->TextVyplateniaComboBox->activated(1);
    const QString subor = TextyVyuctovania::pracovnySubor(DruhTextu::Vyplatenie);
    EXPECT_EQ(RtfCitac::citajSubor(subor).dokument.text().trimmed(), QStringLiteral("Na 111/0900"));
    okno.DPHEdit->setText(QStringLiteral("10"));
    okno.OpustilDPH();

    ked_sa_otvori<TNastavenieForm>([](TNastavenieForm* f) {
        EXPECT_EQ(f->udaje->editSadzba->text(), QStringLiteral("10,00"));
        f->udaje->editCisloUctu->setText(QStringLiteral("2000145399"));
        f->btnOK->click();
    });
    okno.btnNastavenie->click();
    EXPECT_EQ(m_udaje.nastavenia.Nastavenie.SadzbaDPH, 10.0);
    EXPECT_EQ(okno.sadzbaDPH(), 10.0);
    // A valid account is printed as its IBAN.
    EXPECT_EQ(RtfCitac::citajSubor(subor).dokument.text().trimmed(), QStringLiteral("Na IBAN SK02 0900 0000 0020 0014 5399"));

    // "Storno" changes nothing.
    ked_sa_otvori<TNastavenieForm>([](TNastavenieForm* f) {
        f->udaje->editCisloUctu->setText(QStringLiteral("333"));
        f->btnStorno->click();
    });
    okno.btnNastavenie->click();
    EXPECT_EQ(m_udaje.nastavenia.Nastavenie.CisloUctu, QStringLiteral("2000145399"));
}

TEST_F(NastavenieZEditora, EverythingIsOfferedOnlyUntilSettingsAreSaved)
{
    m_udaje.nastavenia.Nastavenie.Odbory.clear();
    m_udaje.nastavenia.Nastavenie.Odvetvia.clear();
    {
        TZnalecKevrotEditForm okno(novy(), Zdroje(m_udaje));
        EXPECT_EQ(okno.cmbOdborJazyk->count(), 1);  // the whole code list
    }
    ASSERT_TRUE(m_udaje.nastavenia.UlozNastavenia());
    TZnalecKevrotEditForm okno(novy(), Zdroje(m_udaje));
    EXPECT_EQ(okno.cmbOdborJazyk->count(), 0);
}
