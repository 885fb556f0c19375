// The program as a user meets it: each command run as a fresh process, interleaved with a
// plain C yardstick doing the same work, medians of the pairs and their ratio. The data are
// generated here with the program's own writers: a year of 2,000 entries with a billing
// document each and a year of 10,000 entries (1-12 items, a travel block).
// Cold-cache pairs drop the page cache before every run where the machine allows it.

#include "editor/DokladyZaznamu.h"
#include "editor/PodkladyDokladu.h"
#include "editor/PoliaZaznamu.h"
#include "kevrot/Udaje.h"
#include "settings/Nastavenia.h"
#include "store/Cesty.h"
#include "store/Zurnal.h"

#include <QDate>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <random>
#include <vector>

#include <fcntl.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>

extern char** environ;

namespace {

const int kRok = QDate::currentDate().year();

struct Beh {
    double ms = 0;
    long rssKb = 0;
    bool ok = false;
};

double teraz()
{
    timespec t{};
    clock_gettime(CLOCK_MONOTONIC, &t);
    return double(t.tv_sec) * 1e3 + double(t.tv_nsec) / 1e6;
}

// Runs the program with its output thrown away; wall time and peak resident memory.
Beh spusti(const QStringList& argumenty)
{
    std::vector<QByteArray> a;
    for (const QString& s : argumenty)
        a.push_back(QFile::encodeName(s));
    std::vector<char*> argv;
    for (auto& s : a)
        argv.push_back(s.data());
    argv.push_back(nullptr);
    posix_spawn_file_actions_t fa;
    posix_spawn_file_actions_init(&fa);
    posix_spawn_file_actions_addopen(&fa, 1, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&fa, 2, "/dev/null", O_WRONLY, 0);
    Beh b;
    const double zac = teraz();
    pid_t pid = 0;
    if (posix_spawnp(&pid, argv[0], &fa, nullptr, argv.data(), environ) == 0) {
        int st = 0;
        rusage ru{};
        if (wait4(pid, &st, 0, &ru) == pid) {
            b.ms = teraz() - zac;
            b.rssKb = ru.ru_maxrss;
            b.ok = WIFEXITED(st) && WEXITSTATUS(st) == 0;
        }
    }
    posix_spawn_file_actions_destroy(&fa);
    return b;
}

bool zahodCache()
{
    sync();
    const int fd = open("/proc/sys/vm/drop_caches", O_WRONLY);
    if (fd < 0)
        return false;
    const bool ok = write(fd, "3\n", 2) == 2;
    close(fd);
    return ok;
}

double median(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    const size_t n = v.size();
    return n == 0 ? 0 : n % 2 ? v[n / 2] : (v[n / 2 - 1] + v[n / 2]) / 2;
}

struct Porovnanie {
    const char* nazov;
    QStringList program;
    QStringList zaklad;
    int parov = 10;
    std::function<void()> pred = [] {};  // before every run, not timed
    bool studena = false;
};

// What the command line chose: the figures whose name holds its first argument, and at most
// KEVROT_BENCH_PAROV pairs each.
QString g_vyber;
int g_najviacParov = 1000;

bool vybrane(const char* nazov) { return QString::fromUtf8(nazov).contains(g_vyber); }

// Interleaved pairs, the order swapped every pair; prints the medians and their ratio.
void porovnaj(const Porovnanie& p)
{
    if (!vybrane(p.nazov))
        return;
    std::vector<double> prog, zakl;
    int zlyhani = 0;
    auto jeden = [&](const QStringList& a, std::vector<double>& kam) {
        p.pred();
        if (p.studena)
            zahodCache();
        const Beh b = spusti(a);
        if (!b.ok && zlyhani++ == 0)
            std::printf("  ! %s failed\n", qPrintable(a.join(u' ')));
        kam.push_back(b.ms);
    };
    const int parov = std::min(p.parov, g_najviacParov);
    for (int i = 0; i < parov; ++i) {
        if (i % 2 == 0) {
            jeden(p.program, prog);
            jeden(p.zaklad, zakl);
        } else {
            jeden(p.zaklad, zakl);
            jeden(p.program, prog);
        }
    }
    const double mp = median(prog), mz = median(zakl);
    std::printf("%-62s %9.1f ms %9.1f ms %6.2fx  (%d pairs)\n", p.nazov, mp, mz, mp / mz, parov);
    std::fflush(stdout);
}

// A copy of the built application folder (programs, shipped data) with saved settings.
void kopirujAplikaciu(const QString& ciel)
{
    const QString zdroj = QStringLiteral(KEVROT_APPDIR);
    QDirIterator it(zdroj, QDir::Files | QDir::NoDotAndDotDot, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString s = it.next();
        const QString rel = QDir(zdroj).relativeFilePath(s);
        if (rel.startsWith(QLatin1String("Data/ZnalKevrot")) || rel.startsWith(QLatin1String("Zaloha/")))
            continue;  // years and backups of earlier runs
        const QString c = QDir(ciel).filePath(rel);
        QDir().mkpath(QFileInfo(c).path());
        QFile::copy(s, c);
    }
    Cesty::nastavAppDir(ciel);
    Nastavenia n;
    n.NacitajVsetko();
    (void)n.UlozNastavenia();
}

TZnalKevrotZaznam zaznam(int cislo, std::mt19937& g)
{
    TZnalKevrotZaznam z;
    z.PoradoveCislo = cislo;
    z.Rok = kRok;
    z.Verzia = 2;
    z.SadzbaDPH = 20.0;
    z.StatnyOrgan = int(g() % 2);
    z.Meno = QStringLiteral("Okresný súd %1").arg(g() % 50);
    z.Adresa = QStringLiteral("Hlavná %1, Žilina").arg(g() % 100);
    z.CisloObjednavky = QStringLiteral("%1C/%2/%3").arg(g() % 20).arg(g() % 400).arg(kRok);
    z.DruhUkonu = QStringLiteral("posudok");
    z.TypPosudku = QStringLiteral("znalecký");
    z.Predmet = QStringLiteral("Ohodnotenie nehnuteľnosti %1").arg(g() % 300);
    z.Ucel = QStringLiteral("dedičské konanie");
    z.DatumVyziadania = 45300.0 + double(g() % 365);
    z.DatumVykonania = z.DatumVyziadania + double(g() % 30);
    z.UctovanaOdmena = double(g() % 100000) / 100.0;
    z.UctovaneVydavky = double(g() % 20000) / 100.0;
    z.PriznanaOdmena = z.UctovanaOdmena;
    z.UdajeOdmena = QStringLiteral("§ 17");
    z.Poznamka = QStringLiteral("poznámka");
    z.DoZoznamuVyuctovani = g() % 2 == 0;
    TCestovneNahrady& c = z.CestovneNahrady;
    c.Meno = QStringLiteral("Ing. Ján Znalec");
    c.Bydlisko = QStringLiteral("Žilina");
    c.PocetNajazdenychKM = int(g() % 400);
    c.Vozidlo = QStringLiteral("osobné motorové vozidlo");
    c.VozidloEC = QStringLiteral("ZA-%1AB").arg(g() % 1000);
    c.Spotreba = 6.5;
    c.CenaPHM = 1.65;
    for (int k = 1; k <= 2; ++k)
        for (int t = 0; t < 4; ++t)
            c.nastavTextCesty(k, t, QStringLiteral("Žilina %1").arg(t));
    c.Datum1 = QStringLiteral("3.6.%1").arg(kRok);
    c.Stravne1 = 8.3;
    c.SpoluNaklady = double(g() % 5000) / 100.0;
    return z;
}

// The year's entry files (about 7 KB each) and, when asked, a billing document each.
void zapisRok(const QString& appDir, int pocet, bool sDokladmi)
{
    Cesty::nastavAppDir(appDir);
    QDir().mkpath(Cesty::adresarRoka(kRok));
    Udaje u;
    u.nastavenia.NacitajVsetko();
    u.preddefTexty.NacitajPreddefTexty();
    std::mt19937 g(42);
    qint64 bajtov = 0;
    for (int c = 1; c <= pocet; ++c) {
        TZnalKevrotZaznam z = zaznam(c, g);
        QList<TVydavok> vydavky;
        const int poloziek = 1 + int(g() % 12);
        for (int i = 0; i < poloziek; ++i) {
            TVydavok v;
            v.Nazov = QStringLiteral("Položka sadzobníka %1").arg(g() % 80);
            v.Druh = 1 + i % 4;
            v.Cena = double(g() % 5000) / 100.0;
            v.MJ = QStringLiteral("hod");
            if (i % 4 == 0) {
                TRozpisPolozky r;
                r.Pocet = 1 + double(g() % 8);
                r.Popis = QStringLiteral("rozpis %1").arg(i);
                v.Rozpis.append(r);
            }
            v.Suma = v.Cena * std::max(1.0, v.SucetPoctov());
            vydavky.append(v);
        }
        QList<TVyplatenie> vyplatenia(1 + int(g() % 3));
        for (int i = 0; i < vyplatenia.size(); ++i) {
            vyplatenia[i].Datum = 45400.0 + i;
            vyplatenia[i].Suma = 10.0 * (i + 1);
        }
        z.DatumyVyplatenia = Zurnal::DatumyVyplateniaZ(vyplatenia);
        z.PocetVyplateni = vyplatenia.size();
        const QByteArray obsah = Zurnal::ObsahSuboru(z, vydavky, vyplatenia);
        bajtov += obsah.size();
        QFile f(Zurnal::SuborZaznamu(c, kRok));
        if (!f.open(QIODevice::WriteOnly) || f.write(obsah) != obsah.size())
            std::printf("  ! cannot write %s\n", qPrintable(f.fileName()));
        if (!sDokladmi)
            continue;
        const PodkladyDokladu p = PodkladyDokladov(ZobrazZaznam(z), z, vydavky, u.nastavenia, u.preddefTexty);
        const auto d = ZostavDoklad(DruhDokladu::Vyuctovanie, p);
        QDir().mkpath(Zurnal::AdresarDokumentov(c, kRok));
        if (d)
            UlozDoklad(*d, QDir(Zurnal::AdresarDokumentov(c, kRok)).filePath(SuborDokladu(DruhDokladu::Vyuctovanie)));
    }
    std::printf("  year %d of %d entries, %.1f KB an entry file%s\n", kRok, pocet, double(bajtov) / pocet / 1024,
                sDokladmi ? ", a billing document each" : "");
}

// The cells of the register workbook, one entry a line, for the C writer.
void zapisBunky(const QString& appDir, const QString& subor)
{
    Cesty::nastavAppDir(appDir);
    Zurnal z;
    z.NacitajRok(kRok);
    QFile f(subor);
    f.open(QIODevice::WriteOnly);
    auto cislo = [](double v) { return QString::number(v, 'g', 17); };
    for (const auto& e : std::as_const(z.ZaznamyKevrota)) {
        QString datumy = e.DatumyVyplatenia();
        while (datumy.endsWith(u'\r'))
            datumy.chop(1);
        datumy.replace(u'\r', QStringLiteral(", "));
        const QStringList polia = {
            QStringLiteral("%1/%2").arg(e.PoradoveCislo).arg(e.Rok),
            QStringList{e.Meno(), e.Adresa(), e.CisloObjednavky()}.join(u' ').left(252),
            cislo(e.DatumVyziadania), cislo(e.DatumVykonania),
            QStringList{e.DruhUkonu(), e.TypPosudku(), e.Predmet(), e.Ucel()}.join(u' '),
            cislo(e.UctovanaOdmena), e.UdajeOdmena(), cislo(e.UctovaneVydavky),
            cislo(e.PriznanaOdmena), cislo(e.PriznaneVydavky), datumy, e.Poznamka(),
        };
        f.write(polia.join(u'\t').toUtf8() + '\n');
    }
}

// The files of a backup archive (not its folders, not the manifest that exists only in it), for
// bsdtar -T.
QStringList suboryArchivu(const QString& archiv)
{
    QProcess p;
    p.start(QStringLiteral("bsdtar"), {QStringLiteral("-tf"), archiv});
    p.waitForFinished(60000);
    QStringList v;
    for (const QByteArray& r : p.readAllStandardOutput().split('\n'))
        if (!r.isEmpty() && !r.endsWith('/') && r != "kevrot-zaloha.json")
            v << QString::fromUtf8(r);
    return v;
}

void pamat(const QString& app2000, const QString& app10000)
{
    auto rss = [](const QStringList& a) {
        std::vector<double> v;
        for (int i = 0; i < 3; ++i) {
            const Beh b = spusti(a);
            v.push_back(b.ok ? double(b.rssKb) : 0);
        }
        return median(v);
    };
    const QString gui = QStringLiteral("/ZnaleckyKevrot");
    const double p2 = rss({app2000 + gui, QStringLiteral("--zmeraj-start")});
    const double p10 = rss({app10000 + gui, QStringLiteral("--zmeraj-start")});
    const double h2 = rss({QStringLiteral(HOLA_TABULKA), QStringLiteral("2000")});
    const double h10 = rss({QStringLiteral(HOLA_TABULKA), QStringLiteral("10000")});
    std::printf("%-62s %6.0f MB %6.0f MB  %.1f KB an entry\n", "peak resident, GUI with 2,000 / 10,000 entries",
                p2 / 1024, p10 / 1024, (p10 - p2) / 8000);
    std::printf("%-62s %6.0f MB %6.0f MB  %.1f KB a row (ratio %.2fx)\n",
                "peak resident, bare Qt table of 2,000 / 10,000 rows", h2 / 1024, h10 / 1024, (h10 - h2) / 8000,
                (p10 - p2) / (h10 - h2));
    std::fflush(stdout);
}

// Backup and restore of the year with documents: the same files the program's archive holds,
// zipped by bsdtar; the restore against the same steps in plain tools.
void zalohaAObnova(const QTemporaryDir& koren, const QString& app2)
{
    const QString cli2 = app2 + QStringLiteral("/kevrot-cli");
    const QString vystup = koren.filePath(QStringLiteral("vystup"));
    const QString archiv = koren.filePath(QStringLiteral("zaloha.zip"));
    if (!spusti({cli2, QStringLiteral("backup"), archiv}).ok) {
        std::printf("  ! the backup failed; backup and restore skipped\n");
        return;
    }
    const QStringList subory = suboryArchivu(archiv);
    const QString zoznam = koren.filePath(QStringLiteral("subory.txt"));
    {
        QFile f(zoznam);
        f.open(QIODevice::WriteOnly);
        f.write(subory.join(u'\n').toUtf8() + '\n');
    }
    std::printf("  backup archive: %lld files, %.1f MB\n", static_cast<long long>(subory.size()),
                double(QFileInfo(archiv).size()) / 1e6);
    const QString z1 = vystup + QStringLiteral("/p.zip"), z2 = vystup + QStringLiteral("/b.zip");
    auto upracZalohy = [&] {
        QFile::remove(z1);
        QFile::remove(z2);
        QDir(app2 + QStringLiteral("/Zaloha")).removeRecursively();
        QFile::remove(app2 + QStringLiteral("/.pred-obnovou.zip"));
    };
    porovnaj({"kevrot-cli backup, year of 2,000 with documents (bsdtar zip)", {cli2, QStringLiteral("backup"), z1},
              {QStringLiteral("bsdtar"), QStringLiteral("--format"), QStringLiteral("zip"), QStringLiteral("-cf"), z2,
               QStringLiteral("-C"), app2, QStringLiteral("-T"), zoznam},
              10, upracZalohy});
    porovnaj({"kevrot-cli restore of it (back up, unpack beside, syncfs, rename)",
              {cli2, QStringLiteral("restore"), archiv},
              {QStringLiteral("sh"), QStringLiteral(OBNOVA_ZAKLADNA), app2, archiv, zoznam}, 10, upracZalohy});
    upracZalohy();
}

}  // namespace

