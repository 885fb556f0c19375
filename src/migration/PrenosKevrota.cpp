#include "PrenosKevrota.h"

#include "settings/NastaveniaZaznamy.h"
#include "store/Cesty.h"
#include "store/Objednavky.h"
#include "store/Spravy.h"
#include "store/Subory.h"
#include "store/Zurnal.h"

#include <QDate>
#include <QDir>
#include <QFile>
#include <QHash>
#include <QFileInfo>
#include <QRegularExpression>

namespace {

constexpr int VelkostNastaveni = 8692;
constexpr int ZaciatokPrenosu = 1005;  // the target keeps its name before this byte

const QString TextyZnalca = QStringLiteral("ZnaleckyKevrot texty");
const QString TextVyuctovania = QStringLiteral("Text vyuctovania");
const QString TextCiastky = QStringLiteral("Text vyuctovania - financna ciastka");

bool maSubory(const QString& adresar)
{
    return !adresar.isEmpty() && !QDir(adresar).entryList(QDir::Files | QDir::Hidden).isEmpty();
}

// The canonical spelling of an entry file's name: the extension in lower case.
QString menoZaznamu(const QString& meno)
{
    return meno.left(meno.size() - 4) + QStringLiteral(".kvd");
}

}  // namespace

std::optional<StaraVerzia> VerziaZTextu(const QString& text)
{
    if (text == QLatin1String("5.0")) return StaraVerzia::V50;
    if (text == QLatin1String("5.2")) return StaraVerzia::V52;
    if (text == QLatin1String("5.3")) return StaraVerzia::V53;
    if (text == QLatin1String("5.4")) return StaraVerzia::V54;
    return std::nullopt;
}

QString TextVerzie(StaraVerzia v)
{
    switch (v) {
    case StaraVerzia::V50: return QStringLiteral("5.0");
    case StaraVerzia::V52: return QStringLiteral("5.2");
    case StaraVerzia::V53: return QStringLiteral("5.3");
    case StaraVerzia::V54: return QStringLiteral("5.4");
    }
    return {};
}

QStringList RokyZdroja(const QString& zdroj)
{
    QStringList roky;
    if (zdroj.isEmpty())
        return roky;
    const int posledny = QDate::currentDate().year() + 1;
    for (int rok = 2000; rok <= posledny; ++rok) {
        const QString p = NajdiBezOhladuNaVelkost(zdroj, QStringLiteral("ZnalKevrot%1").arg(rok));
        if (!p.isEmpty() && QFileInfo(p).isDir())
            roky << QFileInfo(p).fileName();
    }
    return roky;
}

namespace {

// The entry files of a source year folder, one per target name (of case twins the first,
// the other listed), each with the bytes it holds when it loads as an entry.
struct ZaznamZdroja {
    PolozkaZdroja subor;
    QString meno;  // the target name, "12-2011.kvd"
    QByteArray obsah;
};

QList<ZaznamZdroja> zaznamyZdroja(Prenos& prenos, const QString& s)
{
    QList<ZaznamZdroja> v;
    QHash<QString, QString> vzate;
    for (const PolozkaZdroja& f : prenos.zoznam(s)) {
        if (f.adresar || !f.meno.endsWith(QStringLiteral(".kvd"), Qt::CaseInsensitive))
            continue;
        const QString meno = menoZaznamu(f.meno);
        const QString ukaz = QDir::toNativeSeparators(s + u'/' + f.meno);
        if (vzate.contains(meno.toLower())) {
            prenos.nevzaty(ukaz, QStringLiteral("to isté meno ako %1 (líši sa len veľkosťou písmen), nevzatý")
                                     .arg(vzate.value(meno.toLower())));
            continue;
        }
        vzate.insert(meno.toLower(), f.meno);
        const auto obsah = f.subor ? Subory::citaj(QFile::decodeName(f.cesta)) : std::nullopt;
        ObsahZaznamu o;
        if (!obsah || !Zurnal::RozoberSubor(*obsah, o)) {
            prenos.nevzaty(ukaz, QStringLiteral("súbor záznamu je poškodený alebo neúplný, nedá sa načítať"));
            continue;
        }
        v.append({f, meno, *obsah});
    }
    return v;
}

}  // namespace

int OdlisneZaznamy(const QString& zdroj, const QString& priecinok)
{
    Prenos prenos;
    prenos.nastavZdroj(zdroj);
    const QString s = NajdiBezOhladuNaVelkost(zdroj, priecinok);
    const QString t = QStringLiteral("ZnalKevrot") + priecinok.right(4);
    int n = 0;
    for (const ZaznamZdroja& z : zaznamyZdroja(prenos, s)) {
        const auto tu = Subory::citaj(Cesty::cesta(t + u'/' + z.meno));
        n += tu && *tu != z.obsah;
    }
    return n;
}

