#include "Subory.h"
#include "UlozenieCez.h"

#include <QDir>
#include <QFile>
#include <QRandomGenerator>
#include <QRegularExpression>

#include <algorithm>
#include <cerrno>
#include <cstring>

#include <dirent.h>
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

constexpr char kKoncovka[] = ".tmp-kevrot";
constexpr int kNahodnych = 6;
constexpr char kZnaky[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";

QString textSystemu(int chyba) { return QString::fromLocal8Bit(std::strerror(chyba)); }

// Writes in pieces so that a short write is seen where it happens; false with errno set
// (or 0 for the test fault).
bool zapisVsetko(int fd, const QByteArray& obsah)
{
    constexpr qint64 Kus = 64 * 1024;
    qint64 koniec = obsah.size();
    const bool skrat = g_porucha && !g_porucha->priPotvrdeni;
    if (skrat)
        koniec = std::min(koniec, g_porucha->poBajtoch);
    for (qint64 n = 0; n < koniec;) {
        const ssize_t w = ::write(fd, obsah.constData() + n, size_t(std::min(Kus, koniec - n)));
        if (w < 0 && errno == EINTR)
            continue;
        if (w <= 0) {
            if (w == 0)
                errno = ENOSPC;
            return false;
        }
        n += w;
    }
    if (skrat)
        errno = 0;
    return !skrat;
}

// Creates the temporary file of a save beside `ciel`; -1 with errno set.
int vytvorDocasny(const QString& ciel, QString& docasny)
{
    const QFileInfo f(ciel);
    for (int pokus = 0; pokus < 100; ++pokus) {
        QString nahodne;
        for (int i = 0; i < kNahodnych; ++i)
            nahodne += QLatin1Char(kZnaky[QRandomGenerator::global()->bounded(int(sizeof(kZnaky) - 1))]);
        docasny = f.absolutePath() + QStringLiteral("/.") + f.fileName() + u'.' + nahodne + QLatin1String(kKoncovka);
        const int fd = ::open(QFile::encodeName(docasny).constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0 || errno != EEXIST)
            return fd;
    }
    return -1;
}
}  // namespace

void nastavPoruchuZapisu(std::optional<PoruchaZapisu> porucha)
{
    g_porucha = porucha;
}

Vysledok ulozAtomicky(const QString& cesta, const QByteArray& obsah)
{
    // A link is followed: its target is replaced, the link stays.
    const QFileInfo info(cesta);
    const QString ciel = info.isSymLink() && info.exists() ? info.canonicalFilePath() : info.absoluteFilePath();
    QString docasny;
    const int fd = vytvorDocasny(ciel, docasny);
    if (fd < 0)
        return Vysledok::chyba(textSystemu(errno));
    struct stat st;
    if (::stat(QFile::encodeName(ciel).constData(), &st) == 0)
        ::fchmod(fd, st.st_mode & 07777);  // the old file's permissions stay
    bool ok = zapisVsetko(fd, obsah);
    int chybaZapisu = errno;
    // Data on the disk before the name points at them; a file system without sync is no fault.
    if (ok && ::fdatasync(fd) != 0 && errno != EINVAL && errno != EROFS) {
        ok = false;
        chybaZapisu = errno;
    }
    if (::close(fd) != 0 && ok) {
        ok = false;
        chybaZapisu = errno;
    }
    const QByteArray docasnyB = QFile::encodeName(docasny);
    if (!ok) {
        ::unlink(docasnyB.constData());
        return Vysledok::chyba(chybaZapisu == 0 ? QStringLiteral("Súbor sa nezapísal celý.") : textSystemu(chybaZapisu));
    }
    if (g_porucha && g_porucha->priPotvrdeni) {
        ::unlink(docasnyB.constData());
        return Vysledok::chyba(QStringLiteral("Súbor sa nepodarilo premenovať."));
    }
    if (::rename(docasnyB.constData(), QFile::encodeName(ciel).constData()) != 0) {
        const int e = errno;
        ::unlink(docasnyB.constData());
        return Vysledok::chyba(textSystemu(e));
    }
    return {};
}

