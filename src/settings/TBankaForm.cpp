#include "TBankaForm.h"

#include "Banky.h"
#include "TlacidlaDialogu.h"
#include "store/Spravy.h"

#include <QFormLayout>
#include <QLineEdit>
#include <QVBoxLayout>

TBankaForm::TBankaForm(const QString& polozka, QWidget* rodic) : QDialog(rodic)
{
    setWindowTitle(QStringLiteral("Banka"));
    editKod = new QLineEdit(KodPolozkyBanky(polozka), this);
    editKod->setMaxLength(4);
    editNazov = new QLineEdit(NazovPolozkyBanky(polozka), this);
    editNazov->setMaxLength(50);
    editNazov->setMinimumWidth(320);
    auto* f = new QFormLayout;
    f->addRow(QStringLiteral("Kód banky"), editKod);
    f->addRow(QStringLiteral("Názov banky"), editNazov);
    auto* l = new QVBoxLayout(this);
    l->addLayout(f);
    const auto t = PridajTlacidla(this, l);
    btnOK = t.ok;
    btnStorno = t.storno;
    connect(btnOK, &QPushButton::clicked, this, &TBankaForm::Potvrd);
}

QString TBankaForm::polozka() const { return PolozkaBanky(kod(), editNazov->text()); }

QString TBankaForm::kod() const { return editKod->text(); }

void TBankaForm::Potvrd()
{
    if (const QString chyba = OverBanku(editKod->text(), editNazov->text()); !chyba.isEmpty()) {
        spravy().chyba(chyba);
        return;
    }
    accept();
}
