#include "Subory.h"

#include <QDir>
#include <QFile>
#include <QSaveFile>

#include <algorithm>
#include <cerrno>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace Subory {

namespace {

std::optional<StavSuboru> stavZ(const struct stat& st)
{
    if (!S_ISREG(st.st_mode))
        return std::nullopt;
    return StavSuboru{qint64(st.st_size), qint64(st.st_mtim.tv_sec) * 1000000000LL + qint64(st.st_mtim.tv_nsec)};
}

// Reads up to `velkost` bytes straight into one array; nothing on a read error.
bool citajDeskriptor(int fd, qint64 velkost, QByteArray& b)
{
    b.resize(velkost);  // keeps the capacity a reused buffer has
    qint64 n = 0;
    while (n < velkost) {
        const ssize_t r = ::read(fd, b.data() + n, size_t(velkost - n));
        if (r < 0 && errno == EINTR)
            continue;
        if (r < 0)
            return false;
        if (r == 0)
            break;
        n += r;
    }
    b.resize(n);
    return true;
}

}  // namespace

std::optional<StavSuboru> stav(const QString& cesta)
{
    struct stat st;
    if (::stat(QFile::encodeName(cesta).constData(), &st) != 0)
        return std::nullopt;
    return stavZ(st);
}

bool citajDo(const QString& cesta, QByteArray& obsah, StavSuboru* stav)
{
    // Non-blocking, so a named pipe at the path does not wait for a writer; regular files
    // read the same.
    const int fd = ::open(QFile::encodeName(cesta).constData(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0)
        return false;
    struct stat st;
    std::optional<StavSuboru> s;
    const bool ok = ::fstat(fd, &st) == 0 && (s = stavZ(st)) && s->velkost <= MaxVelkostSuboru &&
                    citajDeskriptor(fd, s->velkost, obsah);
    ::close(fd);
    if (ok && stav)
        *stav = *s;
    return ok;
}

std::optional<QByteArray> citaj(const QString& cesta, StavSuboru* stav)
{
    QByteArray b;
    if (!citajDo(cesta, b, stav))
        return std::nullopt;
    return b;
}

namespace {
std::optional<PoruchaZapisu> g_porucha;

// Writes in pieces so that a short write is seen where it happens.
bool zapisVsetko(QSaveFile& f, const QByteArray& obsah)
{
    constexpr qint64 Kus = 64 * 1024;
    qint64 koniec = obsah.size();
    const bool skrat = g_porucha && !g_porucha->priPotvrdeni;
    if (skrat)
        koniec = std::min(koniec, g_porucha->poBajtoch);
    for (qint64 n = 0; n < koniec;) {
        const qint64 w = f.write(obsah.constData() + n, std::min(Kus, koniec - n));
        if (w <= 0)
            return false;
        n += w;
    }
    return f.flush() && !skrat;
}
}  // namespace

void nastavPoruchuZapisu(std::optional<PoruchaZapisu> porucha)
{
    g_porucha = porucha;
}

bool ulozAtomicky(const QString& cesta, const QByteArray& obsah, QString* chyba)
{
    QSaveFile f(cesta);
    auto zlyhanie = [&](const QString& dovod) {
        if (chyba)
            *chyba = dovod;
        f.cancelWriting();
        return false;
    };
    if (!f.open(QIODevice::WriteOnly))
        return zlyhanie(f.errorString());
    if (!zapisVsetko(f, obsah))
        return zlyhanie(g_porucha || f.errorString().isEmpty() ? QStringLiteral("Súbor sa nezapísal celý.")
                                                               : f.errorString());
    if (g_porucha && g_porucha->priPotvrdeni)
        return zlyhanie(QStringLiteral("Súbor sa nepodarilo premenovať."));
    if (!f.commit())
        return zlyhanie(f.errorString());
    return true;
}

QString textChybaZapisu(const QString& cesta, const QString& dovod)
{
    QString t = QStringLiteral("Nepodarilo sa uložiť súbor: ") + QDir::toNativeSeparators(cesta);
    if (!dovod.isEmpty())
        t += QStringLiteral("\n") + dovod;
    return t;
}

void ohlasChybuZapisu(const QString& cesta, const QString& dovod)
{
    spravy().chyba(textChybaZapisu(cesta, dovod));
}

bool kopirujPrepis(const QString& zdroj, const QString& ciel)
{
    const auto obsah = citaj(zdroj);
    if (!obsah)
        return false;
    return ulozAtomicky(ciel, *obsah);
}

qint32 int32Na(const QByteArray& b, qsizetype offset)
{
    return rozlozenie_detail::citajInt32(b.constData() + offset);
}

void pridajInt32(QByteArray& b, qint32 v)
{
    char p[4];
    rozlozenie_detail::zapisInt32(p, v);
    b.append(p, 4);
}

PocitanyRamec rozdelPocitany(const QByteArray& obsah, int velkost, int hlavicka)
{
    PocitanyRamec r;
    if (obsah.size() < hlavicka + 4) {
        r.chyba = true;
        return r;
    }
    r.pocet = int32Na(obsah, hlavicka);
    const qint64 pritomnych = (obsah.size() - hlavicka - 4) / velkost;
    const qint64 vziat = r.pocet < 0 ? 0 : std::min<qint64>(r.pocet, pritomnych);
    r.zaznamy.reserve(vziat);
    const char* d = obsah.constData() + hlavicka + 4;
    for (qint64 i = 0; i < vziat; ++i)
        r.zaznamy.append(QByteArray(d + i * velkost, velkost));
    if (r.pocet < 0 || r.pocet > pritomnych) {
        r.chyba = true;
        if (r.pocet > 0 && qint64(r.pocet) * velkost <= MaxPamatTabulky)
            for (qint64 i = vziat; i < r.pocet; ++i)
                r.zaznamy.append(QByteArray(velkost, '\0'));
    }
    return r;
}

}  // namespace Subory
