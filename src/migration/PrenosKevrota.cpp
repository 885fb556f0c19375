#include "PrenosKevrota.h"

#include "settings/NastaveniaZaznamy.h"
#include "store/Cesty.h"
#include "store/Objednavky.h"
#include "store/Spravy.h"
#include "store/Subory.h"

#include <QDate>
#include <QDir>
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

void PrenesRok(Prenos& prenos, const QString& zdroj, const QString& priecinok)
{
    const QString s = NajdiBezOhladuNaVelkost(zdroj, priecinok);
    if (s.isEmpty())
        return;
    // The target folder in the program's own spelling.
    const QString t = QStringLiteral("ZnalKevrot") + priecinok.right(4);
    const QDir d(s);
    for (const QFileInfo& f : d.entryInfoList(QDir::Files | QDir::Hidden, QDir::Name)) {
        if (!f.fileName().endsWith(QStringLiteral(".kvd"), Qt::CaseInsensitive))
            continue;
        const QString meno = menoZaznamu(f.fileName());
        const QString dokumenty = NajdiBezOhladuNaVelkost(s, f.fileName().left(f.fileName().size() - 4));
        if (QFileInfo(dokumenty).isDir() && maSubory(dokumenty))
            prenos.kopirujPriecinok(dokumenty, t + QLatin1Char('/') + meno.left(meno.size() - 4));
        prenos.kopiruj(f.filePath(), t + QLatin1Char('/') + meno);
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
    prenos.kopirujPriecinok(NajdiBezOhladuNaVelkost(zdroj, QStringLiteral("Data")), QStringLiteral("Data"));
    if (verzia == StaraVerzia::V50) {
        const QString klienti = Cesty::cesta(QStringLiteral("\\Data\\objednavatelia.dat"));
        if (QFileInfo(klienti).isFile()) {
            Objednavky o;
            o.PrevedObjednavatelov(klienti);
        }
    }
    const QString zdrojNastaveni = NajdiBezOhladuNaVelkost(zdroj, QStringLiteral("nastavenia.dat"));
    if (!zdrojNastaveni.isEmpty() && QFileInfo(Cesty::cesta(QStringLiteral("nastavenia.dat"))).isFile())
        PrenesNastavenia(prenos, zdrojNastaveni, QStringLiteral("nastavenia.dat"));
}

void PrenesTexty(Prenos& prenos, const QString& zdroj)
{
    const QString s = NajdiBezOhladuNaVelkost(zdroj, TextyZnalca);
    if (s.isEmpty())
        return;
    prenos.kopirujPriecinok(s, TextyZnalca);
    for (const QString& p : {TextVyuctovania, TextCiastky})
        prenos.kopirujPriecinok(NajdiBezOhladuNaVelkost(s, p), TextyZnalca + QLatin1Char('/') + p);
}

void PrenesKevrot(Prenos& prenos, const QString& zdroj, StaraVerzia verzia, const VolbyPrenosu& volby)
{
    for (const QString& rok : volby.roky)
        PrenesRok(prenos, zdroj, rok);
    if (volby.nastavenia)
        PrenesNastaveniaVerzie(prenos, zdroj, verzia);
    if (volby.texty)
        PrenesTexty(prenos, zdroj);
}

void PrenesTextyKancelarie(Prenos& prenos, const QString& zdroj, bool nastavenia)
{
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
        return;
    const QString zdrojNastaveni = NajdiBezOhladuNaVelkost(zdroj, QStringLiteral("nastavenia.dat"));
    if (!zdrojNastaveni.isEmpty() && QFileInfo(Cesty::cesta(QStringLiteral("nastavenia.dat"))).isFile())
        PrenesNastavenia(prenos, zdrojNastaveni, QStringLiteral("nastavenia.dat"));
    for (const char* m : {"nastavenie_tlac_posudok.dat", "znalec_kevrot_nastavenie.dat",
                          "znalec_kevrot_nastavenie_tlac.dat", "znalec_kevrot_nastavenie_vozidlo.dat"})
        kopirujAkJe(data, QString::fromLatin1(m), QStringLiteral("Data"));
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
