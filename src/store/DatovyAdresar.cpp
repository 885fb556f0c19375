#include "DatovyAdresar.h"

#include "Spravy.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>

#include <algorithm>

namespace DatovyAdresar {
namespace {
QString absolutny(const QString& adresar) { return QDir::cleanPath(QFileInfo(adresar).absoluteFilePath()); }
}  // namespace

bool ObsahujeUdaje(const QString& adresar)
{
    const QDir d(adresar);
    if (QFileInfo(d.filePath(QStringLiteral("nastavenia.dat"))).isFile()
        || QFileInfo(d.filePath(QStringLiteral("Data"))).isDir())
        return true;
    static const QRegularExpression rok(QStringLiteral("^ZnalKevrot\\d{4}$"));
    const QStringList podadresare = d.entryList(QDir::Dirs | QDir::NoDotAndDotDot);
    return std::any_of(podadresare.begin(), podadresare.end(),
                       [](const QString& m) { return rok.match(m).hasMatch(); });
}

Volba Zvol(const Vstup& v)
{
    if (!v.prepinac.isEmpty())
        return {absolutny(v.prepinac), Povod::Prepinac};
    if (!v.premenna.isEmpty())
        return {absolutny(v.premenna), Povod::Premenna};
    if (!v.adresarProgramu.isEmpty() && ObsahujeUdaje(v.adresarProgramu))
        return {absolutny(v.adresarProgramu), Povod::Program};
    // A relative XDG_DATA_HOME is not valid and is ignored.
    const QString zaklad = QDir::isAbsolutePath(v.xdgDataHome) ? v.xdgDataHome
                                                                : v.domov + QStringLiteral("/.local/share");
    return {QDir::cleanPath(zaklad + QStringLiteral("/ZnaleckyKevrot")), Povod::Xdg};
}

Vstup ZProstredia(const QString& prepinac, const QString& adresarProgramu)
{
    return {prepinac, qEnvironmentVariable("KEVROT_DATA"), adresarProgramu,
            qEnvironmentVariable("XDG_DATA_HOME"), QDir::homePath()};
}

QString Priprav(const Volba& volba)
{
    if (QFileInfo(volba.adresar).isDir())
        return {};
    if (volba.povod == Povod::Prepinac)
        return QStringLiteral("Adresár neexistuje: ") + volba.adresar;
    return QDir().mkpath(volba.adresar) ? QString() : textNepodariloVytvoritAdresar(volba.adresar);
}

bool VyberPrepinac(QStringList& argumenty, QString* adresar)
{
    const qsizetype i = argumenty.indexOf(QStringLiteral("--appdir"));
    if (i < 0)
        return true;
    if (i + 1 >= argumenty.size())
        return false;
    *adresar = argumenty.at(i + 1);
    argumenty.remove(i, 2);
    return true;
}

QString TextPovodu(Povod povod)
{
    switch (povod) {
    case Povod::Prepinac: return QStringLiteral("--appdir");
    case Povod::Premenna: return QStringLiteral("KEVROT_DATA");
    case Povod::Program: return QStringLiteral("adresár programu");
    case Povod::Xdg: return QStringLiteral("XDG_DATA_HOME");
    }
    return {};
}

}  // namespace DatovyAdresar
