#include "NastavenieSubory.h"

#include <QFileInfo>

#include "word/HlavickaZnalca.h"
#include "word/RtfZapisovac.h"
#include "settings/HodnotyNastavenia.h"
#include "settings/SablonyDruhu.h"
#include "store/Cesty.h"
#include "store/Subory.h"

namespace NastavenieSubory {
namespace {

bool zapisOdsek(const QString& cesta, const QString& text, const TNastavenia& n)
{
    const Vysledok v = Subory::ulozAtomicky(cesta, RtfZapisovac::jedenOdsek(text, n.BasicFontName, n.BasicFontSize));
    if (v)
        return true;
    Subory::ohlasChybuZapisu(cesta, v.dovod());
    return false;
}

}  // namespace

bool PrevedStareTexty(const HodnotyNastavenia& h)
{
    const TNastavenia& n = h.nastavenie;
    SablonyDruhu::vytvorPriecinky(Znalec);
    bool ok = true;
    if (!QFileInfo::exists(SablonyDruhu::suborHlavicky()))
        ok = zapisOdsek(SablonyDruhu::suborHlavicky(), h.hlavickaText, n) && ok;
    const QString subor = QStringLiteral("default.rtf");
    if (!n.TextVyuctovania.isEmpty())
        ok = zapisOdsek(SablonyDruhu::adresar(SadaSablon::Vyuctovanie, Znalec) + subor, n.TextVyuctovania, n) && ok;
    if (!n.TextVyuctovaniaCiastka.isEmpty())
        ok = zapisOdsek(SablonyDruhu::adresar(SadaSablon::FinancnaCiastka, Znalec) + subor,
                        n.TextVyuctovaniaCiastka, n)
            && ok;
    return ok;
}

namespace {

bool zapisDokument(const QString& cesta, const RtfDokument& d)
{
    Cesty::vytvorJednuUroven(SablonyDruhu::koren());
    const Vysledok v = Subory::ulozAtomicky(cesta, RtfZapisovac::zapis(d));
    if (v)
        return true;
    Subory::ohlasChybuZapisu(cesta, v.dovod());
    return false;
}

}  // namespace

bool VytvorHlavickuZAdresy(const TNastavenia& n, const NastaveniaEFaktury& e)
{
    return zapisDokument(SablonyDruhu::suborHlavicky(), HlavickaZnalca::hlavicka(n, e));
}

bool VytvorPatuZNastaveni(const TNastavenia& n, const NastaveniaEFaktury& e)
{
    return zapisDokument(SablonyDruhu::suborPaty(), HlavickaZnalca::pata(n, e));
}

QString suborSablony(const QString& adresar, const QString& nazov)
{
    if (!SablonyDruhu::platnyNazov(nazov))
        return {};
    return adresar + nazov + QStringLiteral(".rtf");
}

}  // namespace NastavenieSubory
