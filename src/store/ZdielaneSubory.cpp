#include "ZdielaneSubory.h"

#include "Cesty.h"
#include "Spravy.h"
#include "Subory.h"

#include <QDir>
#include <QDirIterator>
#include <QFileInfo>

namespace ZdielaneSubory {
namespace {
QString g_adresar;

QString pod(const QString& koren, const QString& relativna)
{
    QString r = relativna;
    r.replace('\\', '/');
    while (r.startsWith('/'))
        r.remove(0, 1);
    return koren + '/' + r;
}

// Copies one file when the target is missing; a failure's reason is the message for the user.
Vysledok kopirujChybajuci(const QString& zdroj, const QString& ciel)
{
    if (QFileInfo::exists(ciel))
        return {};
    if (!QDir().mkpath(QFileInfo(ciel).absolutePath()))
        return Vysledok::chyba(textNepodariloVytvoritAdresar(QFileInfo(ciel).absolutePath()));
    const auto obsah = Subory::citaj(zdroj);
    if (!obsah)
        return Vysledok::chyba(textProblemSoSuborom(zdroj));
    if (const Vysledok v = Subory::ulozAtomicky(ciel, *obsah); !v)
        return Vysledok::chyba(Subory::textChybaZapisu(ciel, v.dovod()));
    return {};
}
}  // namespace

QString AdresarPreProgram(const QString& adresarProgramu)
{
    const QString instalacia = QDir::cleanPath(adresarProgramu + QStringLiteral("/../share/znalecky-kevrot"));
    return QFileInfo(instalacia).isDir() ? instalacia : QDir::cleanPath(adresarProgramu);
}

void nastavAdresar(const QString& adresar) { g_adresar = adresar.isEmpty() ? QString() : QDir::cleanPath(adresar); }

QString Adresar() { return g_adresar.isEmpty() ? Cesty::AppDir() : g_adresar; }

QString subor(const QString& relativna)
{
    const QString zdielany = pod(Adresar(), relativna);
    return QFileInfo::exists(zdielany) ? zdielany : Cesty::cesta(relativna);
}

QString sablona(const QString& relativna)
{
    const QString vlastna = Cesty::cesta(relativna);
    return QFileInfo::exists(vlastna) ? vlastna : pod(Adresar(), relativna);
}

const QList<QString>& KopirovaneDoDat()
{
    static const QList<QString> zoznam{
        QStringLiteral("Data/odbory.dat"),
        QStringLiteral("Data/odvetvia.dat"),
        QStringLiteral("Data/jazyky.dat"),
        QStringLiteral("Data/banky.kvz"),
        QStringLiteral("ZnaleckyKevrot texty"),
    };
    return zoznam;
}

QStringList DoplnDatovyAdresar()
{
    QStringList skopirovane;
    const QString zdroj = Adresar();
    if (QDir(zdroj).canonicalPath() == QDir(Cesty::AppDir()).canonicalPath())
        return skopirovane;
    for (const QString& polozka : KopirovaneDoDat()) {
        const QFileInfo z(pod(zdroj, polozka));
        if (!z.exists() || QFileInfo::exists(Cesty::cesta(polozka)))
            continue;
        QStringList subory;
        if (z.isDir()) {
            QDirIterator it(z.filePath(), QDir::Files | QDir::NoSymLinks, QDirIterator::Subdirectories);
            while (it.hasNext())
                subory << polozka + '/' + QDir(z.filePath()).relativeFilePath(it.next());
        } else {
            subory << polozka;
        }
        subory.sort();
        for (const QString& rel : subory)
            if (ohlas(kopirujChybajuci(pod(zdroj, rel), Cesty::cesta(rel))))
                skopirovane << rel;
    }
    return skopirovane;
}

}  // namespace ZdielaneSubory
