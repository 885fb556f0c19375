#include "KorespondenciaObjednavky.h"

#include "word/Dokument.h"
#include "word/HlavickaZnalca.h"
#include "word/RtfCitac.h"
#include "settings/SablonyDruhu.h"
#include "store/Cesty.h"
#include "store/Objednavka.h"
#include "store/Datum.h"
#include "store/Subory.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace KorespondenciaObjednavky {
namespace {

void doZakladnehoPisma(RtfFormat& f, const QString& pismo, double velkost)
{
    if (!pismo.isEmpty())
        f.pismo = pismo;
    if (velkost > 0)
        f.velkost = velkost;
}

void doZakladnehoPisma(RtfOdsek& o, const QString& pismo, double velkost)
{
    doZakladnehoPisma(o.znacka, pismo, velkost);
    for (auto& b : o.behy)
        doZakladnehoPisma(b.format, pismo, velkost);
}

// The footer file's text set in the basic font and size.
void doZakladnehoPisma(RtfDokument& d, const QString& pismo, double velkost)
{
    for (auto& blok : d.telo) {
        if (!blok.jeTabulka) {
            doZakladnehoPisma(blok.odsek, pismo, velkost);
            continue;
        }
        for (auto& r : blok.tabulka.riadky)
            for (auto& c : r.bunky)
                for (auto& o : c.odseky)
                    doZakladnehoPisma(o, pismo, velkost);
    }
}

}  // namespace

QString adresarSablon(int druhZnalca) { return SablonyDruhu::adresar(SadaSablon::Korespondencia, druhZnalca); }

QStringList zoznamSablon(int druhZnalca) { return SablonyDruhu::zoznamSuborovRtf(adresarSablon(druhZnalca)); }

QString pracovnySubor() { return Cesty::tmpDoc() + QStringLiteral("/korespondencia_obj.rtf"); }

QString suborHlavicky() { return SablonyDruhu::suborHlavicky(); }

QString suborPaty() { return SablonyDruhu::suborPaty(); }

QList<Zastupca> zastupcovia(const HodnotyListu& h)
{
    return {
        {QStringLiteral("$DATUM_VYZIAD$"), DatumTextZoZloziek(h.den, h.mesiac, h.rok)},
        {QStringLiteral("$ZADAVATEL_MENO$"), h.zadavatelMeno},
        {QStringLiteral("$ZADAVATEL_ADRESA$"), h.zadavatelAdresa},
        {QStringLiteral("$ZNALEC_MENO$"), h.znalecMeno},
        {QStringLiteral("$ZNALEC_ADRESA$"), h.znalecAdresa},
        {QStringLiteral("$ZNALEC_MESTO$"), h.znalecMesto},
        {ZastupcaPaty, QString()},
        {QStringLiteral("$DNES$"), h.dnes},
        {QStringLiteral("$CISLO_UCTU$"), h.bankoveSpojenie},
        {QStringLiteral("$OBJEDNAVKA$"), h.objednavka},
    };
}

namespace {

// The eleven placeholders in their order: the header's source, formatting codes included,
// goes in after the practitioner's town and before the footer mark, unescaped.
QList<Zastupca> vsetciZastupcovia(const HodnotyListu& h)
{
    QList<Zastupca> z = zastupcovia(h);
    const auto hlavicka = HlavickaZnalca::jeVlastna(suborHlavicky()) ? Subory::citaj(suborHlavicky())
                                                                      : std::optional<QByteArray>(h.hlavickaZNastaveni);
    Zastupca zh{ZastupcaHlavicky, hlavicka ? QString::fromLatin1(*hlavicka) : QString()};
    zh.rtfZdroj = true;
    z.insert(6, zh);
    return z;
}

QString cestaSablony(int druhZnalca, const QString& sablona)
{
    if (sablona.isEmpty() || sablona.contains(QLatin1Char('/')) || sablona.contains(QLatin1Char('\\')))
        return {};
    return SablonyDruhu::suborSablony(adresarSablon(druhZnalca), sablona);
}

}  // namespace

