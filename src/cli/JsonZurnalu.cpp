#include "cli/JsonZurnalu.h"

#include <QJsonArray>
#include <QJsonObject>
#include <QLocale>
#include <QtConcurrent/QtConcurrentMap>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <functional>
#include <initializer_list>
#include <numeric>
#include <type_traits>
#include <vector>

namespace {

char hex(unsigned u) { return char(u < 10 ? '0' + u : 'a' + u - 10); }

// A string's quoted JSON: the escapes QJsonDocument uses, UTF-8 for the rest, \uXXXX for a
// lone surrogate.
void pripojText(QByteArray& b, QStringView s)
{
    b += '"';
    const char16_t* p = s.utf16();
    const char16_t* const k = p + s.size();
    while (p != k) {
        const char16_t u = *p++;
        if (u < 0x80) {
            if (u >= 0x20 && u != '"' && u != '\\') {
                b += char(u);
                continue;
            }
            b += '\\';
            switch (u) {
            case '"': b += '"'; break;
            case '\\': b += '\\'; break;
            case 0x8: b += 'b'; break;
            case 0xc: b += 'f'; break;
            case 0xa: b += 'n'; break;
            case 0xd: b += 'r'; break;
            case 0x9: b += 't'; break;
            default: b += "u00"; b += hex(u >> 4); b += hex(u & 0xf); break;
            }
        } else if (u < 0x800) {
            b += char(0xC0 | (u >> 6));
            b += char(0x80 | (u & 0x3F));
        } else if (!QChar::isSurrogate(u)) {
            b += char(0xE0 | (u >> 12));
            b += char(0x80 | ((u >> 6) & 0x3F));
            b += char(0x80 | (u & 0x3F));
        } else if (QChar::isHighSurrogate(u) && p != k && QChar::isLowSurrogate(*p)) {
            const char32_t c = QChar::surrogateToUcs4(u, *p++);
            b += char(0xF0 | (c >> 18));
            b += char(0x80 | ((c >> 12) & 0x3F));
            b += char(0x80 | ((c >> 6) & 0x3F));
            b += char(0x80 | (c & 0x3F));
        } else {
            b += "\\u";
            for (int s = 12; s >= 0; s -= 4)
                b += hex((u >> s) & 0xF);
        }
    }
    b += '"';
}

void pripojCele(QByteArray& b, qint64 v)
{
    char t[24];
    char* k = t + sizeof t;
    char* p = k;
    const bool zaporne = v < 0;
    quint64 u = zaporne ? 0 - quint64(v) : quint64(v);
    do {
        *--p = char('0' + u % 10);
        u /= 10;
    } while (u);
    if (zaporne)
        *--p = '-';
    b.append(p, k - p);
}

void pripojCislo(QByteArray& b, double d)
{
    if (!std::isfinite(d))
        b += "null";
    else if (d == std::trunc(d) && std::abs(d) < 1e6 && !(d == 0 && std::signbit(d)))
        pripojCele(b, qint64(d));  // what the shortest form of a small whole number is
    else
        b += QByteArray::number(d, 'g', QLocale::FloatingPointShortest);
}

// Objects and arrays opened and closed, elements separated and indented as the indented
// QJsonDocument has them.
class Zapisovac {
public:
    explicit Zapisovac(QByteArray& b) : m_b(b) {}

    void otvor(char z)
    {
        m_b += z;
        m_b += '\n';
        m_pocty.push_back(0);
    }
    void zatvor(char z)
    {
        const int n = m_pocty.back();
        m_pocty.pop_back();
        if (n > 0)
            m_b += '\n';
        odsad();
        m_b += z;
        if (m_pocty.empty())
            m_b += '\n';
    }
    // Keys here are plain ASCII names.
    void kluc(const char* k)
    {
        dalsi();
        m_b += '"';
        m_b += k;
        m_b += "\": ";
    }
    void prvok() { dalsi(); }
    int hlbka() const { return int(m_pocty.size()); }
    QByteArray& b() { return m_b; }

private:
    void dalsi()
    {
        if (m_pocty.back()++ > 0)
            m_b += ",\n";
        odsad();
    }
    void odsad() { m_b.append(qsizetype(4 * m_pocty.size()), ' '); }

