#include "StrankaUdaje.h"

#include "PrvkyNastavenia.h"
#include "settings/Banky.h"
#include "settings/TBankaForm.h"
#include "settings/TVozidloEditForm.h"
#include "settings/TZapisaneJazykyForm.h"
#include "settings/TZapisaneOdboryForm.h"
#include "store/Datum.h"
#include "store/SadzbyDPH.h"
#include "store/Spravy.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QTableView>
#include <QVBoxLayout>

using namespace PrvkyNastavenia;

StrankaUdaje::StrankaUdaje(CiselnikyNastavenia ciselniky, QWidget* rodic)
    : StrankaNastavenia(rodic), m_ciselniky(ciselniky)
{
    rbZnalec = new QRadioButton(QStringLiteral("Znalec"), this);
    rbTlmocnik = new QRadioButton(QStringLiteral("Tlmočník"), this);
    rbPrekladatel = new QRadioButton(QStringLiteral("Prekladateľ"), this);
    auto* druhy = new QButtonGroup(this);
    druhy->addButton(rbZnalec, Znalec);
    druhy->addButton(rbTlmocnik, Tlmocnik);
    druhy->addButton(rbPrekladatel, Prekladatel);
    connect(druhy, &QButtonGroup::idClicked, this, [this](int d) {
        NastavDruh(d);
        emit zmenenyDruh(d);
    });
    auto* riadokDruhov = new QHBoxLayout;
    for (auto* r : {rbZnalec, rbTlmocnik, rbPrekladatel})
        riadokDruhov->addWidget(r);
    riadokDruhov->addStretch();

    lblPrvySpustenie = new QLabel(
        QStringLiteral("Zvoľte, či ste znalec, tlmočník alebo prekladateľ, a vyplňte svoje meno a údaje."), this);
    auto* l = new QVBoxLayout(this);
    l->addWidget(lblPrvySpustenie);
    l->addLayout(riadokDruhov);
    l->addWidget(vytvorUdaje());
    l->addWidget(vytvorCestak(), 1);
    prepoj();
}

