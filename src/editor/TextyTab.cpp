#include "TextyTab.h"
#include "settings/SablonyDruhu.h"

#include "word/RtfQt.h"
#include "widgets/RichEditForm.h"
#include "store/Cesty.h"
#include "store/Subory.h"

#include <QComboBox>
#include <QEvent>
#include <QFileInfo>
#include <QGridLayout>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QTextEdit>
#include <QVBoxLayout>

namespace {

QTextEdit* pohladTextu(QWidget* rodic)
{
    auto* t = new QTextEdit(rodic);
    t->setReadOnly(true);
    t->setMinimumHeight(120);
    return t;
}

QComboBox* zoznamSablon(QWidget* rodic)
{
    auto* c = new QComboBox(rodic);
    c->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    c->setMinimumContentsLength(35);
    return c;
}

}  // namespace

TextyTab::TextyTab(QWidget* rodic) : QWidget(rodic)
{
    TextVyuctovaniaComboBox = zoznamSablon(this);
    TextVyuctovanie = pohladTextu(this);
    btnEdituj = new QPushButton(QStringLiteral("Edituj"), this);
    TextVyplateniaComboBox = zoznamSablon(this);
    TextFinancnaCiastka = pohladTextu(this);
    btnEditor = new QPushButton(QStringLiteral("Editor"), this);
    btnEdituj->setAutoDefault(false);
    btnEditor->setAutoDefault(false);

    auto* lblTextVyuctovania = new QLabel(QStringLiteral("Text vyúčtovania:"), this);
    lblTextVyplatenia = new QLabel(QStringLiteral("Text vyplatenia:"), this);
    for (auto* l : {lblTextVyuctovania, lblTextVyplatenia}) {
        QFont f = l->font();
        f.setBold(true);
        l->setFont(f);
    }
    // A click on the label regenerates the payment text alone.
    lblTextVyplatenia->installEventFilter(this);
    lblTextVyplatenia->setCursor(Qt::PointingHandCursor);

    auto* g = new QGridLayout(this);
    g->addWidget(lblTextVyuctovania, 0, 0, 1, 4);
    g->addWidget(new QLabel(QStringLiteral("Šablóna:"), this), 1, 0);
    g->addWidget(TextVyuctovaniaComboBox, 1, 1);
    g->addWidget(btnEdituj, 1, 3);
    g->addWidget(TextVyuctovanie, 2, 0, 1, 4);
    g->addWidget(lblTextVyplatenia, 3, 0, 1, 4);
    g->addWidget(new QLabel(QStringLiteral("Šablóna:"), this), 4, 0);
    g->addWidget(TextVyplateniaComboBox, 4, 1);
    g->addWidget(btnEditor, 4, 3);
    g->addWidget(TextFinancnaCiastka, 5, 0, 1, 4);
    g->setColumnStretch(2, 1);
    g->setRowStretch(2, 1);
    g->setRowStretch(5, 1);
    g->setRowMinimumHeight(3, 24);

    connect(TextVyuctovaniaComboBox, &QComboBox::activated, this,
            [this] { ZvolenaSablona(DruhTextu::Vyuctovanie); });
    connect(TextVyplateniaComboBox, &QComboBox::activated, this,
            [this] { ZvolenaSablona(DruhTextu::Vyplatenie); });
    connect(btnEdituj, &QPushButton::clicked, this, [this] { Edituj(DruhTextu::Vyuctovanie); });
    connect(btnEditor, &QPushButton::clicked, this, [this] { Edituj(DruhTextu::Vyplatenie); });
}

void TextyTab::nastav(int druhZnalca, const QString& pismo, double velkost, std::function<HodnotyTextov()> hodnoty)
{
    m_druh = druhZnalca;
    m_pismo = pismo;
    m_velkost = velkost;
    m_hodnoty = std::move(hodnoty);
}

QComboBox* TextyTab::combo(DruhTextu t) const
{
    return t == DruhTextu::Vyuctovanie ? TextVyuctovaniaComboBox : TextVyplateniaComboBox;
}