    QByteArray& m_b;
    std::vector<int> m_pocty;
};

// A key the record's fields do not have, with what writes its value.
struct Doplnok {
    const char* kluc;
    std::function<void()> zapis;
};

template <class T>
const std::vector<const Pole<T>*>& zoradenePolia()
{
    static const std::vector<const Pole<T>*> v = [] {
        std::vector<const Pole<T>*> p;
        for (const auto& pole : T::rozlozenie())
            if (pole.nazov)
                p.push_back(&pole);
        std::stable_sort(p.begin(), p.end(), [](auto* a, auto* b) { return std::strcmp(a->nazov, b->nazov) < 0; });
        return p;
    }();
    return v;
}

template <class T>
void zapisObjekt(Zapisovac& w, const T& t, std::initializer_list<Doplnok> doplnky = {});

template <class T>
void zapisPole(Zapisovac& w, const Pole<T>& p, const T& t)
{
    switch (p.typ) {
    case TypPola::Int32: pripojCele(w.b(), t.*std::get<qint32 T::*>(p.clen)); break;
    case TypPola::Double:
    case TypPola::Datum: pripojCislo(w.b(), t.*std::get<double T::*>(p.clen)); break;
    case TypPola::Bool: w.b() += t.*std::get<bool T::*>(p.clen) ? "true" : "false"; break;
    case TypPola::Byte: pripojCele(w.b(), t.*std::get<quint8 T::*>(p.clen)); break;
    case TypPola::Word16: pripojCele(w.b(), t.*std::get<quint16 T::*>(p.clen)); break;
    case TypPola::Retazec: pripojText(w.b(), t.*std::get<QString T::*>(p.clen)); break;
    case TypPola::Retazce: {
        const QStringList& l = t.*std::get<QStringList T::*>(p.clen);
        w.otvor('[');
        for (int i = 0; i < p.pocet; ++i) {
            w.prvok();
            pripojText(w.b(), i < l.size() ? QStringView(l.at(i)) : QStringView());
        }
        w.zatvor(']');
        break;
    }
    case TypPola::Blok:
        if constexpr (std::is_same_v<T, TZnalKevrotZaznam>) {
            if (std::strcmp(p.nazov, "CestovneNahrady") == 0) {
                zapisObjekt(w, t.CestovneNahrady);
                break;
            }
        }
        PripojJson(w.b(), std::get<BlokClen<T>>(p.clen).json(t), w.hlbka());
        break;
    case TypPola::Rezerva:
    case TypPola::Vypln: w.b() += "null"; break;
    }
}

// The record's named fields and the additions, all in key order; an addition replaces a
// field of its name, as QJsonObject::insert does.
template <class T>
void zapisObjekt(Zapisovac& w, const T& t, std::initializer_list<Doplnok> doplnky)
{
    std::vector<const Doplnok*> d;
    for (const Doplnok& x : doplnky)
        d.push_back(&x);
    std::sort(d.begin(), d.end(), [](auto* a, auto* b) { return std::strcmp(a->kluc, b->kluc) < 0; });
    auto dalsiDoplnok = d.begin();
    w.otvor('{');
    for (const Pole<T>* p : zoradenePolia<T>()) {
        int r = 1;
        while (dalsiDoplnok != d.end() && (r = std::strcmp((*dalsiDoplnok)->kluc, p->nazov)) <= 0) {
            w.kluc((*dalsiDoplnok)->kluc);
            (*dalsiDoplnok)->zapis();
            ++dalsiDoplnok;
            if (r == 0)
                break;
        }
        if (r == 0)
            continue;
        w.kluc(p->nazov);
        zapisPole(w, *p, t);
    }
    for (; dalsiDoplnok != d.end(); ++dalsiDoplnok) {
        w.kluc((*dalsiDoplnok)->kluc);
        (*dalsiDoplnok)->zapis();
    }
    w.zatvor('}');
}

template <class T, class F>
void zapisZoznam(Zapisovac& w, const QList<T>& zoznam, F prvok)
{
    w.otvor('[');
    for (const T& x : zoznam) {
        w.prvok();
        prvok(x);
    }
    w.zatvor(']');
}

}  // namespace

