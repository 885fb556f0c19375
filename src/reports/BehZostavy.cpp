#include "BehZostavy.h"

#include <QPainter>

#include <algorithm>
#include <cmath>

#include "TAlZostava.h"

namespace {

// A carriage return breaks the line as a line feed does.
QString textNaKreslenie(const TAlLabel* lab, int strana)
{
    QString t = lab->text(strana);
    t.replace(QStringLiteral("\r\n"), QStringLiteral("\n")).replace(u'\r', u'\n');
    return t;
}

}  // namespace

BehZostavy::BehZostavy(TAlReport& report, const TAlPrinter& tlaciaren, tPages& strany)
    : m_report(report), m_tl(tlaciaren), m_strany(strany)
{
}

void BehZostavy::klasifikuj()
{
    QList<tAlBand*> pasy;
    for (const auto& k : m_report.Zostava->komponenty())
        if (const TAlKomponent& komponent = *k; typeid(komponent) == typeid(tAlBand))
            pasy.append(static_cast<tAlBand*>(k.get()));
    std::stable_sort(pasy.begin(), pasy.end(), [](const tAlBand* a, const tAlBand* b) { return a->Top < b->Top; });

    std::optional<tAlBandType> predosly;
    qint64 c = 0;
    int p = 0;
    for (tAlBand* b : pasy) {
        ++p;
        switch (b->BandType) {
        case tAlBandType::alr_Title: nadpisy.append(b); break;
        case tAlBandType::alr_PageHeader: hlavickyStrany.append(b); break;
        case tAlBandType::alr_DetailHeader:
            hlavickyDetailu.append(b);
            b->Tag = p;
            c = p;
            break;
        case tAlBandType::alr_Detail:
            telo.append(b);
            if (predosly == tAlBandType::alr_DetailHeader) {
                b->Tag = c;
            } else {
                b->Tag = p;
                c = p;
            }
            break;
        case tAlBandType::alr_NewPage: telo.append(b); break;
        case tAlBandType::alr_DetailFooter:
            patyDetailu.append(b);
            if (predosly == tAlBandType::alr_Detail)
                b->Tag = c;
            break;
        case tAlBandType::alr_PageFooter: patyStrany.append(b); break;
        case tAlBandType::alr_ReportFooter: patyZostavy.append(b); break;
        case tAlBandType::alr_GroupHeader: case tAlBandType::alr_GroupFooter: break;
        }
        predosly = b->BandType;
    }
}

void BehZostavy::spusti()
{
    klasifikuj();
    int paty = 0;
    for (const tAlBand* b : patyStrany)
        paty += vyska(b);
    m_spodok = m_tl.velkostStrany.height() - 1 - paty;
    m_y = m_spodok + 1;

    for (tAlBand* b : nadpisy)
        if (b->Enabled)
            tlacPas(b);
    for (tAlBand* b : telo) {
        if (!b->Enabled)
            continue;
        if (b->Tag != 0)
            tlacHlavickyDetailu(b->Tag);
        tlacPas(b);
        if (b->Tag != 0)
            tlacPatyDetailu(b->Tag);
    }
    for (tAlBand* b : patyZostavy)
        if (b->Enabled)
            tlacPas(b);
    // A report that printed nothing still has its one page.
    if (m_strany.isEmpty())
        zacniStranu();
    patyAktualnejStrany();
}

void BehZostavy::tlacHlavickyDetailu(qint64 tag)
{
    for (tAlBand* h : hlavickyDetailu)
        if (h->Tag == tag)
            tlacPas(h);
}

void BehZostavy::tlacPatyDetailu(qint64 tag)
{
    for (tAlBand* f : patyDetailu)
        if (f->Tag == tag)
            tlacPas(f);
}

void BehZostavy::zacniStranu()
{
    if (!m_strany.isEmpty())
        patyAktualnejStrany();
    TDrawMetaFile nova;
    nova.velkost = m_tl.velkostStrany;
    m_strany.append(nova);
    m_y = 0;
    const bool prva = m_strany.size() == 1;
    for (tAlBand* h : hlavickyStrany) {
        if (h->FirstPageHeaderOnly && !prva)
            continue;
        if (h->NotFirstPageHeader && prva)
            continue;
        tlacPas(h, false);
    }
}

void BehZostavy::patyAktualnejStrany()
{
    m_y = m_spodok;
    for (tAlBand* f : patyStrany)
        tlacPas(f, false);
}

void BehZostavy::novaStranaPreDetail(tAlBand* pas)
{
    zacniStranu();
    if (pas->BandType != tAlBandType::alr_Detail)
        return;
    for (tAlBand* h : hlavickyDetailu)
        if (h->Tag == pas->Tag)
            tlacPas(h, false);
    if (TAlDetailLink* link = pas->Link) {
        link->poslednyKluc = link->DataSource ? link->DataSource->kluc() : QString();
        if (link->GroupHeader)
            tlacPas(link->GroupHeader, false);
    }
}

