#include "DokladyZaznamu.h"

#include "editor/PlatbaFaktury.h"

#include <QDir>
#include <QFileInfo>

#include "editor/DatumVystavenia.h"
#include "editor/DokladVyuctovanie.h"
#include "editor/DokladySablon.h"
#include "editor/EFakturaZaznamu.h"
#include "editor/KontrolaEFaktury.h"
#include "editor/UlozenieEFaktury.h"
#include "orders/KorespondenciaObjednavky.h"
#include "store/Cesty.h"
#include "store/Spravy.h"

const QList<DruhDokladu>& VsetkyDoklady()
{
    static const QList<DruhDokladu> v{DruhDokladu::Vyuctovanie, DruhDokladu::PrijmovyDoklad, DruhDokladu::Faktura,
                                      DruhDokladu::CestovnyPrikaz};
    return v;
}

QString SuborDokladu(DruhDokladu druh)
{
    switch (druh) {
    case DruhDokladu::Vyuctovanie: return QStringLiteral("vyuctovanie.doc");
    case DruhDokladu::Faktura: return QStringLiteral("faktura.doc");
    case DruhDokladu::PrijmovyDoklad: return QStringLiteral("prijmovy_doklad.doc");
    case DruhDokladu::CestovnyPrikaz: return QStringLiteral("cestovny_prikaz.doc");
    }
    return {};
}

QString PracovnySuborDokladu(DruhDokladu druh) { return QDir(Cesty::tmpDoc()).filePath(SuborDokladu(druh)); }

QString NazovDokladu(DruhDokladu druh)
{
    switch (druh) {
    case DruhDokladu::Vyuctovanie: return QStringLiteral("Vyúčtovanie");
    case DruhDokladu::Faktura: return QStringLiteral("Faktúra");
    case DruhDokladu::PrijmovyDoklad: return QStringLiteral("Príjmov doklad");
    case DruhDokladu::CestovnyPrikaz: return QStringLiteral("Cestovný príkaz");
    }
    return {};
}

QString SablonaDokladu(DruhDokladu druh, const TNastavenia& n)
{
    switch (druh) {
    case DruhDokladu::Vyuctovanie: return {};
    case DruhDokladu::Faktura: return SablonaFaktury(n.Druh, n.PlatcaDPH);
    case DruhDokladu::PrijmovyDoklad: return SablonaPrijmovehoDokladu();
    case DruhDokladu::CestovnyPrikaz: return SablonaCestovnehoPrikazu();
    }
    return {};
}

QString TextChybajucaSablona(const QString& cesta) { return QStringLiteral("Nedá sa nahrať šablóna ") + cesta; }

std::optional<Dokument> ZostavDoklad(DruhDokladu druh, const PodkladyDokladu& p)
{
    if (druh == DruhDokladu::Vyuctovanie)
        return ZostavVyuctovanie(p, KorespondenciaObjednavky::suborHlavicky(), KorespondenciaObjednavky::suborPaty());
    const QString sablona = SablonaDokladu(druh, p.nastavenie);
    std::optional<Dokument> d = QFileInfo::exists(sablona) ? Dokument::zoSablony(sablona) : std::nullopt;
    if (!d) {
        spravy().chyba(TextChybajucaSablona(sablona));
        return std::nullopt;
    }
    switch (druh) {
    case DruhDokladu::Faktura:
        VyplnFakturu(*d, p);
        DoplnPlatobnyQrFaktury(*d, p);
        break;
    case DruhDokladu::PrijmovyDoklad: VyplnPrijmovyDoklad(*d, p); break;
    case DruhDokladu::CestovnyPrikaz: VyplnCestovnyPrikaz(*d, p); break;
    case DruhDokladu::Vyuctovanie: break;
    }
    return d;
}

bool UlozDoklad(const Dokument& d, const QString& cesta)
{
    if (!cesta.endsWith(QLatin1String(".pdf"), Qt::CaseInsensitive))
        return ohlas(d.ulozAko(cesta));
    if (ohlas(d.ulozAkoPdf(cesta)))
        return true;
    spravy().chyba(QStringLiteral("Dokument sa nedá uložiť ako PDF: ") + cesta);
    return false;
}

bool VytvorDoklad(DruhDokladu druh, const PodkladyDokladu& p, const OtazkaDokladu& otazka)
{
    const QString subor = PracovnySuborDokladu(druh);
    if (QFileInfo::exists(subor)) {
        switch (otazka(NazovDokladu(druh))) {
        case VolbaDokladu::Storno: return false;
        case VolbaDokladu::Otvorit: return Dokument::zobraz(subor);
        case VolbaDokladu::Vytvorit: break;
        }
    }
    return VytvorDokladDo(druh, p, subor);
}

bool VytvorDokladDo(DruhDokladu druh, const PodkladyDokladu& p, const QString& cesta)
{
    // Every document of the entry carries the date the first of them was made.
    PodkladyDokladu s = p;
    s.datumVystavenia = PotvrdDatumVystavenia(p.datumVystavenia > 0 ? p.datumVystavenia : p.dnes);
    const std::optional<Dokument> d = ZostavDoklad(druh, s);
    if (!d || !UlozDoklad(*d, cesta))
        return false;
    return Dokument::zobraz(cesta);
}

QList<DruhDokladu> DokladyNaVytvorenie(const PodkladyDokladu& p)
{
    QList<DruhDokladu> d{DruhDokladu::Vyuctovanie, DruhDokladu::Faktura};
    if (p.polia.SposobPlatby.trimmed().compare(QStringLiteral("hotovosť"), Qt::CaseInsensitive) == 0)
        d << DruhDokladu::PrijmovyDoklad;
    if (p.zaznam.CestovneNahrady.SpoluNaklady > 0)
        d << DruhDokladu::CestovnyPrikaz;
    return d;
}

QString SuborPdf(DruhDokladu druh) { return QFileInfo(SuborDokladu(druh)).completeBaseName() + QStringLiteral(".pdf"); }

VysledokVsetkych VytvorVsetkyDoklady(const PodkladyDokladu& p, const QString& adresar, const PotvrdenieEFaktury& potvrd)
{
    VysledokVsetkych v;
    PodkladyDokladu s = p;
    if (!(s.datumVystavenia > 0))
        s.datumVystavenia = s.dnes;
    Cesty::vytvorJednuUroven(adresar);
    for (DruhDokladu druh : DokladyNaVytvorenie(s)) {
        const QString cesta = QDir(adresar).filePath(SuborPdf(druh));
        const std::optional<Dokument> d = ZostavDoklad(druh, s);
        if (d && UlozDoklad(*d, cesta))
            v.pdf << cesta;
        else
            v.chyby << NazovDokladu(druh) + QStringLiteral(" sa nepodarilo vytvoriť.");
    }
    if (!s.nastavenie.PlatcaDPH)
        return v;
    const EFaktura f = EFakturaZaznamu(s, s.eFaktura, false);
    const bool uzJe = QFileInfo::exists(QDir(adresar).filePath(UlozenieEFaktury::NazovSuboru(false)));
    if (!uzJe && ChybyEFaktury(f).isEmpty() && potvrd && !potvrd(f))
        return v;
    const UlozenieEFaktury::Ulozenie e = UlozenieEFaktury::Uloz(f, adresar);
    v.eFaktura = e.subor;
    if (!e.chyby.isEmpty())
        v.chyby << UlozenieEFaktury::Sprava(e, false);
    return v;
}

QList<bool> ZnackyDokladov()
{
    QList<bool> z;
    for (DruhDokladu d : VsetkyDoklady())
        z << QFileInfo::exists(PracovnySuborDokladu(d));
    return z;
}
