#include "Cesty.h"

#include <QDir>
#include <QFileInfo>

namespace Cesty {
namespace {
QString g_appDir;
}

void nastavAppDir(const QString& adresar)
{
    QString a = QDir::cleanPath(adresar);
    while (a.size() > 1 && a.endsWith('/'))
        a.chop(1);
    g_appDir = a;
}

const QString& AppDir() { return g_appDir; }

QString cesta(const QString& relativna)
{
    QString r = relativna;
    r.replace('\\', '/');
    if (!r.startsWith('/'))
        r.prepend('/');
    return g_appDir + r;
}

QString adresarRoka(int rok) { return g_appDir + QStringLiteral("/ZnalKevrot") + QString::number(rok); }

QString tmpDoc() { return cesta(QString::fromLatin1(TmpDoc)); }

bool vytvorJednuUroven(const QString& adresar)
{
    QFileInfo fi(adresar);
    if (fi.isDir())
        return true;
    return QDir().mkdir(adresar);
}

}  // namespace Cesty
