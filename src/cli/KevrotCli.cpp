#include "cli/KevrotCli.h"

#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>

#include "cli/BehPrikazu.h"
#include "cli/OchranaVystupu.h"
#include "cli/PrikazyDokladov.h"
#include "cli/PrikazyUdajov.h"
#include "cli/PrikazyZaloh.h"
#include "cli/PrikazyZostav.h"
#include "cli/VolbyCli.h"
#include "journal/ZamokAplikacie.h"
#include "migration/Zaloha.h"
#include "store/Cesty.h"
#include "store/ZmenaSuborov.h"

namespace {

using namespace Cli;

// A writing command while the program has the directory open: refused, with the holder.
VysledokCli zamknute(const QString& appDir, const QString& prikaz)
{
    const QString text = ZamokAplikacie::textZapisZamknuty(QFileInfo(appDir).absoluteFilePath(), prikaz);
    const QJsonObject j{{QStringLiteral("zamknute"), true},
                        {QStringLiteral("messages"), QJsonArray{text}}};
    return {3, QJsonDocument(j).toJson(QJsonDocument::Indented), text};
}

// How a command uses the data directory.
enum class Pristup {
    BezUdajov,  // does not open it
    Cita,       // reads it (writes there only when its output lies there)
    Zapisuje,   // changes it: always under the program's lock
};

// Which argument names what a command writes, for the lock and the output guard.
enum class Vystup {
    Ziadny,
    Subor,    // the last argument, a file the guard checks
    Adresar,  // the last argument, a folder for new files
    Zaloha,   // an optional file; without it the backup folder inside the data directory
};

struct Prikaz {
    const char* nazov;
    const char* pouzitie;  // the command's part of the usage text; its options in brackets
                           // ("[--years 2011,2012]") are the options the command accepts
    Pristup pristup;
    Vystup vystup;
    VysledokCli (*spusti)(const Volanie&);
    bool koniecRiadku = false;  // the usage text breaks its line after this command
    bool pisma = false;         // lays out text with fonts (PDFs, documents): needs Qt Gui's application
};

// One row per command: the dispatch, the options, the lock, the output guard and the usage
// text (in this order) all come from here.
const Prikaz kPrikazy[] = {
    {"where", "where", Pristup::BezUdajov, Vystup::Ziadny, kdeCli},
    {"journal", "journal ROK", Pristup::Cita, Vystup::Ziadny, zurnalCli},
    {"orders", "orders ROK", Pristup::Cita, Vystup::Ziadny, objednavkyCli},
    {"clients", "clients", Pristup::Cita, Vystup::Ziadny, objednavateliaCli},
    {"settings", "settings", Pristup::Cita, Vystup::Ziadny, nastaveniaCli},
    {"codelists", "codelists", Pristup::Cita, Vystup::Ziadny, ciselnikyCli},
    {"billings", "billings ROK", Pristup::Cita, Vystup::Ziadny, vyuctovaniaCli},
    {"resave", "resave ROK", Pristup::Zapisuje, Vystup::Ziadny, prepisCli, true},
    {"journal-pdf", "journal-pdf ROK SÚBOR", Pristup::Cita, Vystup::Subor, kevrotDoPdfCli, true, true},
    {"transfer", "transfer 5.0|5.2|5.3|5.4 ZDROJ [--years 2011,2012] [--replace 2011] [--no-settings] [--no-texts]",
     Pristup::Zapisuje, Vystup::Ziadny, prenosCli, true},
    {"import-texts", "import-texts ZDROJ [--no-settings]", Pristup::Zapisuje, Vystup::Ziadny, prenosCli},
    {"backup", "backup [SÚBOR]", Pristup::Cita, Vystup::Zaloha, zalohaCli},
    {"restore", "restore SÚBOR [--without-manifest]", Pristup::Zapisuje, Vystup::Ziadny, zalohaCli, true},
    {"finance", "finance ROK [all|state|private|performed OD DO|paid OD DO]", Pristup::Cita, Vystup::Ziadny,
     financieCli, true},
    {"xlsx", "xlsx register|finance ROK SÚBOR", Pristup::Cita, Vystup::Subor, zositCli},
    {"document", "document billing|invoice|receipt|travel ROK ČÍSLO SÚBOR", Pristup::Cita, Vystup::Subor,
     dokumentCli, true, true},
    {"documents", "documents ROK ČÍSLO ADRESÁR", Pristup::Cita, Vystup::Adresar, vsetkyDokladyCli, true, true},
    {"einvoice", "einvoice ROK ČÍSLO SÚBOR", Pristup::Zapisuje, Vystup::Subor, eFakturaCli, false, true},
    {"extract", "extract ROK 1|2 SÚBOR (.rtf alebo .pdf)", Pristup::Cita, Vystup::Subor, vypisCli, false, true},
};

const Prikaz* najdiPrikaz(const QString& nazov)
{
    for (const Prikaz& p : kPrikazy)
        if (nazov == QLatin1String(p.nazov))
            return &p;
    return nullptr;
}

// Whether the command changes files below `appDir`: those that always do, and those whose
// output lies there.
bool zapisujeUdaje(const Prikaz& p, const QStringList& a, const QString& appDir)
{
    if (p.pristup == Pristup::Zapisuje || (p.vystup == Vystup::Zaloha && a.size() == 1))
        return true;
    if (p.vystup == Vystup::Ziadny || a.size() < 2)
        return false;
    auto skutocna = [](const QString& c) {
        const QFileInfo f(c);
        return f.exists() ? f.canonicalFilePath() : f.absoluteFilePath();
    };
    const QString adresarVystupu = skutocna(QFileInfo(a.last()).absolutePath());
    const QString koren = skutocna(appDir);
    return adresarVystupu == koren || adresarVystupu.startsWith(koren + u'/');
}

// The output file the guard checks, or empty.
QString kontrolovanyVystup(const Prikaz& p, const QStringList& a)
{
    if (a.size() < 2)
        return {};
    if (p.vystup == Vystup::Zaloha)
        return a.at(1);
    return p.vystup == Vystup::Subor ? a.last() : QString();
}

}  // namespace

