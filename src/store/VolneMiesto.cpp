#include "VolneMiesto.h"

#include <QDir>
#include <QFile>
#include <QLocale>

#include <algorithm>

#include <sys/statvfs.h>

namespace Subory {

qint64 volneMiesto(const QString& cesta)
{
    struct statvfs s;
    if (::statvfs(QFile::encodeName(cesta).constData(), &s) != 0)
        return -1;
    return qint64(s.f_bavail) * qint64(s.f_frsize);
}

QString textMaloMiesta(const QString& cesta, qint64 treba)
{
    const QLocale sk(QLocale::Slovak, QLocale::Slovakia);
    const qint64 volne = std::max<qint64>(volneMiesto(cesta), 0);
    return QStringLiteral("Na disku s údajmi (%1) nie je dosť miesta: treba %2, voľných je %3.")
        .arg(QDir::toNativeSeparators(cesta), sk.formattedDataSize(treba), sk.formattedDataSize(volne));
}

Vysledok overMiesto(const QString& cesta, qint64 treba)
{
    // Room for the folders and the journal besides the files.
    const qint64 sRezervou = treba + treba / 50 + 64 * 1024;
    const qint64 volne = volneMiesto(cesta);
    if (volne < 0 || volne >= sRezervou)
        return {};
    return Vysledok::chyba(textMaloMiesta(cesta, sRezervou));
}

}  // namespace Subory
