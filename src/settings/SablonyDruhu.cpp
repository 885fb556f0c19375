#include "SablonyDruhu.h"

#include <QDir>
#include <QFileInfo>

#include "store/Cesty.h"

namespace SablonyDruhu {

QString koren() { return Cesty::cesta(QStringLiteral("\\ZnaleckyKevrot texty")); }

QString priponaDruhu(int druhZnalca)
{
    switch (druhZnalca) {
    case 1: return QStringLiteral(" (tlmocnik)\\");
    case 2: return QStringLiteral(" (prekladatel)\\");
    default: return QStringLiteral("\\");
    }
}

QStringList zoznamSuborovRtf(const QString& adresar)
{
    QStringList mena{QString()};
    // Each name once, even where "a.rtf" and "a.RTF" both exist.
    const auto subory = QDir(adresar).entryList({QStringLiteral("*.rtf")}, QDir::Files, QDir::Name);
    for (const auto& s : subory)
        if (s.size() > 4 && !mena.contains(s.left(s.size() - 4)))
            mena << s.left(s.size() - 4);
    return mena;
}

QString suborSablony(const QString& adresar, const QString& meno)
{
    const QString presny = adresar + meno + QStringLiteral(".rtf");
    if (QFileInfo(presny).isFile())
        return presny;
    const QDir d(adresar);
    for (const QString& s : d.entryList({QStringLiteral("*.rtf")}, QDir::Files, QDir::Name))
        if (s.size() == meno.size() + 4 && s.startsWith(meno) && s.endsWith(QStringLiteral(".rtf"), Qt::CaseInsensitive))
            return d.filePath(s);
    return presny;
}

QString adresar(SadaSablon sada, int druhZnalca)
{
    QString zaklad = QStringLiteral("\\ZnaleckyKevrot texty\\");
    switch (sada) {
    case SadaSablon::Vyuctovanie: zaklad += QStringLiteral("Text vyuctovania"); break;
    case SadaSablon::FinancnaCiastka: zaklad += QStringLiteral("Text vyuctovania - financna ciastka"); break;
    case SadaSablon::Korespondencia: zaklad += QStringLiteral("Korespondencia - objednavky"); break;
    }
    return Cesty::cesta(zaklad + priponaDruhu(druhZnalca));
}

QString suborHlavicky() { return Cesty::cesta(QStringLiteral("\\ZnaleckyKevrot texty\\hlavicka_vyuctovania.rtf")); }

QString suborPaty() { return Cesty::cesta(QStringLiteral("\\ZnaleckyKevrot texty\\pata_vyuctovania.rtf")); }

void vytvorPriecinky(int druhZnalca)
{
    Cesty::vytvorJednuUroven(koren());
    for (auto sada : {SadaSablon::Vyuctovanie, SadaSablon::FinancnaCiastka, SadaSablon::Korespondencia})
        Cesty::vytvorJednuUroven(adresar(sada, druhZnalca));
}

bool platnyNazov(const QString& nazov)
{
    return !nazov.trimmed().isEmpty() && !nazov.contains(u'/') && !nazov.contains(u'\\') && nazov != u"."
        && nazov != u"..";
}

}  // namespace SablonyDruhu
