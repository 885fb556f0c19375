#include "Komponenty.h"

#include <QBuffer>
#include <QDateTime>
#include <QImageReader>
#include <QLocale>
#include <QSet>
#include <QtEndian>

#include "DfmStrom.h"
#include "TAlZostava.h"

namespace {

[[noreturn]] void zlaHodnota(const QString& ocakavane)
{
    throw ChybaZostavy(QStringLiteral("očakávala sa hodnota typu %1").arg(ocakavane));
}

int cele(const DfmHodnota& h)
{
    if (!h.jeCele() || h.cele < INT32_MIN || h.cele > INT32_MAX)
        zlaHodnota(QStringLiteral("celé číslo"));
    return int(h.cele);
}

bool logicka(const DfmHodnota& h)
{
    if (!h.jeLogicka())
        zlaHodnota(QStringLiteral("True/False"));
    return h.typ == DfmHodnota::Typ::Pravda;
}

QString textHodnoty(const DfmHodnota& h)
{
    if (h.typ != DfmHodnota::Typ::Retazec)
        zlaHodnota(QStringLiteral("reťazec"));
    return h.text;
}

qint64 farba(const DfmHodnota& h)
{
    if (h.jeCele())
        return h.cele & 0xFFFFFFFFLL;
    if (h.typ == DfmHodnota::Typ::Identifikator)
        if (auto f = Farby::zMena(h.text))
            return *f;
    zlaHodnota(QStringLiteral("farba"));
}

// A component reference: a name, or nil for none.
QString odkaz(const DfmHodnota& h)
{
    if (h.typ == DfmHodnota::Typ::Nil)
        return {};
    if (h.typ != DfmHodnota::Typ::Identifikator)
        zlaHodnota(QStringLiteral("odkaz na komponent"));
    // "Form2.Band3" names a component of another module: only the last part is ours.
    return h.text.section(u'.', -1);
}

template <class E, size_t N>
E vycet(const DfmHodnota& h, const char* const (&mena)[N])
{
    if (h.typ == DfmHodnota::Typ::Identifikator)
        for (size_t i = 0; i < N; ++i)
            if (h.text.compare(QLatin1String(mena[i]), Qt::CaseInsensitive) == 0)
                return E(i);
    throw ChybaZostavy(QStringLiteral("neplatná hodnota %1").arg(h.text));
}

const char* const kBandType[] = {"alr_Title", "alr_PageHeader", "alr_DetailHeader", "alr_Detail",
                                 "alr_DetailFooter", "alr_PageFooter", "alr_ReportFooter", "alr_NewPage",
                                 "alr_GroupHeader", "alr_GroupFooter"};
const char* const kSysDataType[] = {"alr_Time", "alr_Date", "alr_DateTime", "alr_PageNum",
                                    "alr_Counter", "alr_Count", "alr_Formname"};
const char* const kPapersize[] = {"alr_A4", "alr_A5", "alr_Legal", "alr_Letter"};
const char* const kClipMode[] = {"cm_Clip", "cm_Expand", "cm_Overwrite"};
const char* const kRuler[] = {"alr_none", "alr_cmH", "alr_cmHV", "alr_cmV"};
const char* const kOrientacia[] = {"poPortrait", "poLandscape"};
const char* const kZarovnanie[] = {"taLeftJustify", "taRightJustify", "taCenter"};
const char* const kTvar[] = {"stRectangle", "stSquare", "stRoundRect", "stRoundSquare", "stEllipse", "stCircle"};
const char* const kPero[] = {"psSolid", "psDash", "psDot", "psDashDot", "psDashDotDot", "psClear", "psInsideFrame"};
const char* const kStetec[] = {"bsSolid", "bsClear", "bsHorizontal", "bsVertical", "bsFDiagonal",
                               "bsBDiagonal", "bsCross", "bsDiagCross"};

struct Znakova {
    const char* meno;
    int hodnota;
};
const Znakova kCharset[] = {
    {"ANSI_CHARSET", 0}, {"DEFAULT_CHARSET", 1}, {"SYMBOL_CHARSET", 2}, {"MAC_CHARSET", 77},
    {"SHIFTJIS_CHARSET", 128}, {"HANGEUL_CHARSET", 129}, {"JOHAB_CHARSET", 130}, {"GB2312_CHARSET", 134},
    {"CHINESEBIG5_CHARSET", 136}, {"GREEK_CHARSET", 161}, {"TURKISH_CHARSET", 162},
    {"VIETNAMESE_CHARSET", 163}, {"HEBREW_CHARSET", 177}, {"ARABIC_CHARSET", 178},
    {"BALTIC_CHARSET", 186}, {"RUSSIAN_CHARSET", 204}, {"THAI_CHARSET", 222},
    {"EASTEUROPE_CHARSET", 238}, {"OEM_CHARSET", 255},
};

// A property setter table: the lowercase name and what reading its value does.
template <class T>
struct Vlastnost {
    const char16_t* meno;
    void (*nastav)(T&, const DfmHodnota&);
};

// Sets `v` when the table holds it; false otherwise.
template <class T, size_t N>
bool podlaTabulky(T& objekt, const QString& v, const DfmHodnota& h, const Vlastnost<T> (&tabulka)[N])
{
    for (const auto& p : tabulka)
        if (v == QStringView(p.meno)) {
            p.nastav(objekt, h);
            return true;
        }
    return false;
}

// Read and checked, without meaning for print (designer positions and the like).
template <class T>
void lenCele(T&, const DfmHodnota& h) { cele(h); }
template <class T>
void lenLogicka(T&, const DfmHodnota& h) { logicka(h); }

int vyskaPisma(const DfmHodnota& h)
{
    const int vyska = cele(h);
    if (vyska < -1000 || vyska > 1000)
        throw ChybaZostavy(QStringLiteral("neplatná výška písma %1").arg(vyska));
    return vyska;
}

int velkostPisma(const DfmHodnota& h)
{
    const int body = cele(h);
    if (body < -1000 || body > 1000)
        throw ChybaZostavy(QStringLiteral("neplatná veľkosť písma %1").arg(body));
    return -body * 96 / 72;
}

int znakovaSada(const DfmHodnota& h)
{
    if (h.jeCele())
        return cele(h);
    if (h.typ == DfmHodnota::Typ::Identifikator)
        for (const auto& c : kCharset)
            if (h.text.compare(QLatin1String(c.meno), Qt::CaseInsensitive) == 0)
                return c.hodnota;
    throw ChybaZostavy(QStringLiteral("neplatná znaková sada %1").arg(h.text));
}

void stylPisma(TAlFont& f, const DfmHodnota& h)
{
    if (h.typ != DfmHodnota::Typ::Mnozina)
        zlaHodnota(QStringLiteral("množina"));
    f.Bold = f.Italic = f.Underline = f.StrikeOut = false;
    for (const auto& s : h.mnozina) {
        const QString m = s.toLower();
        if (m == u"fsbold") f.Bold = true;
        else if (m == u"fsitalic") f.Italic = true;
        else if (m == u"fsunderline") f.Underline = true;
        else if (m == u"fsstrikeout") f.StrikeOut = true;
        else throw ChybaZostavy(QStringLiteral("neplatný štýl písma %1").arg(s));
    }
}

int rozmer(const DfmHodnota& h)
{
    const int r = cele(h);
    if (r < -100000 || r > 100000)
        throw ChybaZostavy(QStringLiteral("neplatný rozmer %1").arg(r));
    return r;
}

// Designer bookkeeping and plain visual-control properties that have no meaning for print.
bool jeBeznaVlastnost(const QString& v, const DfmHodnota& h)
{
    static const QSet<QString> mena = {
        QStringLiteral("align"), QStringLiteral("anchors"), QStringLiteral("alignwithmargins"), QStringLiteral("bevelinner"), QStringLiteral("bevelouter"),
        QStringLiteral("bevelwidth"), QStringLiteral("bevelkind"), QStringLiteral("borderstyle"), QStringLiteral("borderwidth"), QStringLiteral("taborder"),
        QStringLiteral("tabstop"), QStringLiteral("parentcolor"), QStringLiteral("parentshowhint"), QStringLiteral("showhint"), QStringLiteral("hint"),
        QStringLiteral("cursor"), QStringLiteral("locked"), QStringLiteral("fullrepaint"), QStringLiteral("usedockmanager"), QStringLiteral("docksite"),
        QStringLiteral("dragkind"), QStringLiteral("dragmode"), QStringLiteral("dragcursor"), QStringLiteral("designsize"), QStringLiteral("popupmenu"),
        QStringLiteral("parentbackground"), QStringLiteral("parentctl3d"), QStringLiteral("ctl3d"), QStringLiteral("bidimode"), QStringLiteral("parentbidimode"),
        QStringLiteral("layout"), QStringLiteral("focuscontrol"), QStringLiteral("showaccelchar"), QStringLiteral("ellipsisposition"),
        QStringLiteral("glowsize"), QStringLiteral("styleelements"), QStringLiteral("helpcontext"), QStringLiteral("helptype"), QStringLiteral("helpkeyword"),
        QStringLiteral("autosize_"), QStringLiteral("visible"), QStringLiteral("caption"), QStringLiteral("alignment"), QStringLiteral("verticalalignment"),
        QStringLiteral("pen.mode"), QStringLiteral("font.pitch"), QStringLiteral("font.quality"), QStringLiteral("font.orientation"),
    };
    if (mena.contains(v))
        return true;
    static const QStringList predpony = {QStringLiteral("explicit"), QStringLiteral("constraints."), QStringLiteral("margins."),
                                         QStringLiteral("padding."), QStringLiteral("touch.")};
    for (const auto& p : predpony)
        if (v.startsWith(p))
            return true;
    // Event handlers.
    return v.startsWith(u"on") && v.size() > 2 && h.typ == DfmHodnota::Typ::Identifikator;
}

}  // namespace

