#include "TfrmPreview.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDir>
#include <QHBoxLayout>
#include <QMouseEvent>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <QScreen>
#include <QScrollBar>
#include <QShortcut>
#include <QStyle>
#include <QVBoxLayout>

#include "store/Spravy.h"

namespace {
constexpr int kOkraj = 15;   // the scroll range is the sheet plus 30
}

tAlPreview::tAlPreview(QWidget* rodic) : QWidget(rodic)
{
    setAttribute(Qt::WA_OpaquePaintEvent, false);
}

void tAlPreview::obnov()
{
    QSize strana = zostava.strany.isEmpty() ? QSize(794, 1123) : zostava.strany.value(stav.strana() - 1).velkost;
    setFixedSize(stav.velkostListu(strana, Shadow) + QSize(2 * kOkraj, 2 * kOkraj));
    update();
}

void tAlPreview::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.fillRect(rect(), palette().color(QPalette::Dark));
    if (zostava.strany.isEmpty())
        return;
    const TDrawMetaFile& strana = zostava.strany.at(stav.strana() - 1);
    const QSize list = stav.velkostListu(strana.velkost, false);
    const QRect r(QPoint(kOkraj, kOkraj), list);
    if (Shadow) {
        p.fillRect(r.translated(4, 4), Qt::black);
    }
    p.fillRect(r, Qt::white);
    kresliStranu(p, strana, r);
}

void tAlPreview::mousePressEvent(QMouseEvent* e)
{
    if (e->button() == Qt::LeftButton)
        stav.zvacsi();
    else if (e->button() == Qt::RightButton)
        stav.zmensi();
    else
        return;
    obnov();
    emit zvacsenieZmenene();
}

void vytlacStrany(QPagedPaintDevice& zariadenie, QPainter& p, const tPages& strany, int od, int po)
{
    const QRect papier = zariadenie.pageLayout().fullRectPixels(zariadenie.logicalDpiX());
    for (int s = od; s <= po && s <= strany.size(); ++s) {
        if (s > od)
            zariadenie.newPage();
        kresliStranu(p, strany.at(s - 1), QRectF(QPointF(0, 0), QSizeF(papier.size())));
    }
}