QTextEdit* TextyTab::pohlad(DruhTextu t) const
{
    return t == DruhTextu::Vyuctovanie ? TextVyuctovanie : TextFinancnaCiastka;
}

QString TextyTab::sablona(DruhTextu t) const { return combo(t)->currentText(); }

void TextyTab::NaplnSablony()
{
    for (DruhTextu t : {DruhTextu::Vyuctovanie, DruhTextu::Vyplatenie}) {
        QComboBox* c = combo(t);
        c->clear();
        c->addItems(TextyVyuctovania::zoznamSablon(t, m_druh));
        c->setCurrentIndex(0);
    }
}

void TextyTab::obnov(DruhTextu t)
{
    const QString subor = TextyVyuctovania::pracovnySubor(t);
    if (QFileInfo(subor).isFile() && RtfQt::nacitajSubor(subor, *pohlad(t)->document()))
        pohlad(t)->moveCursor(QTextCursor::Start);  // the text is read from its beginning
}

void TextyTab::zobraz(const QString& staryTextVyuctovania, const QString& staryTextFinancnaCiastka)
{
    m_zobrazuje = true;
    TextyVyuctovania::pripravPracovnySubor(DruhTextu::Vyuctovanie, staryTextVyuctovania, m_pismo, m_velkost);
    TextyVyuctovania::pripravPracovnySubor(DruhTextu::Vyplatenie, staryTextFinancnaCiastka, m_pismo, m_velkost);
    for (DruhTextu t : {DruhTextu::Vyuctovanie, DruhTextu::Vyplatenie}) {
        pohlad(t)->clear();
        obnov(t);
    }
    m_zobrazuje = false;
}

bool TextyTab::vytvor(DruhTextu t)
{
    if (m_zobrazuje)
        return false;
    const HodnotyTextov h = m_hodnoty ? m_hodnoty() : HodnotyTextov{};
    if (!TextyVyuctovania::VytvorText(t, m_druh, sablona(t), h))
        return false;
    obnov(t);
    return true;
}

void TextyTab::VytvorTextVyuctovania() { vytvor(DruhTextu::Vyuctovanie); }

void TextyTab::VytvorTextVyplatenia() { vytvor(DruhTextu::Vyplatenie); }

void TextyTab::ZvolenaSablona(DruhTextu t)
{
    const QString cesta = SablonyDruhu::suborSablony(TextyVyuctovania::adresarSablon(t, m_druh), sablona(t));
    if (sablona(t).isEmpty() || !QFileInfo(cesta).isFile())
        return;
    QTextDocument& dokument = *pohlad(t)->document();
    RtfQt::nacitajSubor(cesta, dokument);
    // The regenerated file is the view's content already, with everything the view cannot
    // show; only when it could not be made does the view's content become the working file.
    if (vytvor(t))
        return;
    const QString subor = TextyVyuctovania::pracovnySubor(t);
    if (const Vysledok v = Subory::ulozAtomicky(subor, RtfQt::rtf(dokument)); !v)
        Subory::ohlasChybuZapisu(subor, v.dovod());
}

void TextyTab::Edituj(DruhTextu t)
{
    const QString subor = TextyVyuctovania::pracovnySubor(t);
    Cesty::vytvorJednuUroven(Cesty::tmpDoc());
    {
        TRichEditForm editor(this);
        editor.nastavCiel(subor,
                          t == DruhTextu::Vyuctovanie ? QStringLiteral("[Text vyúčtovania]")
                                                      : QStringLiteral("[Text vyplatenia]"),
                          RichEdit::Panel::Ziadny, false, m_pismo, m_velkost);
        editor.exec();
    }
    obnov(t);
}

bool TextyTab::eventFilter(QObject* objekt, QEvent* udalost)
{
    if (objekt == lblTextVyplatenia && udalost->type() == QEvent::MouseButtonRelease
        && static_cast<QMouseEvent*>(udalost)->button() == Qt::LeftButton) {
        VytvorTextVyplatenia();
        return true;
    }
    return QWidget::eventFilter(objekt, udalost);
}
