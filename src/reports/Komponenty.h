#pragma once
// The components of a report layout: the report, its bands, the printable controls on
// them and the group links, with the property values read from the layout file.

#include <QImage>
#include <QList>
#include <QString>
#include <QStringList>

#include <functional>

#include "Farby.h"

struct DfmHodnota;
class TAlZostava;
class TAlField;
class tAlBand;
class tAlControl;
struct TDrawMetaFile;
using tPages = QList<TDrawMetaFile>;

enum class tAlBandType {
    alr_Title, alr_PageHeader, alr_DetailHeader, alr_Detail, alr_DetailFooter, alr_PageFooter,
    alr_ReportFooter, alr_NewPage, alr_GroupHeader, alr_GroupFooter
};
enum class tAlSysDataType { alr_Time, alr_Date, alr_DateTime, alr_PageNum, alr_Counter, alr_Count, alr_Formname };
enum class tPapersize { alr_A4, alr_A5, alr_Legal, alr_Letter };
enum class tClipMode { cm_Clip, cm_Expand, cm_Overwrite };
enum class tAlRulerType { alr_none, alr_cmH, alr_cmHV, alr_cmV };
enum class TPrinterOrientation { poPortrait, poLandscape };
enum class TAlignment { taLeftJustify, taRightJustify, taCenter };
enum class TShapeType { stRectangle, stSquare, stRoundRect, stRoundSquare, stEllipse, stCircle };
enum class TPenStyle { psSolid, psDash, psDot, psDashDot, psDashDotDot, psClear, psInsideFrame };
enum class TBrushStyle { bsSolid, bsClear, bsHorizontal, bsVertical, bsFDiagonal, bsBDiagonal, bsCross, bsDiagCross };

// Sizes of a paper in millimetres.
QSize rozmerPapieraMM(tPapersize p);

struct TAlFont {
    QString Name = QStringLiteral("MS Sans Serif");
    int Height = -11;          // negative: character height in design pixels
    qint64 Color = Farby::clWindowText;
    int Charset = 1;
    bool Bold = false, Italic = false, Underline = false, StrikeOut = false;

    // `podvlastnost` is the part after "Font." in lower case. False when unknown.
    bool nastav(const QString& podvlastnost, const DfmHodnota& h);
    bool operator==(const TAlFont&) const = default;
};

struct TAlPen {
    qint64 Color = Farby::clBlack;
    int Width = 1;
    TPenStyle Style = TPenStyle::psSolid;
    bool nastav(const QString& podvlastnost, const DfmHodnota& h);
};

struct TAlBrush {
    qint64 Color = Farby::clWhite;
    TBrushStyle Style = TBrushStyle::bsSolid;
    bool nastav(const QString& podvlastnost, const DfmHodnota& h);
};

class TAlKomponent {
public:
    virtual ~TAlKomponent() = default;

    QString Name;
    QString Trieda;                   // the class name as registered
    TAlKomponent* Parent = nullptr;   // the band a control lies on; null on the form
    TAlZostava* Zostava = nullptr;

    // Sets one property (`vlastnost` in lower case). False when the class has no such
    // property; throws ChybaZostavy for a value of the wrong kind.
    virtual bool nastav(const QString& vlastnost, const DfmHodnota& h);
    // The font children with ParentFont take.
    virtual const TAlFont& pismoPreDeti() const;
};

class TAlReport : public TAlKomponent {
public:
    TPrinterOrientation Orientation = TPrinterOrientation::poPortrait;
    tPapersize Papersize = tPapersize::alr_A4;
    int LeftMarginMM = 0;
    int RightMarginMM = 0;
    QString ReportTitle;

    // Receives the trace of AddNamedValue when set.
    std::function<void(const QString&)> OnLog;

    bool nastav(const QString& vlastnost, const DfmHodnota& h) override;

    // Appends a value to the first field of that name (ignoring case); others are dropped.
    void AddNamedValue(const QString& meno, const QString& hodnota);
    // Lays the report out into pages (the list is emptied first).
    void PreparePages(tPages& strany);
};

