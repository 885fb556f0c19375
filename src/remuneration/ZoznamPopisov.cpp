#include "ZoznamPopisov.h"

#include "settings/Banky.h"
#include "store/Cesty.h"
#include "store/Spravy.h"
#include "store/Subory.h"

#include <QCollator>
#include <QFileInfo>
#include <QLocale>

#include <algorithm>

namespace ZoznamPopisov {

QString NazovSuboru(int kodZoznamu)
{
    switch (kodZoznamu) {
    case 1: return QStringLiteral("kevrot_popis_tarif_odmena.kvz");
    case 2: return QStringLiteral("kevrot_popis_pausal_odmena.kvz");
    case 3: return QStringLiteral("kevrot_popis_pasal_vydavky.kvz");
    case 4: return QStringLiteral("kevrot_popis_hotove_vydavky.kvz");
    case 5: return QStringLiteral("kevrot_popis_zmluvna_odmena.kvz");
    case 8: return QStringLiteral("kevrot_popis_podielova_odmena.kvz");
    default: return {};
    }
}

QString Subor(int kodZoznamu)
{
    const QString nazov = NazovSuboru(kodZoznamu);
    return nazov.isEmpty() ? QString() : Cesty::cesta(QStringLiteral("\\Data\\") + nazov);
}

QStringList Nacitaj(int kodZoznamu)
{
    const QString cesta = Subor(kodZoznamu);
    if (cesta.isEmpty() || !QFileInfo::exists(cesta))
        return {};
    const auto obsah = Subory::citaj(cesta);
    if (!obsah) {
        spravy().chyba(textProblemSoSuborom(cesta));
        return {};
    }
    return RiadkyTextu(*obsah);
}

Vysledok Uloz(int kodZoznamu, const QStringList& popisy)
{
    const QString cesta = Subor(kodZoznamu);
    if (cesta.isEmpty())
        return Vysledok::chyba(QStringLiteral("Neznámy zoznam popisov: %1").arg(kodZoznamu));
    const Vysledok v = Subory::ulozAtomicky(cesta, TextZRiadkov(popisy));
    return v ? v : Vysledok::chyba(Subory::textChybaZapisu(cesta, v.dovod()));
}

void Zorad(QStringList& popisy)
{
    QCollator kolator{QLocale(QLocale::Slovak, QLocale::Slovakia)};
    kolator.setCaseSensitivity(Qt::CaseInsensitive);
    std::stable_sort(popisy.begin(), popisy.end(),
                     [&](const QString& a, const QString& b) { return kolator.compare(a, b) < 0; });
}

bool Pridaj(QStringList& popisy, const QString& popis)
{
    if (popis.isEmpty() || popisy.contains(popis, Qt::CaseInsensitive))
        return false;
    popisy.append(popis);
    Zorad(popisy);
    return true;
}

}  // namespace ZoznamPopisov