QSize rozmerPapieraMM(tPapersize p)
{
    switch (p) {
    case tPapersize::alr_A4: return {210, 297};
    case tPapersize::alr_A5: return {148, 210};
    case tPapersize::alr_Legal: return {215, 355};
    case tPapersize::alr_Letter: return {215, 279};
    }
    return {210, 297};
}

bool TAlFont::nastav(const QString& v, const DfmHodnota& h)
{
    using F = TAlFont;
    static constexpr Vlastnost<F> tabulka[] = {
        {u"name", [](F& f, const DfmHodnota& h) { f.Name = textHodnoty(h); }},
        {u"height", [](F& f, const DfmHodnota& h) { f.Height = vyskaPisma(h); }},
        {u"size", [](F& f, const DfmHodnota& h) { f.Height = velkostPisma(h); }},
        {u"color", [](F& f, const DfmHodnota& h) { f.Color = farba(h); }},
        {u"charset", [](F& f, const DfmHodnota& h) { f.Charset = znakovaSada(h); }},
        {u"style", stylPisma},
    };
    return podlaTabulky(*this, v, h, tabulka);
}

bool TAlPen::nastav(const QString& v, const DfmHodnota& h)
{
    static constexpr Vlastnost<TAlPen> tabulka[] = {
        {u"color", [](TAlPen& p, const DfmHodnota& h) { p.Color = farba(h); }},
        {u"width", [](TAlPen& p, const DfmHodnota& h) { p.Width = qBound(0, cele(h), 1000); }},
        {u"style", [](TAlPen& p, const DfmHodnota& h) { p.Style = vycet<TPenStyle>(h, kPero); }},
    };
    return podlaTabulky(*this, v, h, tabulka);
}