void PrenesRok(Prenos& prenos, const QString& zdroj, const QString& priecinok, bool nahradit)
{
    prenos.nastavZdroj(zdroj);
    const QString s = NajdiBezOhladuNaVelkost(zdroj, priecinok);
    if (s.isEmpty())
        return;
    // The target folder in the program's own spelling.
    const QString t = QStringLiteral("ZnalKevrot") + priecinok.right(4);
    for (const ZaznamZdroja& z : zaznamyZdroja(prenos, s)) {
        const QString rel = t + QLatin1Char('/') + z.meno;
        const QString zaklad = z.meno.left(z.meno.size() - 4);
        const auto tu = Subory::citaj(Cesty::cesta(rel));
        if (tu && *tu != z.obsah && !nahradit) {
            prenos.nevzaty(QDir::toNativeSeparators(s + u'/' + z.subor.meno),
                           QStringLiteral("záznam %1 tejto inštalácie sa líši; ponechaný aj s dokumentmi "
                                          "(nahradenie záznamov roku nebolo zvolené)").arg(zaklad));
            continue;
        }
        const QString dokumenty = NajdiBezOhladuNaVelkost(s, z.subor.meno.left(z.subor.meno.size() - 4));
        if (QFileInfo(dokumenty).isDir() && maSubory(dokumenty))
            prenos.kopirujPriecinok(dokumenty, t + QLatin1Char('/') + zaklad, {}, nahradit);
        prenos.zapis(rel, z.obsah, QDir::toNativeSeparators(s + u'/' + z.subor.meno));
    }
}

bool PrenesNastavenia(Prenos& prenos, const QString& zdroj, const QString& cielRel)
{
    const auto z = Subory::citaj(zdroj);
    const auto c = Subory::citaj(Cesty::cesta(cielRel));
    for (const auto& [obsah, cesta] : {std::pair{z, zdroj}, std::pair{c, Cesty::cesta(cielRel)}}) {
        if (!obsah) {
            spravy().chyba(textProblemSoSuborom(cesta));
            return false;
        }
        if (obsah->size() != VelkostNastaveni) {
            spravy().chyba(QStringLiteral("Súbor %1 nemá veľkosť nastavení (%2 bajtov), nastavenia sa neprenášajú.")
                               .arg(cesta)
                               .arg(VelkostNastaveni));
            return false;
        }
    }
    QByteArray novy = *c;
    for (const auto& pole : TNastavenia::rozlozenie()) {
        const int od = std::max(pole.offset, ZaciatokPrenosu);
        const int po = pole.offset + pole.sirka;
        if (pole.typ == TypPola::Vypln || od >= po)
            continue;
        novy.replace(od, po - od, z->mid(od, po - od));
    }
    return prenos.zapis(cielRel, novy);
}

void PrenesNastaveniaVerzie(Prenos& prenos, const QString& zdroj, StaraVerzia verzia)
{
    prenos.nastavZdroj(zdroj);
    prenos.kopirujPriecinok(NajdiBezOhladuNaVelkost(zdroj, QStringLiteral("Data")), QStringLiteral("Data"));
    if (verzia == StaraVerzia::V50)
        prenos.uprav(QStringLiteral("Data/objednavatelia.dat"), [](const QString& klienti) {
            Objednavky o;
            return o.PrevedObjednavatelov(klienti);
        });
    const QString zdrojNastaveni = NajdiBezOhladuNaVelkost(zdroj, QStringLiteral("nastavenia.dat"));
    if (!zdrojNastaveni.isEmpty() && QFileInfo(Cesty::cesta(QStringLiteral("nastavenia.dat"))).isFile())
        PrenesNastavenia(prenos, zdrojNastaveni, QStringLiteral("nastavenia.dat"));
}

void PrenesTexty(Prenos& prenos, const QString& zdroj)
{
    prenos.nastavZdroj(zdroj);
    const QString s = NajdiBezOhladuNaVelkost(zdroj, TextyZnalca);
    if (s.isEmpty())
        return;
    prenos.kopirujPriecinok(s, TextyZnalca);
    for (const QString& p : {TextVyuctovania, TextCiastky})
        prenos.kopirujPriecinok(NajdiBezOhladuNaVelkost(s, p), TextyZnalca + QLatin1Char('/') + p);
}

void PrenesKevrot(Prenos& prenos, const QString& zdroj, StaraVerzia verzia, const VolbyPrenosu& volby)
{
    prenos.nastavZdroj(zdroj);
    for (const QString& rok : volby.roky)
        PrenesRok(prenos, zdroj, rok, volby.nahradit.contains(rok, Qt::CaseInsensitive));
    if (volby.nastavenia)
        PrenesNastaveniaVerzie(prenos, zdroj, verzia);
    if (volby.texty)
        PrenesTexty(prenos, zdroj);
    prenos.Dokonci();
}

