#include "TextovyZoznam.h"

#include "settings/Banky.h"
#include "store/Cesty.h"
#include "store/Spravy.h"
#include "store/Subory.h"
#include "store/Win1250.h"

#include <QCollator>
#include <QFileInfo>
#include <QLocale>

#include <algorithm>

namespace {
QStringList bezPrazdnych(QStringList texty)
{
    texty.removeIf([](const QString& t) { return t.trimmed().isEmpty(); });
    return texty;
}
}  // namespace

QStringList TextoveZoznamy::Vstavane(const QString& nazovSuboru)
{
    if (nazovSuboru == DruhUkonu)
        return {QStringLiteral("znalecký posudok"), QStringLiteral("odborné vyjadrenie"), QStringLiteral("potvrdenie"),
                QStringLiteral("podanie vysvetlenia"), QStringLiteral("doplnenie znaleckého posudku"),
                QStringLiteral("kópia znaleckého posudku")};
    if (nazovSuboru == TypPosudku)
        return {QStringLiteral("výpočet hodnoty vozidla"), QStringLiteral("výpočet výšky škody na vozidle"),
                QStringLiteral("posúdenie technického stavu"), QStringLiteral("analýza dopravnej nehody")};
    return {};
}

TextovyZoznam::TextovyZoznam(const QString& nazovSuboru, const QStringList& vstavanePolozky)
    : Polozky(vstavanePolozky), m_nazovSuboru(nazovSuboru)
{
}

QString TextovyZoznam::Subor() const
{
    return Cesty::cesta(QStringLiteral("\\Data\\") + m_nazovSuboru);
}

bool TextovyZoznam::NacitajZoznam()
{
    const QString cesta = Subor();
    if (!QFileInfo::exists(cesta))
        return false;
    const auto obsah = Subory::citaj(cesta);
    if (!obsah) {
        spravy().chyba(textProblemSoSuborom(cesta));
        return false;
    }
    Polozky = bezPrazdnych(RiadkyTextu(*obsah));
    m_zoSuboru = true;
    return true;
}

Vysledok TextovyZoznam::UlozZoznam() const
{
    const QString cesta = Subor();
    const Vysledok v = Subory::ulozAtomicky(cesta, TextZRiadkov(bezPrazdnych(Polozky)));
    return v ? v : Vysledok::chyba(Subory::textChybaZapisu(cesta, v.dovod()));
}

bool TextovyZoznam::PridajText(const QString& text)
{
    // The item as the file will give it back, so that the list in memory and the file agree.
    const QString polozka = Win1250::dekoduj(Win1250::koduj(text));
    if (polozka.trimmed().isEmpty() || ObsahujeText(Polozky, polozka))
        return false;
    // The first file of a list starts from the list's built-in entries, whichever editor
    // writes it, so that no editor loses them once the file exists.
    if (!m_zoSuboru) {
        for (const QString& v : TextoveZoznamy::Vstavane(m_nazovSuboru))
            if (!ObsahujeText(Polozky, v))
                Polozky.append(v);
        Polozky = bezPrazdnych(Polozky);
        m_zoSuboru = true;
    }
    Polozky.append(polozka);
    ZoradTexty(Polozky);
    ohlas(UlozZoznam());
    return true;
}

Vysledok TextovyZoznam::NahradPolozky(const QStringList& riadky)
{
    QStringList nove = bezPrazdnych(riadky);
    ZoradTexty(nove);
    m_zoSuboru = true;
    Polozky = nove;
    return UlozZoznam();
}

void TextovyZoznam::ZoradTexty(QStringList& texty)
{
    QCollator kolator{QLocale(QLocale::Slovak, QLocale::Slovakia)};
    kolator.setCaseSensitivity(Qt::CaseInsensitive);
    std::stable_sort(texty.begin(), texty.end(),
                     [&](const QString& a, const QString& b) { return kolator.compare(a, b) < 0; });
}

bool TextovyZoznam::ObsahujeText(const QStringList& texty, const QString& text)
{
    return texty.contains(text, Qt::CaseInsensitive);
}