QGroupBox* StrankaUdaje::vytvorUdaje()
{
    grpUdaje = new QGroupBox(this);
    auto* f = new QGridLayout(grpUdaje);
    lblMeno = new QLabel(grpUdaje);
    // A new installation has no name yet: then it is typed here, once.
    editKrstneMeno = pole(grpUdaje, 200);
    editKrstneMeno->setPlaceholderText(QStringLiteral("meno"));
    editPriezvisko = pole(grpUdaje, 200);
    editPriezvisko->setPlaceholderText(QStringLiteral("priezvisko"));
    editMeno = new QLineEdit(grpUdaje);
    editMeno->setReadOnly(true);
    auto* meno = new QHBoxLayout;
    meno->addWidget(editKrstneMeno);
    meno->addWidget(editPriezvisko);
    meno->addWidget(editMeno);
    editTitulPred = pole(grpUdaje, 200);
    editTitulZa = pole(grpUdaje, 200);
    editAdresa = pole(grpUdaje, 200);
    editMesto = pole(grpUdaje, 200);
    editPSC = pole(grpUdaje, 10);
    editEC = pole(grpUdaje, 10);
    auto popis = [&](const QString& text, int riadok, int stlpec) {
        f->addWidget(new QLabel(text, grpUdaje), riadok, stlpec);
    };
    // A caption and its field beside it.
    auto sPopisom = [&](const QString& text, QWidget* pole, int riadok, int stlpec) {
        popis(text, riadok, stlpec);
        f->addWidget(pole, riadok, stlpec + 1);
    };
    f->addWidget(lblMeno, 0, 0);
    f->addLayout(meno, 0, 1, 1, 3);
    sPopisom(QStringLiteral("Titul pred menom:"), editTitulPred, 1, 0);
    sPopisom(QStringLiteral("Titul za menom:"), editTitulZa, 1, 2);
    popis(QStringLiteral("Adresa:"), 2, 0);
    f->addWidget(editAdresa, 2, 1, 1, 3);
    sPopisom(QStringLiteral("Mesto:"), editMesto, 3, 0);
    sPopisom(QStringLiteral("PSČ:"), editPSC, 3, 2);
    sPopisom(QStringLiteral("Evidenčné číslo:"), editEC, 4, 0);

    cmbBanka = new QComboBox(grpUdaje);
    cmbBanka->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    cmbBanka->setMinimumContentsLength(36);
    btnPridajBanku = maleTlacidlo(grpUdaje, QStringLiteral("+"), QStringLiteral("Pridaj novú banku"));
    btnZmazBanku = maleTlacidlo(grpUdaje, QStringLiteral("-"), QStringLiteral("Zmaž banku"));
    btnOpravBanku = maleTlacidlo(grpUdaje, QStringLiteral("…"), QStringLiteral("Oprav banku"));
    auto* banka = new QHBoxLayout;
    banka->addWidget(cmbBanka, 1);
    banka->addWidget(btnPridajBanku);
    banka->addWidget(btnZmazBanku);
    banka->addWidget(btnOpravBanku);
    popis(QStringLiteral("Banka:"), 5, 0);
    f->addLayout(banka, 5, 1, 1, 3);
    editCisloUctu = pole(grpUdaje, 40);
    editCisloUctu->setPlaceholderText(QStringLiteral("predčíslie-číslo alebo IBAN"));
    editKodBanky = pole(grpUdaje, 4);
    editKodBanky->setFixedWidth(60);
    auto* ucet = new QHBoxLayout;
    ucet->addWidget(editCisloUctu, 1);
    ucet->addWidget(new QLabel(QStringLiteral("/"), grpUdaje));
    ucet->addWidget(editKodBanky);
    popis(QStringLiteral("Číslo účtu:"), 6, 0);
    f->addLayout(ucet, 6, 1);
    editIban = pole(grpUdaje, 42);
    editBic = pole(grpUdaje, 11);
    sPopisom(QStringLiteral("IBAN:"), editIban, 7, 0);
    sPopisom(QStringLiteral("BIC:"), editBic, 7, 2);
    editTelefon = pole(grpUdaje, 40);
    editEmail = pole(grpUdaje, 80);
    sPopisom(QStringLiteral("Telefón:"), editTelefon, 8, 0);
    sPopisom(QStringLiteral("E-mail:"), editEmail, 8, 2);
    editICO = pole(grpUdaje, 10);
    editDIC = pole(grpUdaje, 10);
    editICDPH = pole(grpUdaje, 15);
    sPopisom(QStringLiteral("IČO:"), editICO, 9, 0);
    sPopisom(QStringLiteral("DIČ:"), editDIC, 9, 2);
    sPopisom(QStringLiteral("IČ DPH:"), editICDPH, 10, 0);
    chkPlatca = new QCheckBox(grpUdaje);
    editSadzba = new QLineEdit(grpUdaje);
    editSadzba->setFixedWidth(70);
    auto* dph = new QHBoxLayout;
    dph->addWidget(chkPlatca);
    dph->addSpacing(16);
    dph->addWidget(new QLabel(QStringLiteral("Implicitná sadzba DPH:"), grpUdaje));
    dph->addWidget(editSadzba);
    dph->addStretch();
    f->addLayout(dph, 11, 0, 1, 4);
    chkDualne = new QCheckBox(QStringLiteral("zobrazovať duálne ceny EUR/SKK"), grpUdaje);
    f->addWidget(chkDualne, 12, 0, 1, 2);
    btnZapisaneKody = tlacidlo(grpUdaje, QString());
    f->addWidget(btnZapisaneKody, 12, 2, 1, 2);
    f->setColumnStretch(1, 1);
    f->setColumnStretch(3, 1);
    return grpUdaje;
}