bool TAlBrush::nastav(const QString& v, const DfmHodnota& h)
{
    static constexpr Vlastnost<TAlBrush> tabulka[] = {
        {u"color", [](TAlBrush& b, const DfmHodnota& h) { b.Color = farba(h); }},
        {u"style", [](TAlBrush& b, const DfmHodnota& h) { b.Style = vycet<TBrushStyle>(h, kStetec); }},
    };
    return podlaTabulky(*this, v, h, tabulka);
}

bool TAlKomponent::nastav(const QString& v, const DfmHodnota& h)
{
    static constexpr Vlastnost<TAlKomponent> tabulka[] = {
        {u"name", [](TAlKomponent& k, const DfmHodnota& h) { k.Name = textHodnoty(h); }},
        {u"tag", lenCele<TAlKomponent>},
    };
    return podlaTabulky(*this, v, h, tabulka);
}

const TAlFont& TAlKomponent::pismoPreDeti() const
{
    if (Parent)
        return Parent->pismoPreDeti();
    return Zostava->Font;
}

// --- TAlReport ------------------------------------------------------------------------

bool TAlReport::nastav(const QString& v, const DfmHodnota& h)
{
    using R = TAlReport;
    static constexpr Vlastnost<R> tabulka[] = {
        {u"orientation", [](R& r, const DfmHodnota& h) { r.Orientation = vycet<TPrinterOrientation>(h, kOrientacia); }},
        {u"papersize", [](R& r, const DfmHodnota& h) { r.Papersize = vycet<tPapersize>(h, kPapersize); }},
        {u"leftmarginmm", [](R& r, const DfmHodnota& h) { r.LeftMarginMM = qBound(0, cele(h), 1000); }},
        {u"rightmarginmm", [](R& r, const DfmHodnota& h) { r.RightMarginMM = qBound(0, cele(h), 1000); }},
        {u"reporttitle", [](R& r, const DfmHodnota& h) { r.ReportTitle = textHodnoty(h); }},
        {u"left", lenCele<R>},  // icon position in the designer
        {u"top", lenCele<R>},
    };
    return podlaTabulky(*this, v, h, tabulka) || TAlKomponent::nastav(v, h);
}

