#include "TStavFinanciiForm.h"

#include "settings/TlacidlaDialogu.h"

#include "widgets/TCalendarFrm.h"
#include "editor/VstupPoli.h"
#include "store/Datum.h"
#include "store/Zurnal.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <QVBoxLayout>

TStavFinanciiForm::TStavFinanciiForm(Zurnal& zurnal, int rok, const PismoTabulky& pismo, QWidget* rodic)
    : QDialog(rodic), m_zurnal(zurnal), m_rok(rok), m_pismo(pismo)
{
    setWindowTitle(QStringLiteral("Stav financií"));
    auto* hlavny = new QVBoxLayout(this);

    auto* skupina = new QGroupBox(this);
    auto* sl = new QGridLayout(skupina);
    m_volby = new QButtonGroup(this);
    rbVsetky = new QRadioButton(QStringLiteral("všetky"), skupina);
    rbOsoba = new QRadioButton(QStringLiteral("Právnická alebo fyzická osoba"), skupina);
    rbStatnyOrgan = new QRadioButton(QStringLiteral("Štátny orgán"), skupina);
    rbDatumVykonania = new QRadioButton(QStringLiteral("dátum vykonania"), skupina);
    rbDatumVyplatenia = new QRadioButton(QStringLiteral("dátum vyplatenia"), skupina);
    int r = 0;
    for (auto* rb : {rbVsetky, rbOsoba, rbStatnyOrgan, rbDatumVykonania, rbDatumVyplatenia}) {
        m_volby->addButton(rb);
        sl->addWidget(rb, r++, 0, 1, 4);
    }
    pridajDatum(sl, r++, QStringLiteral("Dátum od:"), DatumOdEdit, btnDnesOd, btnKalendarOd, &m_od);
    pridajDatum(sl, r++, QStringLiteral("Dátum do:"), DatumDoEdit, btnDnesDo, btnKalendarDo, &m_do);
    hlavny->addWidget(skupina);

    auto* vysledky = new QGridLayout;
    r = 0;
    for (const QString& popis : PopisyFinancii()) {
        auto* hodnota = new QLabel(this);
        hodnota->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        hodnota->setTextInteractionFlags(Qt::TextSelectableByMouse);
        vysledky->addWidget(new QLabel(popis, this), r, 0);
        vysledky->addWidget(hodnota, r++, 1);
        Sumy.append(hodnota);
    }
    hlavny->addLayout(vysledky);
    lblVyznam = new QLabel(this);
    lblVyznam->setWordWrap(true);
    hlavny->addWidget(lblVyznam);

    auto* tlacidla = new QHBoxLayout;
    btnPrepocitaj = new QPushButton(QStringLiteral("Prepočítaj"), this);
    btnVytlacExcel = new QPushButton(QStringLiteral("Vytlač Excel"), this);
    // Enter presses the first button, "Prepočítaj", as it always has.
    const TlacidlaDialogu t = VytvorTlacidla(this, QStringLiteral("OK"), EnterDialogu::Nic);
    btnOK = t.ok;
    btnStorno = t.storno;
    tlacidla->addWidget(btnPrepocitaj);
    tlacidla->addWidget(btnVytlacExcel);
    tlacidla->addWidget(t.riadok);
    hlavny->addLayout(tlacidla);

    connect(btnPrepocitaj, &QPushButton::clicked, this, &TStavFinanciiForm::Prepocitaj);
    connect(btnVytlacExcel, &QPushButton::clicked, this, &TStavFinanciiForm::VytlacExcel);
    connect(btnOK, &QPushButton::clicked, this, &QDialog::accept);
    // Opens on every entry, computed.
    rbVsetky->setChecked(true);
    Prepocitaj();
}

void TStavFinanciiForm::pridajDatum(QGridLayout* l, int riadok, const QString& popis, QLineEdit*& edit,
                                    QPushButton*& dnes, QPushButton*& kalendar, double* hodnota)
{
    edit = new QLineEdit(this);
    dnes = new QPushButton(QStringLiteral("Dnes"), this);
    kalendar = new QPushButton(QStringLiteral("..."), this);
    kalendar->setToolTip(QStringLiteral("Kalendár"));
    kalendar->setFixedWidth(30);
    l->addWidget(new QLabel(popis, this), riadok, 0);
    l->addWidget(edit, riadok, 1);
    l->addWidget(dnes, riadok, 2);
    l->addWidget(kalendar, riadok, 3);
    const PoleDatumu p{edit, hodnota};
    connect(dnes, &QPushButton::clicked, this, [this, p] { nastavDatum(p, Dnes()); });
    connect(kalendar, &QPushButton::clicked, this, [this, p] {
        if (const auto d = TCalendarFrm::vyber(this, QDate::currentDate()))
            nastavDatum(p, QDateNaDatum(*d));
    });
    connect(edit, &QLineEdit::editingFinished, this, [this, p] { opustiDatum(p); });
}

void TStavFinanciiForm::nastavDatum(const PoleDatumu& p, double datum)
{
    *p.hodnota = datum;
    p.edit->setText(DatumText(datum));
}

void TStavFinanciiForm::opustiDatum(const PoleDatumu& p)
{
    if (const auto d = VstupPoli::Datum(p.edit->text())) {
        *p.hodnota = *d;
        return;
    }
    *p.hodnota = 0.0;
    p.edit->clear();
    QTimer::singleShot(0, p.edit, [e = p.edit] { e->setFocus(); });
}

VolbaFinancii TStavFinanciiForm::volba() const
{
    if (rbVsetky->isChecked()) return VolbaFinancii::Vsetky;
    if (rbOsoba->isChecked()) return VolbaFinancii::Osoba;
    if (rbStatnyOrgan->isChecked()) return VolbaFinancii::StatnyOrgan;
    if (rbDatumVykonania->isChecked()) return VolbaFinancii::DatumVykonania;
    if (rbDatumVyplatenia->isChecked()) return VolbaFinancii::DatumVyplatenia;
    return VolbaFinancii::Ziadna;
}

void TStavFinanciiForm::Prepocitaj()
{
    const auto s = PrepocitajFinancie(m_zurnal, volba(), m_od, m_do);
    if (!s)
        return;  // reported; the lines keep what they showed
    lblVyznam->setText(VyznamRozdielu(volba()));
    const QStringList riadky = RiadkyFinancii(*s);
    for (int i = 0; i < Sumy.size(); ++i)
        Sumy[i]->setText(riadky.at(i));
}

void TStavFinanciiForm::VytlacExcel()
{
    ::VytlacExcel(m_zurnal.ZaznamyKevrota, m_rok, VariantExportu::Financny, m_pismo);
}
