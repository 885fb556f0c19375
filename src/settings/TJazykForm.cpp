#include "TJazykForm.h"

#include "Jazyky.h"
#include "TKodNazovForm.h"
#include "TlacidlaDialogu.h"
#include "store/Spravy.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QToolButton>
#include <QVBoxLayout>

TJazykForm::TJazykForm(Jazyky& ciselnik, const QString& kod, QWidget* rodic) : QDialog(rodic), m_ciselnik(ciselnik)
{
    setWindowTitle(QStringLiteral("Jazyk"));
    cmbJazyk = new QComboBox(this);
    cmbJazyk->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    cmbJazyk->setMinimumContentsLength(40);
    btnPridaj = new QToolButton(this);
    btnPridaj->setText(QStringLiteral("+"));
    btnPridaj->setToolTip(QStringLiteral("Pridaj nový jazyk"));
    btnEdituj = new QToolButton(this);
    btnEdituj->setText(QStringLiteral("…"));
    btnEdituj->setToolTip(QStringLiteral("Edituj názov jazyka"));
    auto* r = new QHBoxLayout;
    r->addWidget(new QLabel(QStringLiteral("Jazyk:"), this));
    r->addWidget(cmbJazyk, 1);
    r->addWidget(btnPridaj);
    r->addWidget(btnEdituj);
    auto* l = new QVBoxLayout(this);
    l->addLayout(r);
    const auto t = PridajTlacidla(this, l);
    btnOK = t.ok;
    btnStorno = t.storno;
    napln(kod);
    connect(btnPridaj, &QToolButton::clicked, this, &TJazykForm::Pridaj);
    connect(btnEdituj, &QToolButton::clicked, this, &TJazykForm::Edituj);
    connect(btnOK, &QPushButton::clicked, this, &TJazykForm::Potvrd);
}

QString TJazykForm::kod() const { return cmbJazyk->currentData().toString(); }

void TJazykForm::napln(const QString& vybrany)
{
    cmbJazyk->clear();
    for (const auto& j : std::as_const(m_ciselnik.ZoznamJazykov))
        cmbJazyk->addItem(j.Kod + u' ' + j.Nazov, j.Kod);
    cmbJazyk->setCurrentIndex(vybrany.isEmpty() ? -1 : cmbJazyk->findData(vybrany));
}

void TJazykForm::Pridaj()
{
    QString kod, nazov;
    if (!UpravKodNazov(this, QStringLiteral("Pridanie nového jazyka"), kod, nazov, true))
        return;
    if (const QString chyba = m_ciselnik.PridajJazyk(kod, nazov); !chyba.isEmpty()) {
        spravy().chyba(chyba);
        return;
    }
    m_zmeneny = true;
    napln(kod.left(6));
}

void TJazykForm::Edituj()
{
    const int i = cmbJazyk->currentIndex();
    if (i < 0) {
        spravy().chyba(QStringLiteral("Nie je vybratý žiaden jazyk."));
        return;
    }
    QString kod = m_ciselnik.ZoznamJazykov.at(i).Kod, nazov = m_ciselnik.ZoznamJazykov.at(i).Nazov;
    if (!UpravKodNazov(this, QStringLiteral("Editácia názvu jazyka"), kod, nazov, false))
        return;
    m_ciselnik.ZmenNazovJazyka(i, nazov);
    m_zmeneny = true;
    napln(kod);
}

void TJazykForm::Potvrd()
{
    if (cmbJazyk->currentIndex() < 0) {
        spravy().chyba(QStringLiteral("Nie je zadaný jazyk."));
        return;
    }
    accept();
}

bool VyberJazyk(QWidget* rodic, Jazyky& ciselnik, QString& kod)
{
    // The dialog works on a copy: "Storno" leaves the code list and its file as they were.
    Jazyky kopia = ciselnik;
    TJazykForm f(kopia, kod, rodic);
    if (f.exec() != QDialog::Accepted)
        return false;
    if (f.zmeneny()) {
        ciselnik = kopia;
        ohlas(ciselnik.UlozJazyky());
    }
    kod = f.kod();
    return true;
}
