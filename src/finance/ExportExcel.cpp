#include "ExportExcel.h"

#include "store/Centy.h"

#include "store/Cesty.h"
#include "store/Datum.h"
#include "store/Spravy.h"
#include "store/Subory.h"
#include "store/UlozenieCez.h"
#include "store/Zurnal.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QUuid>

#include <xlsxwriter.h>

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace {

constexpr int Stlpcov = 10;
constexpr double PredvolenaSirka = 8.43;
constexpr double RelativneSirky[Stlpcov] = {1, 3, 4.0 / 3, 3, 1, 3, 1, 2, 2, 2};
// Cells of these columns are centred (A, C, E ... J); B and D are not.
constexpr bool Centrovane[Stlpcov] = {true, false, true, false, true, true, true, true, true, true};
// C and H hold an upper and a lower value; the other columns merge the entry's two rows.
constexpr bool DvaRiadky(int stlpec) { return stlpec == 2 || stlpec == 7; }
constexpr int MaxDlzkaBunky = 32767;
constexpr int MaxDlzkaZadavatela = 252;
constexpr double VyskaRiadku = 16;  // points: the least height of a row

const char* const Hlavicky[Stlpcov] = {
    "Por. čís- lo/rok",
    "Zadávateľ úkonu (štátny orgán, právnická osoba alebo fyzická osoba)",
    "Dátum vyžiadania",
    "Predmet úkonu (účel) a objekt úkonu",
    "Účtovaná odmena",
    "Údaje k účtovanej odmene",
    "Účtované výdavky",
    "Výška priznanej odmeny",
    "Dátum vyplatenia",
    "Poznámka",
};
const char* const DolneHlavicky[Stlpcov] = {nullptr, nullptr, "Dátum vykonania", nullptr, nullptr,
                                            nullptr, nullptr, "Výška náhrady výdavkov", nullptr, nullptr};

// Euro amounts and dates as the Slovak locale shows them.
const char* const FormatSumy = "#,##0.00\\ \"€\"";
const char* const FormatDatumu = "d.m.yyyy";

enum class Obsah { Text, Suma, Datum, Cislo, TextovyFormat };

// What a cell holds: a text, or a number shown as an amount or a date; nothing = empty.
struct Bunka {
    Obsah druh = Obsah::Text;
    QString text;
    double cislo = 0.0;
    bool prazdna = true;

    static Bunka Text(const QString& t) { return {Obsah::Text, t, 0.0, false}; }
    // The amount in cents as documents and the journal show it.
    static Bunka Suma(double v) { return {Obsah::Suma, {}, ZCentov(NaCenty(v)), false}; }
    static Bunka Datum(double d) { return d == 0.0 ? Bunka{} : Bunka{Obsah::Datum, {}, d, false}; }
};

// Characters a workbook cannot hold become "?"; line breaks stay, the text is cut to what a
// cell holds.
bool jeZakazanyVBunke(QChar c)
{
    const ushort u = c.unicode();
    return u == '\r' || (u < 0x20 && u != '\n' && u != '\t') || u == 0xFFFE || u == 0xFFFF || c.isSurrogate();
}

QString textBunky(const QString& t)
{
    if (t.size() <= MaxDlzkaBunky && std::none_of(t.cbegin(), t.cend(), jeZakazanyVBunke))
        return t;  // the usual text, shared as it is
    QString v;
    v.reserve(t.size());
    for (QChar c : t) {
        const ushort u = c.unicode();
        if (u == '\r')
            continue;
        if ((u < 0x20 && u != '\n' && u != '\t') || u == 0xFFFE || u == 0xFFFF || c.isSurrogate())
            v += QLatin1Char('?');
        else
            v += c;
    }
    return v.left(MaxDlzkaBunky);
}

QString spoj(std::initializer_list<QString> casti) { return QStringList(casti).join(QLatin1Char(' ')); }

// The cells of one entry, column by column; C and H give the upper and the lower cell.
struct RiadkyZaznamu {
    Bunka horne[Stlpcov];
    Bunka dolne[Stlpcov];
};

RiadkyZaznamu bunkyZaznamu(const RiadokKevrota& z, VariantExportu variant)
{
    RiadkyZaznamu r;
    r.horne[0] = Bunka::Text(QStringLiteral("%1/%2").arg(z.PoradoveCislo).arg(z.Rok));
    r.horne[1] = Bunka::Text(spoj({z.Meno(), z.Adresa(), z.CisloObjednavky()}).left(MaxDlzkaZadavatela));
    r.horne[2] = Bunka::Datum(z.DatumVyziadania);
    r.dolne[2] = Bunka::Datum(z.DatumVykonania);
    QString predmet = spoj({z.DruhUkonu(), z.TypPosudku(), z.Predmet()});
    if (variant == VariantExportu::Register)
        predmet += QLatin1Char(' ') + z.Ucel();
    r.horne[3] = Bunka::Text(predmet);
    r.horne[4] = Bunka::Suma(z.UctovanaOdmena);
    r.horne[5] = Bunka::Text(z.UdajeOdmena());
    r.horne[6] = Bunka::Suma(z.UctovaneVydavky);
    r.horne[7] = Bunka::Suma(z.PriznanaOdmena);
    r.dolne[7] = Bunka::Suma(z.PriznaneVydavky);
    // One payment date is a date cell; several are a list.
    const QStringList datumy = Zurnal::DatumyVyplateniaZoznam(z.DatumyVyplatenia());
    const double jedenDatum = datumy.size() == 1 ? TextNaDatum(datumy[0]) : 0.0;
    r.horne[8] = jedenDatum != 0.0 ? Bunka::Datum(jedenDatum) : Bunka::Text(datumy.join(QStringLiteral(", ")));
    r.horne[9] = Bunka::Text(z.Poznamka());
    return r;
}

// The workbook's formats, made once per combination.
class Formaty {
public:
    Formaty(lxw_workbook* zosit, const PismoTabulky& pismo) : m_zosit(zosit), m_pismo(pismo.nazov.toUtf8())
    {
        m_velkost = pismo.velkost > 0 ? pismo.velkost : 10;
    }

    double velkost() const { return m_velkost; }

    lxw_format* format(bool tucne, bool centrovane, Obsah druh)
    {
        const int kluc = (tucne ? 1 : 0) | (centrovane ? 2 : 0) | (int(druh) << 2);
        if (lxw_format* f = m_formaty.value(kluc))
            return f;
        lxw_format* f = workbook_add_format(m_zosit);
        format_set_font_name(f, m_pismo.constData());
        format_set_font_size(f, m_velkost);
        if (tucne)
            format_set_bold(f);
        format_set_align(f, centrovane ? LXW_ALIGN_CENTER : LXW_ALIGN_LEFT);
        format_set_align(f, LXW_ALIGN_VERTICAL_CENTER);
        format_set_text_wrap(f);
        format_set_border(f, LXW_BORDER_THIN);
        if (druh == Obsah::Suma)
            format_set_num_format(f, FormatSumy);
        else if (druh == Obsah::Datum)
            format_set_num_format(f, FormatDatumu);
        else if (druh == Obsah::TextovyFormat)
            format_set_num_format(f, "@");
        m_formaty.insert(kluc, f);
        return f;
    }

private:
    lxw_workbook* m_zosit;
    QByteArray m_pismo;
    double m_velkost = 10;
    QHash<int, lxw_format*> m_formaty;
};

class Zapisovac {
public:
    Zapisovac(lxw_workbook* zosit, const PismoTabulky& pismo, const QList<RiadokKevrota>& zaznamy)
        : m_zosit(zosit), m_formaty(zosit, pismo)
    {
        // Amount columns are widened only where the widest amount would not fit.
        for (const auto& z : zaznamy)
            for (double v : {z.UctovanaOdmena, z.UctovaneVydavky, z.PriznanaOdmena, z.PriznaneVydavky})
                m_najdlhsiaSuma = std::max(m_najdlhsiaSuma, dlzkaSumy(v));
    }

    // The height (points) of the lines a text takes in a column: a line per paragraph and
    // per column width of characters (an average character taken a little wider than "0").
    double vyskaTextu(const QString& t, int s, bool hlavicka) const
    {
        const double znakov = std::max(1.0, sirkaStlpca(s) - 1) / (hlavicka ? 1.15 : 1.05);
        int riadkov = 0;
        for (const QString& odsek : t.split(QLatin1Char('\n')))
            riadkov += std::max(1, int(std::ceil(odsek.size() / znakov)));
        return riadkov * m_formaty.velkost() * 1.3 + 3;
    }

    lxw_worksheet* pridajHarok(const QString& nazov)
    {
        lxw_worksheet* h = workbook_add_worksheet(m_zosit, nazov.isEmpty() ? nullptr : nazov.toUtf8().constData());
        // Printed on A4 across, all ten columns on one page, the header on every page.
        worksheet_set_paper(h, 9);
        worksheet_set_landscape(h);
        worksheet_fit_to_pages(h, 1, 0);
        worksheet_repeat_rows(h, 0, 2);
        zapisHlavicku(h);
        return h;
    }

    void zapisZaznam(lxw_worksheet* h, int riadok, const RiadokKevrota& z, VariantExportu variant)
    {
        const RiadkyZaznamu r = bunkyZaznamu(z, variant);
        // The entry's two rows grow with the wrapped texts of its merged cells.
        double vyska = 2 * VyskaRiadku;
        for (int s = 0; s < Stlpcov; ++s)
            if (!DvaRiadky(s) && r.horne[s].druh == Obsah::Text && !r.horne[s].prazdna)
                vyska = std::max(vyska, vyskaTextu(textBunky(r.horne[s].text), s, false));
        over(worksheet_set_row(h, riadok, std::ceil(vyska / 2), nullptr));
        over(worksheet_set_row(h, riadok + 1, std::ceil(vyska / 2), nullptr));
        for (int s = 0; s < Stlpcov; ++s) {
            if (DvaRiadky(s)) {
                zapis(h, riadok, s, r.horne[s], false);
                zapis(h, riadok + 1, s, r.dolne[s], false);
            } else {
                zlucene(h, riadok, s, r.horne[s], false);
            }
        }
    }

    lxw_error chyba = LXW_NO_ERROR;

private:
    static int dlzkaSumy(double v) { return QString::number(v, 'f', 2).size() + (std::abs(v) >= 1000 ? 4 : 2); }

    double sirkaStlpca(int s) const
    {
        const double sirka = PredvolenaSirka * RelativneSirky[s];
        return s == 4 || s == 6 || s == 7 ? std::max(sirka, double(m_najdlhsiaSuma) + 1) : sirka;
    }

    void zapisHlavicku(lxw_worksheet* h)
    {
        // Rows 2 and 3 fit the captions: the merged ones share both rows, C and H have one each.
        double spolu = 0, horny = VyskaRiadku, dolny = VyskaRiadku;
        for (int s = 0; s < Stlpcov; ++s) {
            const double v = vyskaTextu(QString::fromUtf8(Hlavicky[s]), s, true);
            if (DvaRiadky(s)) {
                horny = std::max(horny, v);
                dolny = std::max(dolny, vyskaTextu(QString::fromUtf8(DolneHlavicky[s]), s, true));
            } else {
                spolu = std::max(spolu, v);
            }
        }
        const double chyba = std::max(0.0, spolu - horny - dolny);
        over(worksheet_set_row(h, 1, std::ceil(horny + chyba / 2), nullptr));
        over(worksheet_set_row(h, 2, std::ceil(dolny + chyba / 2), nullptr));
        for (int s = 0; s < Stlpcov; ++s) {
            worksheet_set_column(h, s, s, sirkaStlpca(s), nullptr);
            over(worksheet_write_number(h, 0, s, s + 1, m_formaty.format(false, true, Obsah::Cislo)));
            const Bunka horna = Bunka::Text(QString::fromUtf8(Hlavicky[s]));
            if (DvaRiadky(s)) {
                zapis(h, 1, s, horna, true);
                zapis(h, 2, s, Bunka::Text(QString::fromUtf8(DolneHlavicky[s])), true);
            } else {
                zlucene(h, 1, s, horna, true);
            }
        }
    }

    void zlucene(lxw_worksheet* h, int riadok, int s, const Bunka& b, bool hlavicka)
    {
        lxw_format* f = formatBunky(b, s, hlavicka);
        over(worksheet_merge_range(h, riadok, s, riadok + 1, s, "", f));
        zapis(h, riadok, s, b, hlavicka);
    }

    lxw_format* formatBunky(const Bunka& b, int s, bool hlavicka)
    {
        const Obsah druh = s == 0 && !hlavicka ? Obsah::TextovyFormat : b.druh;
        return m_formaty.format(hlavicka, hlavicka || Centrovane[s], druh);
    }

    void zapis(lxw_worksheet* h, int riadok, int s, const Bunka& b, bool hlavicka)
    {
        lxw_format* f = formatBunky(b, s, hlavicka);
        if (b.prazdna)
            over(worksheet_write_blank(h, riadok, s, f));
        else if (b.druh == Obsah::Text)
            over(worksheet_write_string(h, riadok, s, textBunky(b.text).toUtf8().constData(), f));
        else
            over(worksheet_write_number(h, riadok, s, b.cislo, f));
    }

    void over(lxw_error e)
    {
        if (e != LXW_NO_ERROR && chyba == LXW_NO_ERROR)
            chyba = e;
    }

    lxw_workbook* m_zosit;
    Formaty m_formaty;
    int m_najdlhsiaSuma = 0;
};

constexpr int PrvyRiadokZaznamov = 3;  // row 4

void zapisRegister(Zapisovac& z, const QList<RiadokKevrota>& zaznamy)
{
    lxw_worksheet* h = nullptr;
    int riadok = 0;
    for (qsizetype i = 0; i < zaznamy.size(); ++i) {
        if (i % ZaznamovNaStranu == 0) {
            h = z.pridajHarok(QStringLiteral("%1. strana").arg(i / ZaznamovNaStranu + 1));
            riadok = PrvyRiadokZaznamov;
        }
        z.zapisZaznam(h, riadok, zaznamy.at(i), VariantExportu::Register);
        riadok += 2;
    }
    if (zaznamy.isEmpty())
        z.pridajHarok(QStringLiteral("1. strana"));
}

void zapisFinancny(Zapisovac& z, const QList<RiadokKevrota>& zaznamy)
{
    lxw_worksheet* h = z.pridajHarok(QStringLiteral("Financie"));
    int riadok = PrvyRiadokZaznamov;
    for (const auto& zaznam : zaznamy) {
        z.zapisZaznam(h, riadok, zaznam, VariantExportu::Financny);
        riadok += 2;
    }
}

QString zakladNazvu(int rok, VariantExportu variant)
{
    return QStringLiteral("ZnaleckyKevrot_%1%2").arg(rok).arg(variant == VariantExportu::Financny ? QStringLiteral("_financie") : QString());
}

}  // namespace

