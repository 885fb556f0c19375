#include "cli/JsonZurnalu.h"

#include <QJsonArray>
#include <QJsonObject>

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstring>
#include <functional>
#include <initializer_list>
#include <memory>
#include <string_view>
#include <type_traits>
#include <vector>

namespace {

// The text's bytes: appends stay inline (QByteArray calls out for every byte) and room asked
// for is not filled first (std::string::resize would write zeros).
class Text {
public:
    size_t size() const { return m_velkost; }
    bool empty() const { return m_velkost == 0; }
    const char* data() const { return m_data.get(); }
    void clear() { m_velkost = 0; }
    void reserve(size_t n)
    {
        if (n > m_kapacita)
            zvacsi(n);
    }
    // Room for `n` bytes at the end: write there, then `posun` to where the writing ended.
    char* miesto(size_t n)
    {
        if (m_velkost + n > m_kapacita)
            zvacsi(std::max(2 * m_kapacita, m_velkost + n));
        return m_data.get() + m_velkost;
    }
    void posun(const char* koniec) { m_velkost = size_t(koniec - m_data.get()); }
    void append(const char* p, size_t n)
    {
        if (n == 0)
            return;
        std::memcpy(miesto(n), p, n);
        m_velkost += n;
    }
    void append(size_t n, char c)
    {
        std::memset(miesto(n), c, n);
        m_velkost += n;
    }
    Text& operator+=(char c)
    {
        *miesto(1) = c;
        ++m_velkost;
        return *this;
    }
    Text& operator+=(std::string_view t)
    {
        append(t.data(), t.size());
        return *this;
    }
    Text& operator+=(const Text& t)
    {
        append(t.data(), t.size());
        return *this;
    }

private:
    void zvacsi(size_t n)
    {
        auto d = std::make_unique_for_overwrite<char[]>(n);
        if (m_velkost)
            std::memcpy(d.get(), m_data.get(), m_velkost);
        m_data = std::move(d);
        m_kapacita = n;
    }
    std::unique_ptr<char[]> m_data;
    size_t m_velkost = 0;
    size_t m_kapacita = 0;
};

char hex(unsigned u) { return char(u < 10 ? '0' + u : 'a' + u - 10); }

// A string's quoted JSON: the escapes QJsonDocument uses, UTF-8 for the rest, \uXXXX for a
// lone surrogate. Room for the worst case is made once and the bytes written through a pointer.
void pripojText(Text& b, QStringView s)
{
    char* o = b.miesto(2 + 6 * size_t(s.size()));
    *o++ = '"';
    const char16_t* p = s.utf16();
    const char16_t* const k = p + s.size();
    while (p != k) {
        const char16_t u = *p++;
        if (u < 0x80) {
            if (u >= 0x20 && u != '"' && u != '\\') {
                *o++ = char(u);
                continue;
            }
            *o++ = '\\';
            switch (u) {
            case '"': *o++ = '"'; break;
            case '\\': *o++ = '\\'; break;
            case 0x8: *o++ = 'b'; break;
            case 0xc: *o++ = 'f'; break;
            case 0xa: *o++ = 'n'; break;
            case 0xd: *o++ = 'r'; break;
            case 0x9: *o++ = 't'; break;
            default:
                *o++ = 'u';
                *o++ = '0';
                *o++ = '0';
                *o++ = hex(u >> 4);
                *o++ = hex(u & 0xf);
                break;
            }
        } else if (u < 0x800) {
            *o++ = char(0xC0 | (u >> 6));
            *o++ = char(0x80 | (u & 0x3F));
        } else if (!QChar::isSurrogate(u)) {
            *o++ = char(0xE0 | (u >> 12));
            *o++ = char(0x80 | ((u >> 6) & 0x3F));
            *o++ = char(0x80 | (u & 0x3F));
        } else if (QChar::isHighSurrogate(u) && p != k && QChar::isLowSurrogate(*p)) {
            const char32_t c = QChar::surrogateToUcs4(u, *p++);
            *o++ = char(0xF0 | (c >> 18));
            *o++ = char(0x80 | ((c >> 12) & 0x3F));
            *o++ = char(0x80 | ((c >> 6) & 0x3F));
            *o++ = char(0x80 | (c & 0x3F));
        } else {
            *o++ = '\\';
            *o++ = 'u';
            for (int s = 12; s >= 0; s -= 4)
                *o++ = hex((u >> s) & 0xF);
        }
    }
    *o++ = '"';
    b.posun(o);
}

void pripojCele(Text& b, qint64 v)
{
    char t[24];
    const auto r = std::to_chars(t, t + sizeof t, v);
    b.append(t, size_t(r.ptr - t));
}

void pripojCislo(Text& b, double d)
{
    if (!std::isfinite(d)) {
        b += "null";
    } else if (d == std::trunc(d) && std::abs(d) < 1e6 && !(d == 0 && std::signbit(d))) {
        pripojCele(b, qint64(d));  // what the shortest form of a small whole number is
    } else {
        // The shortest digits that read back as `d`, in %g's layout: as Qt writes them.
        char t[32];
        const auto r = std::to_chars(t, t + sizeof t, d, std::chars_format::general);
        b.append(t, size_t(r.ptr - t));
    }
}

void pripojJson(Text& b, const QJsonValue& v, int hlbka);

// Objects and arrays opened and closed, elements separated and indented as the indented
// QJsonDocument has them.
class Zapisovac {
public:
    // `hlbka`: the levels already open around what is written here.
    explicit Zapisovac(Text& b, int hlbka = 0) : m_b(b), m_pocty(size_t(hlbka), 1) {}

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
    Text& b() { return m_b; }

private:
    void dalsi()
    {
        if (m_pocty.back()++ > 0)
            m_b += ",\n";
        odsad();
    }
    void odsad() { m_b.append(4 * m_pocty.size(), ' '); }

