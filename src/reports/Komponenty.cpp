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
    if (v == u"name") {
        Name = textHodnoty(h);
    } else if (v == u"height") {
        Height = cele(h);
        if (Height < -1000 || Height > 1000)
            throw ChybaZostavy(QStringLiteral("neplatná výška písma %1").arg(Height));
    } else if (v == u"size") {
        const int body = cele(h);
        if (body < -1000 || body > 1000)
            throw ChybaZostavy(QStringLiteral("neplatná veľkosť písma %1").arg(body));
        Height = -body * 96 / 72;
    } else if (v == u"color") {
        Color = farba(h);
    } else if (v == u"charset") {
        if (h.jeCele()) {
            Charset = cele(h);
        } else {
            bool najdene = false;
            for (const auto& c : kCharset)
                if (h.typ == DfmHodnota::Typ::Identifikator && h.text.compare(QLatin1String(c.meno), Qt::CaseInsensitive) == 0) {
                    Charset = c.hodnota;
                    najdene = true;
                }
            if (!najdene)
                throw ChybaZostavy(QStringLiteral("neplatná znaková sada %1").arg(h.text));
        }
    } else if (v == u"style") {
        if (h.typ != DfmHodnota::Typ::Mnozina)
            zlaHodnota(QStringLiteral("množina"));
        Bold = Italic = Underline = StrikeOut = false;
        for (const auto& s : h.mnozina) {
            const QString m = s.toLower();
            if (m == u"fsbold") Bold = true;
            else if (m == u"fsitalic") Italic = true;
            else if (m == u"fsunderline") Underline = true;
            else if (m == u"fsstrikeout") StrikeOut = true;
            else throw ChybaZostavy(QStringLiteral("neplatný štýl písma %1").arg(s));
        }
    } else {
        return false;
    }
    return true;
}

bool TAlPen::nastav(const QString& v, const DfmHodnota& h)
{
    if (v == u"color")
        Color = farba(h);
    else if (v == u"width")
        Width = qBound(0, cele(h), 1000);
    else if (v == u"style")
        Style = vycet<TPenStyle>(h, kPero);
    else
        return false;
    return true;
}

bool TAlBrush::nastav(const QString& v, const DfmHodnota& h)
{
    if (v == u"color")
        Color = farba(h);
    else if (v == u"style")
        Style = vycet<TBrushStyle>(h, kStetec);
    else
        return false;
    return true;
}