void TAlReport::AddNamedValue(const QString& meno, const QString& hodnota)
{
    TAlField* pole = Zostava ? Zostava->najdiPole(meno) : nullptr;
    if (pole)
        pole->hodnoty.append(hodnota);
    if (OnLog) {
        if (pole)
            OnLog(QStringLiteral("AddNamedValue(") + meno + QStringLiteral(") = ") + hodnota);
        else
            OnLog(QStringLiteral("AlField ") + meno + QStringLiteral(" = not found for value: ") + hodnota);
    }
}

// --- TAlDetailLink -------------------------------------------------------------------

bool TAlDetailLink::nastav(const QString& v, const DfmHodnota& h)
{
    using L = TAlDetailLink;
    static constexpr Vlastnost<L> tabulka[] = {
        {u"groupband", [](L& l, const DfmHodnota& h) { l.menoGroupBand = odkaz(h); }},
        {u"groupheader", [](L& l, const DfmHodnota& h) { l.menoGroupHeader = odkaz(h); }},
        {u"groupfooter", [](L& l, const DfmHodnota& h) { l.menoGroupFooter = odkaz(h); }},
        {u"datasource", [](L& l, const DfmHodnota& h) { l.menoDataSource = odkaz(h); }},
        {u"left", lenCele<L>},
        {u"top", lenCele<L>},
    };
    return podlaTabulky(*this, v, h, tabulka) || TAlKomponent::nastav(v, h);
}

// --- tAlBand ---------------------------------------------------------------------------

void tAlBand::nastavBandType(tAlBandType t)
{
    BandType = t;
    if (t != tAlBandType::alr_Detail) {
        Columns = 1;
        ColWidthMM = 0;
    }
}

void tAlBand::nastavColumns(int n)
{
    if (n >= 1)
        Columns = qMin(n, 100);
}

void tAlBand::nastavColWidthMM(int mm)
{
    if (mm >= 1)
        ColWidthMM = qMin(mm, 10000);
}

void tAlBand::nastavFirstPageHeaderOnly(bool b)
{
    FirstPageHeaderOnly = b;
    if (b)
        NotFirstPageHeader = false;
}

void tAlBand::nastavNotFirstPageHeader(bool b)
{
    NotFirstPageHeader = b;
    if (b)
        FirstPageHeaderOnly = false;
}

