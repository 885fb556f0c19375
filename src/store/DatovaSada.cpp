#include "DatovaSada.h"

#include "Subory.h"
#include "UlozenieCez.h"

#include <QRegularExpression>
#include <QStringList>

namespace DatovaSada {

namespace {

bool cistyNazov(const QString& meno)
{
    return !meno.isEmpty() && meno != QLatin1String(".") && meno != QLatin1String("..") &&
           !meno.contains(QLatin1Char('\\')) && !Subory::jeZvysokUkladania(meno);
}

// Names that a loader of code could take: never data, wherever they lie.
bool jeKod(const QString& meno)
{
    static const QRegularExpression kod(QStringLiteral("(\\.(so|dll|exe|dylib|conf|sh|desktop)$)|\\.so\\.|^qt\\.conf$"),
                                        QRegularExpression::CaseInsensitiveOption);
    return kod.match(meno).hasMatch();
}

}  // namespace

bool patri(const QString& rel)
{
    const QStringList casti = rel.split(QLatin1Char('/'));
    for (const QString& c : casti)
        if (!cistyNazov(c))
            return false;
    if (jeKod(casti.last()))
        return false;
    if (casti.size() == 1)
        return rel == QLatin1String("nastavenia.dat") || rel == QLatin1String("nastavenia_efaktura.txt");
    static const QRegularExpression data(QStringLiteral("^Data/[^/]+\\.(dat|kvz|pdf|rtf|txt|csv)(\\.poskodeny)?$"),
                                         QRegularExpression::CaseInsensitiveOption);
    if (casti.first() == QLatin1String("Data"))
        return rel != QLatin1String(NastavenieZaloh) && data.match(rel).hasMatch();
    // Every "*.kvd" of a year folder is an entry the journal loads; a folder beside it holds
    // documents.
    static const QRegularExpression rok(QStringLiteral("^ZnalKevrot\\d{4}/([^/]+\\.(?i:kvd)|znalec_kevrot_objednavky\\.dat|"
                                                       "[^/]+/[^/]+)$"));
    if (rok.match(rel).hasMatch())
        return true;
    return casti.first() == QLatin1String("ZnaleckyKevrot texty") && casti.size() <= 3;
}

bool jePracovne(const QString& rel)
{
    const QString prvy = rel.section(QLatin1Char('/'), 0, 0);
    const QString meno = rel.section(QLatin1Char('/'), -1);
    return prvy.compare(QLatin1String("Tmp_doc"), Qt::CaseInsensitive) == 0 ||
           prvy.compare(QLatin1String("Zaloha"), Qt::CaseInsensitive) == 0 ||
           prvy == QLatin1String(".ZnaleckyKevrot.lock") || prvy.startsWith(QLatin1String(".kevrot-zmena")) ||
           prvy.startsWith(QLatin1String(".obnova-")) ||
           Subory::jeZvysokUkladania(meno);
}

bool jeDodavany(const QString& rel)
{
    const QStringList casti = rel.split(QLatin1Char('/'));
    return (casti.size() == 2 && casti.first() == QLatin1String("Zostavy") && !jeKod(casti.last())) ||
           rel == QLatin1String("ZnaleckyKevrot.svg");
}

}  // namespace DatovaSada
