#include "RtfPdf.h"

#include "RtfCitac.h"
#include "RtfQt.h"
#include "store/Spravy.h"
#include "store/Subory.h"

#include <QAbstractTextDocumentLayout>
#include <QBuffer>
#include <QImage>
#include <QPainter>
#include <QPdfWriter>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextFrame>
#include <QTextTable>

#include <algorithm>
#include <cmath>
#include <memory>

namespace RtfPdf {
namespace {

// Layouts are made at the pixels of RtfQt (96 per inch), whatever the screen is.
constexpr int DpiRozlozenia = 96;
constexpr int DpiPdf = 1200;
// Distance of the header and footer from the page edge, as word processors default it.
constexpr int OdstupHlavickyTwip = 720;

double px(int twip) { return twip * RtfQt::PixelovNaTwip; }

struct Cast {
    std::unique_ptr<QTextDocument> text;
    double vyska = 0;
};

// A body, header or footer laid out at the width of the text.
Cast rozloz(const RtfDokument& zdroj, const QList<RtfBlok>& bloky, double sirka, QPaintDevice* zariadenie)
{
    Cast c;
    if (bloky.isEmpty())
        return c;
    RtfDokument d = zdroj;
    d.telo = bloky;
    d.hlavicka.clear();
    d.pata.clear();
    c.text = std::make_unique<QTextDocument>();
    c.text->documentLayout()->setPaintDevice(zariadenie);
    RtfQt::doQTextDocumentNaTlac(d, *c.text);
    c.text->setDocumentMargin(0);
    c.text->setTextWidth(sirka);
    c.vyska = c.text->size().height();
    return c;
}

// A paragraph or a table at the top of the body, as laid out.
struct Prvok {
    QTextBlock blok;
    QTextFrame* ramec = nullptr;
    double hore = 0;
    double dole = 0;
    bool drziSoNasledujucim = false;
    bool prazdny = false;
};

QList<Prvok> prvky(QTextDocument& text)
{
    QList<Prvok> vysledok;
    QAbstractTextDocumentLayout* rozlozenie = text.documentLayout();
    for (auto it = text.rootFrame()->begin(); !it.atEnd(); ++it) {
        Prvok p;
        QRectF r;
        if (QTextFrame* ramec = it.currentFrame()) {
            p.ramec = ramec;
            r = rozlozenie->frameBoundingRect(ramec);
            p.drziSoNasledujucim = ramec->frameFormat().boolProperty(RtfQt::VlastnostDrziSoNasledujucim);
        } else {
            p.blok = it.currentBlock();
            r = rozlozenie->blockBoundingRect(p.blok);
            p.drziSoNasledujucim = p.blok.blockFormat().boolProperty(RtfQt::VlastnostDrziSoNasledujucim);
            p.prazdny = p.blok.text().trimmed().isEmpty();
        }
        p.hore = r.top();
        p.dole = r.bottom();
        vysledok.append(p);
    }
    return vysledok;
}

int strana(double y, double vyskaTela) { return int(std::floor(y / vyskaTela)); }

// A table goes to the next page by space above it: Qt's layout ignores breaks set on a
// table (and a break in a cell moves that cell alone).
bool zalomPred(const QList<Prvok>& p, qsizetype i, double vyskaTela)
{
    if (auto* tabulka = qobject_cast<QTextTable*>(p[i].ramec)) {
        QTextTableFormat f = tabulka->format();
        f.setTopMargin(f.topMargin() + (strana(p[i].hore + 0.5, vyskaTela) + 1) * vyskaTela - p[i].hore + 1);
        tabulka->setFormat(f);
        return true;
    }
    if (p[i].ramec)
        return false;
    QTextBlockFormat f = p[i].blok.blockFormat();
    f.setPageBreakPolicy(QTextFormat::PageBreak_AlwaysBefore);
    QTextCursor(p[i].blok).setBlockFormat(f);
    return true;
}

bool drziPred(const QList<Prvok>& p, qsizetype i) { return p[i - 1].drziSoNasledujucim; }

// Paragraphs and tables kept with what follows go to the next page together with it when
// the group would be split and fits on a page; each move lays the body out anew.
void drzSkupiny(QTextDocument& text, double vyskaTela)
{
    for (int pokus = 0; pokus < 100; ++pokus) {
        const QList<Prvok> p = prvky(text);
        bool presunute = false;
        for (qsizetype od = 0; od < p.size() && !presunute; ++od) {
            qsizetype po = od;
            // The empty paragraph Qt puts after a table holds as the table does.
            auto drzi = [&](qsizetype i) {
                return p[i].drziSoNasledujucim || (i > 0 && p[i - 1].ramec && !p[i].ramec && p[i].prazdny && drziPred(p, i));
            };
            while (po + 1 < p.size() && drzi(po))
                ++po;
            // Half a pixel of rounding: a block moved to a page starts a hair above its top.
            const double zaciatok = p[od].hore + 0.5;
            const double koniec = p[po].dole - 0.5;
            if (po > od && strana(zaciatok, vyskaTela) != strana(koniec, vyskaTela) && koniec - zaciatok <= vyskaTela
                && strana(zaciatok, vyskaTela) * vyskaTela < p[od].hore - 0.5) {
                presunute = zalomPred(p, od, vyskaTela);
            }
            od = po;
        }
        if (!presunute)
            return;
    }
}

// Pages up to the last one with text: empty paragraphs that spill over make no page.
int stranSTextom(QTextDocument& text, double vyskaTela)
{
    int stran = 1;
    for (const Prvok& p : prvky(text))
        if (!p.prazdny)
            stran = std::max(stran, strana(std::max(p.dole - 0.5, p.hore + 0.5), vyskaTela) + 1);
    return std::min(stran, std::max(text.pageCount(), 1));
}

}  // namespace

QByteArray pdf(const RtfDokument& dokument)
{
    QImage rozlozenie(1, 1, QImage::Format_RGB32);
    const int naMeter = int(DpiRozlozenia / 0.0254 + 0.5);
    rozlozenie.setDotsPerMeterX(naMeter);
    rozlozenie.setDotsPerMeterY(naMeter);

    const RtfStrana& s = dokument.strana;
    const double sirkaStrany = px(std::max(s.sirka, 1440));
    const double vyskaStrany = px(std::max(s.vyska, 1440));
    const double vlavo = px(std::clamp(s.vlavo, 0, s.sirka / 3));
    const double vpravo = px(std::clamp(s.vpravo, 0, s.sirka / 3));
    const double sirkaTextu = std::max(sirkaStrany - vlavo - vpravo, 72.0);

    Cast hlavicka = rozloz(dokument, dokument.hlavicka, sirkaTextu, &rozlozenie);
    Cast pata = rozloz(dokument, dokument.pata, sirkaTextu, &rozlozenie);
    Cast telo = rozloz(dokument, dokument.telo, sirkaTextu, &rozlozenie);
    if (!telo.text)
        telo = rozloz(dokument, {RtfBlok::zOdseku({})}, sirkaTextu, &rozlozenie);

    // A header or footer taller than its margin pushes the body, as in a word processor.
    const double hore = std::max(px(std::clamp(s.hore, 0, s.vyska / 3)), px(OdstupHlavickyTwip) + hlavicka.vyska);
    const double dole = std::max(px(std::clamp(s.dole, 0, s.vyska / 3)), px(OdstupHlavickyTwip) + pata.vyska);
    const double vyskaTela = std::max(vyskaStrany - hore - dole, 72.0);
    telo.text->setPageSize(QSizeF(sirkaTextu, vyskaTela));
    drzSkupiny(*telo.text, vyskaTela);
    const int stran = stranSTextom(*telo.text, vyskaTela);

    QByteArray vysledok;
    QBuffer buffer(&vysledok);
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter pisar(&buffer);
        pisar.setResolution(DpiPdf);
        pisar.setPageSize(QPageSize(QSizeF(s.sirka / 20.0, s.vyska / 20.0), QPageSize::Point));
        pisar.setPageMargins(QMarginsF(0, 0, 0, 0));
        pisar.setCreator(QStringLiteral("Znalecký kevrot"));
        QPainter p;
        if (!p.begin(&pisar))
            return {};
        p.scale(double(DpiPdf) / DpiRozlozenia, double(DpiPdf) / DpiRozlozenia);
        for (int i = 0; i < stran; ++i) {
            if (i > 0)
                pisar.newPage();
            p.save();
            p.translate(vlavo, hore - i * vyskaTela);
            telo.text->drawContents(&p, QRectF(0, i * vyskaTela, sirkaTextu, vyskaTela));
            p.restore();
            if (hlavicka.text) {
                p.save();
                p.translate(vlavo, px(OdstupHlavickyTwip));
                hlavicka.text->drawContents(&p);
                p.restore();
            }
            if (pata.text) {
                p.save();
                p.translate(vlavo, vyskaStrany - px(OdstupHlavickyTwip) - pata.vyska);
                pata.text->drawContents(&p);
                p.restore();
            }
        }
        p.end();
    }
    return vysledok;
}

Vysledok uloz(const RtfDokument& dokument, const QString& cesta)
{
    const QByteArray obsah = pdf(dokument);
    const Vysledok v = obsah.isEmpty() ? Vysledok::chyba({}) : Subory::ulozAtomicky(cesta, obsah);
    return v ? v : Vysledok::chyba(Subory::textChybaZapisu(cesta, v.dovod()));
}

bool ulozRtfAkoPdf(const QString& rtfCesta, const QString& pdfCesta)
{
    const auto data = Subory::citaj(rtfCesta);
    if (!data) {
        spravy().chyba(QStringLiteral("Problém s otvorením súboru: ") + rtfCesta);
        return false;
    }
    return ohlas(uloz(RtfCitac::citaj(*data).dokument, pdfCesta));
}

}  // namespace RtfPdf