void PrenesTextyKancelarie(Prenos& prenos, const QString& zdroj, bool nastavenia)
{
    prenos.nastavZdroj(zdroj);
    const QString data = NajdiBezOhladuNaVelkost(zdroj, QStringLiteral("Data"));
    auto kopirujAkJe = [&](const QString& adresar, const QString& meno, const QString& cielRel) {
        const QString f = NajdiBezOhladuNaVelkost(adresar, meno);
        if (!f.isEmpty() && QFileInfo(f).isFile())
            prenos.kopiruj(f, cielRel + QLatin1Char('/') + meno);
    };
    for (const char* m : {"kevrot_druh_ukonu.kvz", "kevrot_popis.kvz", "kevrot_popis_hotove_vydavky.kvz",
                          "kevrot_popis_pasal_vydavky.kvz", "kevrot_popis_pausal_odmena.kvz",
                          "kevrot_popis_tarif_odmena.kvz", "kevrot_predmet.kvz", "kevrot_typ_posudku.kvz",
                          "kevrot_ucel.kvz"})
        kopirujAkJe(data, QString::fromLatin1(m), QStringLiteral("Data"));
    const QString stary = NajdiBezOhladuNaVelkost(zdroj, QStringLiteral("Morvane 3.0"));
    kopirujAkJe(NajdiBezOhladuNaVelkost(stary, QStringLiteral("Data")), QStringLiteral("hlavicka_titulnej_strany.rtf"),
                QStringLiteral("Data"));
    const QString texty = NajdiBezOhladuNaVelkost(stary, TextyZnalca);
    if (!texty.isEmpty()) {
        kopirujAkJe(texty, QStringLiteral("hlavicka_vyuctovania.rtf"), TextyZnalca);
        for (const QString& p : {TextVyuctovania, TextCiastky})
            prenos.kopirujPriecinok(NajdiBezOhladuNaVelkost(texty, p), TextyZnalca + QLatin1Char('/') + p,
                                    QStringLiteral("*.rtf"));
    }
    if (!nastavenia)
        return void(prenos.Dokonci());
    const QString zdrojNastaveni = NajdiBezOhladuNaVelkost(zdroj, QStringLiteral("nastavenia.dat"));
    if (!zdrojNastaveni.isEmpty() && QFileInfo(Cesty::cesta(QStringLiteral("nastavenia.dat"))).isFile())
        PrenesNastavenia(prenos, zdrojNastaveni, QStringLiteral("nastavenia.dat"));
    for (const char* m : {"nastavenie_tlac_posudok.dat", "znalec_kevrot_nastavenie.dat",
                          "znalec_kevrot_nastavenie_tlac.dat", "znalec_kevrot_nastavenie_vozidlo.dat"})
        kopirujAkJe(data, QString::fromLatin1(m), QStringLiteral("Data"));
    prenos.Dokonci();
}

QStringList MiestaInstalacie(const QStringList& prieciny)
{
    QStringList korene;
    const QString wine = qEnvironmentVariable("WINEPREFIX", QDir::homePath() + QStringLiteral("/.wine"));
    korene << NajdiBezOhladuNaVelkost(wine, QStringLiteral("drive_c"));
    // Mounted Windows disks.
    for (const QString& baza : {QStringLiteral("/mnt"), QStringLiteral("/media"),
                                QStringLiteral("/media/") + qEnvironmentVariable("USER"),
                                QStringLiteral("/run/media/") + qEnvironmentVariable("USER")})
        for (const QString& d : QDir(baza).entryList(QDir::Dirs | QDir::NoDotAndDotDot))
            korene << baza + QLatin1Char('/') + d;
    QStringList miesta;
    for (const QString& koren : std::as_const(korene)) {
        for (const QString& pf : {QStringLiteral("Program Files (x86)"), QStringLiteral("Program Files")}) {
            for (const QString& p : prieciny) {
                const QString c = NajdiCestu(koren, pf + QLatin1Char('/') + p);
                if (!c.isEmpty() && QFileInfo(c).isDir() && !miesta.contains(c))
                    miesta << c;
            }
        }
    }
    return miesta;
}

QString PredvolenyZdroj(StaraVerzia v)
{
    const QString meno = v == StaraVerzia::V50 ? QStringLiteral("Znalecký kevrot")
                                               : QStringLiteral("Znalecký kevrot ") + TextVerzie(v);
    return MiestaInstalacie({meno}).value(0);
}

QString PredvolenyZdrojKancelarie() { return MiestaInstalacie({QStringLiteral("Morvane 4.3 Office")}).value(0); }

bool NajdenaStaraInstalacia()
{
    for (auto v : {StaraVerzia::V54, StaraVerzia::V53, StaraVerzia::V52, StaraVerzia::V50})
        if (!PredvolenyZdroj(v).isEmpty())
            return true;
    return false;
}
