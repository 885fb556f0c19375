#include "Zaloha.h"

#include "store/Cesty.h"
#include "store/DatovaSada.h"
#include "store/Spravy.h"
#include "store/Subory.h"
#include "store/Sha256.h"
#include "store/VolneMiesto.h"
#include "store/UlozenieCez.h"
#include "store/ZmenaSuborov.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QFuture>
#include <QHash>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLocale>
#include <QRegularExpression>
#include <QScopeGuard>
#include <QSet>
#include <QSettings>
#include <QStringDecoder>
#include <QtConcurrent/QtConcurrentRun>

#include <archive.h>
#include <archive_entry.h>

#include <functional>
#include <locale.h>
#include <memory>

namespace Zaloha {

namespace {

const QString PredvolenyAdresarRel = QStringLiteral("Zaloha");
const QString Predpona = QStringLiteral("kevrot-");
const QString Pripona = QStringLiteral(".zip");
const QString VerziaProgramu = QStringLiteral("5.5");
constexpr int MaxDlzkaMena = 4096;
constexpr int MaxDlzkaCasti = 255;

QString nastavenieZaloh() { return Cesty::cesta(QString::fromLatin1(DatovaSada::NastavenieZaloh)); }

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

// The backup folder relative to AppDir, or empty when it lies elsewhere.
QString zalohyRel()
{
    const QString z = QDir(Cesty::AppDir()).relativeFilePath(Adresar());
    return z.startsWith(QLatin1String("..")) || QDir::isAbsolutePath(z) ? QString() : z;
}

// An entry's name checked, or why it may not be used.
HodnotaAleboChyba<QString> menoPolozky(archive_entry* e)
{
    const char* surove = archive_entry_pathname(e);
    const QByteArray b = surove ? QByteArray(surove) : QByteArray();
    auto zle = [&](const QString& meno, const QString& dovod) {
        return HodnotaAleboChyba<QString>::chyba(QStringLiteral("položka „%1“: %2").arg(meno, dovod));
    };
    // The name as UTF-8 where the library could convert it (flagged UTF-8), else its bytes as
    // stored; strictly decoded.
    const char* u = archive_entry_pathname_utf8(e);
    const QByteArray bajty = u ? QByteArray(u) : b;
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString rel = utf8(bajty);
    if (utf8.hasError() || rel.contains(QChar::ReplacementCharacter))
        return zle(QString::fromLatin1(bajty.toPercentEncoding("/ ")), QStringLiteral("meno sa nedá dekódovať (nie je v UTF-8)"));
    if (rel.isEmpty())
        return zle(QString(), QStringLiteral("prázdne meno"));
    if (rel.toUtf8().size() > MaxDlzkaMena)
        return zle(rel.left(80) + QStringLiteral("…"), QStringLiteral("meno je príliš dlhé"));
    QString r = rel;
    if (archive_entry_filetype(e) == AE_IFDIR && r.endsWith(u'/'))
        r.chop(1);
    if (r.startsWith(u'/') || r.contains(u'\\'))
        return zle(rel, QStringLiteral("absolútna alebo nebezpečná cesta"));
    for (const QString& cast : r.split(u'/')) {
        if (cast.isEmpty() || cast == QLatin1String(".") || cast == QLatin1String(".."))
            return zle(rel, QStringLiteral("cesta mimo adresára údajov"));
        if (cast.toUtf8().size() > MaxDlzkaCasti)
            return zle(rel, QStringLiteral("časť mena je príliš dlhá"));
    }
    return r;
}

// Hands every regular entry of the archive to `kazdy`: its name, its size and, when
// `sObsahom(rel)` says so, its bytes (CRC checked by the library). Folders are skipped;
// links, devices and unsafe names refuse the archive, as does a failure of `kazdy`.
Vysledok prejdiArchiv(const QString& cesta, const std::function<bool(const QString&)>& sObsahom,
                      const std::function<Vysledok(const QString&, qint64, const QByteArray*)>& kazdy)
{
    Utf8Locale utf8;
    CitacArchivu a(archive_read_new(), archive_read_free);
    // From the central directory: an entry not read is skipped by seeking, where the streaming
    // reader would have to inflate it to find its end (deflated entries carry their sizes after
    // the data).
    archive_read_support_format_zip_seekable(a.get());
    if (archive_read_open_filename(a.get(), QFile::encodeName(cesta).constData(), 256 * 1024) != ARCHIVE_OK)
        return Vysledok::chyba(chybaArchivu(a.get()));
    archive_entry* e = nullptr;
    int r;
    QByteArray b;
    while ((r = archive_read_next_header(a.get(), &e)) == ARCHIVE_OK || r == ARCHIVE_WARN) {
        const auto meno = menoPolozky(e);
        if (!meno)
            return meno.vysledok();
        const QString& rel = meno.hodnota();
        if (archive_entry_filetype(e) == AE_IFDIR)
            continue;
        if (archive_entry_filetype(e) != AE_IFREG)
            return Vysledok::chyba(QStringLiteral("položka „%1“: nie je obyčajný súbor (odkaz alebo zariadenie)").arg(rel));
        const la_int64_t velkost = archive_entry_size_is_set(e) ? archive_entry_size(e) : -1;
        if (velkost < 0 || velkost > Subory::MaxVelkostSuboru)
            return Vysledok::chyba(QStringLiteral("položka „%1“: neplatná veľkosť").arg(rel));
        const bool citat = sObsahom(rel);
        if (citat) {
            b.resize(qsizetype(velkost));
            if (archive_read_data(a.get(), b.data(), size_t(b.size())) != la_ssize_t(b.size()))
                return Vysledok::chyba(QStringLiteral("položka „%1“: %2").arg(rel, chybaArchivu(a.get())));
            char navyse;  // a stored entry longer than announced
            if (archive_read_data(a.get(), &navyse, 1) != 0)
                return Vysledok::chyba(QStringLiteral("položka „%1“: dĺžka nesúhlasí").arg(rel));
        }
        if (Vysledok v = kazdy(rel, velkost, citat ? &b : nullptr); !v)
            return v;
    }
    if (r != ARCHIVE_EOF)
        return Vysledok::chyba(chybaArchivu(a.get()));
    return {};
}

QString menoZalohy(const QDateTime& cas) { return Predpona + cas.toString(QStringLiteral("yyyy-MM-dd_HHmmss")) + Pripona; }

// Whether the archive has this program's manifest: only such backups are ever rotated away.
bool jeVlastna(const QString& cesta)
{
    bool ma = false;
    // A broken archive counts by what could be read of it.
    (void)prejdiArchiv(cesta, [](const QString&) { return false; },
                       [&](const QString& rel, qint64, const QByteArray*) {
                           ma = ma || rel == QLatin1String(MenoManifestu);
                           return Vysledok();
                       });
    return ma;
}

void odstranStare()
{
    int vlastnych = 0;
    for (const ZalohaSubor& z : Zoznam())
        if (jeVlastna(z.cesta) && ++vlastnych > PocetUchovanych())
            QFile::remove(z.cesta);
}

void prejdiAdresar(const QString& prefix, int hlbka, const QString& zalohy, QStringList& subory, QStringList* vynechane)
{
    // Unsorted: the caller sorts the whole list once.
    QDirIterator it(prefix.isEmpty() ? Cesty::AppDir() : Cesty::cesta(prefix),
                    QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
    while (it.hasNext()) {
        const QFileInfo f = it.nextFileInfo();
        const QString rel = prefix.isEmpty() ? f.fileName() : prefix + u'/' + f.fileName();
        if (DatovaSada::jePracovne(rel) || DatovaSada::jeDodavany(rel) || (!zalohy.isEmpty() && rel == zalohy) ||
            rel == QLatin1String(DatovaSada::NastavenieZaloh) ||
            Subory::jeStaryZvysok(f.fileName()))
            continue;
        if (f.isDir()) {
            if (hlbka < 2)
                prejdiAdresar(rel, hlbka + 1, zalohy, subory, vynechane);
            else if (vynechane)
                *vynechane << rel + QStringLiteral(": priečinok je príliš hlboko");
            continue;
        }
        if (hlbka == 0 && f.isExecutable())
            continue;  // the programs
        if (f.isFile() && DatovaSada::patri(rel))
            subory << rel;
        else if (vynechane && (f.isFile() || f.isSymLink()))
            *vynechane << rel + (f.isFile() ? QStringLiteral(": nie je súborom údajov programu")
                                             : QStringLiteral(": odkaz, ktorý nikam nevedie"));
    }
}

QString roky(const QMap<int, int>& zaznamy)
{
    QStringList t;
    for (auto it = zaznamy.cbegin(); it != zaznamy.cend(); ++it)
        t << QStringLiteral("%1 (záznamov: %2)").arg(it.key()).arg(it.value());
    return t.isEmpty() ? QStringLiteral("žiadne záznamy") : t.join(QStringLiteral(", "));
}

struct PolozkaManifestu {
    qint64 velkost = 0;
    QByteArray sha256;
};

// The archive read through without its data (but the manifest); the manifest's files. With
// `ajObsah` every entry is also inflated and its checksum checked.
PrehladZalohy prezri(const QString& archiv, QHash<QString, PolozkaManifestu>* polozky, bool ajObsah = false)
{
    PrehladZalohy p;
    QSet<QString> mena;
    QHash<QString, qint64> velkosti;
    QByteArray manifest;
    static const QRegularExpression zaznam(QStringLiteral("^ZnalKevrot(\\d{4})/[^/]+\\.(?i:kvd)$"));
    const Vysledok ok = prejdiArchiv(
        archiv, [&](const QString& rel) { return ajObsah || rel == QLatin1String(MenoManifestu); },
        [&](const QString& rel, qint64 velkost, const QByteArray* obsah) {
            if (mena.contains(rel))
                return Vysledok::chyba(QStringLiteral("položka „%1“ je v archíve dvakrát").arg(rel));
            mena.insert(rel);
            if (rel == QLatin1String(MenoManifestu)) {
                manifest = *obsah;
                return Vysledok();
            }
            if (DatovaSada::jeDodavany(rel) || DatovaSada::jePracovne(rel)) {
                p.nevratene << rel;
                return Vysledok();
            }
            if (!DatovaSada::patri(rel))
                return Vysledok::chyba(QStringLiteral("položka „%1“ nepatrí k údajom programu (programy, knižnice, "
                                                      "qt.conf a nastavenie záloh sa nikdy neobnovujú)").arg(rel));
            velkosti.insert(rel, velkost);
            p.miesto += Subory::naBloky(velkost);
            const auto m = zaznam.match(rel);
            if (m.hasMatch())
                ++p.zaznamyRokov[m.captured(1).toInt()];
            return Vysledok();
        });
    if (!ok) {
        p.chyba = ok.dovod();
        return p;
    }
    // A file where the archive also has a folder.
    for (const QString& rel : std::as_const(mena))
        for (qsizetype i = rel.indexOf(u'/'); i > 0; i = rel.indexOf(u'/', i + 1))
            if (mena.contains(rel.left(i))) {
                p.chyba = QStringLiteral("položka „%1“ je súbor aj priečinok").arg(rel.left(i));
                return p;
            }
    p.suborov = int(velkosti.size());
    for (qint64 v : std::as_const(velkosti))
        p.bajtov += v;
    p.vytvorena = QFileInfo(archiv).lastModified();
    if (!manifest.isNull()) {
        const QJsonObject j = QJsonDocument::fromJson(manifest).object();
        const int format = j.value(QStringLiteral("format")).toInt();
        if (format < 1 || format > FormatManifestu) {
            p.chyba = format > FormatManifestu ? QStringLiteral("záloha je z novšej verzie programu")
                                               : QStringLiteral("manifest zálohy je poškodený");
            return p;
        }
        p.manifest = true;
        p.program = j.value(QStringLiteral("program")).toString();
        const QDateTime v = QDateTime::fromString(j.value(QStringLiteral("vytvorena")).toString(), Qt::ISODate);
        if (v.isValid())
            p.vytvorena = v.toLocalTime();
        QHash<QString, PolozkaManifestu> m;
        for (const QJsonValue& s : j.value(QStringLiteral("subory")).toArray()) {
            const QJsonObject o = s.toObject();
            m.insert(o.value(QStringLiteral("cesta")).toString(),
                     {qint64(o.value(QStringLiteral("velkost")).toDouble(-1)), o.value(QStringLiteral("sha256")).toString().toLatin1()});
        }
        for (auto it = velkosti.cbegin(); it != velkosti.cend(); ++it)
            if (!m.contains(it.key()) || m.value(it.key()).velkost != it.value()) {
                p.chyba = QStringLiteral("položka „%1“ nesúhlasí s manifestom zálohy").arg(it.key());
                return p;
            }
        if (m.size() != velkosti.size() || !p.nevratene.isEmpty()) {
            p.chyba = QStringLiteral("záloha neobsahuje všetky súbory svojho manifestu");
            return p;
        }
        if (polozky)
            *polozky = m;
    }
    if (p.suborov == 0) {
        p.chyba = QStringLiteral("archív neobsahuje žiadne údaje programu");
        return p;
    }
    p.citatelna = true;
    return p;
}

}  // namespace

QString Adresar()
{
    const QString a = QSettings(nastavenieZaloh(), QSettings::IniFormat).value(QStringLiteral("adresar")).toString();
    return a.isEmpty() ? Cesty::cesta(PredvolenyAdresarRel) : a;
}

int PocetUchovanych()
{
    const int n = QSettings(nastavenieZaloh(), QSettings::IniFormat).value(QStringLiteral("pocet"), PredvolenyPocet).toInt();
    return n > 0 ? n : PredvolenyPocet;
}

bool UlozNastavenie(const QString& adresar, int pocet)
{
    QDir().mkpath(QFileInfo(nastavenieZaloh()).absolutePath());
    QSettings s(nastavenieZaloh(), QSettings::IniFormat);
    s.setValue(QStringLiteral("adresar"), adresar);
    s.setValue(QStringLiteral("pocet"), pocet);
    s.sync();
    return s.status() == QSettings::NoError;
}

QStringList SuboryNaZalohu(QStringList* vynechane)
{
    QStringList subory;
    prejdiAdresar(QString(), 0, zalohyRel(), subory, vynechane);
    subory.sort();
    if (vynechane)
        vynechane->sort();
    return subory;
}

namespace {

struct NacitanySubor {
    QByteArray obsah;
    QByteArray sha256;
    qint64 zmenaNs = 0;
    bool precitany = false;
};

// The files from `od` on, read and hashed: a batch of at most 64 files or about 8 MB (at least
// one file), ending at the first that cannot be read.
std::vector<NacitanySubor> nacitajDavku(const QStringList& subory, qsizetype od)
{
    std::vector<NacitanySubor> davka;
    qint64 bajtov = 0;
    for (qsizetype i = od; i < subory.size() && davka.size() < 64 && bajtov < 8 * 1024 * 1024; ++i) {
        NacitanySubor& n = davka.emplace_back();
        Subory::StavSuboru stav;
        n.precitany = Subory::citajDo(Cesty::cesta(subory.at(i)), n.obsah, &stav);
        if (!n.precitany)
            break;
        n.zmenaNs = stav.zmenaNs;
        n.sha256 = Subory::sha256Hex(n.obsah);
        bajtov += n.obsah.size();
    }
    return davka;
}

}  // namespace

Vysledok Zapis(const QString& cesta, QStringList* vynechane)
{
    QStringList vynechaneTu;
    const QStringList subory = SuboryNaZalohu(&vynechaneTu);
    if (vynechane)
        *vynechane = vynechaneTu;
    qint64 spolu = 0;
    for (const QString& rel : subory)
        spolu += Subory::naBloky(QFileInfo(Cesty::cesta(rel)).size());
    if (Vysledok miesto = Subory::overMiesto(QFileInfo(cesta).absolutePath(), spolu); !miesto)
        return miesto;
    auto zapisArchiv = [&](const QString& docasny) {
        QJsonArray manifest;
        {
            Utf8Locale utf8;
            ZapisovacArchivu a(archive_write_new(), archive_write_free);
            archive_write_set_format_zip(a.get());
            archive_write_set_options(a.get(), "zip:compression=deflate,zip:hdrcharset=UTF-8");
            if (archive_write_open_filename(a.get(), QFile::encodeName(docasny).constData()) != ARCHIVE_OK)
                return Vysledok::chyba(chybaArchivu(a.get()));
            auto pridaj = [&](const QString& rel, const QByteArray& obsah, qint64 cas) {
                std::unique_ptr<archive_entry, decltype(&archive_entry_free)> e(archive_entry_new(), archive_entry_free);
                const QByteArray meno = rel.toUtf8();
                archive_entry_set_pathname_utf8(e.get(), meno.constData());
                archive_entry_set_filetype(e.get(), AE_IFREG);
                archive_entry_set_perm(e.get(), 0644);
                archive_entry_set_size(e.get(), obsah.size());
                archive_entry_set_mtime(e.get(), cas, 0);
                if (archive_write_header(a.get(), e.get()) != ARCHIVE_OK ||
                    archive_write_data(a.get(), obsah.constData(), size_t(obsah.size())) != la_ssize_t(obsah.size()))
                    return Vysledok::chyba(chybaArchivu(a.get()));
                return Vysledok();
            };
            // The files are read and hashed a batch ahead, on another thread, while this one
            // compresses.
            QFuture<std::vector<NacitanySubor>> dalsia = QtConcurrent::run(nacitajDavku, std::cref(subory), 0);
            const auto pockaj = qScopeGuard([&] { dalsia.waitForFinished(); });
            for (qsizetype od = 0; od < subory.size();) {
                const std::vector<NacitanySubor> davka = dalsia.result();
                const qsizetype po = od + qsizetype(davka.size());
                if (po < subory.size())
                    dalsia = QtConcurrent::run(nacitajDavku, std::cref(subory), po);
                for (qsizetype i = od; i < po; ++i) {
                    const QString& rel = subory.at(i);
                    const NacitanySubor& n = davka[size_t(i - od)];
                    if (!n.precitany)
                        return Vysledok::chyba(textProblemSoSuborom(Cesty::cesta(rel)));
                    if (Vysledok v = pridaj(rel, n.obsah, n.zmenaNs / 1000000000LL); !v)
                        return v;
                    manifest.append(QJsonObject{{QStringLiteral("cesta"), rel},
                                                {QStringLiteral("velkost"), double(n.obsah.size())},
                                                {QStringLiteral("sha256"), QString::fromLatin1(n.sha256)}});
                }
                od = po;
            }
            const QJsonObject m{{QStringLiteral("format"), FormatManifestu},
                                {QStringLiteral("program"), VerziaProgramu},
                                {QStringLiteral("vytvorena"), QDateTime::currentDateTimeUtc().toString(Qt::ISODate)},
                                {QStringLiteral("subory"), manifest},
                                {QStringLiteral("vynechane"), QJsonArray::fromStringList(vynechaneTu)}};
            if (Vysledok v = pridaj(QString::fromLatin1(MenoManifestu), QJsonDocument(m).toJson(),
                                    QDateTime::currentSecsSinceEpoch());
                !v)
                return v;
            if (archive_write_close(a.get()) != ARCHIVE_OK)
                return Vysledok::chyba(chybaArchivu(a.get()));
        }
        // Read back: every entry decompresses with its checksum and matches the manifest.
        const PrehladZalohy p = prezri(docasny, nullptr, true);
        if (!p.citatelna && !p.chyba.isEmpty())
            return Vysledok::chyba(QStringLiteral("záloha sa nedá prečítať späť (%1)").arg(p.chyba));
        if (!p.manifest || p.suborov != subory.size())
            return Vysledok::chyba(QStringLiteral("záloha sa nezhoduje s údajmi (%1)").arg(p.chyba));
        return Vysledok();
    };
    const Vysledok v = Subory::ulozAtomickyCez(cesta, zapisArchiv);
    if (v)
        return v;
    if (v.dovod().contains(QStringLiteral("No space")) || Subory::volneMiesto(QFileInfo(cesta).absolutePath()) < spolu)
        return Vysledok::chyba(Subory::textMaloMiesta(QFileInfo(cesta).absolutePath(), spolu));
    return v;
}

HodnotaAleboChyba<QString> Vytvor(const QDateTime& cas, bool odstranitStare)
{
    const QString adresar = Adresar();
    QDir().mkpath(adresar);
    QString cesta = QDir(adresar).filePath(menoZalohy(cas));
    for (int n = 2; QFileInfo::exists(cesta); ++n)
        cesta = QDir(adresar).filePath(menoZalohy(cas).replace(Pripona, QStringLiteral("-%1").arg(n) + Pripona));
    QStringList vynechane;
    if (const Vysledok v = Zapis(cesta, &vynechane); !v)
        return HodnotaAleboChyba<QString>::chyba(
            QStringLiteral("Zálohu %1 sa nepodarilo vytvoriť: %2\nStaršie zálohy zostali nezmenené.")
                .arg(QDir::toNativeSeparators(cesta), v.dovod()));
    if (!vynechane.isEmpty())
        spravy().upozornenie(QStringLiteral("Záloha %1 neobsahuje tieto súbory z adresára údajov (%2):\n%3")
                                 .arg(QDir::toNativeSeparators(cesta))
                                 .arg(vynechane.size())
                                 .arg(vynechane.mid(0, 30).join(u'\n')));
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

PrehladZalohy Prehlad(const QString& archiv) { return prezri(archiv, nullptr); }

Vysledok Obnov(const QString& archiv, bool bezManifestu)
{
    auto odmietni = [&](const QString& dovod) {
        return Vysledok::chyba(QStringLiteral("Zálohu %1 nie je možné obnoviť: %2\nÚdaje zostali bez zmeny.")
                                   .arg(QDir::toNativeSeparators(archiv), dovod));
    };
    QHash<QString, PolozkaManifestu> manifest;
    const PrehladZalohy p = prezri(archiv, &manifest);
    if (!p.citatelna)
        return odmietni(p.chyba);
    if (!p.manifest && !bezManifestu)
        return odmietni(QStringLiteral("záloha nemá manifest, jej súbory nie je možné overiť. Obnoviť ju možno "
                                       "len po výslovnom potvrdení.\n") + p.Popis());
    if (const Vysledok miesto = Subory::overMiesto(Cesty::AppDir(), p.miesto); !miesto)
        return odmietni(miesto.dovod());
    // Everything unpacked and checked beside the data first.
    ZmenaSuborov zmena(QStringLiteral("obnova zo zálohy"));
    QSet<QString> vArchive;
    const Vysledok rozbalene = prejdiArchiv(
        archiv, [&](const QString& rel) { return DatovaSada::patri(rel); },
        [&](const QString& rel, qint64, const QByteArray* obsah) {
            if (!obsah)
                return Vysledok();
            if (p.manifest && Subory::sha256Hex(*obsah) != manifest.value(rel).sha256)
                return Vysledok::chyba(
                    QStringLiteral("položka „%1“ nesúhlasí s manifestom zálohy (poškodená záloha)").arg(rel));
            vArchive.insert(rel);
            return zmena.zapis(rel, *obsah);
        });
    if (!rozbalene)
        return odmietni(rozbalene.dovod());
    for (const QString& rel : SuboryNaZalohu())
        if (!vArchive.contains(rel))
            zmena.zmaz(rel);
    // Both messages, the backup's first, as they were shown one after the other.
    if (const auto z = Vytvor(QDateTime::currentDateTime(), false); !z)
        return Vysledok::chyba(z.dovod() + u'\n' + odmietni(QStringLiteral("súčasný stav sa nepodarilo zálohovať")).dovod());
    if (const Vysledok v = zmena.prepni(); !v)
        return odmietni(v.dovod());
    return {};
}

void ZmazZvysky()
{
    const QDir d(Adresar());
    for (const QString& m : d.entryList(QDir::Files | QDir::Hidden))
        if (Subory::jeZvysokUkladania(m) || Subory::jeStaryZvysok(m))
            QFile::remove(d.filePath(m));
}

std::optional<QString> PoStarte()
{
    const auto sprava = ZmenaSuborov::DokonciPrerusenu();
    Subory::zmazZvyskyUkladania(Cesty::AppDir());
    ZmazZvysky();
    return sprava;
}

}  // namespace Zaloha

QString PrehladZalohy::Popis() const
{
    const QLocale sk(QLocale::Slovak, QLocale::Slovakia);
    QString t = QStringLiteral("Záloha z %1: súborov %2 (%3), roky: %4.")
                    .arg(vytvorena.toString(QStringLiteral("d.M.yyyy H:mm")))
                    .arg(suborov)
                    .arg(sk.formattedDataSize(bajtov), Zaloha::roky(zaznamyRokov));
    if (!manifest)
        t += QStringLiteral("\nZáloha je zo staršej verzie programu a nemá manifest: jej súbory nie je možné overiť.");
    if (!nevratene.isEmpty())
        t += QStringLiteral("\nNeobnovia sa súbory programu (%1): %2").arg(nevratene.size()).arg(nevratene.mid(0, 10).join(QStringLiteral(", ")));
    return t;
}
