#include "Cisla.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

// Significant digits of |cislo| (15 of them) and the exponent of the first one.
struct Cislice {
    std::string cislice;
    int exponent = 0;
};

Cislice vedeckyZapis(double cislo)
{
    char b[64];
    std::snprintf(b, sizeof b, "%.14e", std::fabs(cislo));
    // "d.dddddddddddddde+XX"
    const std::string s(b);
    const auto e = s.find('e');
    Cislice c;
    c.cislice = s.substr(0, 1) + s.substr(2, e - 2);
    c.exponent = std::atoi(s.c_str() + e + 1);
    return c;
}

}  // namespace

DesatinneCislo ZaokruhliDesatinne(double cislo, int desatinne)
{
    if (desatinne < 0)
        desatinne = 0;
    DesatinneCislo v;
    if (!std::isfinite(cislo) || cislo == 0) {
        v.cele = QStringLiteral("0");
        v.desatinne = QString(desatinne, u'0');
        return v;
    }
    const Cislice c = vedeckyZapis(cislo);
    // All digits of the value with the decimal point after `bodka` of them.
    std::string d = c.cislice;
    int bodka = c.exponent + 1;
    if (bodka <= 0) {
        d.insert(0, size_t(-bodka), '0');
        bodka = 0;
    }
    const size_t ponechat = size_t(bodka) + size_t(desatinne);
    if (d.size() < ponechat)
        d.append(ponechat - d.size(), '0');
    const bool hore = d.size() > ponechat && d[ponechat] >= '5';
    d.resize(ponechat);
    if (hore) {
        size_t i = d.size();
        while (i > 0) {
            --i;
            if (d[i] == '9') {
                d[i] = '0';
            } else {
                ++d[i];
                break;
            }
            if (i == 0) {
                d.insert(0, 1, '1');
                ++bodka;
            }
        }
        if (d.empty()) {  // no digits were kept: rounding up gives one unit of the last place
            d = "1";
            bodka = 1 - desatinne;
        }
    }
    std::string cele = d.substr(0, size_t(bodka));
    const std::string zlomok = d.substr(size_t(bodka));
    const auto prva = cele.find_first_not_of('0');
    cele = prva == std::string::npos ? "0" : cele.substr(prva);
    v.cele = QString::fromLatin1(cele.c_str());
    v.desatinne = QString::fromLatin1(zlomok.c_str());
    v.zaporne = cislo < 0 && (cele != "0" || zlomok.find_first_not_of('0') != std::string::npos);
    return v;
}

double DesatinnaHodnota(double cislo)
{
    if (!std::isfinite(cislo))
        return cislo;
    char b[64];
    std::snprintf(b, sizeof b, "%.14e", cislo);
    return std::strtod(b, nullptr);
}

std::optional<double> TextNaCislo(const QString& text)
{
    QString t = text;
    t.replace(u',', u'.');
    bool ok = false;
    const double v = t.toDouble(&ok);  // C locale: "." only, no grouping
    if (!ok || !std::isfinite(v))
        return std::nullopt;
    return v;
}

std::optional<qint32> TextNaCeleCislo(const QString& text)
{
    bool ok = false;
    const qint32 v = text.toInt(&ok, 10);
    if (!ok)
        return std::nullopt;
    return v;
}

QString CisloText(double cislo, int desatinne)
{
    const DesatinneCislo d = ZaokruhliDesatinne(cislo, desatinne);
    QString t = d.zaporne ? QStringLiteral("-") : QString();
    t += d.cele;
    if (desatinne > 0)
        t += u',' + d.desatinne;
    return t.rightJustified(5, u' ');
}

QString KratkeCislo(double cislo)
{
    QString t = QString::number(cislo, 'g', 15);
    t.replace(u'.', u',');
    return t;
}
