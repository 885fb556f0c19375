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
    if ((verzie && !verzia) || zvysok.isEmpty())
        return chybaPouzitia(pouzitie);
    const QString zdroj = QFileInfo(zvysok.takeFirst()).absoluteFilePath();
    std::optional<QStringList> roky;
    QStringList nahradit;
    bool nastavenia = true, texty = true;
    while (!zvysok.isEmpty()) {
        const QString volba = zvysok.takeFirst();
        if (volba == QLatin1String("--no-settings"))
            nastavenia = false;
        else if (verzie && volba == QLatin1String("--no-texts"))
            texty = false;
        else if (verzie && volba == QLatin1String("--years") && !zvysok.isEmpty())
            roky = zvysok.takeFirst().split(QLatin1Char(','), Qt::SkipEmptyParts);
        else if (verzie && volba == QLatin1String("--replace") && !zvysok.isEmpty())
            nahradit = zvysok.takeFirst().split(QLatin1Char(','), Qt::SkipEmptyParts);
        else
            return chybaPouzitia(pouzitie);
    }
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
    const bool bezManifestu = obnova && a.size() == 3 && a.at(2) == QLatin1String("--without-manifest");
    if (obnova ? (a.size() != 2 && !bezManifestu) : a.size() > 2)
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
