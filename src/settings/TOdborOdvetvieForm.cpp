#include "TOdborOdvetvieForm.h"

#include "OdboryOdvetvia.h"
#include "TKodNazovForm.h"
#include "TlacidlaDialogu.h"
#include "store/Spravy.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QToolButton>
#include <QVBoxLayout>

namespace {
QToolButton* tlacidlo(QWidget* rodic, const QString& text, const QString& hint)
{
    auto* b = new QToolButton(rodic);
    b->setText(text);
    b->setToolTip(hint);
    return b;
}

const QString kNieOdbor = QStringLiteral("Nie je vybratý žiaden odbor.");
}  // namespace

TOdborOdvetvieForm::TOdborOdvetvieForm(OdboryOdvetvia& ciselnik, const QString& kodOdboru,
                                       const QString& kodOdvetvia, QWidget* rodic)
    : QDialog(rodic), m_ciselnik(ciselnik)
{
    setWindowTitle(QStringLiteral("Odbor, odvetvia"));
    cmbOdbor = new QComboBox(this);
    cmbOdvetvie = new QComboBox(this);
    for (auto* c : {cmbOdbor, cmbOdvetvie}) {
        c->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
        c->setMinimumContentsLength(50);
    }
    btnPridajOdbor = tlacidlo(this, QStringLiteral("+"), QStringLiteral("Pridaj nový odbor"));
    btnEditujOdbor = tlacidlo(this, QStringLiteral("…"), QStringLiteral("Edituj názov odboru"));
    btnPridajOdvetvie = tlacidlo(this, QStringLiteral("+"), QStringLiteral("Pridaj nové odvetvie"));
    btnEditujOdvetvie = tlacidlo(this, QStringLiteral("…"), QStringLiteral("Edituj názov odvetvia"));
    auto* g = new QGridLayout;
    g->addWidget(new QLabel(QStringLiteral("Odbor:"), this), 0, 0);
    g->addWidget(cmbOdbor, 0, 1);
    g->addWidget(btnPridajOdbor, 0, 2);
    g->addWidget(btnEditujOdbor, 0, 3);
    g->addWidget(new QLabel(QStringLiteral("Odvetvie:"), this), 1, 0);
    g->addWidget(cmbOdvetvie, 1, 1);
    g->addWidget(btnPridajOdvetvie, 1, 2);
    g->addWidget(btnEditujOdvetvie, 1, 3);
    auto* l = new QVBoxLayout(this);
    l->addLayout(g);
    const auto t = PridajTlacidla(this, l);
    btnOK = t.ok;
    btnStorno = t.storno;

    naplnOdbory(kodOdboru);
    naplnOdvetvia(kodOdvetvia);
    if (!kodOdboru.isEmpty()) {
        cmbOdbor->setEnabled(false);
        btnPridajOdbor->setEnabled(false);
    }
    connect(cmbOdbor, &QComboBox::currentIndexChanged, this, [this] { naplnOdvetvia({}); });
    connect(btnPridajOdbor, &QToolButton::clicked, this, &TOdborOdvetvieForm::PridajOdbor);
    connect(btnEditujOdbor, &QToolButton::clicked, this, &TOdborOdvetvieForm::EditujOdbor);
    connect(btnPridajOdvetvie, &QToolButton::clicked, this, &TOdborOdvetvieForm::PridajOdvetvie);
    connect(btnEditujOdvetvie, &QToolButton::clicked, this, &TOdborOdvetvieForm::EditujOdvetvie);
    connect(btnOK, &QPushButton::clicked, this, &TOdborOdvetvieForm::Potvrd);
}

QString TOdborOdvetvieForm::kodOdboru() const { return cmbOdbor->currentData().toString(); }

QString TOdborOdvetvieForm::kodOdvetvia() const { return cmbOdvetvie->currentData().toString(); }

void TOdborOdvetvieForm::naplnOdbory(const QString& vybrany)
{
    const QSignalBlocker b(cmbOdbor);
    cmbOdbor->clear();
    for (const auto& o : std::as_const(m_ciselnik.Odbory))
        cmbOdbor->addItem(o.Kod + u' ' + o.Nazov, o.Kod);
    cmbOdbor->setCurrentIndex(vybrany.isEmpty() ? -1 : cmbOdbor->findData(vybrany));
}

