#include "RichEditForm.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFileInfo>
#include <QFontComboBox>
#include <QFontDatabase>
#include <QFontDialog>
#include <QGridLayout>
#include <QLabel>
#include <QMenuBar>
#include <QMimeData>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QSpinBox>
#include <QStatusBar>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextEdit>
#include <QTextList>
#include <QToolBar>
#include <QVBoxLayout>

#include "word/RtfQt.h"
#include "store/Spravy.h"

TRichEditForm::TRichEditForm(QWidget* parent) : QDialog(parent)
{
    setWindowTitle(QStringLiteral("Preddefinovaný text"));
    resize(760, 520);
    m_text = new QTextEdit(this);
    m_text->setAcceptRichText(true);

    auto* hlavny = new QVBoxLayout(this);
    auto* menu = new QMenuBar(this);
    hlavny->setMenuBar(menu);
    vytvorNastroje();
    auto* subor = menu->addMenu(QStringLiteral("&Súbor"));
    subor->addAction(QStringLiteral("Otvor súbor"), this, &TRichEditForm::otvorSuborClick);
    subor->addAction(QStringLiteral("Ulož súbor"), this, &TRichEditForm::ulozSuborClick);
    subor->addAction(QStringLiteral("Ulož  súbor &ako..."), this, &TRichEditForm::ulozSuborAkoClick);
    subor->addSeparator();
    subor->addAction(QStringLiteral("Tlač"), this, &TRichEditForm::tlacClick);
    auto* edituj = menu->addMenu(QStringLiteral("&Edituj"));
    edituj->addAction(QStringLiteral("Späť"), m_text, &QTextEdit::undo);
    edituj->addAction(m_vystrihni);
    edituj->addAction(m_kopiruj);
    edituj->addAction(m_prilep);
    edituj->addSeparator();
    edituj->addAction(QStringLiteral("Font..."), this, [this] {
        bool ok = false;
        const QFont f = QFontDialog::getFont(&ok, m_text->currentFont(), this);
        if (!ok)
            return;
        QTextCharFormat cf;
        cf.setFont(f);
        formatujVyber(cf);
    });

    hlavny->addWidget(m_nastroje);
    auto* stred = new QHBoxLayout;
    stred->addWidget(m_text, 1);
    m_panelVyuctovania = vytvorPanel(RichEdit::Panel::Vyuctovanie);
    m_panelKorespondencie = vytvorPanel(RichEdit::Panel::Korespondencia);
    stred->addWidget(m_panelVyuctovania);
    stred->addWidget(m_panelKorespondencie);
    hlavny->addLayout(stred, 1);

    auto* tlacidla = new QDialogButtonBox(this);
    auto* vloz = tlacidla->addButton(QStringLiteral("Vlož"), QDialogButtonBox::AcceptRole);
    auto* storno = tlacidla->addButton(QStringLiteral("Storno"), QDialogButtonBox::RejectRole);
    tlacidla->addButton(QStringLiteral("Pomoc"), QDialogButtonBox::HelpRole);
    connect(vloz, &QPushButton::clicked, this, &TRichEditForm::btnVlozClick);
    connect(storno, &QPushButton::clicked, this, &QDialog::reject);
    hlavny->addWidget(tlacidla);

    auto* stav = new QStatusBar(this);
    m_poloha = new QLabel(stav);
    m_zmeneny = new QLabel(stav);
    stav->addWidget(m_poloha);
    stav->addWidget(m_zmeneny);
    hlavny->addWidget(stav);

    connect(m_text, &QTextEdit::cursorPositionChanged, this, &TRichEditForm::aktualizujOvladace);
    connect(m_text, &QTextEdit::textChanged, this, &TRichEditForm::aktualizujStav);
    connect(m_text->document(), &QTextDocument::modificationChanged, this, &TRichEditForm::aktualizujStav);
    connect(m_text, &QTextEdit::copyAvailable, m_vystrihni, &QAction::setEnabled);
    connect(m_text, &QTextEdit::copyAvailable, m_kopiruj, &QAction::setEnabled);
    connect(QApplication::clipboard(), &QClipboard::dataChanged, this,
            [this] { m_prilep->setEnabled(m_text->canPaste()); });
    m_vystrihni->setEnabled(false);
    m_kopiruj->setEnabled(false);
    m_prilep->setEnabled(m_text->canPaste());
    m_panelVyuctovania->hide();
    m_panelKorespondencie->hide();
    aktualizujOvladace();
    aktualizujStav();
}