class TAlDetailLink : public TAlKomponent {
public:
    tAlBand* GroupBand = nullptr;
    tAlBand* GroupHeader = nullptr;
    tAlBand* GroupFooter = nullptr;
    TAlField* DataSource = nullptr;
    // Names as read, resolved after the whole layout is read.
    QString menoGroupBand, menoGroupHeader, menoGroupFooter, menoDataSource;
    QString poslednyKluc;

    bool nastav(const QString& vlastnost, const DfmHodnota& h) override;
};

class tAlBand : public TAlKomponent {
public:
    tAlBandType BandType = tAlBandType::alr_Detail;
    int Top = 0;
    int Height = 41;
    bool Enabled = true;
    qint64 Color = Farby::clBtnFace;
    bool AltColor = false;
    tClipMode ClipMode = tClipMode::cm_Clip;
    int Columns = 1;
    int ColWidthMM = 0;
    bool FirstPageHeaderOnly = false;
    bool NotFirstPageHeader = false;
    qint64 Tag = 0;
    TAlFont Font;
    bool ParentFont = true;
    tAlRulerType Ruler = tAlRulerType::alr_none;

    QList<tAlControl*> Ovladace;      // controls in the band's order
    TAlDetailLink* Link = nullptr;    // the link that groups this band
    bool prepinacFarby = false;       // the AltColor toggle

    void nastavBandType(tAlBandType t);
    void nastavColumns(int n);
    void nastavColWidthMM(int mm);
    void nastavFirstPageHeaderOnly(bool b);
    void nastavNotFirstPageHeader(bool b);

    bool nastav(const QString& vlastnost, const DfmHodnota& h) override;
    const TAlFont& pismo() const;
    const TAlFont& pismoPreDeti() const override { return pismo(); }
};

class tAlControl : public TAlKomponent {
public:
    int Left = 0;
    int Top = 0;
    int Width = 65;
    int Height = 17;
    bool visible = true;
    bool VisibleInPreview = true;

    bool nastav(const QString& vlastnost, const DfmHodnota& h) override;
    tAlBand* band() const { return dynamic_cast<tAlBand*>(Parent); }
};

class TAlLabel : public tAlControl {
public:
    QString Caption;
    TAlignment Alignment = TAlignment::taLeftJustify;
    bool AutoSize = true;
    bool WordWrap = false;
    bool Transparent = true;
    qint64 Color = Farby::clBtnFace;
    TAlFont Font;
    bool ParentFont = true;
    bool Enabled = true;

    bool nastav(const QString& vlastnost, const DfmHodnota& h) override;
    const TAlFont& pismo() const;
    // The text printed in the current row on page `strana`.
    virtual QString text(int strana) const;
};

class TAlField : public TAlLabel {
public:
    QStringList hodnoty;
    int index = 0;

    QString text(int strana) const override;
    // The key of the current row and of the next one, for groups.
    QString kluc() const;
    QString dalsiKluc() const;
    // Moves to the next row; true when a further row has a value.
    bool posun();

private:
    const TAlField* zdrojPodciarknutia() const;
};

class TAlSysField : public TAlLabel {
public:
    tAlSysDataType DataType = tAlSysDataType::alr_Time;
    int pocitadlo = 0;

    void nastavDataType(tAlSysDataType t);
    bool nastav(const QString& vlastnost, const DfmHodnota& h) override;
    QString text(int strana) const override;
};

class TAlShape : public tAlControl {
public:
    TAlShape() { Width = 65; Height = 65; }
    TShapeType Shape = TShapeType::stRectangle;
    TAlPen Pen;
    TAlBrush Brush;
    bool nastav(const QString& vlastnost, const DfmHodnota& h) override;
};

class tAlImage : public tAlControl {
public:
    tAlImage() { Width = 100; Height = 100; }
    QImage Picture;   // null: no bitmap
    bool Center = true;
    bool Stretch = true;
    bool Autosize = false;
    bool nastav(const QString& vlastnost, const DfmHodnota& h) override;
};

// A bitmap from "Picture.Data": class name, size, .bmp file. Other graphic classes give
// no picture; a damaged bitmap throws ChybaZostavy.
QImage bitmapaZDat(const QByteArray& data);
