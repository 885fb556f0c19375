#include "cli/BehPrikazu.h"

#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>

#include "store/Cesty.h"

namespace Cli {

QStringList& uvodneSpravy()
{
    static QStringList spravy;
    return spravy;
}

VysledokCli hotovo(QJsonObject j, const ZaznamnikSprav& zaznamnik)
{
    j.insert(QStringLiteral("messages"), QJsonArray::fromStringList(uvodneSpravy() + zaznamnik.texty()));
    return {0, QJsonDocument(j).toJson(QJsonDocument::Indented), {}};
}

VysledokCli chybaPouzitia(const QString& text)
{
    return {2, {}, text + QStringLiteral("\n") + PouzitieKevrotCli()};
}

void nastavAppDir(const QString& appDir)
{
    Cesty::nastavAppDir(QFileInfo(appDir).absoluteFilePath());
}

int rokZ(const QString& text)
{
    bool ok = false;
    const int rok = text.toInt(&ok);
    return ok && rok >= 1 && rok <= 9999 ? rok : 0;
}

std::optional<std::pair<int, int>> rokACislo(const QStringList& a, qsizetype pocet, qsizetype i)
{
    bool okRok = false, okCislo = false;
    const int rok = a.size() == pocet ? a.at(i).toInt(&okRok) : 0;
    const int cislo = a.size() == pocet ? a.at(i + 1).toInt(&okCislo) : 0;
    if (!okRok || !okCislo || rok < 1 || rok > 9999 || cislo < 1)
        return std::nullopt;
    return std::pair{rok, cislo};
}

}  // namespace Cli
