#include "RtfQt.h"

#include "RtfCitac.h"
#include "RtfZapisovac.h"
#include "store/Subory.h"

#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextFrame>
#include <QTextList>
#include <QTextTable>

#include <QHash>
#include <QImage>
#include <QRegularExpression>
#include <QUrl>

#include <cmath>
#include <optional>

namespace RtfQt {
namespace {

constexpr int VlastnostSurove = QTextFormat::UserProperty + 1;
constexpr int VlastnostTienovanie = QTextFormat::UserProperty + 2;
constexpr const char* VlastnostStrana = "kevrotStranaRtf";
constexpr QChar ZnakObjektu = QChar(0xFFFC);

double naPixely(int twip) { return twip * PixelovNaTwip; }
int naTwipy(double px) { return int(std::lround(px / PixelovNaTwip)); }

Qt::Alignment naQt(Zarovnanie z)
{
    switch (z) {
    case Zarovnanie::Stred: return Qt::AlignHCenter;
    case Zarovnanie::Vpravo: return Qt::AlignRight;
    case Zarovnanie::Dorovnat: return Qt::AlignJustify;
    default: return Qt::AlignLeft;
    }
}

Zarovnanie zQt(Qt::Alignment a)
{
    if (a & Qt::AlignHCenter) return Zarovnanie::Stred;
    if (a & Qt::AlignRight) return Zarovnanie::Vpravo;
    if (a & Qt::AlignJustify) return Zarovnanie::Dorovnat;
    return Zarovnanie::Vlavo;
}

QTextCharFormat formatZnakov(const RtfFormat& f, const RtfDokument& d)
{
    QTextCharFormat q;
    q.setFontFamilies(QStringList{f.pismo.isEmpty() ? d.predvolenePismo : f.pismo});
    q.setFontPointSize(f.velkost > 0 ? f.velkost : d.predvolenaVelkost);
    q.setFontWeight(f.tucne ? QFont::Bold : QFont::Normal);
    q.setFontItalic(f.kurziva);
    q.setFontUnderline(f.podciarknute);
    if (f.farba.isValid())
        q.setForeground(f.farba);
    return q;
}

RtfFormat formatZQt(const QTextCharFormat& q)
{
    RtfFormat f;
    if (q.hasProperty(QTextFormat::FontFamilies)) {
        const QStringList rodiny = q.fontFamilies().toStringList();
        if (!rodiny.isEmpty())
            f.pismo = rodiny.first();
    }
    if (q.hasProperty(QTextFormat::FontPointSize))
        f.velkost = q.fontPointSize();
    f.tucne = q.hasProperty(QTextFormat::FontWeight) && q.fontWeight() >= QFont::DemiBold;
    f.kurziva = q.fontItalic();
    f.podciarknute = q.fontUnderline();
    if (q.hasProperty(QTextFormat::ForegroundBrush) && q.foreground().style() != Qt::NoBrush)
        f.farba = q.foreground().color();
    return f;
}

QTextBlockFormat formatOdseku(const RtfOdsek& o)
{
    QTextBlockFormat b;
    b.setAlignment(naQt(o.zarovnanie));
    b.setLeftMargin(naPixely(o.odsadenieVlavo));
    b.setRightMargin(naPixely(o.odsadenieVpravo));
    b.setTextIndent(naPixely(o.odsadeniePrvehoRiadku));
    b.setTopMargin(naPixely(o.medzeraPred));
    b.setBottomMargin(naPixely(o.medzeraZa));
    if (o.drzSoNasledujucim)
        b.setProperty(VlastnostDrziSoNasledujucim, true);
    return b;
}

// A PNG or JPEG picture of a "{\\pict ...}" group, as an image of the document; the
// group is kept with it. Nothing for other groups.
std::optional<QTextImageFormat> obrazokSkupiny(const QString& skupina, QTextDocument& q)
{
    if (!skupina.startsWith(QLatin1String("{\\pict")) || skupina.indexOf(QLatin1Char('{'), 1) >= 0
        || !(skupina.contains(QLatin1String("\\pngblip")) || skupina.contains(QLatin1String("\\jpegblip"))))
        return std::nullopt;
    static const QRegularExpression slovo(QStringLiteral("\\\\([a-z]+)(-?\\d+)? ?"));
    QString hex;
    QHash<QString, int> hodnoty;
    qsizetype i = 1;
    for (auto it = slovo.globalMatch(skupina); it.hasNext();) {
        const auto m = it.next();
        hex += skupina.mid(i, m.capturedStart() - i);
        hodnoty.insert(m.captured(1), m.captured(2).toInt());
        i = m.capturedEnd();
    }
    hex += skupina.mid(i);
    hex.remove(QRegularExpression(QStringLiteral("[^0-9A-Fa-f]")));
    QImage obraz;
    if (!obraz.loadFromData(QByteArray::fromHex(hex.toLatin1())))
        return std::nullopt;
    const QString meno = QStringLiteral("kevrot-obrazok-%1").arg(qHash(hex));
    q.addResource(QTextDocument::ImageResource, QUrl(meno), obraz);
    QTextImageFormat f;
    f.setName(meno);
    const int sirka = hodnoty.value(QStringLiteral("picwgoal"));
    const int vyska = hodnoty.value(QStringLiteral("pichgoal"));
    f.setWidth(sirka > 0 ? naPixely(sirka) : obraz.width());
    f.setHeight(vyska > 0 ? naPixely(vyska) : obraz.height());
    return f;
}

class DoQt {
public:
    DoQt(const RtfDokument& d, QTextDocument& q, bool naTlac = false) : m_d(d), m_q(q), m_naTlac(naTlac) {}

