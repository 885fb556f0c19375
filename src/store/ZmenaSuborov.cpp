#include "ZmenaSuborov.h"

#include "Cesty.h"
#include "Subory.h"
#include "UlozenieCez.h"
#include "VolneMiesto.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QUrl>

#include <cerrno>
#include <cstring>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

const QString MenoPriecinka = QStringLiteral(".kevrot-zmena");
const QString Hlavicka = QStringLiteral("kevrot-zmena 1");
std::optional<int> g_porucha;

QString textSystemu(int e) { return QString::fromLocal8Bit(std::strerror(e)); }
QByteArray b(const QString& c) { return QFile::encodeName(c); }

// Makes everything written so far durable: one sync of the file system.
void synchronizuj(const QString& adresar)
{
    const int fd = ::open(b(adresar).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return;
    ::syncfs(fd);
    ::close(fd);
}

// Makes a folder's entries (a rename into it) durable.
void synchronizujAdresar(const QString& adresar)
{
    const int fd = ::open(b(adresar).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return;
    ::fsync(fd);
    ::close(fd);
}

bool zapisSubor(const QString& cesta, const QByteArray& obsah, int* chyba)
{
    const int fd = ::open(b(cesta).constData(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
    if (fd < 0) {
        *chyba = errno;
        return false;
    }
    for (qsizetype n = 0; n < obsah.size();) {
        const ssize_t w = ::write(fd, obsah.constData() + n, size_t(obsah.size() - n));
        if (w < 0 && errno == EINTR)
            continue;
        if (w <= 0) {
            *chyba = w == 0 ? ENOSPC : errno;
            ::close(fd);
            return false;
        }
        n += w;
    }
    if (::close(fd) != 0) {
        *chyba = errno;
        return false;
    }
    return true;
}

bool jeSubor(const QString& cesta)
{
    struct stat st;
    return ::lstat(b(cesta).constData(), &st) == 0 && !S_ISDIR(st.st_mode);
}

// Moves a file within the file system, or copies it atomically when the target lies on
// another one (a year folder that is a link).
bool presun(const QString& z, const QString& kam, int* chyba, QSet<QString>* adresare = nullptr)
{
    // Each folder made once.
    const QString adresar = QFileInfo(kam).absolutePath();
    if (!adresare || !adresare->contains(adresar)) {
        struct stat st;
        if (::stat(b(adresar).constData(), &st) != 0 || !S_ISDIR(st.st_mode))  // a lookup, where mkdir locks the parent
            QDir().mkpath(adresar);
        if (adresare)
            adresare->insert(adresar);
    }
    if (::rename(b(z).constData(), b(kam).constData()) == 0)
        return true;
    if (errno != EXDEV) {
        *chyba = errno;
        return false;
    }
    const auto obsah = Subory::citaj(z);
    if (!obsah || !Subory::ulozAtomicky(kam, *obsah)) {
        *chyba = EIO;
        return false;
    }
    ::unlink(b(z).constData());
    return true;
}

// Keeps the current file at `ciel` under `kopia`: a hard link, else a copy.
bool odloz(const QString& ciel, const QString& kopia, int* chyba)
{
    if (::link(b(ciel).constData(), b(kopia).constData()) == 0)
        return true;
    const auto obsah = Subory::citaj(ciel);
    if (!obsah) {
        *chyba = errno ? errno : EIO;
        return false;
    }
    return zapisSubor(kopia, *obsah, chyba);
}

struct Zurnal {
    QString popis;
    QStringList nove, zmazane;
    QString odlozStare;
};

QString kod(const QString& rel) { return QString::fromLatin1(QUrl::toPercentEncoding(rel, "/ ")); }
QString dekod(const QString& t) { return QString::fromUtf8(QByteArray::fromPercentEncoding(t.toLatin1())); }

QByteArray textZurnalu(const Zurnal& z)
{
    QString t = Hlavicka + u'\n' + QStringLiteral("P\t") + kod(z.popis) + u'\n';
    if (!z.odlozStare.isEmpty())
        t += QStringLiteral("O\t") + kod(z.odlozStare) + u'\n';
    for (const QString& r : z.nove)
        t += QStringLiteral("N\t") + kod(r) + u'\n';
    for (const QString& r : z.zmazane)
        t += QStringLiteral("D\t") + kod(r) + u'\n';
    t += QStringLiteral("koniec\n");
    return t.toUtf8();
}

std::optional<Zurnal> citajZurnal(const QString& cesta)
{
    const auto obsah = Subory::citaj(cesta);
    if (!obsah)
        return std::nullopt;
    const QStringList riadky = QString::fromUtf8(*obsah).split(u'\n', Qt::SkipEmptyParts);
    if (riadky.size() < 2 || riadky.first() != Hlavicka || riadky.last() != QLatin1String("koniec"))
        return std::nullopt;
    Zurnal z;
    for (const QString& r : riadky.mid(1, riadky.size() - 2)) {
        const QString hodnota = dekod(r.mid(2));
        if (r.startsWith(QLatin1String("P\t")))
            z.popis = hodnota;
        else if (r.startsWith(QLatin1String("O\t")))
            z.odlozStare = hodnota;
        else if (r.startsWith(QLatin1String("N\t")))
            z.nove << hodnota;
        else if (r.startsWith(QLatin1String("D\t")))
            z.zmazane << hodnota;
    }
    return z;
}

// Moves the kept files to their place for the user, then takes the staging folder with its
// journal out of the way in one rename and removes it: a crash during the removal leaves a
// leftover that the next start removes without a word (the change was whole), never a
// staging folder without its journal, which would be told as a change that changed nothing.
void uprac(const QString& priecinok, const QString& odlozStare)
{
    const QString stare = priecinok + QStringLiteral("/stary");
    if (!odlozStare.isEmpty() && QFileInfo(stare).isDir()) {
        const QString kam = Cesty::cesta(odlozStare);
        QDir().mkpath(QFileInfo(kam).absolutePath());
        ::rename(b(stare).constData(), b(kam).constData());
    }
    const QString zvysok = Cesty::cesta(
        QStringLiteral(".obnova-%1").arg(QRandomGenerator::global()->generate(), 8, 16, QLatin1Char('0')));
    if (::rename(b(priecinok).constData(), b(zvysok).constData()) == 0) {
        QDir(zvysok).removeRecursively();
        return;
    }
    ::unlink(b(priecinok + QStringLiteral("/zurnal")).constData());
    QDir(priecinok).removeRecursively();
}

}  // namespace

ZmenaSuborov::ZmenaSuborov(const QString& popis) : m_popis(popis), m_priecinok(Priecinok()) {}

ZmenaSuborov::~ZmenaSuborov()
{
    if (m_pripraveny && !m_prepnute)
        QDir(m_priecinok).removeRecursively();
}

QString ZmenaSuborov::Priecinok() { return Cesty::cesta(MenoPriecinka); }

namespace {
// Staging folders taken out of the way after a whole change (uprac) whose removal was cut short.
QStringList zvysky()
{
    QStringList v = QDir(Cesty::AppDir()).entryList({QStringLiteral(".obnova-*")}, QDir::Dirs | QDir::Hidden | QDir::NoSymLinks);
    v.removeIf([](const QString& m) { return !Subory::jeStaryZvysok(m); });  // the names uprac gives, as the start-up cleanup knows them
    return v;
}
}  // namespace

bool ZmenaSuborov::JePrerusena() { return QFileInfo(Priecinok()).isDir() || !zvysky().isEmpty(); }

void ZmenaSuborov::nastavPoruchu(std::optional<int> poPresunoch) { g_porucha = poPresunoch; }

Vysledok ZmenaSuborov::pripravPriecinok()
{
    if (m_pripraveny)
        return {};
    if (QFileInfo(m_priecinok).isDir())
        return Vysledok::chyba(QStringLiteral("Predchádzajúca zmena údajov nie je dokončená; spustite program znova."));
    if (!QDir().mkpath(m_priecinok + QStringLiteral("/novy")))
        return Vysledok::chyba(QStringLiteral("Adresár %1 sa nedá vytvoriť.").arg(QDir::toNativeSeparators(m_priecinok)));
    m_pripraveny = true;
    m_vytvoreneAdresare.insert(m_priecinok + QStringLiteral("/novy"));
    return {};
}

QString ZmenaSuborov::cestaStaged(const QString& rel) const { return m_priecinok + QStringLiteral("/novy/") + rel; }

Vysledok ZmenaSuborov::zapis(const QString& rel, const QByteArray& obsah)
{
    if (Vysledok v = pripravPriecinok(); !v)
        return v;
    const QString c = cestaStaged(rel);
    const QString adresar = QFileInfo(c).path();
    if (!m_vytvoreneAdresare.contains(adresar)) {
        if (!QDir().mkpath(adresar))
            return Vysledok::chyba(QStringLiteral("Adresár %1 sa nedá vytvoriť.").arg(QDir::toNativeSeparators(adresar)));
        m_vytvoreneAdresare.insert(adresar);
    }
    int e = 0;
    if (!zapisSubor(c, obsah, &e))
        return Vysledok::chyba(e == ENOSPC || e == EDQUOT ? Subory::textMaloMiesta(Cesty::AppDir(), obsah.size())
                                                          : textSystemu(e));
    if (!m_noveSet.contains(rel)) {
        m_noveSet.insert(rel);
        m_nove << rel;
    }
    return {};
}

void ZmenaSuborov::zmaz(const QString& rel)
{
    if (!m_zmazane.contains(rel))
        m_zmazane << rel;
}

Vysledok ZmenaSuborov::prepni(const QString& odlozStare)
{
    if (pocetZmien() == 0)
        return {};
    if (Vysledok v = pripravPriecinok(); !v)
        return v;
    const QString stare = m_priecinok + QStringLiteral("/stary/");
    // The kept files: in their tree when the user gets them afterwards; else, only for putting
    // back, flat under their number in the lists of new and removed files (no folders to make
    // and remove).
    const bool strom = !odlozStare.isEmpty();
    auto kopia = [&](qsizetype i, const QString& rel) { return strom ? stare + rel : stare + QString::number(i); };
    auto kopiaZmazaneho = [&](qsizetype j, const QString& rel) { return kopia(m_nove.size() + j, rel); };
    // The staged files durable before anything refers to them.
    synchronizuj(m_priecinok);
    // The files to be replaced or removed are kept, so that a failure can put them back.
    m_nahradene = 0;
    QSet<QString> adresare;
    if (!strom && QDir().mkpath(stare))
        adresare.insert(stare.chopped(1));
    qsizetype cislo = 0;
    for (const QStringList* zoznam : {&m_nove, &m_zmazane}) {
        for (const QString& rel : *zoznam) {
            const qsizetype i = cislo++;
            const QString ciel = Cesty::cesta(rel);
            if (!jeSubor(ciel))
                continue;
            const QString k = kopia(i, rel);
            const QString adresar = QFileInfo(k).path();
            if (!adresare.contains(adresar)) {
                QDir().mkpath(adresar);
                adresare.insert(adresar);
            }
            int e = 0;
            if (!odloz(ciel, k, &e))  // nothing switched yet; the destructor throws the staging away
                return Vysledok::chyba(rel + QStringLiteral(": ") +
                                       (e == ENOSPC ? Subory::textMaloMiesta(Cesty::AppDir(), QFileInfo(ciel).size())
                                                    : textSystemu(e)));
            ++m_nahradene;
        }
    }
    const Zurnal z{m_popis, m_nove, m_zmazane, odlozStare};
    if (Vysledok v = Subory::ulozAtomicky(m_priecinok + QStringLiteral("/zurnal"), textZurnalu(z)); !v)
        return v;
    synchronizujAdresar(m_priecinok);  // the journal written
    // The switch: from here a crash is finished at the next start.
    QStringList presunute, zmazane;
    QSet<QString> ciele;
    int e = 0;
    QString zlyhalo;
    for (const QString& rel : std::as_const(m_nove)) {
        if (g_porucha && presunute.size() >= *g_porucha) {
            e = EIO;
            zlyhalo = rel;
            break;
        }
        if (!presun(cestaStaged(rel), Cesty::cesta(rel), &e, &ciele)) {
            zlyhalo = rel;
            break;
        }
        presunute << rel;
    }
    if (zlyhalo.isEmpty()) {
        for (const QString& rel : std::as_const(m_zmazane)) {
            if (::unlink(b(Cesty::cesta(rel)).constData()) != 0 && errno != ENOENT) {
                e = errno;
                zlyhalo = rel;
                break;
            }
            zmazane << rel;
        }
    }
    if (!zlyhalo.isEmpty()) {
        // Everything back as it was.
        for (qsizetype i = 0; i < presunute.size(); ++i) {
            const QString& rel = presunute.at(i);
            int x = 0;
            if (QFileInfo::exists(kopia(i, rel)))
                presun(kopia(i, rel), Cesty::cesta(rel), &x);
            else
                ::unlink(b(Cesty::cesta(rel)).constData());
        }
        for (qsizetype j = 0; j < zmazane.size(); ++j) {
            const QString& rel = zmazane.at(j);
            int x = 0;
            if (QFileInfo::exists(kopiaZmazaneho(j, rel)))
                presun(kopiaZmazaneho(j, rel), Cesty::cesta(rel), &x);
        }
        synchronizuj(m_priecinok);
        ::unlink(b(m_priecinok + QStringLiteral("/zurnal")).constData());
        return Vysledok::chyba(zlyhalo + QStringLiteral(": ") +
                               (e == ENOSPC ? Subory::textMaloMiesta(Cesty::AppDir(), 0) : textSystemu(e)) +
                               QStringLiteral("\nVšetky súbory boli vrátené do pôvodného stavu."));
    }
    m_prepnute = true;
    uprac(m_priecinok, odlozStare);
    return {};
}

std::optional<QString> ZmenaSuborov::DokonciPrerusenu()
{
    for (const QString& z : zvysky())
        QDir(Cesty::cesta(z)).removeRecursively();
    const QString priecinok = Priecinok();
    if (!QFileInfo(priecinok).isDir())
        return std::nullopt;
    const auto z = citajZurnal(priecinok + QStringLiteral("/zurnal"));
    if (!z) {
        QDir(priecinok).removeRecursively();
        return QStringLiteral("Predchádzajúca zmena údajov (obnova alebo prenos) bola prerušená skôr, "
                              "než zmenila akýkoľvek súbor. Údaje zostali bez zmeny.");
    }
    QStringList chyby;
    QSet<QString> ciele;
    for (const QString& rel : z->nove) {
        const QString staged = priecinok + QStringLiteral("/novy/") + rel;
        int e = 0;
        if (QFileInfo::exists(staged) && !presun(staged, Cesty::cesta(rel), &e, &ciele))
            chyby << rel + QStringLiteral(": ") + textSystemu(e);
    }
    for (const QString& rel : z->zmazane)
        if (::unlink(b(Cesty::cesta(rel)).constData()) != 0 && errno != ENOENT)
            chyby << rel + QStringLiteral(": ") + textSystemu(errno);
    if (!chyby.isEmpty())
        return QStringLiteral("Prerušenú zmenu údajov (%1) sa nepodarilo dokončiť:\n%2\nRozpracované súbory zostali v %3.")
            .arg(z->popis, chyby.join(u'\n'), QDir::toNativeSeparators(priecinok));
    synchronizuj(priecinok);
    uprac(priecinok, z->odlozStare);
    QString t = QStringLiteral("Zmena údajov (%1) bola prerušená (program sa neočakávane ukončil). "
                               "Pri tomto spustení bola dokončená (súborov: %2).")
                    .arg(z->popis)
                    .arg(z->nove.size() + z->zmazane.size());
    if (!z->odlozStare.isEmpty())
        t += QStringLiteral("\nNahradené súbory sú v adresári %1.").arg(QDir::toNativeSeparators(Cesty::cesta(z->odlozStare)));
    return t;
}