void PripojJson(QByteArray& b, const QJsonValue& v, int hlbka)
{
    switch (v.type()) {
    case QJsonValue::Bool: b += v.toBool() ? "true" : "false"; return;
    case QJsonValue::Double: {
        const QVariant q = v.toVariant();
        if (q.typeId() == QMetaType::LongLong)
            pripojCele(b, q.toLongLong());
        else
            pripojCislo(b, v.toDouble());
        return;
    }
    case QJsonValue::String: pripojText(b, v.toString()); return;
    case QJsonValue::Array:
    case QJsonValue::Object: {
        const bool pole = v.isArray();
        const QJsonArray a = pole ? v.toArray() : QJsonArray();
        const QJsonObject o = pole ? QJsonObject() : v.toObject();
        const qsizetype n = pole ? a.size() : o.size();
        b += pole ? "[\n" : "{\n";
        const QByteArray odsadenie(4 * (hlbka + 1), ' ');
        auto it = o.begin();
        for (qsizetype i = 0; i < n; ++i) {
            if (i > 0)
                b += ",\n";
            b += odsadenie;
            if (pole) {
                PripojJson(b, a.at(i), hlbka + 1);
            } else {
                pripojText(b, it.key());
                b += ": ";
                PripojJson(b, it.value(), hlbka + 1);
                ++it;
            }
        }
        if (n > 0)
            b += '\n';
        b += QByteArray(4 * hlbka, ' ');
        b += pole ? ']' : '}';
        return;
    }
    default: b += "null"; return;
    }
}

namespace {

// Every loaded entry's file read whole, on every core; those whose record could not be
// read again are reported and left out.
QList<std::pair<ObsahZaznamu, bool>> obsahyZaznamov(const Zurnal& zurnal)
{
    std::vector<std::pair<ObsahZaznamu, bool>> citania(size_t(zurnal.ZaznamyKevrota.size()));
    std::vector<qsizetype> indexy(citania.size());
    std::iota(indexy.begin(), indexy.end(), 0);
    QtConcurrent::blockingMap(indexy, [&](qsizetype i) {
        auto& c = citania[size_t(i)];
        c.second = Zurnal::CitajSuborZaznamu(Zurnal::CestaZaznamu(zurnal.ZaznamyKevrota.at(i)), c.first);
    });
    QList<std::pair<ObsahZaznamu, bool>> v;
    v.reserve(qsizetype(citania.size()));
    for (size_t i = 0; i < citania.size(); ++i) {
        if (!citania[i].second)
            spravy().chyba(textProblemSoSuborom(Zurnal::CestaZaznamu(zurnal.ZaznamyKevrota.at(qsizetype(i)))));
        if (!citania[i].first.zaznam.obraz.prazdny())
            v.append(std::move(citania[i]));
    }
    return v;
}

}  // namespace

QByteArray JsonZurnalu(Zurnal& zurnal, const std::function<QStringList()>& spravy)
{
    const auto obsahy = obsahyZaznamov(zurnal);
    QByteArray b;
    b.reserve(obsahy.size() * 8192 + 4096);
    Zapisovac w(b);
    w.otvor('{');
    w.kluc("ZaznamyKevrota");
    zapisZoznam(w, obsahy, [&](const std::pair<ObsahZaznamu, bool>& o) {
        const TZnalKevrotZaznam& z = o.first.zaznam;
        const bool nacitany = o.second;
        const QStringView subor = QStringView(z.Subor).mid(z.Subor.lastIndexOf(u'/') + 1);
        zapisObjekt(w, z, {
            {"Subor", [&] { pripojText(b, subor); }},
            {"Vydavky", [&] {
                 zapisZoznam(w, nacitany ? o.first.vydavky : QList<TVydavok>(), [&](const TVydavok& v) {
                     zapisObjekt(w, v, {{"Rozpis", [&] {
                                             zapisZoznam(w, v.Rozpis, [&](const TRozpisPolozky& r) { zapisObjekt(w, r); });
                                         }}});
                 });
             }},
            {"Vyplatenia", [&] {
                 zapisZoznam(w, nacitany ? o.first.vyplatenia : QList<TVyplatenie>(),
                             [&](const TVyplatenie& p) { zapisObjekt(w, p); });
             }},
        });
    });
    w.kluc("messages");
    const QStringList texty = spravy();
    zapisZoznam(w, texty, [&](const QString& t) { pripojText(b, t); });
    w.zatvor('}');
    return b;
}