QGroupBox* StrankaUdaje::vytvorCestak()
{
    auto* cestak = new QGroupBox(QStringLiteral("Nastavenie cestovného príkazu"), this);
    using StlpecVozidla = ModelZoznamu<TVozidlo>::Stlpec;
    m_modelVozidiel = new ModelZoznamu<TVozidlo>(
        m_vozidla,
        {StlpecVozidla{QStringLiteral("Vozidlo"), [](const TVozidlo& v) { return v.Nazov; }},
         StlpecVozidla{QStringLiteral("EČ"), [](const TVozidlo& v) { return v.EvidencneCislo; }}},
        this);
    gridVozidla = new QTableView(cestak);
    gridVozidla->setModel(m_modelVozidiel);
    gridVozidla->setSelectionBehavior(QAbstractItemView::SelectRows);
    gridVozidla->setSelectionMode(QAbstractItemView::SingleSelection);
    gridVozidla->setEditTriggers(QAbstractItemView::NoEditTriggers);
    gridVozidla->verticalHeader()->hide();
    gridVozidla->horizontalHeader()->setSectionResizeMode(0, QHeaderView::Stretch);
    gridVozidla->setMinimumHeight(110);
    btnNoveVozidlo = tlacidlo(cestak, QStringLiteral("Nové vozidlo"));
    btnEditujVozidlo = tlacidlo(cestak, QStringLiteral("Edituj vozidlo"));
    btnVymazVozidlo = tlacidlo(cestak, QStringLiteral("Vymaž vozidlo"));
    rbBezDPH = new QRadioButton(QStringLiteral("bez DPH"), cestak);
    rbSDPH = new QRadioButton(QStringLiteral("s DPH"), cestak);
    auto* lc = new QGridLayout(cestak);
    lc->addWidget(gridVozidla, 0, 0, 4, 1);
    lc->addWidget(btnNoveVozidlo, 0, 1);
    lc->addWidget(btnEditujVozidlo, 1, 1);
    lc->addWidget(btnVymazVozidlo, 2, 1);
    auto* cena = new QHBoxLayout;
    cena->addWidget(new QLabel(QStringLiteral("Cena zadaná:"), cestak));
    cena->addWidget(rbBezDPH);
    cena->addWidget(rbSDPH);
    cena->addStretch();
    lc->addLayout(cena, 4, 0, 1, 2);
    return cestak;
}

void StrankaUdaje::prepoj()
{
    connect(editCisloUctu, &QLineEdit::editingFinished, this, [this] { OverUcet(true); });
    connect(editIban, &QLineEdit::editingFinished, this, [this] { OverUcet(true); });
    connect(cmbBanka, &QComboBox::activated, this, &StrankaUdaje::ZvolenaBanka);
    connect(editKodBanky, &QLineEdit::textEdited, this, &StrankaUdaje::NapisanyKodBanky);
    connect(btnPridajBanku, &QToolButton::clicked, this, &StrankaUdaje::PridajBanku);
    connect(btnZmazBanku, &QToolButton::clicked, this, &StrankaUdaje::ZmazBanku);
    connect(btnOpravBanku, &QToolButton::clicked, this, &StrankaUdaje::OpravBanku);
    connect(chkPlatca, &QCheckBox::toggled, this, &StrankaUdaje::zaskrtnutyPlatca);
    connect(editSadzba, &QLineEdit::editingFinished, this, &StrankaUdaje::OpustilSadzbu);
    connect(btnZapisaneKody, &QPushButton::clicked, this, &StrankaUdaje::ZapisaneKody);
    connect(btnNoveVozidlo, &QPushButton::clicked, this, &StrankaUdaje::NoveVozidlo);
    connect(btnEditujVozidlo, &QPushButton::clicked, this, &StrankaUdaje::EditujVozidlo);
    connect(btnVymazVozidlo, &QPushButton::clicked, this, &StrankaUdaje::VymazVozidlo);
    connect(gridVozidla, &QTableView::doubleClicked, this, &StrankaUdaje::EditujVozidlo);
}