bool tAlBand::nastav(const QString& v, const DfmHodnota& h)
{
    using B = tAlBand;
    static constexpr Vlastnost<B> tabulka[] = {
        {u"bandtype", [](B& b, const DfmHodnota& h) { b.nastavBandType(vycet<tAlBandType>(h, kBandType)); }},
        {u"top", [](B& b, const DfmHodnota& h) { b.Top = cele(h); }},
        {u"height", [](B& b, const DfmHodnota& h) {
             b.Height = cele(h);
             if (b.Height < 0 || b.Height > 100000)
                 throw ChybaZostavy(QStringLiteral("neplatná výška pásu %1").arg(b.Height));
         }},
        // Bands span the page between the margins.
        {u"left", lenCele<B>},
        {u"width", lenCele<B>},
        {u"clientheight", lenCele<B>},
        {u"clientwidth", lenCele<B>},
        {u"enabled", [](B& b, const DfmHodnota& h) { b.Enabled = logicka(h); }},
        {u"color", [](B& b, const DfmHodnota& h) { b.Color = farba(h); }},
        {u"altcolor", [](B& b, const DfmHodnota& h) { b.AltColor = logicka(h); }},
        {u"clipmode", [](B& b, const DfmHodnota& h) { b.ClipMode = vycet<tClipMode>(h, kClipMode); }},
        {u"columns", [](B& b, const DfmHodnota& h) { b.nastavColumns(cele(h)); }},
        {u"colwidthmm", [](B& b, const DfmHodnota& h) { b.nastavColWidthMM(cele(h)); }},
        {u"firstpageheaderonly", [](B& b, const DfmHodnota& h) { b.nastavFirstPageHeaderOnly(logicka(h)); }},
        {u"notfirstpageheader", [](B& b, const DfmHodnota& h) { b.nastavNotFirstPageHeader(logicka(h)); }},
        {u"tag", [](B& b, const DfmHodnota& h) { b.Tag = cele(h); }},
        {u"parentfont", [](B& b, const DfmHodnota& h) { b.ParentFont = logicka(h); }},
        {u"ruler", [](B& b, const DfmHodnota& h) { b.Ruler = vycet<tAlRulerType>(h, kRuler); }},
    };
    if (podlaTabulky(*this, v, h, tabulka))
        return true;
    if (v.startsWith(u"font.")) {
        if (!Font.nastav(v.mid(5), h))
            return false;
        ParentFont = false;
        return true;
    }
    return jeBeznaVlastnost(v, h) || TAlKomponent::nastav(v, h);
}

const TAlFont& tAlBand::pismo() const
{
    if (ParentFont)
        return TAlKomponent::pismoPreDeti();
    return Font;
}

// --- controls ---------------------------------------------------------------------------

bool tAlControl::nastav(const QString& v, const DfmHodnota& h)
{
    using C = tAlControl;
    static constexpr Vlastnost<C> tabulka[] = {
        {u"left", [](C& c, const DfmHodnota& h) { c.Left = rozmer(h); }},
        {u"top", [](C& c, const DfmHodnota& h) { c.Top = rozmer(h); }},
        {u"width", [](C& c, const DfmHodnota& h) { c.Width = rozmer(h); }},
        {u"height", [](C& c, const DfmHodnota& h) { c.Height = rozmer(h); }},
        {u"visible", [](C& c, const DfmHodnota& h) { c.visible = logicka(h); }},
        {u"visibleinpreview", [](C& c, const DfmHodnota& h) { c.VisibleInPreview = logicka(h); }},
    };
    if (podlaTabulky(*this, v, h, tabulka))
        return true;
    if (jeBeznaVlastnost(v, h) && v != u"caption" && v != u"alignment")
        return true;
    return TAlKomponent::nastav(v, h);
}