void BehZostavy::tlacPas(tAlBand* pas, bool kontrolaStrany)
{
    if (pas->BandType == tAlBandType::alr_NewPage) {
        m_y = m_spodok + 1;
        return;
    }
    const bool detail = pas->BandType == tAlBandType::alr_Detail;
    TAlDetailLink* link = detail ? pas->Link : nullptr;
    const int h = vyska(pas);
    for (;;) {
        if (kontrolaStrany && m_y + h > m_spodok)
            novaStranaPreDetail(pas);
        if (m_strany.isEmpty())
            zacniStranu();
        int vrchRiadku = m_y;
        int spodokRiadku = m_y;
        int k = 1;
        int posun = 0;
        bool dalsi = false;
        bool skupinaSkoncila = false;
        for (;;) {
            if (link && link->DataSource) {
                const QString kluc = link->DataSource->kluc();
                const bool zmena = kluc != link->poslednyKluc;
                link->poslednyKluc = kluc;
                if (zmena) {
                    m_y = std::max(m_y, spodokRiadku);
                    const int hh = link->GroupHeader ? vyska(link->GroupHeader) : 0;
                    if (kontrolaStrany && m_y + hh + h > m_spodok)
                        novaStranaPreDetail(pas);
                    else if (link->GroupHeader)
                        tlacPas(link->GroupHeader, false);
                    k = 1;
                    posun = 0;
                    vrchRiadku = spodokRiadku = m_y;
                }
            }
            umiestni(pas, posun);
            spodokRiadku = std::max(spodokRiadku, m_y);
            if (link && link->DataSource && link->DataSource->dalsiKluc() != link->poslednyKluc) {
                m_y = spodokRiadku;
                if (link->GroupFooter)
                    tlacPas(link->GroupFooter, kontrolaStrany);
                skupinaSkoncila = true;
            }
            if (detail) {
                dalsi = false;
                for (tAlControl* o : pas->Ovladace) {
                    if (auto* f = dynamic_cast<TAlField*>(o))
                        dalsi = f->posun() || dalsi;
                    else if (auto* s = dynamic_cast<TAlSysField*>(o))
                        ++s->pocitadlo;
                }
                if (!dalsi)
                    return;
            }
            if (skupinaSkoncila)
                break;
            if (k < pas->Columns) {
                posun = pas->ColWidthMM * k;
                m_y = vrchRiadku;
                ++k;
                continue;
            }
            m_y = std::max(m_y, spodokRiadku);
            break;
        }
        if (!(detail && dalsi))
            return;
    }
}

void BehZostavy::umiestni(tAlBand* pas, int posunMM)
{
    const int lavy = m_tl.zMM(m_report.LeftMarginMM) + m_tl.zMM(posunMM);
    const int pravy = m_tl.velkostStrany.width() - m_tl.zMM(m_report.RightMarginMM);
    QRect r(QPoint(lavy, m_y), QPoint(pravy - 1, m_y + vyska(pas) - 1));
    if (pas->AltColor) {
        if (pas->prepinacFarby) {
            KresliacaOperacia op;
            op.druh = KresliacaOperacia::Druh::Vypln;
            op.obdlznik = r;
            op.farba = Farby::naQColor(pas->Color);
            op.meno = pas->Name;
            strana().operacie.append(op);
        }
        pas->prepinacFarby = !pas->prepinacFarby;
    }
    for (tAlControl* o : pas->Ovladace) {
        QRect ro = obdlznikOvladaca(o, r);
        switch (pas->ClipMode) {
        case tClipMode::cm_Clip: {
            // A line has no area: it is tested as one unit thick and stays a line.
            const QRect tlsty(ro.topLeft(), QSize(std::max(1, ro.width()), std::max(1, ro.height())));
            if (!tlsty.intersects(r))
                continue;
            QRect spolocny = tlsty.intersected(r);
            if (ro.width() < 1)
                spolocny.setWidth(ro.width());
            if (ro.height() < 1)
                spolocny.setHeight(ro.height());
            ro = spolocny;
            break;
        }
        case tClipMode::cm_Expand:
            r = r.united(ro);
            break;
        case tClipMode::cm_Overwrite:
            break;
        }
        kresliOvladac(o, ro);
    }
    m_y = r.bottom() + 1;
}

QRect BehZostavy::obdlznikOvladaca(tAlControl* o, const QRect& pas)
{
    const int l = m_tl.zDizajnu(o->Left) + pas.left();
    const int t = m_tl.zDizajnu(o->Top) + pas.top();
    const int r = m_tl.zDizajnu(o->Left + o->Width) + pas.left();
    const int b = m_tl.zDizajnu(o->Top + o->Height) + pas.top();
    QRect ro(l, t, r - l, b - t);
    if (auto* lab = dynamic_cast<TAlLabel*>(o); lab && lab->AutoSize) {
        const QSizeF s = odmeraj(lab->pismo(), textNaKreslenie(lab, int(m_strany.size())), lab->Alignment, lab->WordWrap, ro.width());
        const int w = int(std::ceil(s.width()));
        const int h = int(std::ceil(s.height()));
        if (lab->Alignment == TAlignment::taRightJustify)
            ro = QRect(ro.left() + ro.width() - w, ro.top(), w, h);
        else
            ro = QRect(ro.left(), ro.top(), w, h);
    }
    return ro;
}