void StrankaUdaje::nacitaj(const HodnotyNastavenia& h)
{
    const TNastavenia& n = h.nastavenie;
    const bool prvySpustenie = n.Meno.isEmpty() && n.Priezvisko.isEmpty();
    lblPrvySpustenie->setVisible(prvySpustenie);
    editKrstneMeno->setVisible(prvySpustenie);
    editPriezvisko->setVisible(prvySpustenie);
    editMeno->setVisible(!prvySpustenie);
    editKrstneMeno->setText(n.Meno);
    editPriezvisko->setText(n.Priezvisko);
    editMeno->setText(n.Meno + u' ' + n.Priezvisko);
    editTitulPred->setText(n.TitulPred);
    editTitulZa->setText(n.TitulZa);
    editAdresa->setText(n.Adresa);
    editMesto->setText(n.Mesto);
    editPSC->setText(n.PSC);
    editEC->setText(n.EC);
    editCisloUctu->setText(n.CisloUctu);
    editKodBanky->setText(n.Banka);
    editIban->setText(h.eFaktura.IBAN);
    editBic->setText(h.eFaktura.BIC);
    editTelefon->setText(h.eFaktura.Telefon);
    editEmail->setText(h.eFaktura.Email);
    editICO->setText(n.ICO);
    editDIC->setText(n.DIC);
    editICDPH->setText(n.ICDPH);
    {
        const QSignalBlocker ticho(chkPlatca);
        chkPlatca->setChecked(n.PlatcaDPH);
    }
    m_sadzba = n.SadzbaDPH;
    editSadzba->setText(TextSadzby(n.SadzbaDPH));
    chkDualne->setChecked(h.dualne);
    (n.CestakBezDPH != 0 ? rbBezDPH : rbSDPH)->setChecked(true);
    m_modelVozidiel->Obnov([&] { m_vozidla = h.vozidla; });
    m_odbory = h.odbory;
    m_jazyky = h.jazyky;
    naplnBanky();
    NastavDruh(n.Druh == Tlmocnik || n.Druh == Prekladatel ? n.Druh : Znalec);
}

void StrankaUdaje::zober(HodnotyNastavenia& h) const
{
    TNastavenia& n = h.nastavenie;
    n.Druh = druh();
    n.Meno = editKrstneMeno->text();
    n.Priezvisko = editPriezvisko->text();
    n.TitulPred = editTitulPred->text();
    n.TitulZa = editTitulZa->text();
    n.Adresa = editAdresa->text();
    n.Mesto = editMesto->text();
    n.PSC = editPSC->text();
    n.EC = editEC->text();
    n.Banka = editKodBanky->text();
    n.CisloUctu = editCisloUctu->text();
    h.eFaktura.IBAN = editIban->text();
    h.eFaktura.BIC = editBic->text().trimmed().toUpper();
    h.eFaktura.Telefon = editTelefon->text().trimmed();
    h.eFaktura.Email = editEmail->text().trimmed();
    n.ICO = editICO->text();
    n.DIC = editDIC->text();
    n.ICDPH = editICDPH->text();
    n.PlatcaDPH = chkPlatca->isChecked();
    n.SadzbaDPH = m_sadzba;
    n.CestakBezDPH = rbBezDPH->isChecked() ? 1 : 0;
    h.dualne = chkDualne->isChecked();
    h.vozidla = m_vozidla;
    h.odbory = m_odbory;
    h.jazyky = m_jazyky;
}

int StrankaUdaje::druh() const
{
    return rbTlmocnik->isChecked() ? Tlmocnik : rbPrekladatel->isChecked() ? Prekladatel : Znalec;
}

void StrankaUdaje::NastavDruh(int druh)
{
    (druh == Tlmocnik ? rbTlmocnik : druh == Prekladatel ? rbPrekladatel : rbZnalec)->setChecked(true);
    const PopisyDruhu p = PopisyPreDruh(druh);
    grpUdaje->setTitle(p.skupina);
    lblMeno->setText(p.meno);
    chkPlatca->setText(p.platca);
    btnZapisaneKody->setText(p.ciselnik);
}

void StrankaUdaje::zaskrtnutyPlatca(bool platca)
{
    // A new VAT payer without a rate charges the standard rate in force today.
    if (platca && !(CitajSadzbu(editSadzba->text()).value_or(0) > 0)) {
        m_sadzba = SadzbaDPHKDatumu(Dnes(), m_sadzba);
        editSadzba->setText(TextSadzby(m_sadzba));
    }
}

bool StrankaUdaje::OpustilSadzbu()
{
    if (const auto v = CitajSadzbu(editSadzba->text())) {
        m_sadzba = *v;
        editSadzba->setText(TextSadzby(*v));
        return true;
    }
    spravy().upozornenie(QStringLiteral("Neplatná hodnota"));
    // An emptied box gets the rate in force back, so that it is not lost unseen.
    if (editSadzba->text().trimmed().isEmpty())
        editSadzba->setText(TextSadzby(m_sadzba));
    else
        editSadzba->clear();
    editSadzba->setFocus();
    return false;
}

