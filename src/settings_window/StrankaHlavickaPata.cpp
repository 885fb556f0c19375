#include "StrankaHlavickaPata.h"

#include "PrvkyNastavenia.h"
#include "UpravaSuboru.h"
#include "settings/SablonyDruhu.h"
#include "settings/TextyZnalca.h"
#include "store/Spravy.h"
#include "word/HlavickaZnalca.h"
#include "word/NastavenieSubory.h"
#include "word/RtfQt.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QTextEdit>

using namespace PrvkyNastavenia;

StrankaHlavickaPata::StrankaHlavickaPata(const OknoNastavenia& okno, QWidget* rodic)
    : StrankaNastavenia(rodic), m_okno(okno)
{
    auto* g = new QGridLayout(this);
    auto stlpec = [&](int s, const QString& nazov, QTextEdit*& view, QPushButton*& edituj, QPushButton*& obnov) {
        view = new QTextEdit(this);
        view->setReadOnly(true);
        edituj = tlacidlo(this, QStringLiteral("Edituj"));
        obnov = tlacidlo(this, QStringLiteral("Obnov"));
        g->addWidget(new QLabel(nazov, this), 0, s);
        g->addWidget(view, 1, s);
        auto* r = new QHBoxLayout;
        r->addWidget(edituj);
        r->addWidget(obnov);
        r->addStretch();
        g->addLayout(r, 2, s);
    };
    stlpec(0, QStringLiteral("Hlavička vyúčtovania"), viewHlavicka, btnEditujHlavicku, btnObnovHlavicku);
    stlpec(1, QStringLiteral("Päta vyúčtovania"), viewPata, btnEditujPatu, btnObnovPatu);
    btnHlavickaZAdresy = tlacidlo(this, QStringLiteral("Vytvor hlavičku z adresy"));
    g->addWidget(btnHlavickaZAdresy, 3, 0, Qt::AlignLeft);
    btnPataZNastaveni = tlacidlo(this, QStringLiteral("Vytvor pätu z nastavení"));
    g->addWidget(btnPataZNastaveni, 3, 1, Qt::AlignLeft);
    chkWord = new QCheckBox(QStringLiteral("používať Word na editáciu textov"), this);
    // Without a word processor the built-in editor is used always.
    chkWord->setVisible(JeTextovyProcesor());
    g->addWidget(chkWord, 4, 0, 1, 2);
    connect(btnEditujHlavicku, &QPushButton::clicked, this, [this] { EditujHlavicku(false); });
    connect(btnEditujPatu, &QPushButton::clicked, this, [this] { EditujHlavicku(true); });
    connect(btnObnovHlavicku, &QPushButton::clicked, this, [this] { ObnovHlavicku(false); });
    connect(btnObnovPatu, &QPushButton::clicked, this, [this] { ObnovHlavicku(true); });
    connect(btnHlavickaZAdresy, &QPushButton::clicked, this, &StrankaHlavickaPata::HlavickaZAdresy);
    connect(btnPataZNastaveni, &QPushButton::clicked, this, &StrankaHlavickaPata::PataZNastaveni);
}

void StrankaHlavickaPata::nacitaj(const HodnotyNastavenia& h)
{
    zobraz(false, h);
    zobraz(true, h);
}

bool StrankaHlavickaPata::cezWord() const { return chkWord->isChecked() && !chkWord->isHidden(); }

void StrankaHlavickaPata::zobraz(bool pata, const HodnotyNastavenia& h)
{
    const QString subor = pata ? SablonyDruhu::suborPaty() : SablonyDruhu::suborHlavicky();
    QTextEdit* view = pata ? viewPata : viewHlavicka;
    if (HlavickaZnalca::jeVlastna(subor)) {
        RtfQt::nacitajSubor(subor, *view->document());
        return;
    }
    // Until the user writes his own, the documents take the one made from the settings.
    const QString text = pata ? RiadokPaty(h.nastavenie, h.eFaktura) : RiadkyHlavicky(h.nastavenie, h.eFaktura).join(u'\n');
    view->setPlainText(text);
}

void StrankaHlavickaPata::ObnovHlavicku(bool pata) { zobraz(pata, m_okno.aktualneHodnoty()); }

void StrankaHlavickaPata::EditujHlavicku(bool pata)
{
    const QString subor = pata ? SablonyDruhu::suborPaty() : SablonyDruhu::suborHlavicky();
    const QString titulok = pata ? QStringLiteral("[Päta vyúčtovania]") : QStringLiteral("[Hlavička vyúčtovania]");
    if (UpravSubor(this, subor, titulok, RichEdit::Panel::Ziadny, m_okno.aktualneHodnoty().nastavenie, cezWord()))
        ObnovHlavicku(pata);
}

void StrankaHlavickaPata::HlavickaZAdresy()
{
    const HodnotyNastavenia h = m_okno.aktualneHodnoty();
    ohlas(NastavenieSubory::VytvorHlavickuZAdresy(h.nastavenie, h.eFaktura));
    zobraz(false, h);
}

void StrankaHlavickaPata::PataZNastaveni()
{
    const HodnotyNastavenia h = m_okno.aktualneHodnoty();
    ohlas(NastavenieSubory::VytvorPatuZNastaveni(h.nastavenie, h.eFaktura));
    zobraz(true, h);
}
