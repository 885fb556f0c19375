#include "Jazyky.h"

#include "OdborKody.h"
#include "store/Cesty.h"
#include "store/Subory.h"

QString Jazyky::SuborJazykov() { return Cesty::cesta(QStringLiteral("\\Data\\jazyky.dat")); }

bool Jazyky::NacitajJazyky()
{
    m_poskodene = !nacitajPocitanySubor(SuborJazykov(), ZoznamJazykov, false);
    return !m_poskodene;
}

Vysledok Jazyky::UlozJazyky() { return OdborKody::UlozZoznam(SuborJazykov(), ZoznamJazykov, m_poskodene); }

void Jazyky::ZoradJazyky() { ZoradPodlaKodu(ZoznamJazykov); }

bool Jazyky::JazykExistuje(const QString& kod) const
{
    for (const auto& j : ZoznamJazykov)
        if (j.Kod == kod)
            return true;
    return false;
}

QString Jazyky::NazovJazyka(const QString& kod) const
{
    QString nazov;
    for (const auto& j : ZoznamJazykov)
        if (j.Kod == kod)
            nazov = j.Nazov;
    return nazov;
}

QList<TZapisanyJazyk> Jazyky::ZapisaneJazyky(const QString& text, const QString& najpouzivanejsi) const
{
    QList<TZapisanyJazyk> zoznam;
    for (const auto& kod : OdborKody::RozdelKody(text)) {
        TZapisanyJazyk z;
        z.Kod = kod.left(TJazyk::KapacitaKodu);
        z.Nazov = NazovJazyka(z.Kod).left(TJazyk::DlzkaNazvu);
        z.Najpouzivanejsi = (z.Kod == najpouzivanejsi);
        zoznam.append(z);
    }
    return zoznam;
}

TZapisaneJazykyText Jazyky::ZapisaneJazykyText(const QList<TZapisanyJazyk>& zoznam)
{
    TZapisaneJazykyText t;
    for (const auto& z : zoznam)
        t.Jazyky += z.Kod + u'|';
    t.Najpouzivanejsi = KodNajpouzivanejsieho(zoznam);
    return t;
}

QString Jazyky::PridajJazyk(const QString& kod, const QString& nazov)
{
    if (const QString chyba = OdborKody::OverZnakyKodu(kod); !chyba.isEmpty())
        return chyba;
    TJazyk j;
    j.Kod = kod.left(TJazyk::KapacitaKodu);
    // The stored, cut code decides: a longer typed code must not make a second record.
    if (JazykExistuje(j.Kod))
        return QStringLiteral("Jazyk s daným číslo už existuje.");
    j.Nazov = nazov.left(TJazyk::DlzkaNazvu);
    ZoznamJazykov.append(j);
    ZoradJazyky();
    return {};
}

bool Jazyky::ZmenNazovJazyka(int index, const QString& nazov)
{
    if (index < 0 || index >= ZoznamJazykov.size())
        return false;
    ZoznamJazykov[index].Nazov = nazov.left(TJazyk::DlzkaNazvu);
    return true;
}
