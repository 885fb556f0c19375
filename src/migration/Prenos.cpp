#include "Prenos.h"

#include "store/Cesty.h"
#include "store/DatovaSada.h"
#include "store/Subory.h"
#include "store/VolneMiesto.h"
#include "store/Win1250.h"
#include "store/ZmenaSuborov.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QRegularExpression>
#include <QStringDecoder>

#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstdlib>
#include <cstring>

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

QString menoZBajtov(const QByteArray& b)
{
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString t = utf8(b);
    return utf8.hasError() ? Win1250::dekoduj(b) : t;
}

QString ukaz(const QByteArray& cesta) { return QDir::toNativeSeparators(menoZBajtov(cesta)); }

std::optional<QByteArray> skutocna(const QByteArray& cesta)
{
    char buf[PATH_MAX];
    if (!::realpath(cesta.constData(), buf))
        return std::nullopt;
    return QByteArray(buf);
}

bool citajSurovo(const QByteArray& cesta, QByteArray& obsah)
{
    const int fd = ::open(cesta.constData(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0)
        return false;
    struct stat st;
    bool ok = ::fstat(fd, &st) == 0 && S_ISREG(st.st_mode) && st.st_size <= Subory::MaxVelkostSuboru;
    if (ok) {
        obsah.resize(qsizetype(st.st_size));
        qsizetype n = 0;
        while (n < obsah.size()) {
            const ssize_t r = ::read(fd, obsah.data() + n, size_t(obsah.size() - n));
            if (r < 0 && errno == EINTR)
                continue;
            if (r <= 0) {
                ok = r == 0;
                break;
            }
            n += r;
        }
        obsah.resize(n);
    }
    ::close(fd);
    return ok;
}

}  // namespace

Prenos::Prenos(const QDateTime& cas)
    : m_zaloha(QStringLiteral("Zaloha/prenos-") + cas.toString(QStringLiteral("yyyy-MM-dd HHmmss")))
{
}

QString Prenos::adresarZalohy() const { return Cesty::cesta(m_zaloha); }

void Prenos::nastavZdroj(const QString& zdroj)
{
    m_koren = skutocna(QFile::encodeName(zdroj)).value_or(QFile::encodeName(QFileInfo(zdroj).absoluteFilePath()));
}

bool Prenos::vnutriZdroja(const QByteArray& cesta) const
{
    if (m_koren.isEmpty())
        return true;
    const auto s = skutocna(cesta);
    return s && (*s == m_koren || s->startsWith(m_koren + '/'));
}

void Prenos::nevzaty(const QString& co, const QString& dovod) { chyby << co + QStringLiteral(": ") + dovod; }

QList<PolozkaZdroja> Prenos::zoznam(const QString& adresar)
{
    QList<PolozkaZdroja> v;
    const QByteArray a = QFile::encodeName(adresar);
    if (!vnutriZdroja(a)) {
        nevzaty(QDir::toNativeSeparators(adresar), QStringLiteral("odkaz mimo zdrojového adresára, nenasledovaný"));
        return v;
    }
    DIR* d = ::opendir(a.constData());
    if (!d) {
        nevzaty(QDir::toNativeSeparators(adresar), QStringLiteral("adresár sa nedá prečítať (%1)")
                                                       .arg(QString::fromLocal8Bit(std::strerror(errno))));
        return v;
    }
    while (const dirent* e = ::readdir(d)) {
        if (std::strcmp(e->d_name, ".") == 0 || std::strcmp(e->d_name, "..") == 0)
            continue;
        PolozkaZdroja p;
        p.cesta = a + '/' + e->d_name;
        p.meno = menoZBajtov(QByteArray(e->d_name));
        struct stat lst, st;
        if (::lstat(p.cesta.constData(), &lst) != 0)
            continue;
        if (S_ISLNK(lst.st_mode) && !vnutriZdroja(p.cesta)) {
            nevzaty(ukaz(p.cesta), QStringLiteral("odkaz mimo zdrojového adresára, nenasledovaný"));
            continue;
        }
        if (::stat(p.cesta.constData(), &st) != 0) {
            nevzaty(ukaz(p.cesta), QStringLiteral("odkaz, ktorý nikam nevedie"));
            continue;
        }
        p.adresar = S_ISDIR(st.st_mode);
        p.subor = S_ISREG(st.st_mode);
        v << p;
    }
    ::closedir(d);
    std::sort(v.begin(), v.end(), [](const PolozkaZdroja& x, const PolozkaZdroja& y) { return x.cesta < y.cesta; });
    return v;
}