void StrankaUdaje::naplnBanky()
{
    const auto banky = NacitajBanky();
    m_bankyCitatelne = banky.has_value();
    m_banky = banky.value_or(QStringList());
    // An unreadable list file is not overwritten by a list that lacks it.
    for (auto* b : {btnPridajBanku, btnZmazBanku, btnOpravBanku})
        b->setEnabled(m_bankyCitatelne);
    cmbBanka->clear();
    cmbBanka->addItems(m_banky);
    cmbBanka->setCurrentIndex(PolozkaSKodom(m_banky, editKodBanky->text()));
}

void StrankaUdaje::ulozBanky(int vybrana)
{
    ohlas(UlozBanky(m_banky));
    cmbBanka->clear();
    cmbBanka->addItems(m_banky);
    cmbBanka->setCurrentIndex(vybrana < m_banky.size() ? vybrana : -1);
}

void StrankaUdaje::ZvolenaBanka(int index)
{
    if (index >= 0 && index < m_banky.size())
        editKodBanky->setText(KodPolozkyBanky(m_banky.at(index)));
}

void StrankaUdaje::NapisanyKodBanky(const QString& text) { cmbBanka->setCurrentIndex(PolozkaSKodom(m_banky, text)); }

void StrankaUdaje::PridajBanku()
{
    TBankaForm f({}, this);
    if (f.exec() != QDialog::Accepted)
        return;
    m_banky.append(f.polozka());
    ulozBanky(int(m_banky.size()) - 1);
    editKodBanky->setText(f.kod());
}

void StrankaUdaje::ZmazBanku()
{
    const int i = cmbBanka->currentIndex();
    if (i < 0 || i >= m_banky.size())
        return;
    if (!spravy().otazka(QStringLiteral("Skutočne si prajete vymazať banku: \r") + m_banky.at(i) + u'?'))
        return;
    m_banky.removeAt(i);
    ulozBanky(-1);
    editKodBanky->clear();
}

void StrankaUdaje::OpravBanku()
{
    const int i = cmbBanka->currentIndex();
    if (i < 0 || i >= m_banky.size())
        return;
    TBankaForm f(m_banky.at(i), this);
    if (f.exec() != QDialog::Accepted)
        return;
    m_banky[i] = f.polozka();
    ulozBanky(i);
    editKodBanky->setText(f.kod());
}

void StrankaUdaje::ZapisaneKody()
{
    if (druh() != Znalec) {
        TZapisaneJazykyForm f(m_ciselniky.jazyky, m_jazyky, this);
        if (f.exec() == QDialog::Accepted)
            m_jazyky = f.texty();
        return;
    }
    TZapisaneOdboryForm f(m_ciselniky.odbory, m_odbory, this);
    if (f.exec() == QDialog::Accepted)
        m_odbory = f.kody();
}

void StrankaUdaje::NoveVozidlo()
{
    TVozidloEditForm f(TVozidlo{}, this);
    if (f.exec() != QDialog::Accepted)
        return;
    m_modelVozidiel->Vloz([&] { m_vozidla.append(f.vozidlo()); });
}

void StrankaUdaje::EditujVozidlo()
{
    const int i = gridVozidla->currentIndex().row();
    if (i < 0 || i >= m_vozidla.size())
        return;
    TVozidloEditForm f(m_vozidla.at(i), this);
    if (f.exec() != QDialog::Accepted)
        return;
    m_modelVozidiel->Zmen(i, [&] { m_vozidla[i] = f.vozidlo(); });
}

void StrankaUdaje::VymazVozidlo()
{
    const int i = gridVozidla->currentIndex().row();
    if (i < 0 || i >= m_vozidla.size())
        return;
    m_modelVozidiel->Odober(i, [&] { m_vozidla.removeAt(i); });
}

bool StrankaUdaje::OverUcet(bool hlasit)
{
    const PoliaUctu p = UpravPoliaUctu({editCisloUctu->text(), editKodBanky->text(), editIban->text()});
    if (p.cisloUctu != editCisloUctu->text())
        editCisloUctu->setText(p.cisloUctu);
    if (p.kodBanky != editKodBanky->text())
        editKodBanky->setText(p.kodBanky);
    if (p.iban != editIban->text())
        editIban->setText(p.iban);
    const QString chyba = ChybaPoliUctu(p);
    if (!chyba.isEmpty() && hlasit)
        spravy().chyba(chyba);
    return chyba.isEmpty();
}