    void bloky(QTextCursor& c, const QList<RtfBlok>& bloky)
    {
        bool prvy = true;  // the cursor's block is still empty and unused
        for (const auto& b : bloky) {
            if (b.jeTabulka) {
                tabulka(c, b.tabulka);
                c = m_q.rootFrame()->lastCursorPosition();
                // Qt lays the block that closes a table over its last row: printed, the
                // paragraph that follows gets a block of its own.
                prvy = !m_naTlac;
                m_zoznam = nullptr;
                continue;
            }
            odsek(c, b.odsek, prvy);
            prvy = false;
        }
    }

private:
    const RtfDokument& m_d;
    QTextDocument& m_q;
    QTextList* m_zoznam = nullptr;
    bool m_naTlac = false;

    std::optional<QTextImageFormat> obrazok(const QString& skupina) { return obrazokSkupiny(skupina, m_q); }

    void odsek(QTextCursor& c, const RtfOdsek& o, bool prvy, bool vBunke = false)
    {
        QTextBlockFormat bf = formatOdseku(o);
        if (o.odrazka) {
            // The list carries the indent of a bullet.
            bf.setLeftMargin(0);
            bf.setTextIndent(0);
        }
        if (prvy) {
            c.setBlockFormat(bf);
            c.setBlockCharFormat(formatZnakov(o.znacka, m_d));
        } else {
            c.insertBlock(bf, formatZnakov(o.znacka, m_d));
        }
        if (o.odrazka && !vBunke) {
            if (m_zoznam) {
                m_zoznam->add(c.block());
            } else {
                QTextListFormat lf;
                lf.setStyle(QTextListFormat::ListDisc);
                m_zoznam = c.createList(lf);
            }
        } else if (!vBunke) {
            m_zoznam = nullptr;
        }
        for (const auto& b : o.behy) {
            QTextCharFormat f = formatZnakov(b.format, m_d);
            switch (b.druh) {
            case RtfBeh::Druh::Text: c.insertText(b.text, f); break;
            case RtfBeh::Druh::Surove:
                if (auto obr = obrazok(b.text)) {
                    obr->setProperty(VlastnostSurove, b.text);
                    c.insertImage(*obr);
                    break;
                }
                f.setProperty(VlastnostSurove, b.text);
                c.insertText(QString(ZnakObjektu), f);
                break;
            default: break;
            }
        }
    }

