#include "NastavenieSubory.h"

#include <QFileInfo>

#include "editor/word/RtfZapisovac.h"
#include "settings/HodnotyNastavenia.h"
#include "settings/SablonyTextov.h"
#include "store/Cesty.h"
#include "store/Subory.h"

namespace NastavenieSubory {
namespace {

bool zapisOdsek(const QString& cesta, const QString& text, const TNastavenia& n)
{
    QString chyba;
    if (Subory::ulozAtomicky(cesta, RtfZapisovac::jedenOdsek(text, n.BasicFontName, n.BasicFontSize), &chyba))
        return true;
    Subory::ohlasChybuZapisu(cesta, chyba);
    return false;
}

}  // namespace

bool PrevedStareTexty(const HodnotyNastavenia& h)
{
    const TNastavenia& n = h.nastavenie;
    SablonyTextov::vytvorPriecinky(Znalec);
    bool ok = true;
    if (!QFileInfo::exists(SablonyTextov::suborHlavicky()))
        ok = zapisOdsek(SablonyTextov::suborHlavicky(), h.hlavickaText, n) && ok;
    const QString subor = QStringLiteral("default.rtf");
    if (!n.TextVyuctovania.isEmpty())
        ok = zapisOdsek(SablonyTextov::adresar(SadaSablon::Vyuctovanie, Znalec) + subor, n.TextVyuctovania, n) && ok;
    if (!n.TextVyuctovaniaCiastka.isEmpty())
        ok = zapisOdsek(SablonyTextov::adresar(SadaSablon::FinancnaCiastka, Znalec) + subor,
                        n.TextVyuctovaniaCiastka, n)
            && ok;
    return ok;
}

bool VytvorHlavickuZAdresy(const TNastavenia& n)
{
    Cesty::vytvorJednuUroven(SablonyTextov::koren());
    return zapisOdsek(SablonyTextov::suborHlavicky(), HlavickaZAdresy(n), n);
}

QString suborSablony(const QString& adresar, const QString& nazov)
{
    if (!SablonyTextov::platnyNazov(nazov))
        return {};
    return adresar + nazov + QStringLiteral(".rtf");
}

}  // namespace NastavenieSubory