void TOdborOdvetvieForm::naplnOdvetvia(const QString& vybrane)
{
    cmbOdvetvie->clear();
    for (const auto& v : m_ciselnik.OdvetviaOdboru(kodOdboru()))
        cmbOdvetvie->addItem(v.Kod + u' ' + v.Nazov, v.Kod);
    // With nothing to keep, a field's only branch is the choice.
    if (vybrane.isEmpty())
        cmbOdvetvie->setCurrentIndex(cmbOdvetvie->count() == 1 ? 0 : -1);
    else
        cmbOdvetvie->setCurrentIndex(cmbOdvetvie->findData(vybrane));
}

void TOdborOdvetvieForm::PridajOdbor()
{
    QString kod, nazov;
    if (!UpravKodNazov(this, QStringLiteral("Pridanie nového odboru"), kod, nazov, true))
        return;
    if (const QString chyba = m_ciselnik.PridajOdbor(kod, nazov); !chyba.isEmpty()) {
        spravy().chyba(chyba);
        return;
    }
    m_zmenene = true;
    naplnOdbory(kod.left(6));
    naplnOdvetvia({});
}

void TOdborOdvetvieForm::EditujOdbor()
{
    const int i = cmbOdbor->currentIndex();
    if (i < 0) {
        spravy().chyba(kNieOdbor);
        return;
    }
    QString kod = m_ciselnik.Odbory.at(i).Kod, nazov = m_ciselnik.Odbory.at(i).Nazov;
    if (!UpravKodNazov(this, QStringLiteral("Editácia názvu odboru"), kod, nazov, false))
        return;
    m_ciselnik.ZmenNazovOdboru(i, nazov);
    m_zmenene = true;
    const QString odvetvie = kodOdvetvia();
    naplnOdbory(kod);
    naplnOdvetvia(odvetvie);
}

void TOdborOdvetvieForm::PridajOdvetvie()
{
    const QString odbor = kodOdboru();
    if (odbor.isEmpty()) {
        spravy().chyba(kNieOdbor);
        return;
    }
    QString kod, nazov;
    // The form refuses a number that breaks the rule and stays open until it is right.
    if (!UpravKodNazov(this, QStringLiteral("Pridanie nového odvetvia"), kod, nazov, true, odbor))
        return;
    if (const QString chyba = m_ciselnik.PridajOdvetvie(odbor, kod, nazov); !chyba.isEmpty()) {
        spravy().chyba(chyba);
        return;
    }
    m_zmenene = true;
    naplnOdvetvia(kod.left(6));  // the branch just added is the choice
}

void TOdborOdvetvieForm::EditujOdvetvie()
{
    const QString kod = kodOdvetvia();
    if (kod.isEmpty()) {
        spravy().chyba(QStringLiteral("Nie je vybraté žiadne odvetvie."));
        return;
    }
    int index = -1;
    for (int i = 0; i < m_ciselnik.Odvetvia.size(); ++i)
        if (m_ciselnik.Odvetvia.at(i).Kod == kod)
            index = i;
    QString k = kod, nazov = m_ciselnik.Odvetvia.value(index).Nazov;
    if (!UpravKodNazov(this, QStringLiteral("Editácia názvu odvetvia"), k, nazov, false))
        return;
    m_ciselnik.ZmenNazovOdvetvia(index, nazov);
    m_zmenene = true;
    naplnOdvetvia(kod);
}

void TOdborOdvetvieForm::Potvrd()
{
    if (kodOdboru().isEmpty() || kodOdvetvia().isEmpty()) {
        spravy().chyba(QStringLiteral("Nie sú vybraté odbory a odvetvia"));
        return;
    }
    accept();
}

bool VyberOdborOdvetvie(QWidget* rodic, OdboryOdvetvia& ciselnik, QString& kodOdboru, QString& kodOdvetvia,
                        bool pevnyOdbor)
{
    TOdborOdvetvieForm f(ciselnik, pevnyOdbor ? kodOdboru : QString(), kodOdvetvia, rodic);
    const bool ok = f.exec() == QDialog::Accepted;
    if (f.zmenene())
        ohlas(ciselnik.UlozOdboryOdvetvia());
    if (ok) {
        kodOdboru = f.kodOdboru();
        kodOdvetvia = f.kodOdvetvia();
    }
    return ok;
}
