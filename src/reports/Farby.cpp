#include "Farby.h"

#include <array>

namespace Farby {
namespace {

struct Pomenovana {
    const char* meno;
    qint64 hodnota;
};

constexpr std::array<Pomenovana, 22> kRgb = {{
    {"clBlack", 0x000000}, {"clMaroon", 0x000080}, {"clGreen", 0x008000}, {"clOlive", 0x008080},
    {"clNavy", 0x800000}, {"clPurple", 0x800080}, {"clTeal", 0x808000}, {"clGray", 0x808080},
    {"clDkGray", 0x808080}, {"clSilver", 0xC0C0C0}, {"clLtGray", 0xC0C0C0}, {"clRed", 0x0000FF},
    {"clLime", 0x00FF00}, {"clYellow", 0x00FFFF}, {"clBlue", 0xFF0000}, {"clFuchsia", 0xFF00FF},
    {"clAqua", 0xFFFF00}, {"clWhite", 0xFFFFFF}, {"clMoneyGreen", 0xC0DCC0}, {"clSkyBlue", 0xF0CAA6},
    {"clCream", 0xF0FBFF}, {"clMedGray", 0xA4A0A0},
}};

struct Systemova {
    const char* meno;
    int index;
    QRgb rgb;
};

constexpr std::array<Systemova, 30> kSystemove = {{
    {"clScrollBar", 0, 0xC8C8C8}, {"clBackground", 1, 0x000000}, {"clActiveCaption", 2, 0x99B4D1},
    {"clInactiveCaption", 3, 0xBFCDDB}, {"clMenu", 4, 0xF0F0F0}, {"clWindow", 5, 0xFFFFFF},
    {"clWindowFrame", 6, 0x646464}, {"clMenuText", 7, 0x000000}, {"clWindowText", 8, 0x000000},
    {"clCaptionText", 9, 0x000000}, {"clActiveBorder", 10, 0xB4B4B4}, {"clInactiveBorder", 11, 0xF4F7FC},
    {"clAppWorkSpace", 12, 0xABABAB}, {"clHighlight", 13, 0x0078D7}, {"clHighlightText", 14, 0xFFFFFF},
    {"clBtnFace", 15, 0xF0F0F0}, {"clBtnShadow", 16, 0xA0A0A0}, {"clGrayText", 17, 0x6D6D6D},
    {"clBtnText", 18, 0x000000}, {"clInactiveCaptionText", 19, 0x000000}, {"clBtnHighlight", 20, 0xFFFFFF},
    {"cl3DDkShadow", 21, 0x696969}, {"cl3DLight", 22, 0xE3E3E3}, {"clInfoText", 23, 0x000000},
    {"clInfoBk", 24, 0xFFFFE1}, {"clHotLight", 26, 0x0066CC}, {"clGradientActiveCaption", 27, 0xB9D1EA},
    {"clGradientInactiveCaption", 28, 0xD7E4F2}, {"clMenuHighlight", 29, 0x3399FF}, {"clMenuBar", 30, 0xF0F0F0},
}};

}  // namespace

std::optional<qint64> zMena(const QString& meno)
{
    for (const auto& f : kRgb)
        if (meno.compare(QLatin1String(f.meno), Qt::CaseInsensitive) == 0)
            return f.hodnota;
    for (const auto& f : kSystemove)
        if (meno.compare(QLatin1String(f.meno), Qt::CaseInsensitive) == 0)
            return 0xFF000000LL + f.index;
    if (meno.compare(u"clNone", Qt::CaseInsensitive) == 0)
        return clNone;
    if (meno.compare(u"clDefault", Qt::CaseInsensitive) == 0)
        return clDefault;
    return std::nullopt;
}

QColor naQColor(qint64 farba)
{
    const quint32 v = quint32(farba);
    if (v == quint32(clNone))
        return QColor(Qt::transparent);
    if (v == quint32(clDefault))
        return QColor(Qt::white);
    const quint32 horny = v >> 24;
    if (horny == 0xFF || horny == 0x80) {
        const int index = int(v & 0xFF);
        for (const auto& f : kSystemove)
            if (f.index == index)
                return QColor::fromRgb(f.rgb);
        return QColor(Qt::black);
    }
    return QColor(int(v & 0xFF), int((v >> 8) & 0xFF), int((v >> 16) & 0xFF));
}

}  // namespace Farby