    void tabulka(QTextCursor& c, const RtfTabulka& t)
    {
        int stlpcov = 0;
        for (const auto& r : t.riadky)
            stlpcov = std::max(stlpcov, int(r.bunky.size()));
        if (stlpcov == 0 || t.riadky.isEmpty())
            return;
        QTextTableFormat tf;
        tf.setCellPadding(2);
        tf.setCellSpacing(0);
        tf.setBorder(0);
        tf.setBorderCollapse(!m_naTlac);
        QList<QTextLength> sirky;
        const auto& prvy = t.riadky.first().bunky;
        int predosly = 0;
        for (int i = 0; i < stlpcov; ++i) {
            const int okraj = i < prvy.size() ? prvy[i].pravyOkraj : predosly + 1440;
            sirky << QTextLength(QTextLength::FixedLength, naPixely(std::max(okraj - predosly, 15)));
            predosly = okraj;
        }
        tf.setColumnWidthConstraints(sirky);
        // Kept with what follows when its last row is.
        for (const RtfBunka& b : t.riadky.last().bunky)
            if (!b.odseky.isEmpty() && b.odseky.last().drzSoNasledujucim)
                tf.setProperty(VlastnostDrziSoNasledujucim, true);
        QTextTable* tab = c.insertTable(int(t.riadky.size()), stlpcov, tf);
        for (int r = 0; r < t.riadky.size(); ++r) {
            for (int s = 0; s < t.riadky[r].bunky.size(); ++s) {
                const RtfBunka& b = t.riadky[r].bunky[s];
                QTextTableCell bunka = tab->cellAt(r, s);
                QTextTableCellFormat cf = bunka.format().toTableCellFormat();
                auto okraj = [](bool je) { return je ? 1.0 : 0.0; };
                RtfOkraje o = b.okraje;
                if (m_naTlac) {
                    // The neighbour to the left or above already draws the shared line.
                    const auto& riadok = t.riadky[r].bunky;
                    o.lavy = o.lavy && !(s > 0 && riadok[s - 1].okraje.pravy);
                    o.horny = o.horny && !(r > 0 && s < t.riadky[r - 1].bunky.size()
                                           && t.riadky[r - 1].bunky[s].okraje.dolny);
                }
                cf.setTopBorder(okraj(o.horny));
                cf.setBottomBorder(okraj(o.dolny));
                cf.setLeftBorder(okraj(o.lavy));
                cf.setRightBorder(okraj(o.pravy));
                cf.setTopBorderStyle(QTextFrameFormat::BorderStyle_Solid);
                cf.setBottomBorderStyle(QTextFrameFormat::BorderStyle_Solid);
                cf.setLeftBorderStyle(QTextFrameFormat::BorderStyle_Solid);
                cf.setRightBorderStyle(QTextFrameFormat::BorderStyle_Solid);
                if (b.pozadie.isValid()) {
                    cf.setBackground(b.pozadie);
                } else if (b.tienovanie > 0) {
                    const int sed = 255 - b.tienovanie * 255 / 10000;
                    cf.setBackground(QColor(sed, sed, sed));
                }
                if (b.tienovanie > 0)
                    cf.setProperty(VlastnostTienovanie, b.tienovanie);
                QTextCursor cc = bunka.firstCursorPosition();
                for (int i = 0; i < b.odseky.size(); ++i)
                    odsek(cc, b.odseky[i], i == 0, true);
                // After the content: the first paragraph's format would replace the cell's.
                tab->cellAt(r, s).setFormat(cf);
            }
        }
    }
};

class ZQt {
public:
    explicit ZQt(const QTextDocument& q) : m_q(q) {}

    RtfOdsek odsek(const QTextBlock& blok)
    {
        RtfOdsek o;
        const QTextBlockFormat bf = blok.blockFormat();
        o.zarovnanie = zQt(bf.alignment());
        o.odsadenieVlavo = naTwipy(bf.leftMargin());
        o.odsadenieVpravo = naTwipy(bf.rightMargin());
        o.odsadeniePrvehoRiadku = naTwipy(bf.textIndent());
        o.medzeraPred = naTwipy(bf.topMargin());
        o.medzeraZa = naTwipy(bf.bottomMargin());
        o.drzSoNasledujucim = bf.boolProperty(VlastnostDrziSoNasledujucim);
        o.odrazka = blok.textList() != nullptr;
        o.znacka = formatZQt(blok.charFormat());
        for (auto it = blok.begin(); !it.atEnd(); ++it) {
            const QTextFragment fr = it.fragment();
            if (!fr.isValid())
                continue;
            const QTextCharFormat f = fr.charFormat();
            const RtfFormat rf = formatZQt(f);
            const QString text = fr.text();
            if (f.hasProperty(VlastnostSurove)) {
                RtfBeh b;
                b.druh = RtfBeh::Druh::Surove;
                b.text = f.property(VlastnostSurove).toString();
                b.format = rf;
                for (qsizetype i = 0; i < text.size(); ++i)
                    o.behy << b;
                continue;
            }
            QString cisty = text;
            cisty.remove(ZnakObjektu);
            if (cisty.isEmpty())
                continue;
            if (!o.behy.isEmpty() && o.behy.last().jeText() && o.behy.last().format == rf) {
                o.behy.last().text += cisty;
                continue;
            }
            RtfBeh b;
            b.text = cisty;
            b.format = rf;
            o.behy << b;
        }
        return o;
    }