QString SuborListuObjednavky(int rok, const TObjednavka& o)
{
    const qint64 ms = qRound64(o.CasZalozenia * 86400000.0);
    if (rok <= 0 || ms <= 0)
        return {};
    return Cesty::adresarRoka(rok) + QStringLiteral("/Objednavky/list_") + QString::number(ms) + QStringLiteral(".rtf");
}

Vysledok NacitajList(const QString& ulozeny)
{
    Cesty::vytvorJednuUroven(Cesty::tmpDoc());
    QFile::remove(pracovnySubor());
    if (!ulozeny.isEmpty() && QFileInfo(ulozeny).isFile())
        return Subory::kopirujPrepis(ulozeny, pracovnySubor());
    return {};
}

Vysledok UlozList(const QString& ulozeny)
{
    if (ulozeny.isEmpty())
        return {};
    if (!QFileInfo(pracovnySubor()).isFile()) {
        if (!QFileInfo::exists(ulozeny) || QFile::remove(ulozeny))
            return {};
        return Vysledok::chyba(QStringLiteral("Nepodarilo sa vymazať súbor: ") + QDir::toNativeSeparators(ulozeny));
    }
    Cesty::vytvorJednuUroven(QFileInfo(ulozeny).path().section(u'/', 0, -2));
    Cesty::vytvorJednuUroven(QFileInfo(ulozeny).path());
    return Subory::kopirujPrepis(pracovnySubor(), ulozeny);
}

bool VytvorList(int druhZnalca, const QString& sablona, const HodnotyListu& hodnoty)
{
    const QString t = cestaSablony(druhZnalca, sablona);
    if (t.isEmpty() || !QFileInfo(t).isFile())
        return false;
    Cesty::vytvorJednuUroven(Cesty::tmpDoc());
    return RtfZastupcovia::nahradVSubore(t, pracovnySubor(), vsetciZastupcovia(hodnoty));
}

bool ziadaPatu(int druhZnalca, const QString& sablona)
{
    const QString t = cestaSablony(druhZnalca, sablona);
    return !t.isEmpty() && RtfZastupcovia::obsahuje(t, ZastupcaPaty);
}

QString pripravNaOtvorenie(int druhZnalca, const QString& sablona, bool pataZakladnymPismom,
                           const QString& zakladnePismo, double zakladnaVelkost, const RtfDokument* pataZNastaveni)
{
    const QString list = pracovnySubor();
    if (!QFileInfo(list).isFile())
        return {};
    const bool vlastna = HlavickaZnalca::jeVlastna(suborPaty());
    if (!ziadaPatu(druhZnalca, sablona) || (!vlastna && !pataZNastaveni))
        return list;
    auto dokument = Dokument::zoSablony(list);
    RtfCitac::Vysledok pata;
    if (vlastna) {
        pata = RtfCitac::citajSubor(suborPaty());
    } else {
        pata.dokument = *pataZNastaveni;
        pata.jeRtf = true;
    }
    if (!dokument || !pata.jeRtf)
        return list;
    if (pataZakladnymPismom)
        doZakladnehoPisma(pata.dokument, zakladnePismo, zakladnaVelkost);
    dokument->nastavPatu(pata.dokument);
    const QString kopia = Cesty::tmpDoc() + QStringLiteral("/korespondencia_obj.doc");
    if (!Subory::ulozAtomicky(kopia, dokument->rtf()))
        return list;
    return kopia;
}

bool OtvorVoWorde(int druhZnalca, const QString& sablona, bool pataZakladnymPismom,
                  const QString& zakladnePismo, double zakladnaVelkost, const RtfDokument* pataZNastaveni)
{
    const QString subor =
        pripravNaOtvorenie(druhZnalca, sablona, pataZakladnymPismom, zakladnePismo, zakladnaVelkost, pataZNastaveni);
    if (subor.isEmpty())
        return false;
    return Dokument::zobraz(subor);
}

}  // namespace KorespondenciaObjednavky