    Text& m_b;
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
        pripojJson(w.b(), std::get<BlokClen<T>>(p.clen).json(t), w.hlbka());
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

void pripojJson(Text& b, const QJsonValue& v, int hlbka)
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
        auto it = o.begin();
        for (qsizetype i = 0; i < n; ++i) {
            if (i > 0)
                b += ",\n";
            b.append(4 * size_t(hlbka + 1), ' ');
            if (pole) {
                pripojJson(b, a.at(i), hlbka + 1);
            } else {
                pripojText(b, it.key());
                b += ": ";
                pripojJson(b, it.value(), hlbka + 1);
                ++it;
            }
        }
        if (n > 0)
            b += '\n';
        b.append(4 * size_t(hlbka), ' ');
        b += pole ? ']' : '}';
        return;
    }
    default: b += "null"; return;
    }
}

}  // namespace

void PripojJson(QByteArray& b, const QJsonValue& v, int hlbka)
{
    Text t;
    pripojJson(t, v, hlbka);
    b.append(t.data(), qsizetype(t.size()));
}

namespace {

// Where an entry's object stands: in the list under the top object's key.
constexpr int kHlbkaZaznamu = 2;

// One entry's object from its file's bytes; `citany` is false when the file did not read
// whole, and the text is empty when not even its record could.
struct JsonZaznamu {
    Text text;
    bool citany = false;
};

JsonZaznamu jsonZaznamu(const QString& cesta, const QByteArray& data)
{
    ObsahZaznamu o;
    JsonZaznamu v;
    v.citany = Zurnal::RozoberSuborZaznamu(cesta, data, o);
    if (o.zaznam.obraz.prazdny())
        return v;
    const TZnalKevrotZaznam& z = o.zaznam;
    const QStringView subor = QStringView(z.Subor).mid(z.Subor.lastIndexOf(u'/') + 1);
    if (!v.citany) {  // the items and payments did not load
        o.vydavky.clear();
        o.vyplatenia.clear();
    }
    Text& b = v.text;
    b.reserve(12 * 1024);
    Zapisovac w(b, kHlbkaZaznamu);
    zapisObjekt(w, z, {
        {"Subor", [&] { pripojText(b, subor); }},
        {"Vydavky", [&] {
             zapisZoznam(w, o.vydavky, [&](const TVydavok& p) {
                 zapisObjekt(w, p, {{"Rozpis", [&] {
                                         zapisZoznam(w, p.Rozpis, [&](const TRozpisPolozky& r) { zapisObjekt(w, r); });
                                     }}});
             });
         }},
        {"Vyplatenia", [&] { zapisZoznam(w, o.vyplatenia, [&](const TVyplatenie& p) { zapisObjekt(w, p); }); }},
    });
    return v;
}

}  // namespace

QByteArray JsonZurnalu(int rok, const std::function<QStringList()>& spravy)
{
    // Each entry's object is written on the thread that read its file for the load.
    const QStringList subory = Zurnal::SuboryRoka(rok);
    std::vector<JsonZaznamu> objekty(size_t(subory.size()));
    std::vector<qsizetype> odkial;
    Zurnal zurnal;
    zurnal.NacitajSubory(subory, [&](qsizetype i, const QByteArray& data) {
        objekty[size_t(i)] = jsonZaznamu(subory.at(i), data);
    }, &odkial);
    qsizetype velkost = 4096;
    for (const JsonZaznamu& j : objekty)
        velkost += qsizetype(j.text.size()) + 16;
    // The entries' texts go straight into the output; `b` holds what lies between them.
    QByteArray vystup;
    vystup.reserve(velkost);
    Text b;
    auto presun = [&](const Text& t) {
        vystup.append(t.data(), qsizetype(t.size()));
        b.clear();
    };
    Zapisovac w(b);
    w.otvor('{');
    w.kluc("ZaznamyKevrota");
    w.otvor('[');
    for (const qsizetype i : odkial) {
        const JsonZaznamu& j = objekty[size_t(i)];
        if (!j.citany)
            ::spravy().chyba(textProblemSoSuborom(subory.at(i)));
        if (j.text.empty())
            continue;
        w.prvok();
        presun(b);
        presun(j.text);
    }
    w.zatvor(']');
    w.kluc("messages");
    const QStringList texty = spravy();
    zapisZoznam(w, texty, [&](const QString& t) { pripojText(b, t); });
    w.zatvor('}');
    presun(b);
    return vystup;
}
