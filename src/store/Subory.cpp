#include "Subory.h"

#include <QDir>
#include <QFile>
#include <QSaveFile>

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
std::optional<QByteArray> citajDeskriptor(int fd, qint64 velkost)
{
    QByteArray b(velkost, Qt::Uninitialized);
    qint64 n = 0;
    while (n < velkost) {
        const ssize_t r = ::read(fd, b.data() + n, size_t(velkost - n));
        if (r < 0 && errno == EINTR)
            continue;
        if (r < 0)
            return std::nullopt;
        if (r == 0)
            break;
        n += r;
    }
    b.truncate(n);
    return b;
}

}  // namespace

std::optional<StavSuboru> stav(const QString& cesta)
{
    struct stat st;
    if (::stat(QFile::encodeName(cesta).constData(), &st) != 0)
        return std::nullopt;
    return stavZ(st);
}

std::optional<QByteArray> citaj(const QString& cesta, StavSuboru* stav)
{
    const int fd = ::open(QFile::encodeName(cesta).constData(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return std::nullopt;
    struct stat st;
    std::optional<QByteArray> b;
    std::optional<StavSuboru> s;
    if (::fstat(fd, &st) == 0 && (s = stavZ(st)) && s->velkost <= MaxVelkostSuboru)
        b = citajDeskriptor(fd, s->velkost);
    ::close(fd);
    if (b && stav)
        *stav = *s;
    return b;
}

bool ulozAtomicky(const QString& cesta, const QByteArray& obsah, QString* chyba)
{
    QSaveFile f(cesta);
    if (!f.open(QIODevice::WriteOnly)) {
        if (chyba)
            *chyba = f.errorString();
        return false;
    }
    if (f.write(obsah) != obsah.size()) {
        if (chyba)
            *chyba = f.errorString();
        f.cancelWriting();
        return false;
    }
    if (!f.commit()) {
        if (chyba)
            *chyba = f.errorString();
        return false;
    }
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
