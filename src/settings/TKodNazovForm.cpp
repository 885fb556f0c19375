#include "TKodNazovForm.h"

#include "OdboryOdvetvia.h"
#include "TlacidlaDialogu.h"
#include "store/Spravy.h"

#include <QFormLayout>
#include <QLineEdit>
#include <QVBoxLayout>

TKodNazovForm::TKodNazovForm(const QString& titulok, const QString& kod, const QString& nazov, bool kodUpravitelny,
                             const QString& kodOdboru, QWidget* rodic)
    : QDialog(rodic), m_kodOdboru(kodOdboru)
{
    setWindowTitle(titulok);
    editKod = new QLineEdit(kod, this);
    editKod->setReadOnly(!kodUpravitelny);
    editNazov = new QLineEdit(nazov, this);
    editNazov->setMaxLength(150);
    editNazov->setMinimumWidth(360);
    auto* f = new QFormLayout;
    f->addRow(QStringLiteral("Kód:"), editKod);
    f->addRow(QStringLiteral("Názov:"), editNazov);
    auto* l = new QVBoxLayout(this);
    l->addLayout(f);
    const auto t = PridajTlacidla(this, l);
    btnOK = t.ok;
    btnStorno = t.storno;
    connect(btnOK, &QPushButton::clicked, this, &TKodNazovForm::Potvrd);
    if (!kodUpravitelny)
        editNazov->setFocus();
}

QString TKodNazovForm::kod() const { return editKod->text(); }

QString TKodNazovForm::nazov() const { return editNazov->text(); }

void TKodNazovForm::Potvrd()
{
    if (!m_kodOdboru.isEmpty() && !editKod->isReadOnly()) {
        if (const QString chyba = OdboryOdvetvia::OverCisloOdvetvia(m_kodOdboru, kod()); !chyba.isEmpty()) {
            spravy().chyba(chyba);
            return;
        }
    }
    accept();
}

bool UpravKodNazov(QWidget* rodic, const QString& titulok, QString& kod, QString& nazov, bool kodUpravitelny,
                   const QString& kodOdboru)
{
    TKodNazovForm f(titulok, kod, nazov, kodUpravitelny, kodOdboru, rodic);
    if (f.exec() != QDialog::Accepted)
        return false;
    kod = f.kod();
    nazov = f.nazov();
    return true;
}