QSizeF BehZostavy::odmeraj(const TAlFont& pismo, const QString& text, TAlignment zarovnanie, bool zalamovanie, int sirka)
{
    if (!m_meranePismo || !(*m_meranePismo == pismo)) {
        m_meranePismo = pismo;
        m_metriky.emplace(pismoQt(pismo));
    }
    const QString t = text.isEmpty() ? QStringLiteral(" ") : text;
    const QRectF ram(0, 0, zalamovanie ? std::max(1, sirka) : 1000000, 1000000);
    return m_metriky->boundingRect(ram, priznakyTextu(zarovnanie, zalamovanie), t).size();
}

void BehZostavy::kresliOvladac(tAlControl* o, const QRect& r)
{
    if (!o->visible && !o->VisibleInPreview)
        return;
    KresliacaOperacia op;
    op.meno = o->Name;
    op.obdlznik = r;
    if (auto* lab = dynamic_cast<TAlLabel*>(o)) {
        if (!lab->Transparent) {
            op.druh = KresliacaOperacia::Druh::Vypln;
            op.farba = Farby::naQColor(lab->Color);
            strana().operacie.append(op);
        }
        op.druh = KresliacaOperacia::Druh::Text;
        op.text = textNaKreslenie(lab, int(m_strany.size()));
        if (op.text.isEmpty())
            return;
        op.pismo = lab->pismo();
        op.farba = Farby::naQColor(op.pismo.Color);
        op.zarovnanie = lab->Alignment;
        op.zalamovanie = lab->WordWrap;
        strana().operacie.append(op);
        return;
    }
    if (auto* sh = dynamic_cast<TAlShape*>(o)) {
        op.farbaPera = Farby::naQColor(sh->Pen.Color);
        op.sirkaPera = std::max(1, sh->Pen.Width);
        op.stylPera = sh->Pen.Style;
        op.farbaStetca = Farby::naQColor(sh->Brush.Color);
        op.stylStetca = sh->Brush.Style;
        const int strana_ = std::min(r.width(), r.height());
        const QRect stvorec(r.left() + (r.width() - strana_) / 2, r.top() + (r.height() - strana_) / 2, strana_, strana_);
        using D = KresliacaOperacia::Druh;
        switch (sh->Shape) {
        case TShapeType::stRectangle:
            if (r.width() <= 1 || r.height() <= 1) {
                op.druh = D::Ciara;
                op.od = r.topLeft();
                op.po = r.width() > 1 ? QPoint(r.left() + r.width(), r.top()) : QPoint(r.left(), r.top() + r.height());
            } else {
                op.druh = D::Obdlznik;
            }
            break;
        case TShapeType::stSquare: op.druh = D::Obdlznik; op.obdlznik = stvorec; break;
        case TShapeType::stRoundRect: op.druh = D::ZaoblenyObdlznik; op.polomer = std::min(r.width(), r.height()) / 4; break;
        case TShapeType::stRoundSquare: op.druh = D::ZaoblenyObdlznik; op.obdlznik = stvorec; op.polomer = strana_ / 4; break;
        case TShapeType::stEllipse: op.druh = D::Elipsa; break;
        case TShapeType::stCircle: op.druh = D::Elipsa; op.obdlznik = stvorec; break;
        }
        strana().operacie.append(op);
        return;
    }
    if (auto* im = dynamic_cast<tAlImage*>(o)) {
        if (im->Picture.isNull()) {
            op.druh = KresliacaOperacia::Druh::Obrys;
        } else if (im->Stretch) {
            op.druh = KresliacaOperacia::Druh::Obrazok;
            op.obrazok = im->Picture;
        } else {
            QImage platno(std::clamp(im->Width, 1, 4000), std::clamp(im->Height, 1, 4000), QImage::Format_ARGB32_Premultiplied);
            platno.fill(Qt::transparent);
            QPainter p(&platno);
            QPoint kde(0, 0);
            if (im->Center)
                kde = QPoint((platno.width() - im->Picture.width()) / 2, (platno.height() - im->Picture.height()) / 2);
            p.drawImage(kde, im->Picture);
            p.end();
            op.druh = KresliacaOperacia::Druh::Obrazok;
            op.obrazok = platno;
        }
        strana().operacie.append(op);
    }
}

void TAlReport::PreparePages(tPages& strany)
{
    TAlPrinter tlaciaren;
    tlaciaren.prepocitaj(Orientation, Papersize);
    strany.clear();
    if (!Zostava)
        return;
    for (const auto& k : Zostava->komponenty()) {
        if (auto* f = dynamic_cast<TAlField*>(k.get()))
            f->index = 0;
        if (auto* s = dynamic_cast<TAlSysField*>(k.get()))
            s->pocitadlo = 0;
        if (auto* b = dynamic_cast<tAlBand*>(k.get()))
            b->prepinacFarby = false;
        if (auto* l = dynamic_cast<TAlDetailLink*>(k.get()))
            l->poslednyKluc.clear();
    }
    BehZostavy beh(*this, tlaciaren, strany);
    beh.spusti();
}