TfrmPreview::TfrmPreview(QWidget* rodic) : QWidget(rodic, Qt::Window)
{
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QStringLiteral("Tlačová zostava"));

    auto tlacidlo = [this](QStyle::StandardPixmap ikona, const QString& text, const QString& tip) {
        auto* b = new QToolButton(this);
        b->setIcon(style()->standardIcon(ikona));
        b->setText(text);
        b->setToolTip(tip);
        b->setToolButtonStyle(text.isEmpty() ? Qt::ToolButtonIconOnly : Qt::ToolButtonTextBesideIcon);
        return b;
    };
    m_tlac = tlacidlo(QStyle::SP_DialogSaveButton, QString(), QStringLiteral("Vytlačenie zostavy"));
    m_tlac->setText(QStringLiteral("Tlač"));
    m_tlac->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    m_pdf = tlacidlo(QStyle::SP_FileIcon, QStringLiteral("Uložiť ako PDF"), QStringLiteral("Uloženie zostavy do súboru PDF"));
    auto* prva = tlacidlo(QStyle::SP_MediaSkipBackward, {}, QStringLiteral("Presun na prvú stranu"));
    auto* predch = tlacidlo(QStyle::SP_MediaSeekBackward, {}, QStringLiteral("Presun na predchádzajúcu stranu"));
    auto* dalsia = tlacidlo(QStyle::SP_MediaSeekForward, {}, QStringLiteral("Presun na nasledujúcu stranu"));
    auto* posledna = tlacidlo(QStyle::SP_MediaSkipForward, {}, QStringLiteral("Presun na poslednú stranu"));
    auto* zavriet = new QToolButton(this);
    zavriet->setText(QStringLiteral("Zavrieť"));

    m_zvacsenie = new QComboBox(this);
    m_zvacsenie->setEditable(true);
    m_zvacsenie->addItems({"200", "150", "100", "75", "50"});
    m_zvacsenie->setEditText(QStringLiteral("100"));
    m_zvacsenie->setToolTip(QStringLiteral("Mierka zväčšenia"));
    m_indikator = new QLabel(this);

    auto* lista = new QHBoxLayout;
    lista->addWidget(m_tlac);
    lista->addWidget(m_pdf);
    lista->addSpacing(12);
    lista->addWidget(new QLabel(QStringLiteral("Zväčšenie:"), this));
    lista->addWidget(m_zvacsenie);
    lista->addSpacing(12);
    for (auto* b : {prva, predch, dalsia, posledna})
        lista->addWidget(b);
    lista->addWidget(m_indikator);
    lista->addStretch();
    lista->addWidget(zavriet);

    m_nahlad = new tAlPreview;
    m_svitok = new QScrollArea(this);
    m_svitok->setWidget(m_nahlad);
    m_svitok->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    m_svitok->setFocusPolicy(Qt::NoFocus);

    auto* hlavny = new QVBoxLayout(this);
    hlavny->addLayout(lista);
    hlavny->addWidget(m_svitok, 1);

    // Without printers the report can still be saved as PDF.
    m_tlac->setEnabled(!QPrinterInfo::availablePrinters().isEmpty());

    connect(m_tlac, &QToolButton::clicked, this, &TfrmPreview::Vytlac);
    connect(m_pdf, &QToolButton::clicked, this, [this] { UlozAkoPdf(); });
    connect(prva, &QToolButton::clicked, this, [this] { chodNaStranu(1); });
    connect(predch, &QToolButton::clicked, this, [this] { chodNaStranu(m_nahlad->stav.strana() - 1); });
    connect(dalsia, &QToolButton::clicked, this, [this] { chodNaStranu(m_nahlad->stav.strana() + 1); });
    connect(posledna, &QToolButton::clicked, this, [this] { chodNaStranu(m_nahlad->stav.pocetStran()); });
    connect(zavriet, &QToolButton::clicked, this, &QWidget::close);
    connect(m_zvacsenie, &QComboBox::currentTextChanged, this, [this](const QString& t) {
        m_nahlad->stav.zvacsenieZTextu(t);
        m_nahlad->obnov();
    });
    connect(m_nahlad, &tAlPreview::zvacsenieZmenene, this, [this] {
        const QSignalBlocker b(m_zvacsenie);
        m_zvacsenie->setEditText(QString::number(m_nahlad->stav.zvacsenie()));
    });

    // The window sees these keys before its controls.
    auto kluc = [this](QKeySequence k, auto f) {
        auto* s = new QShortcut(k, this);
        s->setContext(Qt::WindowShortcut);
        connect(s, &QShortcut::activated, this, f);
    };
    kluc(Qt::Key_Escape, [this] { close(); });
    kluc(Qt::Key_PageUp, [this] { chodNaStranu(m_nahlad->stav.strana() - 1); });
    kluc(Qt::Key_PageDown, [this] { chodNaStranu(m_nahlad->stav.strana() + 1); });
    kluc(Qt::Key_Home, [this] { chodNaStranu(1); });
    kluc(Qt::Key_End, [this] { chodNaStranu(m_nahlad->stav.pocetStran()); });
    kluc(Qt::Key_Left, [this] { posun(-10, 0); });
    kluc(Qt::Key_Right, [this] { posun(10, 0); });
    kluc(Qt::Key_Up, [this] { posun(0, -10); });
    kluc(Qt::Key_Down, [this] { posun(0, 10); });
}