void TRichEditForm::vytvorNastroje()
{
    m_nastroje = new QToolBar(this);
    m_pismo = new QFontComboBox(m_nastroje);
    m_pismo->setFontFilters(QFontComboBox::ScalableFonts);
    m_nastroje->addWidget(m_pismo);
    connect(m_pismo, &QFontComboBox::textActivated, this, [this](const QString& rodina) {
        QTextCharFormat f;
        f.setFontFamilies({rodina});
        formatujVyber(f);
    });
    m_velkost = new QComboBox(m_nastroje);
    m_velkost->setEditable(true);
    for (int v : QFontDatabase::standardSizes())
        m_velkost->addItem(QString::number(v));
    m_nastroje->addWidget(m_velkost);
    connect(m_velkost, &QComboBox::textActivated, this, [this](const QString& text) {
        const double v = text.toDouble();
        if (v <= 0)
            return;
        QTextCharFormat f;
        f.setFontPointSize(v);
        formatujVyber(f);
    });
    auto prepinac = [this](const QString& text, auto funkcia) {
        QAction* a = m_nastroje->addAction(text);
        a->setCheckable(true);
        connect(a, &QAction::triggered, this, funkcia);
        return a;
    };
    m_tucne = prepinac(QStringLiteral("Tučné"), [this](bool z) {
        QTextCharFormat f;
        f.setFontWeight(z ? QFont::Bold : QFont::Normal);
        formatujVyber(f);
    });
    m_kurziva = prepinac(QStringLiteral("Kurzíva"), [this](bool z) {
        QTextCharFormat f;
        f.setFontItalic(z);
        formatujVyber(f);
    });
    m_podciarknute = prepinac(QStringLiteral("Podčiarknuté"), [this](bool z) {
        QTextCharFormat f;
        f.setFontUnderline(z);
        formatujVyber(f);
    });
    m_nastroje->addSeparator();
    auto zarovnanie = [this](const QString& text, Qt::Alignment a) {
        QAction* act = m_nastroje->addAction(text);
        act->setCheckable(true);
        connect(act, &QAction::triggered, this, [this, a] {
            m_text->setAlignment(a);
            aktualizujOvladace();
        });
        return act;
    };
    m_vlavo = zarovnanie(QStringLiteral("Zarovnaj vľavo"), Qt::AlignLeft | Qt::AlignAbsolute);
    m_stred = zarovnanie(QStringLiteral("Zarovnaj na stred"), Qt::AlignHCenter);
    m_vpravo = zarovnanie(QStringLiteral("Zarovnaj na pravo"), Qt::AlignRight | Qt::AlignAbsolute);
    m_odrazky = m_nastroje->addAction(QStringLiteral("Odrážky"));
    m_odrazky->setCheckable(true);
    connect(m_odrazky, &QAction::triggered, this, [this](bool z) {
        QTextCursor c = m_text->textCursor();
        if (z) {
            QTextListFormat lf;
            lf.setStyle(QTextListFormat::ListDisc);
            c.createList(lf);
        } else if (QTextList* l = c.currentList()) {
            l->remove(c.block());
            QTextBlockFormat bf = c.blockFormat();
            bf.setIndent(0);
            c.setBlockFormat(bf);
        }
    });
    m_nastroje->addSeparator();
    // The indent ruler: first-line and left indent of the paragraph, in points.
    m_prvyRiadok = new QSpinBox(m_nastroje);
    m_prvyRiadok->setRange(-500, 500);
    m_prvyRiadok->setPrefix(QStringLiteral("Prvý riadok: "));
    m_prvyRiadok->setSuffix(QStringLiteral(" b"));
    m_odsadenie = new QSpinBox(m_nastroje);
    m_odsadenie->setRange(0, 500);
    m_odsadenie->setPrefix(QStringLiteral("Odsadenie: "));
    m_odsadenie->setSuffix(QStringLiteral(" b"));
    m_nastroje->addWidget(m_prvyRiadok);
    m_nastroje->addWidget(m_odsadenie);
    connect(m_prvyRiadok, &QSpinBox::editingFinished, this, &TRichEditForm::nastavOdsadenie);
    connect(m_odsadenie, &QSpinBox::editingFinished, this, &TRichEditForm::nastavOdsadenie);

    m_vystrihni = new QAction(QStringLiteral("Vyber"), this);
    m_kopiruj = new QAction(QStringLiteral("Kopíruj"), this);
    m_prilep = new QAction(QStringLiteral("Vlož"), this);
    connect(m_vystrihni, &QAction::triggered, m_text, &QTextEdit::cut);
    connect(m_kopiruj, &QAction::triggered, m_text, &QTextEdit::copy);
    connect(m_prilep, &QAction::triggered, m_text, &QTextEdit::paste);
}

QWidget* TRichEditForm::vytvorPanel(RichEdit::Panel panel)
{
    auto* w = new QWidget(this);
    auto* l = new QVBoxLayout(w);
    l->setContentsMargins(0, 0, 0, 0);
    for (const QString& meno : RichEdit::tlacidlaPanela(panel)) {
        auto* b = new QPushButton(meno, w);
        b->setObjectName(meno);
        b->setFocusPolicy(Qt::NoFocus);
        connect(b, &QPushButton::clicked, this, [this, meno] { vlozZastupcu(meno); });
        l->addWidget(b);
    }
    l->addStretch();
    return w;
}

