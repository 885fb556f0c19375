#include "OdboryOdvetvia.h"

#include "OdborKody.h"
#include "store/Cesty.h"
#include "store/Subory.h"

QString OdboryOdvetvia::SuborOdborov() { return Cesty::cesta(QStringLiteral("\\Data\\odbory.dat")); }
QString OdboryOdvetvia::SuborOdvetvi() { return Cesty::cesta(QStringLiteral("\\Data\\odvetvia.dat")); }

bool OdboryOdvetvia::NacitajOdboryOdvetvia()
{
    m_odvetviaPoskodene = !nacitajPocitanySubor(SuborOdvetvi(), Odvetvia, false);
    m_odboryPoskodene = !nacitajPocitanySubor(SuborOdborov(), Odbory, false);
    ZoradOdvetvia();
    ZoradOdbory();
    return !m_odvetviaPoskodene && !m_odboryPoskodene;
}

// Both lists are saved even when the first fails; both failures are told, one per line.
Vysledok OdboryOdvetvia::UlozOdboryOdvetvia()
{
    const Vysledok odvetvia = OdborKody::UlozZoznam(SuborOdvetvi(), Odvetvia, m_odvetviaPoskodene);
    const Vysledok odbory = OdborKody::UlozZoznam(SuborOdborov(), Odbory, m_odboryPoskodene);
    if (odvetvia && odbory)
        return {};
    QStringList dovody;
    for (const Vysledok* v : {&odvetvia, &odbory})
        if (!*v)
            dovody << v->dovod();
    return Vysledok::chyba(dovody.join(QLatin1Char('\n')));
}

void OdboryOdvetvia::ZoradOdbory() { ZoradPodlaKodu(Odbory); }
void OdboryOdvetvia::ZoradOdvetvia() { ZoradPodlaKodu(Odvetvia); }

template <class T>
static const T* poslednySKodom(const QList<T>& zoznam, const QString& kod)
{
    const T* najdeny = nullptr;
    for (const auto& z : zoznam)
        if (z.Kod == kod)
            najdeny = &z;
    return najdeny;
}

bool OdboryOdvetvia::OdborExistuje(const QString& kod) const { return poslednySKodom(Odbory, kod); }
bool OdboryOdvetvia::OdvetvieExistuje(const QString& kod) const { return poslednySKodom(Odvetvia, kod); }

QString OdboryOdvetvia::NazovOdboru(const QString& kod) const
{
    const auto* o = poslednySKodom(Odbory, kod);
    return o ? o->Nazov : QString();
}

QString OdboryOdvetvia::NazovOdvetvia(const QString& kod) const
{
    const auto* o = poslednySKodom(Odvetvia, kod);
    return o ? o->Nazov : QString();
}

QList<TOdborOdvetvie> OdboryOdvetvia::ZapisaneOdbory(const QString& textOdborov,
                                                     const QString& textOdvetvi,
                                                     const QString& najpouzivanejsi) const
{
    const QStringList kodyOdborov = OdborKody::RozdelKody(textOdborov);
    const QStringList kodyOdvetvi = OdborKody::RozdelKody(textOdvetvi);
    QList<TOdborOdvetvie> zoznam;
    for (const auto& kodOdboru : kodyOdborov) {
        TOdborOdvetvie o;
        o.Kod = kodOdboru.left(TOdbor::KapacitaKodu);
        o.Nazov = NazovOdboru(o.Kod).left(TOdbor::KapacitaNazvu);
        o.Rozbaleny = true;
        o.Najpouzivanejsi = (o.Kod == najpouzivanejsi);
        for (const auto& kodOdvetvia : kodyOdvetvi) {
            if (kodOdvetvia.left(2) != o.Kod.left(2))
                continue;
            TOdvetvie v;
            v.Kod = kodOdvetvia.left(TOdvetvie::KapacitaKodu);
            v.Nazov = NazovOdvetvia(v.Kod).left(TOdvetvie::KapacitaNazvu);
            o.ZoznamOdvetvi.append(v);
        }
        zoznam.append(o);
    }
    return zoznam;
}

QList<TOdvetvie> OdboryOdvetvia::OdvetviaOdboru(const QString& kodOdboru) const
{
    QList<TOdvetvie> vysledok;
    const QString predpona = kodOdboru.left(2);
    for (const auto& v : Odvetvia)
        if (v.Kod.left(2) == predpona)
            vysledok.append(v);
    return vysledok;
}

QString OdboryOdvetvia::OverCisloOdvetvia(const QString& kodOdboru, const QString& kodOdvetvia)
{
    if (kodOdvetvia.size() <= 2)
        return QStringLiteral("Zadané číslo odvetvia je príliš krátke.");
    if (kodOdvetvia.left(2) != kodOdboru.left(2))
        return QStringLiteral("Zadané číslo odvetvia nezodpovedá číslu odboru.");
    return {};
}

QString OdboryOdvetvia::PridajOdbor(const QString& kod, const QString& nazov)
{
    if (const QString chyba = OdborKody::OverZnakyKodu(kod); !chyba.isEmpty())
        return chyba;
    TOdbor o;
    o.Kod = kod.left(TOdbor::KapacitaKodu);
    // The stored, cut code decides: a longer typed code must not make a second record.
    if (OdborExistuje(o.Kod))
        return QStringLiteral("Odbor s daným číslo už existuje.");
    o.Nazov = nazov.left(TOdbor::KapacitaNazvu);
    Odbory.append(o);
    ZoradOdbory();
    return {};
}

QString OdboryOdvetvia::PridajOdvetvie(const QString& kodOdboru, const QString& kod,
                                       const QString& nazov)
{
    if (kodOdboru.isEmpty())
        return QStringLiteral("Nie je vybratý žiaden odbor.");
    QString chyba = OverCisloOdvetvia(kodOdboru, kod);
    if (chyba.isEmpty())
        chyba = OdborKody::OverZnakyKodu(kod);
    if (!chyba.isEmpty())
        return chyba;
    TOdvetvie v;
    v.Kod = kod.left(TOdvetvie::KapacitaKodu);
    if (OdvetvieExistuje(v.Kod))
        return QStringLiteral("Odvetvie s daným číslo už existuje.");
    v.Nazov = nazov.left(TOdvetvie::KapacitaNazvu);
    Odvetvia.append(v);
    ZoradOdvetvia();
    return {};
}

bool OdboryOdvetvia::ZmenNazovOdboru(int index, const QString& nazov)
{
    if (index < 0 || index >= Odbory.size())
        return false;
    Odbory[index].Nazov = nazov.left(TOdbor::KapacitaNazvu);
    return true;
}

bool OdboryOdvetvia::ZmenNazovOdvetvia(int index, const QString& nazov)
{
    if (index < 0 || index >= Odvetvia.size())
        return false;
    Odvetvia[index].Nazov = nazov.left(TOdvetvie::KapacitaNazvu);
    return true;
}
