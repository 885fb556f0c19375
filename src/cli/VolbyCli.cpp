#include "cli/VolbyCli.h"

#include <QRegularExpression>

namespace {

const QString kProgram = QStringLiteral("kevrot-cli");

// The argument that spelled the unknown option `nazov` (`-x`, `--x`, `--x=1`).
QString napisanaVolba(const QStringList& argumenty, const QString& nazov)
{
    for (const QString& a : argumenty) {
        for (const QString& p : {QStringLiteral("-"), QStringLiteral("--")})
            if (a == p + nazov || a.startsWith(p + nazov + u'='))
                return a;
    }
    return QStringLiteral("--") + nazov;
}

}  // namespace

RiadokCli RozoberRiadokCli(const QStringList& argumenty)
{
    QCommandLineParser p;
    p.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    p.setOptionsAfterPositionalArgumentsMode(QCommandLineParser::ParseAsPositionalArguments);
    const QCommandLineOption appDir(QStringLiteral("appdir"), {}, QStringLiteral("ADRESÁR"));
    p.addOption(appDir);
    const bool ok = p.parse(QStringList{kProgram} + argumenty);
    RiadokCli r;
    r.prikaz = p.positionalArguments();
    const QStringList adresare = p.values(appDir);
    if (!adresare.isEmpty())
        r.appDir = adresare.first();
    if (!p.unknownOptionNames().isEmpty())
        r.prikaz.prepend(napisanaVolba(argumenty, p.unknownOptionNames().first()));
    else if (!ok)
        r.chyba = QStringLiteral("Chýba adresár za --appdir.");
    else if (adresare.size() > 1)
        r.prikaz.prepend(QStringLiteral("--appdir"));
    return r;
}

VolbyPrikazu RozoberVolbyPrikazu(const QStringList& a, const QString& pouzitie)
{
    static const QRegularExpression volba(QStringLiteral(R"(\[--([a-z-]+)(?: ([^\]]+))?\])"));
    auto p = std::make_shared<QCommandLineParser>();
    p->setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    bool maVolby = false;
    for (auto it = volba.globalMatch(pouzitie); it.hasNext(); maVolby = true) {
        const QRegularExpressionMatch m = it.next();
        p->addOption(QCommandLineOption(m.captured(1), {}, m.captured(2)));
    }
    // A command without options takes its words as they are (a file may begin with '-').
    if (!maVolby || a.isEmpty()) {
        p->parse({kProgram});
        return {a, p};
    }
    if (!p->parse(QStringList{kProgram} + a.mid(1)))
        return {a, nullptr};
    return {QStringList{a.first()} + p->positionalArguments(), p};
}