void TRichEditForm::nastavCiel(const QString& ciel, const QString& titulok, RichEdit::Panel panel, bool sNastrojmi,
                               const QString& pismo, double velkost)
{
    m_ciel = ciel;
    setWindowTitle(titulok);
    m_panelVyuctovania->setVisible(panel == RichEdit::Panel::Vyuctovanie);
    m_panelKorespondencie->setVisible(panel == RichEdit::Panel::Korespondencia);
    m_nastroje->setVisible(sNastrojmi);
    RichEdit::nacitajCiel(*m_text->document(), ciel, pismo, velkost);
    m_text->moveCursor(QTextCursor::End);
    aktualizujOvladace();
    aktualizujStav();
}

void TRichEditForm::showEvent(QShowEvent* e)
{
    m_aktualnySubor = RichEdit::Neoznaceny;
    QDialog::showEvent(e);
}

void TRichEditForm::vlozZastupcu(const QString& meno)
{
    m_text->textCursor().insertText(RichEdit::zastupca(meno));
    m_text->setFocus();
}

void TRichEditForm::btnVlozClick()
{
    if (ohlas(RichEdit::vlozDoCiela(*m_text->document(), m_ciel)))
        accept();
}

void TRichEditForm::otvorSuborClick()
{
    const QString cesta = spravy().vyberSuborNaOtvorenie(QStringLiteral("Otvor súbor"), QString(),
                                                        QStringLiteral("Rich text (*.RTF *.rtf);;Text (*.TXT *.txt)"));
    if (cesta.isEmpty())
        return;
    if (RichEdit::otvorSubor(*m_text->document(), cesta))
        m_aktualnySubor = cesta;
    aktualizujStav();
}

bool TRichEditForm::ulozSuborClick()
{
    if (m_aktualnySubor == RichEdit::Neoznaceny)
        return ulozSuborAkoClick();
    return ohlas(RichEdit::ulozSubor(*m_text->document(), m_aktualnySubor));
}

bool TRichEditForm::ulozSuborAkoClick()
{
    const QString cesta = spravy().vyberSuborNaUlozenie(QStringLiteral("Ulož súbor ako"), QString(),
                                                       QStringLiteral("Rich text (*.RTF *.rtf)"));
    if (cesta.isEmpty() || !RichEdit::smiePrepisat(cesta))
        return false;
    if (!ohlas(RichEdit::ulozSubor(*m_text->document(), cesta)))
        return false;
    m_aktualnySubor = cesta;
    return true;
}

void TRichEditForm::tlacClick()
{
    QPrinter tlaciaren;
    QPrintDialog dialog(&tlaciaren, this);
    if (dialog.exec() == QDialog::Accepted)
        m_text->print(&tlaciaren);
}

void TRichEditForm::formatujVyber(const QTextCharFormat& f)
{
    QTextCursor c = m_text->textCursor();
    if (c.hasSelection())
        c.mergeCharFormat(f);
    m_text->mergeCurrentCharFormat(f);
    m_text->setFocus();
}

void TRichEditForm::aktualizujOvladace()
{
    const QTextCharFormat f = m_text->currentCharFormat();
    const QFont font = f.font();
    m_pismo->setCurrentFont(font);
    const double velkost = f.fontPointSize() > 0 ? f.fontPointSize() : m_text->document()->defaultFont().pointSizeF();
    m_velkost->setEditText(QString::number(velkost));
    m_tucne->setChecked(f.fontWeight() >= QFont::DemiBold);
    m_kurziva->setChecked(f.fontItalic());
    m_podciarknute->setChecked(f.fontUnderline());
    const Qt::Alignment a = m_text->alignment();
    m_vlavo->setChecked(!(a & (Qt::AlignHCenter | Qt::AlignRight | Qt::AlignJustify)));
    m_stred->setChecked(a & Qt::AlignHCenter);
    m_vpravo->setChecked(a & Qt::AlignRight);
    const QTextCursor c = m_text->textCursor();
    m_odrazky->setChecked(c.currentList() != nullptr);
    const QTextBlockFormat bf = c.blockFormat();
    m_prvyRiadok->setValue(int(bf.textIndent() * 3 / 4));
    m_odsadenie->setValue(int(bf.leftMargin() * 3 / 4));
    m_poloha->setText(RichEdit::textPolohy(c.blockNumber() + 1, c.positionInBlock() + 1));
}

void TRichEditForm::aktualizujStav()
{
    m_zmeneny->setText(m_text->document()->isModified() ? RichEdit::TextModifikovany : QString());
}

void TRichEditForm::nastavOdsadenie()
{
    QTextCursor c = m_text->textCursor();
    QTextBlockFormat bf = c.blockFormat();
    // One point of indent is 4/3 of a screen pixel.
    bf.setTextIndent(m_prvyRiadok->value() * 4.0 / 3.0);
    bf.setLeftMargin(m_odsadenie->value() * 4.0 / 3.0);
    c.setBlockFormat(bf);
}
