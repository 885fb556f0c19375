#include "TNastavenieForm.h"

#include "PrvkyNastavenia.h"
#include "StrankaCisloKevrota.h"
#include "StrankaHlavickaPata.h"
#include "StrankaSablon.h"
#include "StrankaTlac.h"
#include "StrankaUdaje.h"
#include "remuneration/PreddefinovaneTexty.h"
#include "remuneration/TOdmenyVydavkyPreddefTexty.h"
#include "settings/TNastaveniaEFakturyForm.h"
#include "settings/TlacidlaDialogu.h"
#include "store/Spravy.h"
#include "widgets/VelkostOkna.h"
#include "word/NastavenieSubory.h"

#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

using namespace PrvkyNastavenia;

TNastavenieForm::TNastavenieForm(const HodnotyNastavenia& hodnoty, CiselnikyNastavenia ciselniky, QWidget* rodic)
    : QDialog(rodic), m_h(hodnoty), m_ciselniky(ciselniky)
{
    setWindowTitle(QStringLiteral("Nastavenie programu"));
    ohlas(NastavenieSubory::PrevedStareTexty(m_h));
    m_h.hlavickaText.clear();
    m_h.nastavenie.TextVyuctovania.clear();
    m_h.nastavenie.TextVyuctovaniaCiastka.clear();
    int& druh = m_h.nastavenie.Druh;
    druh = druh == Tlmocnik || druh == Prekladatel ? druh : Znalec;
    SablonyDruhu::vytvorPriecinky(druh);

    udaje = new StrankaUdaje(ciselniky, this);
    tlac = new StrankaTlac(this);
    cisloKevrota = new StrankaCisloKevrota(this);
    hlavickaPata = new StrankaHlavickaPata(*this, this);
    textyVyuctovania = new StrankaSablon(
        {{SadaSablon::Vyuctovanie, QStringLiteral("Text vyúčtovania/faktúr")},
         {SadaSablon::FinancnaCiastka, QStringLiteral("Text vyúčtovania/faktúr - finančná čiastka")}},
        *this, this);
    korespondencia =
        new StrankaSablon({{SadaSablon::Korespondencia, QStringLiteral("Objednávky - korešpondencia")}}, *this, this);
    btnHlavickyOdmien = tlacidlo(textyVyuctovania, QStringLiteral("Nastavenie hlavičiek odmien a výdavkov"));
    textyVyuctovania->pridajTlacidlo(btnHlavickyOdmien);

    Zalozky = new QTabWidget(this);
    Zalozky->addTab(new SvitokStranky(udaje), QString());
    Zalozky->addTab(tlac, QStringLiteral("Nastavenie tlače"));
    Zalozky->addTab(cisloKevrota, QStringLiteral("Nastavenie čísla kevrota"));
    Zalozky->addTab(hlavickaPata, QStringLiteral("Hlavička/päta vyúčtovania"));
    Zalozky->addTab(textyVyuctovania, QStringLiteral("Texty vyúčtovania"));
    Zalozky->addTab(korespondencia, QStringLiteral("Korešpondencia"));
    auto* l = new QVBoxLayout(this);
    l->addWidget(Zalozky, 1);
    vytvorTlacidla();

    for (StrankaNastavenia* s : stranky())
        s->nacitaj(m_h);
    nastavPopis(druh);
    connect(udaje, &StrankaUdaje::zmenenyDruh, this, &TNastavenieForm::NastavDruh);
    connect(btnHlavickyOdmien, &QPushButton::clicked, this, &TNastavenieForm::HlavickyOdmien);
    resize(1020, 720);
}

void TNastavenieForm::vytvorTlacidla()
{
    // Enter in a field closes nothing.
    const TlacidlaDialogu t = VytvorTlacidla(this, QStringLiteral("OK"), EnterDialogu::Nic);
    btnOK = t.ok;
    btnStorno = t.storno;
    btnNastaveniaEFaktury = tlacidlo(this, QStringLiteral("Nastavenia e-faktúry"));
    auto* dole = new QHBoxLayout;
    dole->addWidget(btnNastaveniaEFaktury);
    dole->addStretch();
    dole->addWidget(t.riadok);
    static_cast<QVBoxLayout*>(layout())->addLayout(dole);
    connect(btnOK, &QPushButton::clicked, this, &TNastavenieForm::Potvrd);
    connect(btnNastaveniaEFaktury, &QPushButton::clicked, this, &TNastavenieForm::OtvorNastaveniaEFaktury);
}

QList<StrankaNastavenia*> TNastavenieForm::stranky() const
{
    return {udaje, tlac, cisloKevrota, hlavickaPata, textyVyuctovania, korespondencia};
}

HodnotyNastavenia TNastavenieForm::aktualneHodnoty() const
{
    HodnotyNastavenia h = m_h;
    for (const StrankaNastavenia* s : stranky())
        s->zober(h);
    return h;
}

bool TNastavenieForm::cezWord() const { return hlavickaPata->cezWord(); }

void TNastavenieForm::nastavPopis(int druh)
{
    const PopisyDruhu p = PopisyPreDruh(druh);
    Zalozky->setTabText(Udaje, QStringLiteral("Nastavenie údajov o ") + p.skupina.mid(QStringLiteral("Údaje o ").size()));
}

void TNastavenieForm::NastavDruh(int druh)
{
    nastavPopis(druh);
    SablonyDruhu::vytvorPriecinky(druh);
    textyVyuctovania->nastavDruh(druh);
    korespondencia->nastavDruh(druh);
}

ZoznamSablon& TNastavenieForm::sablony(SadaSablon sada)
{
    ZoznamSablon* z = textyVyuctovania->zoznam(sada);
    return z ? *z : *korespondencia->zoznam(sada);
}

void TNastavenieForm::HlavickyOdmien()
{
    TOdmenyVydavkyPreddefTexty f(m_ciselniky.preddefTexty, this);
    if (f.exec() == QDialog::Accepted)
        ohlas(m_ciselniky.preddefTexty.UlozPreddefTexty());
}

void TNastavenieForm::OtvorNastaveniaEFaktury()
{
    const TNastavenia n = aktualneHodnoty().nastavenie;
    UpravNastaveniaEFaktury(IbanZUctu(n.CisloUctu, n.Banka), n.DIC, this);
}

void TNastavenieForm::Potvrd()
{
    if (!udaje->OpustilSadzbu())
        return;
    cisloKevrota->OpustilCisloKevrota();
    if (!udaje->OverUcet(true)) {
        udaje->editCisloUctu->setFocus();
        return;
    }
    m_h = aktualneHodnoty();
    accept();
}

bool SpustiNastavenie(QWidget* rodic, Nastavenia& nastavenia, Vozidla& vozidla, CiselnikyNastavenia ciselniky,
                      std::optional<double> sadzbaZaznamu)
{
    nastavenia.DoplnPredvoleneFonty();
    TNastavenieForm okno(HodnotyZNastaveni(nastavenia, vozidla.ZoznamVozidiel, sadzbaZaznamu), ciselniky, rodic);
    if (okno.exec() != QDialog::Accepted)
        return false;
    PrevezmiHodnoty(okno.hodnoty(), nastavenia, vozidla.ZoznamVozidiel);
    ohlas(UlozPoNastaveni(nastavenia, vozidla));
    if (!(okno.hodnoty().eFaktura == NacitajNastaveniaEFaktury()))
        ohlas(UlozNastaveniaEFaktury(okno.hodnoty().eFaktura));
    return true;
}
