#include "Objednavky.h"

#include <QFileInfo>
#include <QTime>

#include <cmath>

#include "Cesty.h"
#include "Spravy.h"
#include "Subory.h"

namespace {

const char* const SuborObjednavokNazov = "znalec_kevrot_objednavky.dat";
const char* const SuborObjednavatelovNazov = "\\Data\\objednavatelia.dat";

// Exactly the bytes of `pocet` records of `velkost` after the count.
bool presnaVelkost(const QByteArray& obsah, qint32 pocet, int velkost)
{
    return pocet > 0 && qint64(obsah.size()) == 4 + qint64(pocet) * velkost;
}

}  // namespace

QString Objednavky::SuborObjednavok(int rok)
{
    return Cesty::adresarRoka(rok) + QStringLiteral("/") + QString::fromLatin1(SuborObjednavokNazov);
}

QString Objednavky::SuborObjednavatelov() { return Cesty::cesta(QString::fromLatin1(SuborObjednavatelovNazov)); }

CitanieObjednavok Objednavky::CitajObjednavky(const QByteArray& obsah)
{
    CitanieObjednavok v;
    if (obsah.size() < 4) {
        v.chyba = true;
        return v;
    }
    const qint32 pocet = Subory::int32Na(obsah, 0);
    if (pocet == 0)
        return v;
    if (pocet < 0) {  // nothing in it can be taken for orders
        v.neznamyFormat = true;
        return v;
    }
    if (obsah.size() < 12) {
        v.chyba = true;
        return v;
    }
    // The first record's leading double decides the layout of the whole file: a time of day
    // (never negative) in the older layout, the marker in the current one.
    const double znacka = rozlozenie_detail::citajDouble(obsah.constData() + 4);
    if (znacka >= 0.0) {
        v.staryFormat = true;
        const auto ramec = Subory::rozdelPocitany(obsah, TObjednavkaStara::VELKOST);
        v.chyba = ramec.chyba;
        v.zaznamy.reserve(ramec.zaznamy.size());
        for (const auto& z : ramec.zaznamy)
            v.zaznamy.append(PrevedObjednavku(TObjednavkaStara::zObrazu(z)));
        return v;
    }
    if (znacka != TObjednavka::VerziaAktualna) {  // also NaN
        v.neznamyFormat = true;
        return v;
    }
    const auto ramec = Subory::rozdelPocitany(obsah, TObjednavka::VELKOST);
    v.chyba = ramec.chyba;
    v.zaznamy.reserve(ramec.zaznamy.size());
    for (const auto& z : ramec.zaznamy)
        v.zaznamy.append(TObjednavka::zObrazu(z));
    return v;
}

bool Objednavky::NacitajObjednavky(int rok)
{
    ZoznamObjednavok.clear();
    m_rok = rok;
    const QString cesta = SuborObjednavok(rok);
    m_odmietnute.remove(cesta);
    if (!QFileInfo::exists(cesta))
        return true;
    const auto obsah = Subory::citaj(cesta);
    if (!obsah) {
        // What could not be read must not be replaced by the empty list either.
        m_odmietnute.insert(cesta);
        spravy().chyba(textProblemSoSuborom(cesta));
        return false;
    }
    CitanieObjednavok v = CitajObjednavky(*obsah);
    if (v.neznamyFormat) {
        m_odmietnute.insert(cesta);
        spravy().chyba(textProblemSoSuborom(cesta));
        return false;
    }
    ZoznamObjednavok = std::move(v.zaznamy);
    if (v.chyba)
        spravy().chyba(textProblemSoSuborom(cesta));
    return !v.chyba;
}

bool Objednavky::JeOdmietnuty(int rok) const { return m_odmietnute.contains(SuborObjednavok(rok)); }

Vysledok Objednavky::UlozObjednavky(int rok)
{
    const QString cesta = SuborObjednavok(rok);
    if (m_odmietnute.contains(cesta))
        return Vysledok::chyba(Subory::textChybaZapisu(
            cesta, QStringLiteral("Súbor objednávok sa nedal načítať, preto nebol prepísaný.")));
    if (m_rok != 0 && m_rok != rok)
        return Vysledok::chyba(Subory::textChybaZapisu(
            cesta, QStringLiteral("Zoznam objednávok patrí k roku %1, nie k roku %2.").arg(m_rok).arg(rok)));
    const QString adresar = Cesty::adresarRoka(rok);
    if (!Cesty::vytvorJednuUroven(adresar))
        return Vysledok::chyba(textNepodariloVytvoritAdresar(adresar));
    for (auto& o : ZoznamObjednavok)
        o.Verzia = TObjednavka::VerziaAktualna;
    const Vysledok v = ulozPocitanySubor(cesta, ZoznamObjednavok);
    if (v)
        m_rok = rok;
    return v;
}