QList<RiadokKevrota> ZaznamyExportu(const QList<RiadokKevrota>& zaznamy, int rok, VariantExportu variant)
{
    if (variant == VariantExportu::Financny)
        return zaznamy;
    QList<RiadokKevrota> v;
    for (const auto& z : zaznamy)
        if (z.Rok == rok)
            v.append(z);
    return v;
}

Vysledok ZapisZosit(const QList<RiadokKevrota>& zaznamy, VariantExportu variant, const PismoTabulky& pismo,
                    const QString& cesta)
{
    // Through the one atomic write: the workbook is written under the temporary name, synced
    // and only then renamed over the file.
    return Subory::ulozAtomickyCez(cesta, [&](const QString& docasny) {
        lxw_workbook* zosit = workbook_new(QFile::encodeName(docasny).constData());
        if (!zosit)
            return Vysledok::chyba(QStringLiteral("Zošit sa nedá vytvoriť."));
        Zapisovac z(zosit, pismo, zaznamy);
        if (variant == VariantExportu::Register)
            zapisRegister(z, zaznamy);
        else
            zapisFinancny(z, zaznamy);
        const lxw_error e = workbook_close(zosit);
        const lxw_error prva = z.chyba != LXW_NO_ERROR ? z.chyba : e;
        if (prva != LXW_NO_ERROR)
            return Vysledok::chyba(QString::fromUtf8(lxw_strerror(prva)));
        return Vysledok();
    });
}

QString NazovZosita(const QString& adresar, int rok, VariantExportu variant)
{
    const QString zaklad = zakladNazvu(rok, variant);
    const QDir d(adresar);
    for (int n = 1;; ++n) {
        const QString meno = n == 1 ? zaklad + QStringLiteral(".xlsx") : QStringLiteral("%1 (%2).xlsx").arg(zaklad).arg(n);
        if (!QFileInfo::exists(d.filePath(QStringLiteral(".~lock.") + meno + QLatin1Char('#'))))
            return d.filePath(meno);
    }
}

QString VytlacExcel(const QList<RiadokKevrota>& zaznamy, int rok, VariantExportu variant, const PismoTabulky& pismo)
{
    const QString adresar = Cesty::tmpDoc();
    QDir().mkpath(adresar);
    const QString cesta = NazovZosita(adresar, rok, variant);
    if (const Vysledok v = ZapisZosit(ZaznamyExportu(zaznamy, rok, variant), variant, pismo, cesta); !v) {
        Subory::ohlasChybuZapisu(cesta, v.dovod());
        return {};
    }
    spravy().otvorSubor(cesta);  // the service reports a file no program opens
    return cesta;
}