Vysledok ulozAtomickyCez(const QString& cesta, const std::function<Vysledok(const QString&)>& zapis)
{
    const QFileInfo info(cesta);
    const QString ciel = info.isSymLink() && info.exists() ? info.canonicalFilePath() : info.absoluteFilePath();
    QString docasny;
    int fd = vytvorDocasny(ciel, docasny);
    auto zlyhanie = [&](const QString& dovod) {
        ::unlink(QFile::encodeName(docasny).constData());
        return Vysledok::chyba(dovod);
    };
    if (fd < 0) {
        const int e = errno;
        docasny.clear();
        return zlyhanie(textSystemu(e));
    }
    ::close(fd);
    if (const Vysledok v = zapis(docasny); !v)
        return zlyhanie(v.dovod().isEmpty() ? QStringLiteral("Súbor sa nezapísal celý.") : v.dovod());
    const QByteArray docasnyB = QFile::encodeName(docasny);
    fd = ::open(docasnyB.constData(), O_RDONLY | O_CLOEXEC);
    if (fd < 0 || (::fdatasync(fd) != 0 && errno != EINVAL && errno != EROFS)) {
        const int e = errno;
        if (fd >= 0)
            ::close(fd);
        return zlyhanie(textSystemu(e));
    }
    ::close(fd);
    if (g_porucha)
        return zlyhanie(QStringLiteral("Súbor sa nepodarilo premenovať."));
    if (::rename(docasnyB.constData(), QFile::encodeName(ciel).constData()) != 0)
        return zlyhanie(textSystemu(errno));
    return {};
}

bool jeStaryZvysok(const QString& meno)
{
    static const QRegularExpression vzor(QStringLiteral(
        "^(\\..+\\.xlsx\\.[0-9a-f]{12}|.+\\.zip\\.tmp-[0-9a-f]{8}|\\.obnova-[0-9a-f]{8})$"));
    return vzor.match(meno).hasMatch();
}

bool jeZvysokUkladania(const QString& meno)
{
    static const QRegularExpression vzor(QStringLiteral("^\\..+\\.[A-Za-z0-9]{%1}%2$")
                                             .arg(kNahodnych)
                                             .arg(QRegularExpression::escape(QLatin1String(kKoncovka))));
    return vzor.match(meno).hasMatch();
}

namespace {
// Walks with readdir: a data tree holds a folder per entry, and this runs at every start.
void zmazZvyskyV(const QByteArray& adresar, QStringList& zmazane, int hlbka)
{
    DIR* d = ::opendir(adresar.constData());
    if (!d)
        return;
    while (const dirent* e = ::readdir(d)) {
        const char* meno = e->d_name;
        if (std::strcmp(meno, ".") == 0 || std::strcmp(meno, "..") == 0)
            continue;
        const QByteArray cesta = adresar + '/' + meno;
        unsigned char typ = e->d_type;
        if (typ == DT_UNKNOWN) {
            struct stat st;
            typ = ::lstat(cesta.constData(), &st) != 0 ? DT_UNKNOWN : S_ISDIR(st.st_mode) ? DT_DIR : DT_REG;
        }
        const QString m = QFile::decodeName(meno);
        if (typ == DT_DIR && hlbka == 0 && jeStaryZvysok(m)) {
            if (QDir(QFile::decodeName(cesta)).removeRecursively())
                zmazane.append(QFile::decodeName(cesta));
        } else if (typ == DT_DIR) {
            if (hlbka < 16)
                zmazZvyskyV(cesta, zmazane, hlbka + 1);
        } else if (typ == DT_REG && (jeZvysokUkladania(m) || jeStaryZvysok(m)) && ::unlink(cesta.constData()) == 0) {
            zmazane.append(QFile::decodeName(cesta));
        }
    }
    ::closedir(d);
}
}  // namespace

QStringList zmazZvyskyUkladania(const QString& koren)
{
    QStringList zmazane;
    zmazZvyskyV(QFile::encodeName(koren), zmazane, 0);
    return zmazane;
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

Vysledok kopirujPrepis(const QString& zdroj, const QString& ciel)
{
    const auto obsah = citaj(zdroj);
    if (!obsah)
        return Vysledok::chyba(textProblemSoSuborom(zdroj));
    if (const Vysledok v = ulozAtomicky(ciel, *obsah); !v)
        return Vysledok::chyba(textChybaZapisu(ciel, v.dovod()));
    return {};
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