CitanieObjednavatelov Objednavky::CitajObjednavatelov(const QByteArray& obsah)
{
    CitanieObjednavatelov v;
    if (obsah.size() < 4) {
        v.chyba = true;
        return v;
    }
    const qint32 pocet = Subory::int32Na(obsah, 0);
    // A file of exactly count older records (and not of current ones) is the older layout.
    if (presnaVelkost(obsah, pocet, TObjednavatelStary::VELKOST)) {
        v.staryFormat = true;
        const auto ramec = Subory::rozdelPocitany(obsah, TObjednavatelStary::VELKOST);
        v.zaznamy.reserve(ramec.zaznamy.size());
        for (const auto& z : ramec.zaznamy)
            v.zaznamy.append(PrevedObjednavatela(TObjednavatelStary::zObrazu(z)));
        return v;
    }
    const auto ramec = Subory::rozdelPocitany(obsah, TObjednavatel::VELKOST);
    v.chyba = ramec.chyba;
    v.zaznamy.reserve(ramec.zaznamy.size());
    for (const auto& z : ramec.zaznamy)
        v.zaznamy.append(TObjednavatel::zObrazu(z));
    return v;
}

QByteArray Objednavky::ObsahObjednavatelov(const QList<TObjednavatel>& zoznam)
{
    return obsahPocitanehoSuboru(zoznam);
}

bool Objednavky::NacitajObjednavatelov()
{
    ZoznamObjednavatelov.clear();
    const QString cesta = SuborObjednavatelov();
    if (!QFileInfo::exists(cesta))
        return true;
    const auto obsah = Subory::citaj(cesta);
    if (!obsah) {
        spravy().chyba(textProblemSoSuborom(cesta));
        return false;
    }
    CitanieObjednavatelov v = CitajObjednavatelov(*obsah);
    ZoznamObjednavatelov = std::move(v.zaznamy);
    if (v.chyba)
        spravy().chyba(textProblemSoSuborom(cesta));
    return !v.chyba;
}

Vysledok Objednavky::UlozObjednavatelov(const QString& cesta) { return ulozPocitanySubor(cesta, ZoznamObjednavatelov); }

bool Objednavky::PrevedObjednavatelov(const QString& cesta)
{
    ZoznamObjednavatelov.clear();
    const auto obsah = Subory::citaj(cesta);
    if (!obsah) {
        spravy().chyba(textProblemSoSuborom(cesta));
        return false;
    }
    const qint32 pocet = obsah->size() >= 4 ? Subory::int32Na(*obsah, 0) : 0;
    if (presnaVelkost(*obsah, pocet, TObjednavatel::VELKOST)) {
        // Already converted: converting again would tear every record apart.
        ZoznamObjednavatelov = CitajObjednavatelov(*obsah).zaznamy;
        return true;
    }
    const auto ramec = Subory::rozdelPocitany(*obsah, TObjednavatelStary::VELKOST);
    ZoznamObjednavatelov.reserve(ramec.zaznamy.size());
    for (const auto& z : ramec.zaznamy)
        ZoznamObjednavatelov.append(PrevedObjednavatela(TObjednavatelStary::zObrazu(z)));
    // A short file is reported; what could be read is still written in the current layout,
    // so the next start does not read older records as current ones.
    if (ramec.chyba)
        spravy().chyba(textProblemSoSuborom(cesta));
    return ohlas(UlozObjednavatelov(cesta)) && !ramec.chyba;
}

TObjednavka Objednavky::NovaObjednavka()
{
    TObjednavka o;
    o.CasZalozenia = QTime::currentTime().msecsSinceStartOfDay() / 86400000.0;
    o.Stav = Nerozpracovane;
    return o;
}

bool Objednavky::ZmazObjednavku(int pozicia)
{
    if (pozicia < 0 || pozicia >= ZoznamObjednavok.size())
        return false;
    ZoznamObjednavok.removeAt(pozicia);
    return true;
}

bool Objednavky::ZmazObjednavatela(int pozicia)
{
    if (pozicia < 0 || pozicia >= ZoznamObjednavatelov.size())
        return false;
    ZoznamObjednavatelov.removeAt(pozicia);
    return true;
}
