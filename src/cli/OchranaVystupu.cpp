#include "cli/OchranaVystupu.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>

#include "migration/Zaloha.h"
#include "store/Cesty.h"
#include "store/DatovaSada.h"

namespace Cli {
namespace {

// The real path of a file that may not exist yet: links of its existing folders resolved.
QString skutocnaCesta(const QString& c)
{
    QFileInfo f(QFileInfo(c).absoluteFilePath());
    if (f.exists())
        return f.canonicalFilePath();
    QString zvysok = f.fileName();
    QFileInfo d(f.absolutePath());
    while (!d.exists() && !d.isRoot()) {
        zvysok = d.fileName() + u'/' + zvysok;
        d = QFileInfo(d.absolutePath());
    }
    return d.canonicalFilePath() + u'/' + zvysok;
}

}  // namespace

QString odmietnutyVystup(const QString& prikaz, const QString& subor, const QString& appDir)
{
    const QString koren = skutocnaCesta(appDir);
    const QString ciel = skutocnaCesta(subor);
    if (!ciel.startsWith(koren + u'/'))
        return {};
    const QString rel = ciel.mid(koren.size() + 1);
    const QString adresar = rel.section(u'/', 0, -2);
    static const QRegularExpression dokumenty(QStringLiteral("^ZnalKevrot\\d{4}/\\d{1,9}-\\d{4}$"));
    const bool vDokumentoch = dokumenty.match(adresar).hasMatch();
    bool povolene = adresar.section(u'/', 0, 0).compare(QLatin1String("Tmp_doc"), Qt::CaseInsensitive) == 0 || vDokumentoch;
    if (prikaz == QLatin1String("backup")) {
        Cesty::nastavAppDir(QFileInfo(appDir).absoluteFilePath());
        povolene = povolene || QFileInfo(ciel).absolutePath() == skutocnaCesta(Zaloha::Adresar());
    }
    if (povolene && !(QFileInfo::exists(ciel) && DatovaSada::patri(rel) && !vDokumentoch))
        return {};
    return QStringLiteral("Výstupný súbor %1 leží v adresári údajov. Príkaz %2 tam smie zapisovať len do Tmp_doc, "
                          "do priečinka dokumentov záznamu%3, a nikdy nie cez súbor údajov; nič sa nezapísalo.")
        .arg(QDir::toNativeSeparators(subor), prikaz,
             prikaz == QLatin1String("backup") ? QStringLiteral(" alebo do adresára záloh") : QString());
}

}  // namespace Cli
