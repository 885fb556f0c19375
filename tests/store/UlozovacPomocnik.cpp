// Saves three entry files, the year's orders file and the settings, in one of two versions
// ("a" or "b"), once or alternating for ever ("striedaj"). The crash test kills it mid-save.
#include "settings/Nastavenia.h"
#include "store/Cesty.h"
#include "store/Objednavky.h"
#include "store/Spravy.h"
#include "store/Zurnal.h"

#include <QCoreApplication>

#include <cstdio>

namespace {
constexpr int Rok = 2026;

// Each save's file and whether it was saved, one line each: "1 path" or "0 path".
void ohlas(bool ulozene, const QString& cesta)
{
    std::printf("%d %s\n", ulozene ? 1 : 0, qPrintable(cesta));
}

void ulozVerziu(bool b)
{
    const int n = b ? 40 : 3;  // the versions differ in size, so a torn file shows
    Zurnal z;
    z.VydavkyZaznamu.resize(n);
    TZnalKevrotZaznam zaznam;
    zaznam.Rok = Rok;
    zaznam.Meno = b ? QStringLiteral("Verzia B") : QStringLiteral("Verzia A");
    for (int cislo = 1; cislo <= 3; ++cislo) {
        zaznam.PoradoveCislo = cislo;
        ohlas(z.UlozZaznam(zaznam, -1, false).ok(), Zurnal::SuborZaznamu(cislo, Rok));
    }
    Objednavky o;
    o.ZoznamObjednavok.resize(n);
    ohlas(o.UlozObjednavky(Rok).ok(), Objednavky::SuborObjednavok(Rok));
    Nastavenia s;
    s.Nastavenie.Meno = b ? QStringLiteral("Meno B") : QStringLiteral("Meno A");
    ohlas(s.UlozNastavenia().ok(), Nastavenia::SuborNastavenia());
}
}  // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    if (argc < 3)
        return 1;
    Cesty::nastavAppDir(QString::fromLocal8Bit(argv[1]));
    const QByteArray rezim = argv[2];
    if (rezim != "striedaj") {
        ulozVerziu(rezim == "b");
        std::fflush(stdout);
        return 0;
    }
    std::puts("zacina");
    std::fflush(stdout);
    std::freopen("/dev/null", "w", stdout);
    for (bool b = false;; b = !b)
        ulozVerziu(b);
}
