#include "TObnovenieZalohyForm.h"

#include "Zaloha.h"
#include "store/Spravy.h"

#include <QApplication>
#include <QDir>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QProcess>
#include <QPushButton>
#include <QSpinBox>
#include <QTableWidget>
#include <QVBoxLayout>

TObnovenieZalohyForm::TObnovenieZalohyForm(QWidget* rodic) : QDialog(rodic)
{
    setWindowTitle(QStringLiteral("Obnovenie zo zálohy"));
    auto* l = new QVBoxLayout(this);
    Zalohy = new QTableWidget(0, 2, this);
    Zalohy->setHorizontalHeaderLabels({QStringLiteral("Dátum zálohy"), QStringLiteral("Veľkosť")});
    Zalohy->horizontalHeader()->setSectionResizeMode(0, QHeaderView::Stretch);
    Zalohy->verticalHeader()->hide();
    Zalohy->setSelectionBehavior(QAbstractItemView::SelectRows);
    Zalohy->setSelectionMode(QAbstractItemView::SingleSelection);
    Zalohy->setEditTriggers(QAbstractItemView::NoEditTriggers);
    l->addWidget(Zalohy, 1);

    auto* adresar = new QHBoxLayout;
    adresar->addWidget(new QLabel(QStringLiteral("Adresár záloh:"), this));
    AdresarEdit = new QLineEdit(QDir::toNativeSeparators(Zaloha::Adresar()), this);
    AdresarEdit->setReadOnly(true);
    btnZmenAdresar = new QPushButton(QStringLiteral("Zmeň"), this);
    adresar->addWidget(AdresarEdit, 1);
    adresar->addWidget(btnZmenAdresar);
    adresar->addWidget(new QLabel(QStringLiteral("Počet záloh:"), this));
    PocetEdit = new QSpinBox(this);
    PocetEdit->setRange(1, 365);
    PocetEdit->setValue(Zaloha::PocetUchovanych());
    adresar->addWidget(PocetEdit);
    l->addLayout(adresar);

    auto* tl = new QHBoxLayout;
    btnZalohujTeraz = new QPushButton(QStringLiteral("Zálohuj teraz"), this);
    btnObnov = new QPushButton(QStringLiteral("Obnov"), this);
    btnZavriet = new QPushButton(QStringLiteral("Zavrieť"), this);
    tl->addWidget(btnZalohujTeraz);
    tl->addStretch();
    tl->addWidget(btnObnov);
    tl->addWidget(btnZavriet);
    l->addLayout(tl);
    resize(560, 380);

    connect(btnZmenAdresar, &QPushButton::clicked, this, &TObnovenieZalohyForm::ZmenAdresar);
    connect(PocetEdit, &QSpinBox::valueChanged, this, [](int n) { Zaloha::UlozNastavenie(Zaloha::Adresar(), n); });
    connect(btnZalohujTeraz, &QPushButton::clicked, this, &TObnovenieZalohyForm::ZalohujTeraz);
    connect(btnObnov, &QPushButton::clicked, this, &TObnovenieZalohyForm::Obnov);
    connect(btnZavriet, &QPushButton::clicked, this, &QDialog::accept);
    naplnZoznam();
}

void TObnovenieZalohyForm::naplnZoznam()
{
    const QList<ZalohaSubor> z = Zaloha::Zoznam();
    Zalohy->setRowCount(int(z.size()));
    const QLocale sk(QLocale::Slovak, QLocale::Slovakia);
    for (int i = 0; i < z.size(); ++i) {
        auto* datum = new QTableWidgetItem(z[i].cas.toString(QStringLiteral("d.M.yyyy H:mm:ss")));
        datum->setData(Qt::UserRole, z[i].cesta);
        Zalohy->setItem(i, 0, datum);
        auto* velkost = new QTableWidgetItem(sk.formattedDataSize(z[i].velkost));
        velkost->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
        Zalohy->setItem(i, 1, velkost);
    }
    if (!z.isEmpty())
        Zalohy->selectRow(0);
}

void TObnovenieZalohyForm::ZmenAdresar()
{
    const QString a = spravy().vyberAdresar(QStringLiteral("Vyberte adresár"), Zaloha::Adresar());
    if (a.isEmpty())
        return;
    Zaloha::UlozNastavenie(a, PocetEdit->value());
    AdresarEdit->setText(QDir::toNativeSeparators(a));
    naplnZoznam();
}

void TObnovenieZalohyForm::ZalohujTeraz()
{
    if (const auto z = Zaloha::Vytvor(); ohlas(z.vysledok()))
        spravy().informacia(QStringLiteral("Záloha bola vytvorená: ") + QDir::toNativeSeparators(z.hodnota()));
    naplnZoznam();
}

void TObnovenieZalohyForm::Obnov()
{
    const auto* p = Zalohy->currentRow() >= 0 ? Zalohy->item(Zalohy->currentRow(), 0) : nullptr;
    if (!p) {
        spravy().upozornenie(QStringLiteral("Vyberte zálohu."));
        return;
    }
    const QString archiv = p->data(Qt::UserRole).toString();
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const PrehladZalohy prehlad = Zaloha::Prehlad(archiv);
    QApplication::restoreOverrideCursor();
    if (!prehlad.citatelna) {
        spravy().chyba(QStringLiteral("Zálohu %1 nie je možné obnoviť: %2\nÚdaje zostali bez zmeny.")
                           .arg(QDir::toNativeSeparators(archiv), prehlad.chyba));
        return;
    }
    if (!spravy().otazka(QStringLiteral("Obnoviť údaje zo zálohy?\n%1\nSúčasný stav sa najprv uloží ako nová záloha.")
                             .arg(prehlad.Popis())))
        return;
    if (!prehlad.manifest &&
        !spravy().otazka(QStringLiteral("Záloha je zo staršej verzie programu a nemá manifest, preto nie je možné overiť, "
                                        "či jej súbory nie sú poškodené.\nNaozaj ju obnoviť?")))
        return;
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const Vysledok obnovene = Zaloha::Obnov(archiv, !prehlad.manifest);
    QApplication::restoreOverrideCursor();
    if (!ohlas(obnovene)) {
        naplnZoznam();
        return;
    }
    m_obnovene = true;
    accept();
}

void UkonciPoZmeneUdajov(const QString& text)
{
    const bool restart = spravy().otazka(text + QStringLiteral("\nProgram sa teraz ukončí, aby nepracoval so starými údajmi. "
                                                               "Spustiť ho znova?"));
    if (restart)
        QProcess::startDetached(QStringLiteral("/bin/sh"),
                                {QStringLiteral("-c"), QStringLiteral("sleep 1; exec \"$0\""), QApplication::applicationFilePath()});
    QApplication::exit(0);
}

void ObnovenieZoZalohy(QWidget* rodic)
{
    TObnovenieZalohyForm f(rodic);
    f.exec();
    if (f.obnovene())
        UkonciPoZmeneUdajov(QStringLiteral("Údaje boli obnovené zo zálohy."));
}