void TfrmPreview::Zobraz(QPoint posun)
{
    // Without a window manager "maximized" means nothing: the size is set first.
    if (const QScreen* s = screen()) {
        const QRect plocha = s->availableGeometry();
        QRect r(QPoint(), plocha.size() * 9 / 10);
        r.moveCenter(plocha.center());
        if (!posun.isNull()) {
            r.moveTopLeft(plocha.topLeft() + posun);
            r = r.intersected(plocha);
        }
        setGeometry(r);
    }
    if (posun.isNull())
        showMaximized();
    else
        show();
}

void TfrmPreview::ZobrazPrvuStranu()
{
    m_nahlad->stav.nastavPocetStran(int(strany().size()));
    m_nahlad->Title = windowTitle();
    m_nahlad->obnov();
    obnovIndikator();
}

void TfrmPreview::chodNaStranu(int n)
{
    m_nahlad->stav.chodNaStranu(n);
    m_nahlad->obnov();
    obnovIndikator();
}

void TfrmPreview::obnovIndikator()
{
    m_indikator->setText(m_nahlad->stav.indikator());
}

void TfrmPreview::posun(int dx, int dy)
{
    // Steps of 10; near either end the bar goes to the end.
    auto krok = [](QScrollBar* s, int d) {
        if (d == 0)
            return;
        if (d < 0)
            s->setValue(s->value() <= -d ? 0 : s->value() + d);
        else
            s->setValue(s->maximum() - s->value() < d ? s->maximum() : s->value() + d);
    };
    krok(m_svitok->horizontalScrollBar(), dx);
    krok(m_svitok->verticalScrollBar(), dy);
}

bool TfrmPreview::UlozAkoPdf()
{
    const QString subor = spravy().vyberSuborNaUlozenie(QStringLiteral("Uložiť ako PDF"), QDir::homePath(),
                                                        QStringLiteral("PDF (*.pdf)"));
    if (subor.isEmpty())
        return false;
    return ohlas(UlozPdf({zostava()},
                         subor.endsWith(QStringLiteral(".pdf"), Qt::CaseInsensitive) ? subor : subor + QStringLiteral(".pdf"),
                         windowTitle()));
}

void TfrmPreview::Vytlac()
{
    if (strany().isEmpty())
        return;
    QPrinter tlaciaren(QPrinter::HighResolution);
    tlaciaren.setFromTo(1, int(strany().size()));
    QPrintDialog dialog(&tlaciaren, this);
    dialog.setMinMax(1, int(strany().size()));
    dialog.setOption(QAbstractPrintDialog::PrintPageRange, true);
    if (dialog.exec() != QDialog::Accepted)
        return;
    int od = 1;
    int po = int(strany().size());
    if (tlaciaren.printRange() == QPrinter::PageRange) {
        od = std::max(1, tlaciaren.fromPage());
        po = std::min(po, tlaciaren.toPage());
    } else if (tlaciaren.printRange() == QPrinter::CurrentPage) {
        od = po = m_nahlad->stav.strana();
    }
    const int kopie = std::max(1, tlaciaren.copyCount());
    m_nahlad->Title = windowTitle();
    m_tlaci = true;
    for (const QList<int>& uloha : StavNahladu::ulohyTlace(od, po, kopie)) {
        tlaciaren.setCopyCount(1);
        tlaciaren.setDocName(m_nahlad->Title);
        tlaciaren.setFullPage(true);
        tlaciaren.setPageOrientation(zostava().orientacia == TPrinterOrientation::poLandscape ? QPageLayout::Landscape
                                                                                             : QPageLayout::Portrait);
        QPainter p;
        if (!p.begin(&tlaciaren)) {
            spravy().chyba(QStringLiteral("Tlač sa nepodarila."));
            break;
        }
        vytlacStrany(tlaciaren, p, strany(), uloha.first(), uloha.last());
        p.end();
    }
    m_tlaci = false;
}

void TfrmPreview::closeEvent(QCloseEvent* e)
{
    if (m_tlaci) {
        QApplication::beep();
        e->ignore();
        return;
    }
    QWidget::closeEvent(e);
}