bool Prenos::zapis(const QString& cielRel, const QByteArray& obsah, const QString& popis, bool nahraditOdlisny)
{
    m_plan.append({{}, obsah, cielRel, popis.isEmpty() ? cielRel : popis, nahraditOdlisny});
    return true;
}

bool Prenos::kopiruj(const PolozkaZdroja& zdroj, const QString& cielRel, bool nahraditOdlisny)
{
    if (!vnutriZdroja(zdroj.cesta)) {
        nevzaty(ukaz(zdroj.cesta), QStringLiteral("odkaz mimo zdrojového adresára, nenasledovaný"));
        return false;
    }
    if (!zdroj.subor) {
        nevzaty(ukaz(zdroj.cesta), QStringLiteral("nie je obyčajný súbor"));
        return false;
    }
    m_plan.append({zdroj.cesta, {}, cielRel, ukaz(zdroj.cesta), nahraditOdlisny});
    return true;
}

bool Prenos::kopiruj(const QString& zdroj, const QString& cielRel)
{
    PolozkaZdroja p;
    p.cesta = QFile::encodeName(zdroj);
    p.meno = QFileInfo(zdroj).fileName();
    p.subor = QFileInfo(zdroj).isFile();
    return kopiruj(p, cielRel);
}

void Prenos::kopirujPriecinok(const QString& zdroj, const QString& cielRel, const QString& maska, bool nahraditOdlisny)
{
    if (zdroj.isEmpty() || !QFileInfo(zdroj).isDir())
        return;
    const QString ciel = Cesty::cesta(cielRel);
    const QRegularExpression filter(QRegularExpression::wildcardToRegularExpression(maska.isEmpty() ? QStringLiteral("*") : maska),
                                    QRegularExpression::CaseInsensitiveOption);
    QHash<QString, QString> vzate;  // target name in lower case -> source shown
    for (const PolozkaZdroja& f : zoznam(zdroj)) {
        if (f.adresar || !filter.match(f.meno).hasMatch())
            continue;
        QString meno = QFileInfo(NajdiBezOhladuNaVelkost(ciel, f.meno)).fileName();
        if (meno.isEmpty())
            meno = f.meno;
        const QString kluc = meno.toLower();
        if (vzate.contains(kluc)) {
            nevzaty(ukaz(f.cesta), QStringLiteral("to isté meno ako %1 (líši sa len veľkosťou písmen), nevzatý").arg(vzate.value(kluc)));
            continue;
        }
        vzate.insert(kluc, f.meno);
        kopiruj(f, cielRel + QLatin1Char('/') + meno, nahraditOdlisny);
    }
}

void Prenos::uprav(const QString& cielRel, const std::function<bool(const QString&)>& krok) { m_upravy.append({cielRel, krok}); }