    RtfTabulka tabulka(QTextTable* t)
    {
        RtfTabulka tab;
        const auto sirky = t->format().columnWidthConstraints();
        const int stlpcov = t->columns();
        QList<int> okraje;
        int spolu = 0;
        for (int s = 0; s < stlpcov; ++s) {
            const double px = s < sirky.size() && sirky[s].type() == QTextLength::FixedLength ? sirky[s].rawValue() : 0;
            spolu += px > 0 ? naTwipy(px) : 9638 / std::max(stlpcov, 1);
            okraje << spolu;
        }
        for (int r = 0; r < t->rows(); ++r) {
            RtfRiadok riadok;
            for (int s = 0; s < stlpcov; ++s) {
                const QTextTableCell bunka = t->cellAt(r, s);
                RtfBunka b;
                b.pravyOkraj = okraje[s];
                const QTextTableCellFormat cf = bunka.format().toTableCellFormat();
                b.okraje.horny = cf.topBorder() > 0;
                b.okraje.dolny = cf.bottomBorder() > 0;
                b.okraje.lavy = cf.leftBorder() > 0;
                b.okraje.pravy = cf.rightBorder() > 0;
                b.tienovanie = cf.intProperty(VlastnostTienovanie);
                if (b.tienovanie == 0 && cf.hasProperty(QTextFormat::BackgroundBrush)
                    && cf.background().style() != Qt::NoBrush)
                    b.pozadie = cf.background().color();
                for (auto it = bunka.begin(); !it.atEnd(); ++it)
                    if (!it.currentFrame())
                        b.odseky << odsek(it.currentBlock());
                riadok.bunky << b;
            }
            tab.riadky << riadok;
        }
        return tab;
    }

private:
    const QTextDocument& m_q;
};

void doQt(const RtfDokument& dokument, QTextDocument& ciel, bool naTlac)
{
    ciel.clear();
    QFont f(dokument.predvolenePismo);
    f.setPointSizeF(dokument.predvolenaVelkost);
    ciel.setDefaultFont(f);
    QTextCursor c(&ciel);
    c.beginEditBlock();
    DoQt(dokument, ciel, naTlac).bloky(c, dokument.telo);
    c.endEditBlock();
    // What the control does not show travels with the document.
    RtfDokument strana;
    strana.strana = dokument.strana;
    strana.hlavicka = dokument.hlavicka;
    strana.pata = dokument.pata;
    strana.predvolenePismo = dokument.predvolenePismo;
    strana.predvolenaVelkost = dokument.predvolenaVelkost;
    ciel.setProperty(VlastnostStrana, RtfZapisovac::zapis(strana));
    ciel.setModified(false);
}

}  // namespace

void doQTextDocument(const RtfDokument& dokument, QTextDocument& ciel) { doQt(dokument, ciel, false); }

void doQTextDocumentNaTlac(const RtfDokument& dokument, QTextDocument& ciel) { doQt(dokument, ciel, true); }

RtfDokument zQTextDocument(const QTextDocument& zdroj)
{
    RtfDokument d;
    const QByteArray strana = zdroj.property(VlastnostStrana).toByteArray();
    if (!strana.isEmpty()) {
        const RtfDokument s = RtfCitac::citaj(strana).dokument;
        d.strana = s.strana;
        d.hlavicka = s.hlavicka;
        d.pata = s.pata;
    }
    d.predvolenePismo = zdroj.defaultFont().family();
    if (zdroj.defaultFont().pointSizeF() > 0)
        d.predvolenaVelkost = zdroj.defaultFont().pointSizeF();
    ZQt z(zdroj);
    for (auto it = zdroj.rootFrame()->begin(); !it.atEnd(); ++it) {
        if (auto* t = qobject_cast<QTextTable*>(it.currentFrame()))
            d.telo << RtfBlok::zTabulky(z.tabulka(t));
        else if (!it.currentFrame())
            d.telo << RtfBlok::zOdseku(z.odsek(it.currentBlock()));
    }
    return d;
}

bool nacitajRtf(const QByteArray& rtf, QTextDocument& ciel)
{
    const auto v = RtfCitac::citaj(rtf);
    doQTextDocument(v.dokument, ciel);
    return v.jeRtf || !v.dokument.telo.isEmpty() || rtf.isEmpty();
}

QByteArray rtf(const QTextDocument& zdroj) { return RtfZapisovac::zapis(zQTextDocument(zdroj)); }

bool nacitajSubor(const QString& cesta, QTextDocument& ciel)
{
    const auto data = Subory::citaj(cesta);
    if (!data)
        return false;
    return nacitajRtf(*data, ciel);
}

Vysledok ulozSubor(const QString& cesta, const QTextDocument& zdroj)
{
    const Vysledok v = Subory::ulozAtomicky(cesta, rtf(zdroj));
    return v ? v : Vysledok::chyba(Subory::textChybaZapisu(cesta, v.dovod()));
}

}  // namespace RtfQt