bool TAlKomponent::nastav(const QString& v, const DfmHodnota& h)
{
    if (v == u"name") {
        Name = textHodnoty(h);
        return true;
    }
    if (v == u"tag") {
        cele(h);
        return true;
    }
    return false;
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
    if (v == u"orientation")
        Orientation = vycet<TPrinterOrientation>(h, kOrientacia);
    else if (v == u"papersize")
        Papersize = vycet<tPapersize>(h, kPapersize);
    else if (v == u"leftmarginmm")
        LeftMarginMM = qBound(0, cele(h), 1000);
    else if (v == u"rightmarginmm")
        RightMarginMM = qBound(0, cele(h), 1000);
    else if (v == u"reporttitle")
        ReportTitle = textHodnoty(h);
    else if (v == u"left" || v == u"top")
        cele(h);   // icon position in the designer
    else
        return TAlKomponent::nastav(v, h);
    return true;
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
    if (v == u"groupband")
        menoGroupBand = odkaz(h);
    else if (v == u"groupheader")
        menoGroupHeader = odkaz(h);
    else if (v == u"groupfooter")
        menoGroupFooter = odkaz(h);
    else if (v == u"datasource")
        menoDataSource = odkaz(h);
    else if (v == u"left" || v == u"top")
        cele(h);
    else
        return TAlKomponent::nastav(v, h);
    return true;
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
    if (v == u"bandtype") {
        nastavBandType(vycet<tAlBandType>(h, kBandType));
    } else if (v == u"top") {
        Top = cele(h);
    } else if (v == u"height") {
        Height = cele(h);
        if (Height < 0 || Height > 100000)
            throw ChybaZostavy(QStringLiteral("neplatná výška pásu %1").arg(Height));
    } else if (v == u"left" || v == u"width" || v == u"clientheight" || v == u"clientwidth") {
        cele(h);   // bands span the page between the margins
    } else if (v == u"enabled") {
        Enabled = logicka(h);
    } else if (v == u"color") {
        Color = farba(h);
    } else if (v == u"altcolor") {
        AltColor = logicka(h);
    } else if (v == u"clipmode") {
        ClipMode = vycet<tClipMode>(h, kClipMode);
    } else if (v == u"columns") {
        nastavColumns(cele(h));
    } else if (v == u"colwidthmm") {
        nastavColWidthMM(cele(h));
    } else if (v == u"firstpageheaderonly") {
        nastavFirstPageHeaderOnly(logicka(h));
    } else if (v == u"notfirstpageheader") {
        nastavNotFirstPageHeader(logicka(h));
    } else if (v == u"tag") {
        Tag = cele(h);
    } else if (v.startsWith(u"font.")) {
        if (!Font.nastav(v.mid(5), h))
            return false;
        ParentFont = false;
    } else if (v == u"parentfont") {
        ParentFont = logicka(h);
    } else if (v == u"ruler") {
        Ruler = vycet<tAlRulerType>(h, kRuler);
    } else if (jeBeznaVlastnost(v, h)) {
        return true;
    } else {
        return TAlKomponent::nastav(v, h);
    }
    return true;
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
    auto rozmer = [&](int& kam) {
        kam = cele(h);
        if (kam < -100000 || kam > 100000)
            throw ChybaZostavy(QStringLiteral("neplatný rozmer %1").arg(kam));
    };
    if (v == u"left")
        rozmer(Left);
    else if (v == u"top")
        rozmer(Top);
    else if (v == u"width")
        rozmer(Width);
    else if (v == u"height")
        rozmer(Height);
    else if (v == u"visible")
        visible = logicka(h);
    else if (v == u"visibleinpreview")
        VisibleInPreview = logicka(h);
    else if (jeBeznaVlastnost(v, h) && v != u"caption" && v != u"alignment")
        return true;
    else
        return TAlKomponent::nastav(v, h);
    return true;
}

bool TAlLabel::nastav(const QString& v, const DfmHodnota& h)
{
    if (v == u"caption") {
        Caption = textHodnoty(h);
    } else if (v == u"alignment") {
        Alignment = vycet<TAlignment>(h, kZarovnanie);
    } else if (v == u"autosize") {
        AutoSize = logicka(h);
    } else if (v == u"wordwrap") {
        WordWrap = logicka(h);
    } else if (v == u"transparent") {
        Transparent = logicka(h);
    } else if (v == u"color") {
        Color = farba(h);
    } else if (v.startsWith(u"font.")) {
        if (!Font.nastav(v.mid(5), h))
            return false;
        ParentFont = false;
    } else if (v == u"parentfont") {
        ParentFont = logicka(h);
    } else if (v == u"enabled") {
        Enabled = logicka(h);
    } else {
        return tAlControl::nastav(v, h);
    }
    return true;
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
    if (v == u"datatype") {
        nastavDataType(vycet<tAlSysDataType>(h, kSysDataType));
        return true;
    }
    return TAlLabel::nastav(v, h);
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
    if (v == u"shape")
        Shape = vycet<TShapeType>(h, kTvar);
    else if (v.startsWith(u"pen."))
        return Pen.nastav(v.mid(4), h);
    else if (v.startsWith(u"brush."))
        return Brush.nastav(v.mid(6), h);
    else
        return tAlControl::nastav(v, h);
    return true;
}

bool tAlImage::nastav(const QString& v, const DfmHodnota& h)
{
    if (v == u"picture.data") {
        if (h.typ != DfmHodnota::Typ::Binarne)
            zlaHodnota(QStringLiteral("binárne údaje"));
        Picture = bitmapaZDat(h.binarne);
    } else if (v == u"center") {
        Center = logicka(h);
    } else if (v == u"stretch") {
        Stretch = logicka(h);
    } else if (v == u"autosize") {
        Autosize = logicka(h);
    } else if (v == u"transparent" || v == u"proportional" || v == u"incrementaldisplay") {
        logicka(h);
    } else {
        return tAlControl::nastav(v, h);
    }
    return true;
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
