#include "SablonyDruhu.h"

#include <QDir>

namespace SablonyDruhu {

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
    // Only names that folder + name + ".rtf" finds again: the suffix is matched exactly.
    const auto subory = QDir(adresar).entryList({QStringLiteral("*.rtf")},
                                                QDir::Files | QDir::CaseSensitive, QDir::Name);
    for (const auto& s : subory)
        if (s.size() > 4)
            mena << s.left(s.size() - 4);
    return mena;
}

}  // namespace SablonyDruhu
