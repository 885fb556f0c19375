#include "cli/PrikazyZaloh.h"

#include <QFileInfo>
#include <QJsonArray>

#include "migration/PrenosKevrota.h"
#include "migration/Zaloha.h"

namespace Cli {
namespace {

QJsonObject vysledokPrenosu(const Prenos& p)
{
    if (!p.chyba.isEmpty())
        spravy().chyba(p.Zhrnutie(QString()));
    return {{QStringLiteral("skopirovane"), p.skopirovane},
            {QStringLiteral("prenesene"), p.chyba.isEmpty()},
            {QStringLiteral("nezmenene"), p.nezmenene},
            {QStringLiteral("zalohovane"), p.zalohovane},
            {QStringLiteral("zaloha"), p.zalohovane > 0 ? p.adresarZalohy() : QString()},
            {QStringLiteral("chyby"), QJsonArray::fromStringList(p.chyby)}};
}

}  // namespace

VysledokCli prenosCli(const Volanie& v)
{
    const QStringList& a = v.a;
    const bool verzie = a.first() == QLatin1String("transfer");
    const QString pouzitie = verzie ? QStringLiteral("Príkaz transfer potrebuje verziu (5.0, 5.2, 5.3, 5.4) a adresár.")
                                    : QStringLiteral("Príkaz import-texts potrebuje adresár.");
    QStringList zvysok = a.mid(1);
    const auto verzia = verzie && !zvysok.isEmpty() ? VerziaZTextu(zvysok.takeFirst()) : std::nullopt;
    if (!v.volby || (verzie && !verzia) || zvysok.size() != 1)
        return chybaPouzitia(pouzitie);
    const QString zdroj = QFileInfo(zvysok.first()).absoluteFilePath();
    // import-texts knows only --no-settings.
    auto zoznam = [&](const QString& volba) {
        return verzie ? v.volby->value(volba).split(QLatin1Char(','), Qt::SkipEmptyParts) : QStringList{};
    };
    std::optional<QStringList> roky;
    if (verzie && v.volby->isSet(QStringLiteral("years")))
        roky = zoznam(QStringLiteral("years"));
    const QStringList nahradit = zoznam(QStringLiteral("replace"));
    const bool nastavenia = !v.volby->isSet(QStringLiteral("no-settings"));
    const bool texty = !verzie || !v.volby->isSet(QStringLiteral("no-texts"));
    if (!QFileInfo(zdroj).isDir())
        return chybaPouzitia(QStringLiteral("Adresár neexistuje: ") + zdroj);
    return spusti(v.appDir, [&] {
        Prenos p;
        if (!verzie) {
            PrenesTextyKancelarie(p, zdroj, nastavenia);
            return vysledokPrenosu(p);
        }
        QStringList priecinky, nahradPriecinky;
        for (const QString& r : RokyZdroja(zdroj)) {
            if (!roky || roky->contains(r.right(4)))
                priecinky << r;
            if (nahradit.contains(r.right(4)))
                nahradPriecinky << r;
        }
        PrenesKevrot(p, zdroj, *verzia, {priecinky, nahradPriecinky, nastavenia, texty});
        QJsonObject j = vysledokPrenosu(p);
        j.insert(QStringLiteral("roky"), QJsonArray::fromStringList(priecinky));
        return j;
    });
}

// backup [SÚBOR], restore SÚBOR [--without-manifest]
VysledokCli zalohaCli(const Volanie& v)
{
    const QStringList& a = v.a;
    const bool obnova = a.first() == QLatin1String("restore");
    const bool bezManifestu = obnova && v.volby && v.volby->isSet(QStringLiteral("without-manifest"));
    if (obnova ? (!v.volby || a.size() != 2) : a.size() > 2)
        return chybaPouzitia(obnova ? QStringLiteral("Príkaz restore potrebuje súbor zálohy (a pre zálohu bez manifestu "
                                                     "voľbu --without-manifest).")
                                    : QStringLiteral("Príkaz backup má najviac jeden argument: súbor."));
    const QString subor = a.size() >= 2 ? QFileInfo(a.at(1)).absoluteFilePath() : QString();
    return spusti(v.appDir, [&] {
        if (obnova) {
            const PrehladZalohy p = Zaloha::Prehlad(subor);
            const bool ok = ohlas(Zaloha::Obnov(subor, bezManifestu));
            return QJsonObject{{QStringLiteral("obnovene"), ok},
                               {QStringLiteral("manifest"), p.manifest},
                               {QStringLiteral("obsah"), p.citatelna ? p.Popis() : QString()}};
        }
        QStringList vynechane;
        if (subor.isEmpty()) {
            const auto z = Zaloha::Vytvor();
            ohlas(z.vysledok());
            return QJsonObject{{QStringLiteral("zaloha"), z.hodnotaAlebo(QString())}};
        }
        const Vysledok ok = Zaloha::Zapis(subor, &vynechane);
        if (!ok)
            spravy().chyba(QStringLiteral("Zálohu %1 sa nepodarilo vytvoriť: %2").arg(subor, ok.dovod()));
        return QJsonObject{{QStringLiteral("zaloha"), ok ? subor : QString()},
                           {QStringLiteral("vynechane"), QJsonArray::fromStringList(vynechane)}};
    });
}

}  // namespace Cli