int main(int argc, char** argv)
{
    g_vyber = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QString();
    if (const int n = qEnvironmentVariableIntValue("KEVROT_BENCH_PAROV"); n > 0)
        g_najviacParov = n;
    if (qEnvironmentVariableIsEmpty("DISPLAY") && qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QTemporaryDir koren;
    if (qEnvironmentVariableIsSet("KEVROT_BENCH_PONECHAJ")) {  // kept for profiling
        koren.setAutoRemove(false);
        std::printf("  data kept in %s\n", qPrintable(koren.path()));
    }
    const QString app2 = koren.filePath(QStringLiteral("app2000"));
    const QString app10 = koren.filePath(QStringLiteral("app10000"));
    const QString vystup = koren.filePath(QStringLiteral("vystup"));
    QDir().mkpath(vystup);
    std::printf("Whole processes, program against a plain C yardstick (medians of interleaved pairs)\n");
    kopirujAplikaciu(app2);
    kopirujAplikaciu(app10);
    zapisRok(app2, 2000, true);
    zapisRok(app10, 10000, false);
    const QString cli2 = app2 + QStringLiteral("/kevrot-cli");
    const QString rok = QString::number(kRok);
    Cesty::nastavAppDir(app2);
    const QString adresarRoka2 = Cesty::adresarRoka(kRok);
    Cesty::nastavAppDir(app10);
    const QString adresarRoka10 = Cesty::adresarRoka(kRok);
    std::printf("%-62s %12s %12s %7s\n", "figure", "program", "C yardstick", "ratio");

    const QString nacitaj = QStringLiteral(NACITAJ_ROK), citac = QStringLiteral(CITAC_ROKA);
    porovnaj({"year load, 2,000 entries, warm (readdir+open/read, 2 threads)", {nacitaj, app2, rok},
              {citac, adresarRoka2}, 20});
    porovnaj({"year load, 10,000 entries, warm", {nacitaj, app10, rok}, {citac, adresarRoka10}, 20});
    if (vybrane("year load, 2,000 entries, cold")) {
        if (zahodCache())
            porovnaj({"year load, 2,000 entries, cold", {nacitaj, app2, rok}, {citac, adresarRoka2}, 10, [] {}, true});
        else
            std::printf("%-62s skipped: the page cache cannot be dropped here\n", "year load, cold");
    }

    porovnaj({"kevrot-cli journal, 2,000 entries (against the raw read)",
              {cli2, QStringLiteral("journal"), rok}, {citac, adresarRoka2}, 10});

    const QString bunky = koren.filePath(QStringLiteral("bunky.tsv"));
    zapisBunky(app2, bunky);
    porovnaj({"kevrot-cli xlsx register, 2,000 entries (libxlsxwriter in C)",
              {cli2, QStringLiteral("xlsx"), QStringLiteral("register"), rok, vystup + QStringLiteral("/k.xlsx")},
              {QStringLiteral(ZOSIT_REGISTRA), bunky, vystup + QStringLiteral("/c.xlsx")}, 10});

    if (vybrane("peak resident, GUI"))
        pamat(app2, app10);
    if (vybrane("kevrot-cli backup") || vybrane("kevrot-cli restore"))
        zalohaAObnova(koren, app2);
    return 0;
}
