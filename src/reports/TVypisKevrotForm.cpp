#include "TVypisKevrotForm.h"

#include "settings/TextyZnalca.h"

#include "word/Dokument.h"

#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTableWidget>
#include <QVBoxLayout>

TVypisKevrotForm::TVypisKevrotForm(const TNastavenia& nastavenie, const OdboryOdvetvia& odbory,
                                   const QList<RiadokKevrota>& zaznamy, int rok, QWidget* rodic, const Jazyky* jazyky)
    : QDialog(rodic), m_vypis(nastavenie, odbory, zaznamy, rok, jazyky)
{
    const QString druh = nastavenie.Druh == Tlmocnik      ? QStringLiteral("Výpis z tlmočníckeho kevrota ")
                         : nastavenie.Druh == Prekladatel ? QStringLiteral("Výpis z prekladateľského kevrota ")
                                                          : QStringLiteral("Výpis zo znaleckého kevrota ");
    setWindowTitle(druh + QString::number(rok));
    resize(820, 560);
    auto* l = new QVBoxLayout(this);

    auto* hlavicka = new QFormLayout;
    lblZnalec = new QLabel(m_vypis.Znalec(), this);
    lblAdresa = new QLabel(m_vypis.Adresa(), this);
    lblEC = new QLabel(m_vypis.EC(), this);
    hlavicka->addRow(NazovDruhuZnalca(nastavenie.Druh) + u':', lblZnalec);
    hlavicka->addRow(QStringLiteral("Adresa:"), lblAdresa);
    hlavicka->addRow(QStringLiteral("Evidenčné číslo:"), lblEC);
    auto* obdobie = new QHBoxLayout;
    rbPrvy = new QRadioButton(QStringLiteral("prvý polrok"), this);
    rbDruhy = new QRadioButton(QStringLiteral("druhý polrok"), this);
    rbPrvy->setChecked(true);
    obdobie->addWidget(rbPrvy);
    obdobie->addWidget(rbDruhy);
    obdobie->addStretch();
    hlavicka->addRow(QStringLiteral("Obdobie:"), obdobie);
    l->addLayout(hlavicka);

    Kontrola = new QListWidget(this);
    Kontrola->setMaximumHeight(90);
    l->addWidget(Kontrola);

    Mriezka = new QTableWidget(0, 2, this);
    Mriezka->setHorizontalHeaderLabels({QStringLiteral("Počet"), QStringLiteral("Odbor/odvetvie")});
    Mriezka->verticalHeader()->hide();
    Mriezka->horizontalHeader()->setStretchLastSection(true);
    Mriezka->setColumnWidth(0, 60);
    Mriezka->setEditTriggers(QAbstractItemView::NoEditTriggers);
    Mriezka->setStyleSheet(QStringLiteral("QTableWidget { background: white; }"));
    l->addWidget(Mriezka, 1);

    auto* tlacidla = new QHBoxLayout;
    btnTlac = new QPushButton(QStringLiteral("Tlač výpis"), this);
    btnPdf = new QPushButton(QStringLiteral("PDF"), this);
    btnPdf->setToolTip(QStringLiteral("Výpis ako PDF bez textového editora"));
    tlacidla->addStretch();
    tlacidla->addWidget(btnTlac);
    tlacidla->addWidget(btnPdf);
    l->addLayout(tlacidla);

    for (auto* rb : {rbPrvy, rbDruhy})
        connect(rb, &QRadioButton::toggled, this, [this](bool zapnute) {
            if (zapnute)
                Spocitaj();
        });
    connect(btnTlac, &QPushButton::clicked, this, &TVypisKevrotForm::TlacVypis);
    connect(btnPdf, &QPushButton::clicked, this, &TVypisKevrotForm::VypisPdf);
    Spocitaj();
}

void TVypisKevrotForm::Spocitaj()
{
    m_vypis.Spocitaj(rbDruhy->isChecked() ? 2 : 1);
    Kontrola->clear();
    Kontrola->addItems(m_vypis.Kontrola());
    Kontrola->setVisible(!m_vypis.Kontrola().isEmpty());

    const auto riadky = m_vypis.Mriezka();
    Mriezka->setRowCount(int(riadky.size()));
    QFont tucne = Mriezka->font();
    tucne.setBold(true);
    for (int r = 0; r < riadky.size(); ++r) {
        auto* pocet = new QTableWidgetItem(QString::number(riadky[r].pocet));
        pocet->setFont(tucne);
        pocet->setForeground(QColor(0x80, 0, 0));
        Mriezka->setItem(r, 0, pocet);
        auto* text = new QTableWidgetItem(riadky[r].text);
        text->setForeground(Qt::black);
        Mriezka->setItem(r, 1, text);
    }
}

void TVypisKevrotForm::TlacVypis()
{
    const QString subor = VypisKevrota::PracovnySubor(false);
    if (m_vypis.Uloz(subor))
        Dokument::zobraz(subor);
}

void TVypisKevrotForm::VypisPdf()
{
    const QString subor = VypisKevrota::PracovnySubor(true);
    if (m_vypis.Uloz(subor))
        Dokument::zobraz(subor);
}
