#include "Zaloha.h"

#include "store/Cesty.h"
#include "store/Spravy.h"
#include "store/Subory.h"

#include <QCryptographicHash>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QSet>
#include <QSettings>
#include <QUuid>

#include <archive.h>
#include <archive_entry.h>

#include <clocale>
#include <functional>
#include <locale.h>
#include <memory>

namespace Zaloha {

namespace {

const QString NastavenieRel = QStringLiteral("Data/zaloha.ini");
const QString PredvolenyAdresarRel = QStringLiteral("Zaloha");
const QString Predpona = QStringLiteral("kevrot-");
const QString Pripona = QStringLiteral(".zip");
// Folders of AppDir that are not data.
const QStringList Vynechane = {QStringLiteral("Zaloha"), QStringLiteral("Tmp_doc")};

// Names in the archive are UTF-8; the library converts them through the thread's locale,
// which is made a UTF-8 one while an archive is open.
class Utf8Locale {
public:
    Utf8Locale() : m_novy(newlocale(LC_CTYPE_MASK, "C.UTF-8", locale_t(nullptr)))
    {
        if (m_novy)
            m_stary = uselocale(m_novy);
    }
    ~Utf8Locale()
    {
        if (m_novy) {
            uselocale(m_stary);
            freelocale(m_novy);
        }
    }
    Utf8Locale(const Utf8Locale&) = delete;
    Utf8Locale& operator=(const Utf8Locale&) = delete;

private:
    locale_t m_novy;
    locale_t m_stary = LC_GLOBAL_LOCALE;
};

using CitacArchivu = std::unique_ptr<archive, decltype(&archive_read_free)>;
using ZapisovacArchivu = std::unique_ptr<archive, decltype(&archive_write_free)>;

QString chybaArchivu(archive* a) { return QString::fromUtf8(archive_error_string(a) ? archive_error_string(a) : "?"); }

bool jeProgram(const QFileInfo& f) { return f.path() == Cesty::AppDir() && f.isExecutable(); }

// Leftovers of atomic saves and of this module's own writing.
bool jeDocasny(const QString& meno)
{
    return meno.contains(QStringLiteral(".tmp")) || meno.startsWith(QStringLiteral(".obnova-")) ||
           meno.endsWith(QStringLiteral(".lock")) || meno.startsWith(QStringLiteral(".~lock."));
}

// The backup folder relative to AppDir, or empty when it lies elsewhere.
QString zalohyRel()
{
    const QString z = QDir(Cesty::AppDir()).relativeFilePath(Adresar());
    return z.startsWith(QLatin1String("..")) || QDir::isAbsolutePath(z) ? QString() : z + QLatin1Char('/');
}

bool jeVynechany(const QString& rel, const QString& zalohy)
{
    const QString prvy = rel.section(QLatin1Char('/'), 0, 0);
    return Vynechane.contains(prvy, Qt::CaseInsensitive) || (!zalohy.isEmpty() && rel.startsWith(zalohy));
}

bool bezpecnaCesta(const QString& rel, const QString& zalohy)
{
    if (rel.isEmpty() || rel.startsWith(QLatin1Char('/')) || rel.contains(QLatin1Char('\\')))
        return false;
    for (const QString& cast : rel.split(QLatin1Char('/')))
        if (cast.isEmpty() || cast == QLatin1String(".") || cast == QLatin1String(".."))
            return false;
    return !jeVynechany(rel, zalohy);
}

// Hands every regular entry of the archive to `kazdy`, one at a time. False on any fault
// of the archive, an unsafe path, or when `kazdy` refuses.
bool prejdiArchiv(const QString& cesta, const std::function<bool(const QString&, const QByteArray&)>& kazdy,
                  QString* chyba)
{
    Utf8Locale utf8;
    CitacArchivu a(archive_read_new(), archive_read_free);
    archive_read_support_format_zip(a.get());
    archive_read_set_options(a.get(), "zip:hdrcharset=UTF-8");
    if (archive_read_open_filename(a.get(), QFile::encodeName(cesta).constData(), 64 * 1024) != ARCHIVE_OK) {
        *chyba = chybaArchivu(a.get());
        return false;
    }
    const QString zalohy = zalohyRel();
    archive_entry* e = nullptr;
    int r;
    // A warning (a name the locale cannot show) still gives the entry.
    while ((r = archive_read_next_header(a.get(), &e)) == ARCHIVE_OK || r == ARCHIVE_WARN) {
        if (archive_entry_filetype(e) != AE_IFREG)
            continue;
        const char* meno = archive_entry_pathname_utf8(e);
        const QString rel = QString::fromUtf8(meno ? meno : archive_entry_pathname(e));
        const la_int64_t velkost = archive_entry_size(e);
        if (!bezpecnaCesta(rel, zalohy) || velkost < 0 || velkost > Subory::MaxVelkostSuboru) {
            *chyba = QStringLiteral("nebezpečná alebo neplatná položka: ") + rel;
            return false;
        }
        QByteArray b(qsizetype(velkost), Qt::Uninitialized);
        if (archive_read_data(a.get(), b.data(), size_t(b.size())) != la_ssize_t(b.size())) {
            *chyba = chybaArchivu(a.get());
            return false;
        }
        if (!kazdy(rel, b)) {
            *chyba = rel;
            return false;
        }
    }
    if (r != ARCHIVE_EOF) {
        *chyba = chybaArchivu(a.get());
        return false;
    }
    return true;
}

QString menoZalohy(const QDateTime& cas) { return Predpona + cas.toString(QStringLiteral("yyyy-MM-dd_HHmmss")) + Pripona; }

void odstranStare()
{
    const QList<ZalohaSubor> z = Zoznam();
    for (int i = PocetUchovanych(); i < z.size(); ++i)
        QFile::remove(z.at(i).cesta);
}

}  // namespace

QString Adresar()
{
    const QString a = QSettings(Cesty::cesta(NastavenieRel), QSettings::IniFormat).value(QStringLiteral("adresar")).toString();
    return a.isEmpty() ? Cesty::cesta(PredvolenyAdresarRel) : a;
}

int PocetUchovanych()
{
    const int n = QSettings(Cesty::cesta(NastavenieRel), QSettings::IniFormat)
                      .value(QStringLiteral("pocet"), PredvolenyPocet).toInt();
    return n > 0 ? n : PredvolenyPocet;
}

bool UlozNastavenie(const QString& adresar, int pocet)
{
    QDir().mkpath(QFileInfo(Cesty::cesta(NastavenieRel)).absolutePath());
    QSettings s(Cesty::cesta(NastavenieRel), QSettings::IniFormat);
    s.setValue(QStringLiteral("adresar"), adresar);
    s.setValue(QStringLiteral("pocet"), pocet);
    s.sync();
    return s.status() == QSettings::NoError;
}

QStringList SuboryNaZalohu()
{
    QStringList subory;
    const QDir koren(Cesty::AppDir());
    const QString zalohy = zalohyRel();
    QDirIterator it(Cesty::AppDir(), QDir::Files | QDir::Hidden | QDir::NoSymLinks, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        it.next();
        const QFileInfo f = it.fileInfo();
        const QString rel = koren.relativeFilePath(f.filePath());
        if (jeVynechany(rel, zalohy) || jeProgram(f) || jeDocasny(f.fileName()) || rel == NastavenieRel)
            continue;
        subory << rel;
    }
    subory.sort();
    return subory;
}

bool Zapis(const QString& cesta, QString* chyba)
{
    QString dovod;
    const QString docasny = cesta + QStringLiteral(".tmp-") + QUuid::createUuid().toString(QUuid::Id128).left(8);
    QHash<QString, QByteArray> kontrola;
    auto zlyhanie = [&](const QString& d) {
        QFile::remove(docasny);
        if (chyba)
            *chyba = d;
        return false;
    };
    {
        Utf8Locale utf8;
        ZapisovacArchivu a(archive_write_new(), archive_write_free);
        archive_write_set_format_zip(a.get());
        archive_write_set_options(a.get(), "zip:compression=deflate,zip:hdrcharset=UTF-8");
        if (archive_write_open_filename(a.get(), QFile::encodeName(docasny).constData()) != ARCHIVE_OK)
            return zlyhanie(chybaArchivu(a.get()));
        for (const QString& rel : SuboryNaZalohu()) {
            const QString plna = Cesty::cesta(rel);
            const auto obsah = Subory::citaj(plna);
            if (!obsah)
                return zlyhanie(textProblemSoSuborom(plna));
            std::unique_ptr<archive_entry, decltype(&archive_entry_free)> e(archive_entry_new(), archive_entry_free);
            const QByteArray meno = rel.toUtf8();
            archive_entry_set_pathname_utf8(e.get(), meno.constData());
            archive_entry_set_filetype(e.get(), AE_IFREG);
            archive_entry_set_perm(e.get(), 0644);
            archive_entry_set_size(e.get(), obsah->size());
            archive_entry_set_mtime(e.get(), QFileInfo(plna).lastModified().toSecsSinceEpoch(), 0);
            if (archive_write_header(a.get(), e.get()) != ARCHIVE_OK ||
                archive_write_data(a.get(), obsah->constData(), size_t(obsah->size())) != la_ssize_t(obsah->size()))
                return zlyhanie(chybaArchivu(a.get()));
            kontrola.insert(rel, QCryptographicHash::hash(*obsah, QCryptographicHash::Sha256));
        }
        if (archive_write_close(a.get()) != ARCHIVE_OK)
            return zlyhanie(chybaArchivu(a.get()));
    }
    // Read back: every file there once, with the same checksum.
    const bool zhoda = prejdiArchiv(docasny, [&](const QString& rel, const QByteArray& b) {
        return kontrola.take(rel) == QCryptographicHash::hash(b, QCryptographicHash::Sha256);
    }, &dovod);
    if (!zhoda)
        return zlyhanie(QStringLiteral("záloha sa nezhoduje s údajmi (%1)").arg(dovod));
    if (!kontrola.isEmpty())
        return zlyhanie(QStringLiteral("v zálohe chýba súbor ") + kontrola.keys().constFirst());
    if (std::rename(QFile::encodeName(docasny).constData(), QFile::encodeName(cesta).constData()) != 0)
        return zlyhanie(qt_error_string(errno));
    return true;
}

std::optional<QString> Vytvor(const QDateTime& cas, bool odstranitStare)
{
    const QString adresar = Adresar();
    QDir().mkpath(adresar);
    QString cesta = QDir(adresar).filePath(menoZalohy(cas));
    for (int n = 2; QFileInfo::exists(cesta); ++n)
        cesta = QDir(adresar).filePath(menoZalohy(cas).replace(Pripona, QStringLiteral("-%1").arg(n) + Pripona));
    QString dovod;
    if (!Zapis(cesta, &dovod)) {
        spravy().chyba(QStringLiteral("Zálohu %1 sa nepodarilo vytvoriť: %2\nStaršie zálohy zostali nezmenené.")
                           .arg(QDir::toNativeSeparators(cesta), dovod));
        return std::nullopt;
    }
    if (odstranitStare)
        odstranStare();
    return cesta;
}

QList<ZalohaSubor> Zoznam()
{
    QList<ZalohaSubor> z;
    const QDir d(Adresar());
    for (const QFileInfo& f : d.entryInfoList({Predpona + QStringLiteral("*") + Pripona}, QDir::Files, QDir::Name | QDir::Reversed)) {
        QDateTime cas = QDateTime::fromString(f.completeBaseName().mid(Predpona.size(), 17), QStringLiteral("yyyy-MM-dd_HHmmss"));
        if (!cas.isValid())
            cas = f.lastModified();
        z.append({f.filePath(), cas, f.size()});
    }
    return z;
}

bool JePotrebna(const QDateTime& teraz)
{
    const QList<ZalohaSubor> z = Zoznam();
    if (z.isEmpty())
        return !SuboryNaZalohu().isEmpty();
    if (z.first().cas.date() == teraz.date())
        return false;
    // Written after every file it holds was read.
    const QDateTime posledna = QFileInfo(z.first().cesta).lastModified();
    for (const QString& rel : SuboryNaZalohu())
        if (QFileInfo(Cesty::cesta(rel)).lastModified() > posledna)
            return true;
    return false;
}

bool Obnov(const QString& archiv)
{
    // The archive is unpacked beside the data first; only a whole unpack replaces anything.
    const QString docasny = Cesty::cesta(QStringLiteral(".obnova-") + QUuid::createUuid().toString(QUuid::Id128).left(8));
    QStringList subory;
    QString dovod;
    const bool rozbalene = prejdiArchiv(archiv, [&](const QString& rel, const QByteArray& b) {
        const QString c = docasny + QLatin1Char('/') + rel;
        if (!QDir().mkpath(QFileInfo(c).absolutePath()) || !Subory::ulozAtomicky(c, b, &dovod))
            return false;
        subory << rel;
        return true;
    }, &dovod);
    auto koniec = [&](bool ok) {
        QDir(docasny).removeRecursively();
        return ok;
    };
    if (!rozbalene) {
        spravy().chyba(QStringLiteral("Zálohu %1 nie je možné obnoviť: %2").arg(QDir::toNativeSeparators(archiv), dovod));
        return koniec(false);
    }
    if (!Vytvor(QDateTime::currentDateTime(), false))
        return koniec(false);  // without a backup of the current state nothing is replaced
    QStringList chyby;
    for (const QString& rel : std::as_const(subory)) {
        const QString ciel = Cesty::cesta(rel);
        QDir().mkpath(QFileInfo(ciel).absolutePath());
        if (std::rename(QFile::encodeName(docasny + QLatin1Char('/') + rel).constData(), QFile::encodeName(ciel).constData()) != 0)
            chyby << rel + QStringLiteral(": ") + qt_error_string(errno);
    }
    const QSet<QString> vArchive(subory.cbegin(), subory.cend());
    for (const QString& rel : SuboryNaZalohu())
        if (!vArchive.contains(rel) && !rel.startsWith(QLatin1String(".obnova-")) && !QFile::remove(Cesty::cesta(rel)))
            chyby << rel + QStringLiteral(": súbor sa nedá odstrániť");
    if (!chyby.isEmpty())
        spravy().chyba(QStringLiteral("Niektoré súbory sa nepodarilo obnoviť:\n") + chyby.join(QLatin1Char('\n')));
    return koniec(chyby.isEmpty());
}

}  // namespace Zaloha
