#include "RtfCitac.h"

#include "store/Subory.h"
#include "store/Win1250.h"

#include <QHash>
#include <QStringDecoder>

#include <algorithm>
#include <array>
#include <string_view>

namespace RtfCitac {
namespace {

constexpr int MaxBuniek = 63;        // cells in one row
constexpr int MaxPolozkyTabulky = 4096;  // fonts or colours
constexpr int MaxDlzkaNazvu = 256;   // font and bookmark names
constexpr int MaxTwip = 31680 * 4;   // lengths beyond this are nonsense

enum class Ciel { Text, TabulkaPisiem, TabulkaFarieb, ZalozkaZaciatok, ZalozkaKoniec, Pn };
enum class Miesto { Telo = 0, Hlavicka = 1, Pata = 2 };

struct StavOdseku {
    Zarovnanie zarovnanie = Zarovnanie::Vlavo;
    int vlavo = 0, vpravo = 0, prvy = 0, pred = 0, za = 0;
    bool vTabulke = false;
    bool odrazka = false;
    bool keepn = false;
};

struct Stav {
    int pismo = -1;         // font number; -1 = the default font
    double velkost = 12;
    bool tucne = false, kurziva = false, podciarknute = false;
    int farba = 0;
    StavOdseku odsek;
    int uc = 1;
    Ciel ciel = Ciel::Text;
    Miesto miesto = Miesto::Telo;
};

struct Kontajner {
    QList<RtfBlok>* bloky = nullptr;
    RtfOdsek odsek;
    QList<RtfOdsek> odsekyBunky;
    QList<RtfBunka> bunky;
    bool tabulkaOtvorena = false;
};

// Windows-1252 bytes 80..9F; the rest of its upper half is Latin-1.
constexpr std::array<char16_t, 32> k1252 = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

// Windows-1250 bytes 80..FF, decoded once.
const std::array<char16_t, 128> k1250Horna = [] {
    std::array<char16_t, 128> a{};
    for (int b = 0x80; b <= 0xFF; ++b) {
        const char c = char(b);
        a[b - 0x80] = Win1250::dekoduj(&c, 1).at(0).unicode();
    }
    return a;
}();

bool jePismeno(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }
bool jeCislica(char c) { return c >= '0' && c <= '9'; }

int hexHodnota(char c)
{
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

// The control words the reader acts on; Preskakovany: a destination skipped whole.
enum class Rs : unsigned char {
    Nezname, Preskakovany, fonttbl, colortbl, header, headerr, footer, footerr, bkmkstart, bkmkend,
    pn, pict, shppict, object, bin, uc, u, f, fcharset, red, green, blue, pnlvlblt, pnlvlbody,
    pnlvl, par, cell, row, pard, ql, qc, qr, qj, li, ri, fi, sb, sa, intbl, plain, fs, b, i, ul,
    uld, uldb, ulw, uldash, ulth, ulnone, cf, tab, line, emdash, endash, bullet, lquote, rquote,
    ldblquote, rdblquote, trowd, trleft, trgaph, clbrdrt, clbrdrl, clbrdrb, clbrdrr, brdrw, brdrcf,
    brdrt, brdrb, brdrl, brdrr, brdrnone, box, clcbpat, clshdng, cellx, paperw, paperh, margl,
    margr, margt, margb, landscape, deff, ansicpg, keepn, trkeep,
};

struct ZnameSlovo {
    std::string_view meno;
    Rs slovo;
};

constexpr ZnameSlovo kZnameSlova[] = {
    {"fonttbl", Rs::fonttbl}, {"colortbl", Rs::colortbl}, {"header", Rs::header},
    {"headerr", Rs::headerr}, {"footer", Rs::footer}, {"footerr", Rs::footerr},
    {"bkmkstart", Rs::bkmkstart}, {"bkmkend", Rs::bkmkend}, {"pn", Rs::pn}, {"pict", Rs::pict},
    {"shppict", Rs::shppict}, {"object", Rs::object}, {"bin", Rs::bin}, {"uc", Rs::uc},
    {"u", Rs::u}, {"f", Rs::f}, {"fcharset", Rs::fcharset}, {"red", Rs::red}, {"green", Rs::green},
    {"blue", Rs::blue}, {"pnlvlblt", Rs::pnlvlblt}, {"pnlvlbody", Rs::pnlvlbody},
    {"pnlvl", Rs::pnlvl}, {"par", Rs::par}, {"cell", Rs::cell}, {"row", Rs::row},
    {"pard", Rs::pard}, {"ql", Rs::ql}, {"qc", Rs::qc}, {"qr", Rs::qr}, {"qj", Rs::qj},
    {"li", Rs::li}, {"ri", Rs::ri}, {"fi", Rs::fi}, {"sb", Rs::sb}, {"sa", Rs::sa},
    {"keepn", Rs::keepn}, {"trkeep", Rs::trkeep},
    {"intbl", Rs::intbl}, {"plain", Rs::plain}, {"fs", Rs::fs}, {"b", Rs::b}, {"i", Rs::i},
    {"ul", Rs::ul}, {"uld", Rs::uld}, {"uldb", Rs::uldb}, {"ulw", Rs::ulw}, {"uldash", Rs::uldash},
    {"ulth", Rs::ulth}, {"ulnone", Rs::ulnone}, {"cf", Rs::cf}, {"tab", Rs::tab},
    {"line", Rs::line}, {"emdash", Rs::emdash}, {"endash", Rs::endash}, {"bullet", Rs::bullet},
    {"lquote", Rs::lquote}, {"rquote", Rs::rquote}, {"ldblquote", Rs::ldblquote},
    {"rdblquote", Rs::rdblquote}, {"trowd", Rs::trowd}, {"trleft", Rs::trleft},
    {"trgaph", Rs::trgaph}, {"clbrdrt", Rs::clbrdrt}, {"clbrdrl", Rs::clbrdrl},
    {"clbrdrb", Rs::clbrdrb}, {"clbrdrr", Rs::clbrdrr}, {"brdrw", Rs::brdrw},
    {"brdrcf", Rs::brdrcf}, {"brdrt", Rs::brdrt}, {"brdrb", Rs::brdrb}, {"brdrl", Rs::brdrl},
    {"brdrr", Rs::brdrr}, {"brdrnone", Rs::brdrnone}, {"box", Rs::box}, {"clcbpat", Rs::clcbpat},
    {"clshdng", Rs::clshdng}, {"cellx", Rs::cellx}, {"paperw", Rs::paperw}, {"paperh", Rs::paperh},
    {"margl", Rs::margl}, {"margr", Rs::margr}, {"margt", Rs::margt}, {"margb", Rs::margb},
    {"landscape", Rs::landscape}, {"deff", Rs::deff}, {"ansicpg", Rs::ansicpg},
    {"stylesheet", Rs::Preskakovany}, {"info", Rs::Preskakovany}, {"listtable", Rs::Preskakovany},
    {"listoverridetable", Rs::Preskakovany}, {"rsidtbl", Rs::Preskakovany},
    {"generator", Rs::Preskakovany}, {"themedata", Rs::Preskakovany},
    {"colorschememapping", Rs::Preskakovany}, {"latentstyles", Rs::Preskakovany},
    {"datastore", Rs::Preskakovany}, {"xmlnstbl", Rs::Preskakovany}, {"fldinst", Rs::Preskakovany},
    {"pntext", Rs::Preskakovany}, {"nonshppict", Rs::Preskakovany}, {"headerl", Rs::Preskakovany},
    {"headerf", Rs::Preskakovany}, {"footerl", Rs::Preskakovany}, {"footerf", Rs::Preskakovany},
    {"revtbl", Rs::Preskakovany}, {"pgdsctbl", Rs::Preskakovany}, {"template", Rs::Preskakovany},
    {"userprops", Rs::Preskakovany}, {"docvar", Rs::Preskakovany}, {"ftnsep", Rs::Preskakovany},
    {"ftnsepc", Rs::Preskakovany}, {"aftnsep", Rs::Preskakovany}, {"aftnsepc", Rs::Preskakovany},
    {"footnote", Rs::Preskakovany}, {"annotation", Rs::Preskakovany}, {"atnid", Rs::Preskakovany},
    {"atnauthor", Rs::Preskakovany}, {"xe", Rs::Preskakovany}, {"tc", Rs::Preskakovany},
    {"filetbl", Rs::Preskakovany}, {"private", Rs::Preskakovany}, {"mmathPr", Rs::Preskakovany},
    {"pgptbl", Rs::Preskakovany}, {"wgrffmtfilter", Rs::Preskakovany}, {"fchars", Rs::Preskakovany},
    {"lchars", Rs::Preskakovany}, {"blipuid", Rs::Preskakovany},
};

// The same sorted by name, for a binary search that allocates nothing.
constexpr auto kZoradeneSlova = [] {
    std::array<ZnameSlovo, std::size(kZnameSlova)> a{};
    std::copy(std::begin(kZnameSlova), std::end(kZnameSlova), a.begin());
    std::sort(a.begin(), a.end(), [](const ZnameSlovo& x, const ZnameSlovo& y) { return x.meno < y.meno; });
    return a;
}();

Rs vyhladajSlovo(std::string_view s)
{
    const auto it = std::lower_bound(kZoradeneSlova.begin(), kZoradeneSlova.end(), s,
                                     [](const ZnameSlovo& z, std::string_view m) { return z.meno < m; });
    return it != kZoradeneSlova.end() && it->meno == s ? it->slovo : Rs::Nezname;
}

class Citac {
public:
    explicit Citac(const QByteArray& data) : m_d(data) {}

    Vysledok citaj()
    {
        Vysledok v;
        v.jeRtf = m_d.startsWith("{\\rtf");
        m_kont[0].bloky = &v.dokument.telo;
        m_kont[1].bloky = &v.dokument.hlavicka;
        m_kont[2].bloky = &v.dokument.pata;
        m_dok = &v.dokument;
        m_zasobnik.reserve(MaxHlbka + 1);
        m_zasobnik.append(Stav{});
        prechod();
        for (auto& k : m_kont)
            dokonci(k);
        if (m_pisma.contains(m_deff))
            v.dokument.predvolenePismo = m_pisma.value(m_deff);
        v.uplny = m_uplny;
        return v;
    }

private:
    const QByteArray& m_d;
    qsizetype m_p = 0;
    QList<Stav> m_zasobnik;
    int m_nadbytocnaHlbka = 0;
    bool m_koniec = false;
    bool m_uplny = true;
    Kontajner m_kont[3];
    RtfDokument* m_dok = nullptr;

    QHash<int, QString> m_pisma;
    QHash<int, int> m_sadaPisma;   // font number -> \fcharset
    QList<QColor> m_farby{QColor()};
    int m_deff = 0;
    int m_ansicpg = 1250;

    // the row definition being read
    QList<RtfBunka> m_defRiadku;
    RtfBunka m_defBunky;
    char m_stranaOkraja = 0;
    int m_trleft = 0, m_trgaph = 70;
    bool m_trkeep = false;

    // font and colour table entries being read
    int m_ftCislo = -1, m_ftSada = -1;
    QString m_ftNazov;
    int m_cervena = -1, m_zelena = -1, m_modra = -1;
    bool m_farbaPrvyBodkociarka = true;

    QString m_zber;             // bookmark name
    qsizetype m_zaciatokSkupiny = 0;
    bool m_prvyVSkupine = false;
    bool m_hviezdicka = false;
    int m_preskocZnakov = 0;

    Stav& stav() { return m_zasobnik.last(); }
    Kontajner& kont() { return m_kont[int(stav().miesto)]; }

    // ---- the main loop ----

    void prechod()
    {
        const qsizetype n = m_d.size();
        while (m_p < n && !m_koniec) {
            const char c = m_d[m_p];
            switch (c) {
            case '{': ++m_p; otvorSkupinu(m_p - 1); break;
            case '}': ++m_p; zatvorSkupinu(); break;
            case '\\': riadiaci(); break;
            case '\r':
            case '\n': ++m_p; break;
            case '\t': ++m_p; znak(u'\t', true); break;
            default:
                ++m_p;
                bajt(static_cast<unsigned char>(c));
                break;
            }
        }
        if (!m_koniec)
            m_uplny = false;  // cut off before the document's closing brace
    }

    void otvorSkupinu(qsizetype zaciatok)
    {
        m_preskocZnakov = 0;
        m_zaciatokSkupiny = zaciatok;
        m_prvyVSkupine = true;
        m_hviezdicka = false;
        if (m_zasobnik.size() > MaxHlbka) {
            ++m_nadbytocnaHlbka;
            return;
        }
        m_zasobnik.append(m_zasobnik.last());
    }

    void zatvorSkupinu()
    {
        m_preskocZnakov = 0;
        m_prvyVSkupine = false;
        if (m_nadbytocnaHlbka > 0) {
            --m_nadbytocnaHlbka;
            return;
        }
        if (m_zasobnik.size() <= 2) {
            // the document's own group ends (or a surplus brace): nothing more is read
            if (m_zasobnik.size() == 1)
                m_uplny = false;
            m_koniec = true;
            return;
        }
        const Stav zavrety = m_zasobnik.takeLast();
        if (zavrety.ciel != stav().ciel)
            ukonciCiel(zavrety.ciel);
    }

    // Skips the rest of the current group (the '{' is behind us) and returns its text.
    QByteArrayView preskocSkupinu()
    {
        const qsizetype n = m_d.size();
        qsizetype p = m_p;
        int hlbka = 1;
        while (p < n && hlbka > 0) {
            const char c = m_d[p];
            if (c == '{') {
                ++hlbka;
                ++p;
            } else if (c == '}') {
                --hlbka;
                ++p;
            } else if (c == '\\') {
                if (p + 4 < n && std::string_view(m_d.constData() + p + 1, 3) == "bin" && (jeCislica(m_d[p + 4]) || m_d[p + 4] == '-')) {
                    p += 4;
                    const long long dlzka = citajCislo(p);
                    if (p < n && m_d[p] == ' ')
                        ++p;
                    p += qsizetype(std::clamp<long long>(dlzka, 0, n - p));
                } else {
                    p += 2;
                }
            } else {
                ++p;
            }
        }
        const QByteArrayView skupina(m_d.constData() + m_zaciatokSkupiny, std::min(p, n) - m_zaciatokSkupiny);
        m_p = std::min(p, n);
        if (hlbka > 0) {
            m_uplny = false;
            m_koniec = true;
            return {};
        }
        // The group's closing brace has been read: leave its state.
        m_preskocZnakov = 0;
        m_prvyVSkupine = false;
        if (m_nadbytocnaHlbka > 0)
            --m_nadbytocnaHlbka;
        else if (m_zasobnik.size() > 2)
            m_zasobnik.removeLast();
        else
            m_koniec = true;
        return skupina;
    }

    // Reads an optional '-' and digits at p; keeps at most 10 digits and clamps to int.
    long long citajCislo(qsizetype& p) const
    {
        const qsizetype n = m_d.size();
        bool zaporne = false;
        if (p < n && m_d[p] == '-') {
            zaporne = true;
            ++p;
        }
        long long v = 0;
        int cislic = 0;
        while (p < n && jeCislica(m_d[p])) {
            if (cislic < 10)
                v = v * 10 + (m_d[p] - '0');
            ++cislic;
            ++p;
        }
        v = std::min<long long>(v, 2147483647LL);
        return zaporne ? -v : v;
    }

    void riadiaci()
    {
        const qsizetype n = m_d.size();
        if (m_p + 1 >= n) {
            m_p = n;
            return;
        }
        const char c = m_d[m_p + 1];
        if (!jePismeno(c)) {
            m_p += 2;
            symbol(c);
            return;
        }
        qsizetype p = m_p + 1;
        const qsizetype zac = p;
        while (p < n && jePismeno(m_d[p]))
            ++p;
        const std::string_view slovo(m_d.constData() + zac, size_t(std::min<qsizetype>(p - zac, 32)));
        const Rs rs = vyhladajSlovo(slovo);
        bool maParameter = false;
        long long parameter = 0;
        if (p < n && (jeCislica(m_d[p]) || (m_d[p] == '-' && p + 1 < n && jeCislica(m_d[p + 1])))) {
            maParameter = true;
            parameter = citajCislo(p);
        }
        if (p < n && m_d[p] == ' ')
            ++p;
        m_p = p;
        if (rs == Rs::bin) {
            m_p += qsizetype(std::clamp<long long>(parameter, 0, n - m_p));
            return;
        }
        riadiaceSlovo(rs, slovo, maParameter, int(parameter));
    }

    void symbol(char c)
    {
        switch (c) {
        case '\\':
        case '{':
        case '}': znak(char16_t(c), true); return;
        case '~': znak(0x00A0, true); return;
        case '_': znak(0x2011, true); return;
        case '-': if (m_preskocZnakov > 0) --m_preskocZnakov; return;
        case '*': m_hviezdicka = true; return;
        case '\r':
        case '\n': m_prvyVSkupine = false; if (stav().ciel == Ciel::Text) ukonciOdsek(); return;
        case '\'': {
            if (m_p + 1 < m_d.size()) {
                const int h = hexHodnota(m_d[m_p]), l = hexHodnota(m_d[m_p + 1]);
                if (h >= 0 && l >= 0) {
                    m_p += 2;
                    bajt(h * 16 + l);
                }
            }
            return;
        }
        default: return;
        }
    }

    // ---- destinations ----

    static bool jeCielSlovo(Rs s, bool hviezdicka)
    {
        switch (s) {
        case Rs::fonttbl: case Rs::colortbl: case Rs::header: case Rs::headerr: case Rs::footer:
        case Rs::footerr: case Rs::bkmkstart: case Rs::bkmkend: case Rs::pn: case Rs::pict:
        case Rs::shppict: case Rs::object: case Rs::Preskakovany: return true;
        default: return hviezdicka;
        }
    }

    // True when the word opened a destination that was handled here.
    bool ciel(Rs s)
    {
        const bool hviezdicka = m_hviezdicka;
        m_hviezdicka = false;
        m_prvyVSkupine = false;
        if (!jeCielSlovo(s, hviezdicka))
            return false;
        if (m_nadbytocnaHlbka > 0 || s == Rs::Preskakovany) {
            preskocSkupinu();
            return true;
        }
        Stav& st = stav();
        if (s == Rs::pict || s == Rs::shppict || s == Rs::object) {
            const bool doTextu = st.ciel == Ciel::Text;
            const QByteArrayView skupina = preskocSkupinu();
            if (doTextu && !skupina.isEmpty()) {
                RtfBeh b;
                b.druh = RtfBeh::Druh::Surove;
                b.text = QString::fromLatin1(skupina);
                kont().odsek.behy.append(b);
            }
            return true;
        }
        if (st.ciel != Ciel::Text && s != Rs::fonttbl && s != Rs::colortbl) {
            preskocSkupinu();
            return true;
        }
        switch (s) {
        case Rs::fonttbl:
            st.ciel = Ciel::TabulkaPisiem;
            m_ftCislo = -1;
            m_ftNazov.clear();
            break;
        case Rs::colortbl:
            st.ciel = Ciel::TabulkaFarieb;
            m_cervena = m_zelena = m_modra = -1;
            m_farby = {QColor()};
            m_farbaPrvyBodkociarka = true;
            break;
        case Rs::header: case Rs::headerr: case Rs::footer: case Rs::footerr: {
            const Miesto m = s == Rs::header || s == Rs::headerr ? Miesto::Hlavicka : Miesto::Pata;
            if (st.miesto != Miesto::Telo) {
                preskocSkupinu();
                return true;
            }
            st.miesto = m;
            Kontajner& k = m_kont[int(m)];
            k.bloky->clear();
            k = Kontajner{k.bloky};
            st.odsek = StavOdseku{};
            break;
        }
        case Rs::bkmkstart: case Rs::bkmkend:
            st.ciel = s == Rs::bkmkstart ? Ciel::ZalozkaZaciatok : Ciel::ZalozkaKoniec;
            m_zber.clear();
            break;
        case Rs::pn: st.ciel = Ciel::Pn; break;
        default: preskocSkupinu(); break;  // an unknown {\*\...} group
        }
        return true;
    }

    void ukonciCiel(Ciel c)
    {
        switch (c) {
        case Ciel::TabulkaPisiem: ulozPismo(); break;
        case Ciel::ZalozkaZaciatok:
        case Ciel::ZalozkaKoniec: {
            const QString meno = m_zber.trimmed();
            if (!meno.isEmpty()) {
                RtfBeh b;
                b.druh = c == Ciel::ZalozkaZaciatok ? RtfBeh::Druh::ZalozkaZaciatok : RtfBeh::Druh::ZalozkaKoniec;
                b.text = meno;
                // Text put into the bookmark later takes the format it stands in.
                b.format = aktualnyFormat();
                kont().odsek.behy.append(b);
            }
            break;
        }
        default: break;
        }
    }

    void ulozPismo()
    {
        if (m_ftCislo >= 0 && !m_ftNazov.trimmed().isEmpty() && m_pisma.size() < MaxPolozkyTabulky) {
            m_pisma.insert(m_ftCislo, m_ftNazov.trimmed());
            if (m_ftSada >= 0)
                m_sadaPisma.insert(m_ftCislo, m_ftSada);
        }
        m_ftNazov.clear();
        m_ftCislo = -1;
        m_ftSada = -1;
    }

    // ---- control words ----

    static int twip(int v) { return std::clamp(v, -MaxTwip, MaxTwip); }

    void riadiaceSlovo(Rs s, std::string_view meno, bool maParameter, int n)
    {
        if (m_prvyVSkupine && ciel(s))
            return;
        m_prvyVSkupine = false;
        m_hviezdicka = false;
        Stav& st = stav();
        const bool zapni = !maParameter || n != 0;

        if (s == Rs::uc) {
            st.uc = std::clamp(n, 0, 10);
            return;
        }
        if (s == Rs::u) {
            znak(char16_t(n < 0 ? n + 65536 : n & 0xFFFF), false);
            m_preskocZnakov = st.uc;
            return;
        }
        if (st.ciel == Ciel::TabulkaPisiem) {
            if (s == Rs::f) { ulozPismo(); m_ftCislo = n; }
            else if (s == Rs::fcharset) m_ftSada = n;
            return;
        }
        if (st.ciel == Ciel::TabulkaFarieb) {
            if (s == Rs::red) m_cervena = std::clamp(n, 0, 255);
            else if (s == Rs::green) m_zelena = std::clamp(n, 0, 255);
            else if (s == Rs::blue) m_modra = std::clamp(n, 0, 255);
            return;
        }
        if (st.ciel == Ciel::Pn) {
            if (s == Rs::pnlvlblt || s == Rs::pnlvlbody || s == Rs::pnlvl) {
                if (m_zasobnik.size() >= 2)
                    m_zasobnik[m_zasobnik.size() - 2].odsek.odrazka = true;
            }
            return;
        }
        if (st.ciel != Ciel::Text)
            return;
        if (m_preskocZnakov > 0 && jeZnakoveSlovo(s)) {
            --m_preskocZnakov;
            return;
        }
        switch (s) {
        // paragraphs
        case Rs::par: ukonciOdsek(); break;
        case Rs::cell: ukonciBunku(); break;
        case Rs::row: ukonciRiadok(); break;
        case Rs::pard: st.odsek = StavOdseku{}; break;
        case Rs::ql: st.odsek.zarovnanie = Zarovnanie::Vlavo; break;
        case Rs::qc: st.odsek.zarovnanie = Zarovnanie::Stred; break;
        case Rs::qr: st.odsek.zarovnanie = Zarovnanie::Vpravo; break;
        case Rs::qj: st.odsek.zarovnanie = Zarovnanie::Dorovnat; break;
        case Rs::li: st.odsek.vlavo = twip(n); break;
        case Rs::ri: st.odsek.vpravo = twip(n); break;
        case Rs::fi: st.odsek.prvy = twip(n); break;
        case Rs::sb: st.odsek.pred = std::clamp(twip(n), 0, MaxTwip); break;
        case Rs::sa: st.odsek.za = std::clamp(twip(n), 0, MaxTwip); break;
        case Rs::keepn: st.odsek.keepn = zapni; break;
        case Rs::intbl: st.odsek.vTabulke = true; break;
        // characters
        case Rs::plain:
            st.pismo = -1;
            st.velkost = 12;
            st.tucne = st.kurziva = st.podciarknute = false;
            st.farba = 0;
            break;
        case Rs::f: st.pismo = n; break;
        case Rs::fs: st.velkost = maParameter && n > 0 ? std::clamp(n, 2, 3276) / 2.0 : 12; break;
        case Rs::b: st.tucne = zapni; break;
        case Rs::i: st.kurziva = zapni; break;
        case Rs::ul: case Rs::uld: case Rs::uldb: case Rs::ulw: case Rs::uldash: case Rs::ulth:
            st.podciarknute = zapni;
            break;
        case Rs::ulnone: st.podciarknute = false; break;
        case Rs::cf: st.farba = n; break;
        // special characters
        case Rs::tab: znak(u'\t', false); break;
        case Rs::line: znak(ZalomenieRiadku.unicode(), false); break;
        case Rs::emdash: znak(0x2014, false); break;
        case Rs::endash: znak(0x2013, false); break;
        case Rs::bullet: znak(0x2022, false); break;
        case Rs::lquote: znak(0x2018, false); break;
        case Rs::rquote: znak(0x2019, false); break;
        case Rs::ldblquote: znak(0x201C, false); break;
        case Rs::rdblquote: znak(0x201D, false); break;
        // tables
        case Rs::trowd:
            m_defRiadku.clear();
            m_defBunky = RtfBunka{};
            m_stranaOkraja = 0;
            m_trleft = 0;
            m_trgaph = 70;
            m_trkeep = false;
            break;
        case Rs::trkeep: m_trkeep = zapni; break;
        case Rs::trleft: m_trleft = twip(n); break;
        case Rs::trgaph: m_trgaph = std::clamp(twip(n), 0, MaxTwip); break;
        case Rs::clbrdrt: m_stranaOkraja = 't'; break;
        case Rs::clbrdrl: m_stranaOkraja = 'l'; break;
        case Rs::clbrdrb: m_stranaOkraja = 'b'; break;
        case Rs::clbrdrr: m_stranaOkraja = 'r'; break;
        case Rs::brdrnone: nastavOkraj(false); break;
        case Rs::brdrw: case Rs::brdrcf: break;
        case Rs::box: case Rs::brdrt: case Rs::brdrb: case Rs::brdrl: case Rs::brdrr:
            m_stranaOkraja = 0;  // paragraph borders are not kept
            break;
        case Rs::clcbpat: m_defBunky.pozadie = m_farby.value(n); break;
        case Rs::clshdng: m_defBunky.tienovanie = std::clamp(n, 0, 10000); break;
        case Rs::cellx:
            m_defBunky.pravyOkraj = std::clamp(twip(n), 0, MaxTwip);
            if (m_defRiadku.size() < MaxBuniek)
                m_defRiadku.append(m_defBunky);
            m_defBunky = RtfBunka{};
            m_stranaOkraja = 0;
            break;
        // document
        case Rs::paperw: m_dok->strana.sirka = std::clamp(n, 1440, MaxTwip); break;
        case Rs::paperh: m_dok->strana.vyska = std::clamp(n, 1440, MaxTwip); break;
        case Rs::margl: m_dok->strana.vlavo = std::clamp(n, 0, MaxTwip); break;
        case Rs::margr: m_dok->strana.vpravo = std::clamp(n, 0, MaxTwip); break;
        case Rs::margt: m_dok->strana.hore = std::clamp(n, 0, MaxTwip); break;
        case Rs::margb: m_dok->strana.dole = std::clamp(n, 0, MaxTwip); break;
        case Rs::landscape: m_dok->strana.naSirku = true; break;
        case Rs::deff: m_deff = n; break;
        case Rs::ansicpg: m_ansicpg = n; break;
        // every other border style (brdrs, brdrdb, ...) draws the border
        case Rs::Nezname:
            if (meno.starts_with("brdr"))
                nastavOkraj(true);
            break;
        default: break;
        }
    }

    // The words that stand for one character (and so may be a \uN fallback).
    static bool jeZnakoveSlovo(Rs s)
    {
        switch (s) {
        case Rs::tab: case Rs::emdash: case Rs::endash: case Rs::bullet: case Rs::lquote:
        case Rs::rquote: case Rs::ldblquote: case Rs::rdblquote: return true;
        default: return false;
        }
    }

    void nastavOkraj(bool je)
    {
        switch (m_stranaOkraja) {
        case 't': m_defBunky.okraje.horny = je; break;
        case 'l': m_defBunky.okraje.lavy = je; break;
        case 'b': m_defBunky.okraje.dolny = je; break;
        case 'r': m_defBunky.okraje.pravy = je; break;
        default: break;
        }
    }

    // ---- text ----

    int kodovaStrana() const
    {
        const Stav& st = m_zasobnik.last();
        const int pismo = st.pismo < 0 ? m_deff : st.pismo;
        // A font's name is in the font's own charset.
        const int sada = st.ciel == Ciel::TabulkaPisiem ? m_ftSada : m_sadaPisma.value(pismo, -1);
        switch (sada) {
        case 238: return 1250;
        case 0: return 1252;
        case 2: return 2;
        default: return m_ansicpg;
        }
    }

    void bajt(int b)
    {
        if (b < 0x80) {
            znak(char16_t(b), true);
            return;
        }
        switch (kodovaStrana()) {
        case 1252: znak(b < 0xA0 ? k1252[b - 0x80] : char16_t(b), true); break;
        case 2: znak(b == 0xB7 ? char16_t(0x2022) : char16_t(b), true); break;
        default: znak(k1250Horna[b - 0x80], true); break;
        }
    }

    // `mozeBytNahradou`: a character that may be the fallback of a preceding \uN.
    void znak(char16_t c, bool mozeBytNahradou)
    {
        m_prvyVSkupine = false;
        if (mozeBytNahradou && m_preskocZnakov > 0) {
            --m_preskocZnakov;
            return;
        }
        Stav& st = stav();
        switch (st.ciel) {
        case Ciel::Text: pridajDoOdseku(c); break;
        case Ciel::TabulkaPisiem:
            if (c == ';')
                ulozPismo();
            else if (m_ftNazov.size() < MaxDlzkaNazvu)
                m_ftNazov += QChar(c);
            break;
        case Ciel::TabulkaFarieb:
            if (c == ';') {
                // The entry before the first ';' is index 0, "automatic", already present.
                if (m_farbaPrvyBodkociarka) {
                    m_farbaPrvyBodkociarka = false;
                    if (m_cervena >= 0 || m_zelena >= 0 || m_modra >= 0)
                        m_farby[0] = QColor(std::max(m_cervena, 0), std::max(m_zelena, 0), std::max(m_modra, 0));
                } else if (m_farby.size() < MaxPolozkyTabulky)
                    m_farby.append(m_cervena < 0 && m_zelena < 0 && m_modra < 0
                                       ? QColor()
                                       : QColor(std::max(m_cervena, 0), std::max(m_zelena, 0), std::max(m_modra, 0)));
                m_cervena = m_zelena = m_modra = -1;
            }
            break;
        case Ciel::ZalozkaZaciatok:
        case Ciel::ZalozkaKoniec:
            if (m_zber.size() < MaxDlzkaNazvu)
                m_zber += QChar(c);
            break;
        case Ciel::Pn: break;
        }
    }

    RtfFormat aktualnyFormat() const
    {
        const Stav& st = m_zasobnik.last();
        RtfFormat f;
        const int pismo = st.pismo < 0 ? m_deff : st.pismo;
        f.pismo = m_pisma.value(pismo);
        f.velkost = st.velkost;
        f.tucne = st.tucne;
        f.kurziva = st.kurziva;
        f.podciarknute = st.podciarknute;
        f.farba = m_farby.value(st.farba);
        return f;
    }

    // aktualnyFormat() == f, without building the format.
    bool jeAktualnyFormat(const RtfFormat& f) const
    {
        const Stav& st = m_zasobnik.last();
        if (f.velkost != st.velkost || f.tucne != st.tucne || f.kurziva != st.kurziva
            || f.podciarknute != st.podciarknute)
            return false;
        const auto pismo = m_pisma.constFind(st.pismo < 0 ? m_deff : st.pismo);
        if (pismo == m_pisma.cend() ? !f.pismo.isEmpty() : f.pismo != *pismo)
            return false;
        return st.farba >= 0 && st.farba < m_farby.size() ? f.farba == m_farby.at(st.farba) : f.farba == QColor();
    }

    void pridajDoOdseku(char16_t c)
    {
        auto& behy = kont().odsek.behy;
        if (!behy.isEmpty()) {
            RtfBeh& posledny = behy.last();
            if (posledny.jeText() && jeAktualnyFormat(posledny.format)) {
                posledny.text += QChar(c);
                return;
            }
        }
        RtfBeh b;
        b.text = QString(QChar(c));
        b.format = aktualnyFormat();
        behy.append(b);
    }

    RtfOdsek vezmiOdsek()
    {
        Kontajner& k = kont();
        RtfOdsek o = std::move(k.odsek);
        k.odsek = RtfOdsek{};
        const StavOdseku& so = stav().odsek;
        o.zarovnanie = so.zarovnanie;
        o.odsadenieVlavo = so.vlavo;
        o.odsadenieVpravo = so.vpravo;
        o.odsadeniePrvehoRiadku = so.prvy;
        o.medzeraPred = so.pred;
        o.medzeraZa = so.za;
        o.odrazka = so.odrazka;
        o.drzSoNasledujucim = so.keepn;
        o.znacka = aktualnyFormat();
        return o;
    }

    void ukonciOdsek()
    {
        Kontajner& k = kont();
        if (stav().odsek.vTabulke) {
            k.odsekyBunky.append(vezmiOdsek());
            return;
        }
        if (!k.bunky.isEmpty() || !k.odsekyBunky.isEmpty())
            zlozRiadok(k);
        k.bloky->append(RtfBlok::zOdseku(vezmiOdsek()));
        k.tabulkaOtvorena = false;
    }

    void ukonciBunku()
    {
        Kontajner& k = kont();
        k.odsekyBunky.append(vezmiOdsek());
        if (k.bunky.size() >= MaxBuniek) {
            k.bunky.last().odseky.append(k.odsekyBunky);
        } else {
            RtfBunka b;
            b.odseky = k.odsekyBunky;
            k.bunky.append(b);
        }
        k.odsekyBunky.clear();
    }

    void ukonciRiadok()
    {
        Kontajner& k = kont();
        if (!k.odsek.behy.isEmpty() || !k.odsekyBunky.isEmpty())
            ukonciBunku();
        zlozRiadok(k);
    }

    // The cells read so far become a row of the table that is open, or of a new one.
    void zlozRiadok(Kontajner& k)
    {
        if (!k.odsekyBunky.isEmpty()) {
            RtfBunka b;
            b.odseky = k.odsekyBunky;
            k.odsekyBunky.clear();
            if (k.bunky.size() < MaxBuniek)
                k.bunky.append(b);
        }
        if (k.bunky.isEmpty())
            return;
        RtfRiadok r;
        r.lavyOkraj = m_trleft;
        r.medzera = m_trgaph;
        r.drzPohromade = m_trkeep;
        int predosly = 0;
        for (int i = 0; i < k.bunky.size(); ++i) {
            RtfBunka b = k.bunky[i];
            if (i < m_defRiadku.size()) {
                const RtfBunka& d = m_defRiadku[i];
                b.pravyOkraj = d.pravyOkraj;
                b.okraje = d.okraje;
                b.tienovanie = d.tienovanie;
                b.pozadie = d.pozadie;
            } else {
                b.pravyOkraj = predosly + 1440;
            }
            predosly = b.pravyOkraj;
            r.bunky.append(b);
        }
        k.bunky.clear();
        if (!k.tabulkaOtvorena || k.bloky->isEmpty() || !k.bloky->last().jeTabulka)
            k.bloky->append(RtfBlok::zTabulky(RtfTabulka{}));
        k.bloky->last().tabulka.riadky.append(r);
        k.tabulkaOtvorena = true;
    }

    void dokonci(Kontajner& k)
    {
        if (!k.bunky.isEmpty() || !k.odsekyBunky.isEmpty())
            zlozRiadok(k);
        if (!k.odsek.behy.isEmpty()) {
            RtfOdsek o = std::move(k.odsek);
            k.bloky->append(RtfBlok::zOdseku(o));
        }
    }
};

// Text that is not RTF: one paragraph per line, UTF-8 when valid, else Windows-1250.
Vysledok zTextu(const QByteArray& data)
{
    Vysledok v;
    auto dekoder = QStringDecoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = dekoder.decode(data);
    if (dekoder.hasError())
        text = Win1250::dekoduj(data);
    text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    const auto riadky = text.split(QLatin1Char('\n'));
    for (int i = 0; i < riadky.size(); ++i) {
        if (i + 1 == riadky.size() && riadky[i].isEmpty())
            break;
        RtfOdsek o;
        if (!riadky[i].isEmpty()) {
            RtfBeh b;
            b.text = riadky[i];
            o.behy.append(b);
        }
        v.dokument.telo.append(RtfBlok::zOdseku(o));
    }
    return v;
}

}  // namespace

Vysledok citaj(const QByteArray& data)
{
    if (!data.startsWith("{\\rtf"))
        return zTextu(data);
    return Citac(data).citaj();
}

Vysledok citajSubor(const QString& cesta)
{
    const auto data = Subory::citaj(cesta);
    if (!data)
        return Vysledok{};
    return citaj(*data);
}

}  // namespace RtfCitac
