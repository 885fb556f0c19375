#include "ZoznamSablon.h"

#include "PrvkyNastavenia.h"
#include "StrankaNastavenia.h"
#include "UpravaSuboru.h"
#include "store/Cesty.h"
#include "store/Spravy.h"
#include "word/NastavenieSubory.h"

#include <QHBoxLayout>
#include <QInputDialog>
#include <QListWidget>
#include <QVBoxLayout>

using namespace PrvkyNastavenia;

ZoznamSablon::ZoznamSablon(SadaSablon sada, const QString& nadpis, const OknoNastavenia& okno, QWidget* rodic)
    : QGroupBox(nadpis, rodic), m_sada(sada), m_okno(okno)
{
    zoznam = new QListWidget(this);
    novy = tlacidlo(this, QStringLiteral("Nový text"));
    vymaz = tlacidlo(this, QStringLiteral("Vymaž text"));
    obnov = tlacidlo(this, QStringLiteral("Obnov"));
    auto* r = new QHBoxLayout;
    r->addWidget(novy);
    r->addWidget(vymaz);
    r->addWidget(obnov);
    r->addStretch();
    auto* l = new QVBoxLayout(this);
    l->addWidget(zoznam, 1);
    l->addLayout(r);
    connect(novy, &QPushButton::clicked, this, [this] {
        bool ok = false;
        const QString nazov = QInputDialog::getText(this, QStringLiteral("Názov textu"),
                                                    QStringLiteral("Zadajte názov textu"), QLineEdit::Normal, {}, &ok);
        if (ok)
            NovyText(nazov);
    });
    connect(vymaz, &QPushButton::clicked, this, &ZoznamSablon::VymazText);
    connect(obnov, &QPushButton::clicked, this, &ZoznamSablon::ObnovZoznam);
    connect(zoznam, &QListWidget::itemDoubleClicked, this, &ZoznamSablon::OtvorText);
}

QString ZoznamSablon::adresar() const { return SablonyDruhu::adresar(m_sada, m_druh); }

void ZoznamSablon::nastavDruh(int druh)
{
    m_druh = druh;
    ObnovZoznam();
}

void ZoznamSablon::ObnovZoznam()
{
    zoznam->clear();
    zoznam->addItems(SablonyDruhu::zoznamSuborovRtf(adresar()).mid(1));
}

void ZoznamSablon::NovyText(const QString& nazov)
{
    const QString subor = NastavenieSubory::suborSablony(adresar(), nazov);
    if (subor.isEmpty())
        return;
    Cesty::vytvorJednuUroven(SablonyDruhu::koren());
    Cesty::vytvorJednuUroven(adresar());
    edituj(subor, nazov);
}

void ZoznamSablon::OtvorText()
{
    const QListWidgetItem* p = zoznam->currentItem();
    if (!p)
        return;
    const QString subor = NastavenieSubory::existujucaSablona(adresar(), p->text());
    if (!subor.isEmpty())
        edituj(subor, p->text());
}

void ZoznamSablon::edituj(const QString& subor, const QString& nazov)
{
    // The built-in editor for correspondence whatever the check box says.
    const bool korespondencia = m_sada == SadaSablon::Korespondencia;
    const bool word = m_okno.cezWord() && !korespondencia;
    const auto panel = korespondencia ? RichEdit::Panel::Korespondencia : RichEdit::Panel::Vyuctovanie;
    if (UpravSubor(this, subor, u'[' + nazov + QStringLiteral(".rtf]"), panel, m_okno.aktualneHodnoty().nastavenie, word))
        ObnovZoznam();
}

void ZoznamSablon::VymazText()
{
    const QListWidgetItem* p = zoznam->currentItem();
    if (!p)
        return;
    ohlas(NastavenieSubory::VymazSablonu(adresar(), p->text()));
    ObnovZoznam();
}
