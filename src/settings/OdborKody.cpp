#include "OdborKody.h"

#include "store/Subory.h"

#include <QFile>
#include <QFileInfo>

namespace OdborKody {

QStringList RozdelKody(const QString& text)
{
    QStringList kody;
    QString kod;
    for (const QChar c : text) {
        if (c == u'|') {
            kody.append(kod);
            kod.clear();
        } else {
            kod.append(c);
        }
    }
    return kody;
}

QString OverZnakyKodu(const QString& kod)
{
    if (kod.contains(u'|'))
        return QStringLiteral("Kód nesmie obsahovať znak \"|\".");
    return {};
}

bool PredKodom(const QString& kodA, int indexA, const QString& kodB, int indexB)
{
    const int c = QString::compare(kodA, kodB, Qt::CaseInsensitive);
    if (c != 0)
        return c < 0;
    return QString::number(indexA) < QString::number(indexB);
}

bool ZachovajPoskodeny(const QString& cesta)
{
    if (!QFileInfo::exists(cesta))
        return true;
    const QString kopia = cesta + QStringLiteral(".poskodeny");
    if (QFileInfo::exists(kopia))
        return true;
    return Subory::kopirujPrepis(cesta, kopia).ok();
}

}  // namespace OdborKody