bool Prenos::Dokonci()
{
    auto zlyhanie = [&](const QString& dovod) {
        chyba = dovod;
        skopirovane = zalohovane = 0;
        return false;
    };
    // A later plan for the same file wins.
    QHash<QString, qsizetype> posledny;
    for (qsizetype i = 0; i < m_plan.size(); ++i)
        posledny.insert(m_plan.at(i).rel, i);
    qint64 treba = 0;
    for (const Plan& p : std::as_const(m_plan)) {
        struct stat st;
        treba += Subory::naBloky(p.zdroj.isEmpty() ? p.obsah.size() : ::stat(p.zdroj.constData(), &st) == 0 ? qint64(st.st_size) : 0);
    }
    if (const Vysledok miesto = Subory::overMiesto(Cesty::AppDir(), treba); !miesto)
        return zlyhanie(miesto.dovod());
    ZmenaSuborov zmena(QStringLiteral("prenos údajov"));
    QByteArray obsah, stary;
    for (qsizetype i = 0; i < m_plan.size(); ++i) {
        const Plan& p = m_plan.at(i);
        if (posledny.value(p.rel) != i)
            continue;
        if (!DatovaSada::patri(p.rel)) {
            nevzaty(p.popis, QStringLiteral("nepatrí k údajom programu"));
            continue;
        }
        if (p.zdroj.isEmpty())
            obsah = p.obsah;
        else if (!citajSurovo(p.zdroj, obsah)) {
            nevzaty(p.popis, QStringLiteral("súbor sa nedá prečítať"));
            continue;
        }
        const QString ciel = Cesty::cesta(p.rel);
        const QFileInfo ci(ciel);
        QString rodic = p.rel.section(u'/', 0, -2);
        for (; !rodic.isEmpty() && !QFileInfo(Cesty::cesta(rodic)).isFile(); rodic = rodic.section(u'/', 0, -2)) {
        }
        if (!rodic.isEmpty()) {
            nevzaty(p.popis, QStringLiteral("na mieste priečinka je súbor %1").arg(QDir::toNativeSeparators(Cesty::cesta(rodic))));
            continue;
        }
        if (ci.exists() && !ci.isFile()) {
            nevzaty(p.popis, QStringLiteral("na mieste súboru je priečinok %1").arg(QDir::toNativeSeparators(ciel)));
            continue;
        }
        if (ci.exists() && Subory::citajDo(ciel, stary)) {
            if (stary == obsah) {
                ++nezmenene;
                continue;
            }
            if (!p.nahradit) {
                nevzaty(p.popis, QStringLiteral("súbor tejto inštalácie sa líši, ponechaný"));
                continue;
            }
        }
        if (const Vysledok v = zmena.zapis(p.rel, obsah); !v)
            return zlyhanie(v.dovod());
    }
    for (const auto& [rel, krok] : std::as_const(m_upravy)) {
        if (!zmena.jeStaged(rel)) {
            const auto tu = Subory::citaj(Cesty::cesta(rel));
            if (!tu)
                continue;
            if (const Vysledok v = zmena.zapis(rel, *tu); !v)
                return zlyhanie(v.dovod());
        }
        if (!krok(zmena.cestaStaged(rel)))
            return zlyhanie(QStringLiteral("súbor %1 sa nepodarilo previesť").arg(rel));
    }
    const int pocet = zmena.pocetZmien();
    if (const Vysledok v = zmena.prepni(m_zaloha); !v)
        return zlyhanie(v.dovod());
    skopirovane = pocet;
    zalohovane = zmena.pocetNahradenych();
    m_plan.clear();
    m_upravy.clear();
    return true;
}

QString Prenos::Zhrnutie(const QString& uvod) const
{
    QString t = chyba.isEmpty() ? uvod
                                : QStringLiteral("Prenos sa nevykonal: %1\nÚdaje tejto inštalácie zostali bez zmeny.").arg(chyba);
    if (zalohovane > 0)
        t += QStringLiteral("\nSúbory tejto inštalácie, ktoré prenos nahradil (%1), sú uložené v adresári %2.")
                 .arg(zalohovane)
                 .arg(QDir::toNativeSeparators(adresarZalohy()));
    if (!chyby.isEmpty())
        t += QStringLiteral("\nNeprenesené (%1):\n").arg(chyby.size()) + chyby.join(QLatin1Char('\n'));
    return t;
}

QString NajdiBezOhladuNaVelkost(const QString& adresar, const QString& meno)
{
    const QDir d(adresar);
    if (adresar.isEmpty() || !d.exists())
        return {};
    if (QFileInfo::exists(d.filePath(meno)))
        return d.filePath(meno);
    for (const QString& m : d.entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot))
        if (m.compare(meno, Qt::CaseInsensitive) == 0)
            return d.filePath(m);
    return {};
}

QString NajdiCestu(const QString& adresar, const QString& relativna)
{
    QString c = adresar;
    for (const QString& cast : relativna.split(QLatin1Char('/'), Qt::SkipEmptyParts)) {
        c = NajdiBezOhladuNaVelkost(c, cast);
        if (c.isEmpty())
            return {};
    }
    return c;
}