bool TAlLabel::nastav(const QString& v, const DfmHodnota& h)
{
    using L = TAlLabel;
    static constexpr Vlastnost<L> tabulka[] = {
        {u"caption", [](L& l, const DfmHodnota& h) { l.Caption = textHodnoty(h); }},
        {u"alignment", [](L& l, const DfmHodnota& h) { l.Alignment = vycet<TAlignment>(h, kZarovnanie); }},
        {u"autosize", [](L& l, const DfmHodnota& h) { l.AutoSize = logicka(h); }},
        {u"wordwrap", [](L& l, const DfmHodnota& h) { l.WordWrap = logicka(h); }},
        {u"transparent", [](L& l, const DfmHodnota& h) { l.Transparent = logicka(h); }},
        {u"color", [](L& l, const DfmHodnota& h) { l.Color = farba(h); }},
        {u"parentfont", [](L& l, const DfmHodnota& h) { l.ParentFont = logicka(h); }},
        {u"enabled", [](L& l, const DfmHodnota& h) { l.Enabled = logicka(h); }},
    };
    if (podlaTabulky(*this, v, h, tabulka))
        return true;
    if (v.startsWith(u"font.")) {
        if (!Font.nastav(v.mid(5), h))
            return false;
        ParentFont = false;
        return true;
    }
    return tAlControl::nastav(v, h);
}

const TAlFont& TAlLabel::pismo() const
{
    if (ParentFont)
        return pismoPreDeti();
    return Font;
}

QString TAlLabel::text(int) const
{
    return Caption;
}

const TAlField* TAlField::zdrojPodciarknutia() const
{
    if (!Name.endsWith(u'_') || !Zostava)
        return nullptr;
    QString meno = Name;
    while (meno.endsWith(u'_'))
        meno.chop(1);
    if (meno.isEmpty())
        return nullptr;
    return Zostava->najdiPole(meno);
}

QString TAlField::text(int strana) const
{
    if (!hodnoty.isEmpty()) {
        if (index < hodnoty.size())
            return hodnoty.at(index);
        return hodnoty.size() == 1 ? hodnoty.first() : QStringLiteral("~");
    }
    if (const TAlField* zdroj = zdrojPodciarknutia())
        return zdroj->text(strana);
    return QStringLiteral("~");
}

QString TAlField::kluc() const
{
    if (hodnoty.isEmpty()) {
        if (const TAlField* zdroj = zdrojPodciarknutia())
            return zdroj->text(0);
        return Caption;
    }
    return text(0);
}

QString TAlField::dalsiKluc() const
{
    if (hodnoty.isEmpty())
        return kluc();
    if (hodnoty.size() == 1)
        return hodnoty.first();
    if (index + 1 < hodnoty.size())
        return hodnoty.at(index + 1);
    return QStringLiteral("~");
}

bool TAlField::posun()
{
    if (hodnoty.size() < 2)
        return false;
    if (index < hodnoty.size())
        ++index;
    return index < hodnoty.size();
}

void TAlSysField::nastavDataType(tAlSysDataType t)
{
    DataType = t;
    switch (t) {
    case tAlSysDataType::alr_Time: Caption = QStringLiteral("#hh:mm:ss#"); break;
    case tAlSysDataType::alr_Date: Caption = QStringLiteral("#tt.mm.jjjj#"); break;
    case tAlSysDataType::alr_DateTime: Caption = QStringLiteral("#tt.mm.jjjj hh:mm:ss#"); break;
    case tAlSysDataType::alr_PageNum: Caption = QStringLiteral("#Page"); break;
    case tAlSysDataType::alr_Counter: Caption = QStringLiteral("#Counter"); break;
    case tAlSysDataType::alr_Count: Caption = QStringLiteral("#Count"); break;
    case tAlSysDataType::alr_Formname: Caption = QStringLiteral("#Formname#"); break;
    }
}

bool TAlSysField::nastav(const QString& v, const DfmHodnota& h)
{
    static constexpr Vlastnost<TAlSysField> tabulka[] = {
        {u"datatype", [](TAlSysField& f, const DfmHodnota& h) { f.nastavDataType(vycet<tAlSysDataType>(h, kSysDataType)); }},
    };
    return podlaTabulky(*this, v, h, tabulka) || TAlLabel::nastav(v, h);
}