QList<PrikazCli> PrikazyKevrotCli()
{
    QList<PrikazCli> zoznam;
    for (const Prikaz& p : kPrikazy)
        zoznam.append({QString::fromLatin1(p.nazov), QString::fromUtf8(p.pouzitie), p.pristup == Pristup::Zapisuje});
    return zoznam;
}

bool PotrebujePisma(const QStringList& argumenty)
{
    const RiadokCli riadok = RozoberRiadokCli(argumenty);
    const Prikaz* p = riadok.prikaz.isEmpty() ? nullptr : najdiPrikaz(riadok.prikaz.first());
    return p && p->pisma;
}

QString PouzitieKevrotCli()
{
    QString text = QStringLiteral("Použitie: kevrot-cli [--appdir ADRESÁR] PRÍKAZ [ROK]\nPríkazy: ");
    for (const Prikaz& p : kPrikazy) {
        if (&p != std::begin(kPrikazy))
            text += std::prev(&p)->koniecRiadku ? QStringLiteral(",\n         ") : QStringLiteral(", ");
        text += QString::fromUtf8(p.pouzitie);
    }
    return text;
}

VysledokCli SpustiKevrotCli(const QStringList& argumenty, const QString& predvolenyAppDir, const QString& povod)
{
    const RiadokCli riadok = RozoberRiadokCli(argumenty);
    if (!riadok.chyba.isEmpty())
        return chybaPouzitia(riadok.chyba);
    const QString appDir = riadok.appDir.value_or(predvolenyAppDir);
    const QString zdroj = riadok.appDir ? QStringLiteral("--appdir") : povod;
    if (riadok.prikaz.isEmpty())
        return chybaPouzitia(QStringLiteral("Chýba príkaz."));
    uvodneSpravy().clear();
    const Prikaz* prikaz = najdiPrikaz(riadok.prikaz.first());
    const VolbyPrikazu volby =
        prikaz ? RozoberVolbyPrikazu(riadok.prikaz, QString::fromUtf8(prikaz->pouzitie)) : VolbyPrikazu{riadok.prikaz, {}};
    const QStringList& a = volby.argumenty;
    const Volanie volanie{a, appDir, zdroj, volby.volby.get()};
    if (prikaz && prikaz->pristup == Pristup::BezUdajov)
        return prikaz->spusti(volanie);
    if (!QFileInfo(appDir).isDir())
        return chybaPouzitia(QStringLiteral("Adresár neexistuje: ") + appDir);
    // A command that writes holds the program's lock for its whole run; so does any command
    // while a restore or transfer cut short waits to be finished.
    std::optional<ZamokAplikacie> zamok;
    Cesty::nastavAppDir(QFileInfo(appDir).absoluteFilePath());
    if ((prikaz && zapisujeUdaje(*prikaz, a, appDir)) || ZmenaSuborov::JePrerusena()) {
        zamok.emplace(appDir);
        if (!zamok->ziskaj()) {
            const QString chyba = zamok->textChyby();
            if (chyba.isEmpty())
                return zamknute(appDir, a.first());
            return {3, QJsonDocument(QJsonObject{{QStringLiteral("messages"), QJsonArray{chyba}}}).toJson(), chyba};
        }
        if (const auto sprava = Zaloha::PoStarte())
            uvodneSpravy() << *sprava;
    }
    if (!prikaz)
        return chybaPouzitia(QStringLiteral("Neznámy príkaz: ") + a.first());
    if (const QString vystup = kontrolovanyVystup(*prikaz, a); !vystup.isEmpty()) {
        const QString dovod = odmietnutyVystup(a.first(), vystup, appDir);
        if (!dovod.isEmpty())
            return {2, {}, dovod};
    }
    return prikaz->spusti(volanie);
}
