#include "TPodielovaOdmenaEditForm.h"

#include "PolePopisu.h"
#include "TNastavSadzbuPozemkyPodielovaOdmena.h"
#include "VstupVydavkov.h"
#include "settings/Nastavenia.h"
#include "store/Peniaze.h"
#include "store/Spravy.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

TPodielovaOdmenaEditForm::TPodielovaOdmenaEditForm(const QString& popis, double hodnota, int typ, double odmena,
                                                   Nastavenia& nastavenia, QWidget* rodic)
    : QDialog(rodic), m_nastavenia(nastavenia), m_popis(popis), m_hodnota(hodnota), m_typ(typ >= 1 && typ <= 3 ? typ : 0),
      m_sadzba(nastavenia.PodielOdmena.SadzbaPozemky)
{
    setWindowTitle(QStringLiteral("Podielová odmena"));
    m_vysledok.odmena = odmena;
    cmbTyp = new QComboBox(this);
    for (int t = 1; t <= 3; ++t)
        cmbTyp->addItem(Podielova::TextTypu(t));
    lblHodnota = new QLabel(this);
    HodnotaEdit = new QLineEdit(QString::number(hodnota, 'f', 2), this);
    HodnotaEdit->setAlignment(Qt::AlignRight);
    lblJednotka = new QLabel(this);
    lblSadzba = new QLabel(this);
    btnZmenitSadzbu = new QPushButton(QStringLiteral("Zmeniť sadzbu"), this);
    btnZmenitSadzbu->setAutoDefault(false);
    lblZaokruhlena = new QLabel(this);
    lblCelkovaOdmena = new QLabel(this);
    QFont tucne = lblCelkovaOdmena->font();
    tucne.setBold(true);
    lblCelkovaOdmena->setFont(tucne);
    Popis = new PolePopisu(8, QStringLiteral("Pridaj do zoznamu položiek"), this);
    Popis->nastavText(popis);

    auto* g = new QGridLayout;
    g->addWidget(new QLabel(QStringLiteral("Typ"), this), 0, 0);
    g->addWidget(cmbTyp, 0, 1, 1, 2);
    g->addWidget(lblHodnota, 1, 0);
    g->addWidget(HodnotaEdit, 1, 1);
    g->addWidget(lblJednotka, 1, 2);
    g->addWidget(lblSadzba, 2, 0, 1, 2);
    g->addWidget(btnZmenitSadzbu, 2, 2);
    g->addWidget(new QLabel(QStringLiteral("Východisková hodnota po zaokrúhlení nahor:"), this), 3, 0);
    g->addWidget(lblZaokruhlena, 3, 1, 1, 2);
    g->addWidget(new QLabel(QStringLiteral("Celková odmena:"), this), 4, 0);
    g->addWidget(lblCelkovaOdmena, 4, 1, 1, 2);
    g->addWidget(new QLabel(QStringLiteral("Popis:"), this), 5, 0);
    g->addWidget(Popis, 5, 1, 1, 2);
    auto* hlavny = new QVBoxLayout(this);
    hlavny->addLayout(g);
    hlavny->addLayout(riadokTlacidiel(this, btnOK, btnStorno));

    ZvolTyp(m_typ);
    connect(cmbTyp, &QComboBox::activated, this, [this](int i) { ZvolTyp(i + 1); });
    connect(HodnotaEdit, &QLineEdit::editingFinished, this, &TPodielovaOdmenaEditForm::OpustilHodnotu);
    connect(btnZmenitSadzbu, &QPushButton::clicked, this, &TPodielovaOdmenaEditForm::ZmenSadzbu);
    connect(btnOK, &QPushButton::clicked, this, &TPodielovaOdmenaEditForm::Potvrd);
}

void TPodielovaOdmenaEditForm::ZvolTyp(int typ)
{
    m_typ = typ >= 1 && typ <= 3 ? typ : 0;
    {
        const QSignalBlocker b(cmbTyp);
        cmbTyp->setCurrentIndex(m_typ - 1);
    }
    const bool pozemok = m_typ == 3;
    lblHodnota->setText(pozemok ? QStringLiteral("Veľkosť pozemku:") : QStringLiteral("Východisková hodnota:"));
    lblJednotka->setText(Podielova::JednotkaTypu(m_typ));
    lblSadzba->setVisible(pozemok);
    btnZmenitSadzbu->setVisible(pozemok);
    prepocitaj();
}

void TPodielovaOdmenaEditForm::prepocitaj()
{
    lblSadzba->setText(QStringLiteral("(východisková hodnota pozemkov je ") + QString::number(m_sadzba, 'f', 2) +
                       QStringLiteral(" eura/m2)"));
    m_vysledok = Podielova::Vypocitaj(m_typ, m_hodnota, m_sadzba, m_vysledok.odmena);
    lblZaokruhlena->setText(SumaTextSk(SymbolEuro, m_vysledok.zaokruhlenaHodnota));
    lblCelkovaOdmena->setText(SumaTextSk(SymbolEuro, m_vysledok.odmena));
}

void TPodielovaOdmenaEditForm::OpustilHodnotu()
{
    if (OpustilKladne(HodnotaEdit, m_hodnota, VstupVydavkov::CenaKladna))
        prepocitaj();
}

void TPodielovaOdmenaEditForm::ZmenSadzbu()
{
    TNastavSadzbuPozemkyPodielovaOdmena d(m_sadzba, this);
    const int r = d.exec();
    if (r == QDialog::Rejected)
        return;
    m_sadzba = d.sadzba();
    if (r == TNastavSadzbuPozemkyPodielovaOdmena::NastavTrvalo) {
        m_nastavenia.PodielOdmena.SadzbaPozemky = m_sadzba;
        ohlas(m_nastavenia.UlozPodielOdmena());
    }
    prepocitaj();
}

void TPodielovaOdmenaEditForm::Potvrd()
{
    if (m_typ == 0) {
        spravy().chyba(QStringLiteral("Nie je zadaný typ podielovej odmeny."));
        return;
    }
    m_popis = Popis->text().left(200);
    accept();
}