QString TAlSysField::text(int strana) const
{
    const QLocale loc;
    switch (DataType) {
    case tAlSysDataType::alr_Time: return loc.toString(QTime::currentTime(), QLocale::ShortFormat);
    case tAlSysDataType::alr_Date: return loc.toString(QDate::currentDate(), QLocale::ShortFormat);
    case tAlSysDataType::alr_DateTime: return loc.toString(QDateTime::currentDateTime(), QLocale::ShortFormat);
    case tAlSysDataType::alr_PageNum: return QString::number(strana);
    case tAlSysDataType::alr_Counter: return QString::number(pocitadlo + 1);
    case tAlSysDataType::alr_Count: return QStringLiteral("E");
    case tAlSysDataType::alr_Formname: return Caption;
    }
    return Caption;
}

bool TAlShape::nastav(const QString& v, const DfmHodnota& h)
{
    static constexpr Vlastnost<TAlShape> tabulka[] = {
        {u"shape", [](TAlShape& s, const DfmHodnota& h) { s.Shape = vycet<TShapeType>(h, kTvar); }},
    };
    if (podlaTabulky(*this, v, h, tabulka))
        return true;
    if (v.startsWith(u"pen."))
        return Pen.nastav(v.mid(4), h);
    if (v.startsWith(u"brush."))
        return Brush.nastav(v.mid(6), h);
    return tAlControl::nastav(v, h);
}

bool tAlImage::nastav(const QString& v, const DfmHodnota& h)
{
    using I = tAlImage;
    static constexpr Vlastnost<I> tabulka[] = {
        {u"picture.data", [](I& i, const DfmHodnota& h) {
             if (h.typ != DfmHodnota::Typ::Binarne)
                 zlaHodnota(QStringLiteral("binárne údaje"));
             i.Picture = bitmapaZDat(h.binarne);
         }},
        {u"center", [](I& i, const DfmHodnota& h) { i.Center = logicka(h); }},
        {u"stretch", [](I& i, const DfmHodnota& h) { i.Stretch = logicka(h); }},
        {u"autosize", [](I& i, const DfmHodnota& h) { i.Autosize = logicka(h); }},
        {u"transparent", lenLogicka<I>},
        {u"proportional", lenLogicka<I>},
        {u"incrementaldisplay", lenLogicka<I>},
    };
    return podlaTabulky(*this, v, h, tabulka) || tAlControl::nastav(v, h);
}

QImage bitmapaZDat(const QByteArray& data)
{
    if (data.isEmpty())
        return {};
    const int dlzkaMena = quint8(data.at(0));
    if (data.size() < 1 + dlzkaMena)
        throw ChybaZostavy(QStringLiteral("poškodený obrázok"));
    const QByteArray trieda = data.mid(1, dlzkaMena);
    if (trieda.compare("TBitmap", Qt::CaseInsensitive) != 0)
        return {};
    qsizetype pos = 1 + dlzkaMena;
    if (data.size() < pos + 4)
        throw ChybaZostavy(QStringLiteral("poškodený obrázok"));
    const quint32 velkost = qFromLittleEndian<quint32>(data.constData() + pos);
    pos += 4;
    if (velkost == 0)
        return {};
    if (velkost > quint32(data.size() - pos) || velkost < 54)
        throw ChybaZostavy(QStringLiteral("poškodený obrázok"));
    const QByteArray bmp = data.mid(pos, velkost);
    if (!bmp.startsWith("BM"))
        throw ChybaZostavy(QStringLiteral("poškodený obrázok"));
    const qint32 sirka = qFromLittleEndian<qint32>(bmp.constData() + 18);
    const qint32 vyska = qFromLittleEndian<qint32>(bmp.constData() + 22);
    if (sirka <= 0 || sirka > 8000 || vyska == 0 || vyska < -8000 || vyska > 8000)
        throw ChybaZostavy(QStringLiteral("poškodený obrázok"));
    QBuffer buf;
    buf.setData(bmp);
    buf.open(QIODevice::ReadOnly);
    QImageReader citac(&buf, "BMP");
    QImage obraz;
    if (!citac.read(&obraz))
        throw ChybaZostavy(QStringLiteral("poškodený obrázok"));
    return obraz;
}
