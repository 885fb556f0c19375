#include "NastavenieSubory.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include "HlavickaZnalca.h"
#include "RtfZapisovac.h"
#include "settings/HodnotyNastavenia.h"
#include "settings/SablonyDruhu.h"
#include "store/Cesty.h"
#include "store/Subory.h"

namespace NastavenieSubory {
namespace {

Vysledok zapis(const QString& cesta, const QByteArray& obsah)
{
    if (const Vysledok v = Subory::ulozAtomicky(cesta, obsah); !v)
        return Vysledok::chyba(Subory::textChybaZapisu(cesta, v.dovod()));
    return {};
}

Vysledok zapisOdsek(const QString& cesta, const QString& text, const TNastavenia& n)
{
    return zapis(cesta, RtfZapisovac::jedenOdsek(text, n.BasicFontName, n.BasicFontSize));
}

Vysledok zapisDokument(const QString& cesta, const RtfDokument& d)
{
    Cesty::vytvorJednuUroven(SablonyDruhu::koren());
    return zapis(cesta, RtfZapisovac::zapis(d));
}

void pridaj(QString& chyby, const Vysledok& v)
{
    if (v)
        return;
    if (!chyby.isEmpty())
        chyby += u'\n';
    chyby += v.dovod();
}

}  // namespace

Vysledok PrevedStareTexty(const HodnotyNastavenia& h)
{
    const TNastavenia& n = h.nastavenie;
    SablonyDruhu::vytvorPriecinky(Znalec);
    QString chyby;
    if (!QFileInfo::exists(SablonyDruhu::suborHlavicky()))
        pridaj(chyby, zapisOdsek(SablonyDruhu::suborHlavicky(), h.hlavickaText, n));
    const QString subor = QStringLiteral("default.rtf");
    if (!n.TextVyuctovania.isEmpty())
        pridaj(chyby, zapisOdsek(SablonyDruhu::adresar(SadaSablon::Vyuctovanie, Znalec) + subor, n.TextVyuctovania, n));
    if (!n.TextVyuctovaniaCiastka.isEmpty())
        pridaj(chyby, zapisOdsek(SablonyDruhu::adresar(SadaSablon::FinancnaCiastka, Znalec) + subor,
                                 n.TextVyuctovaniaCiastka, n));
    return chyby.isEmpty() ? Vysledok() : Vysledok::chyba(chyby);
}

Vysledok VytvorHlavickuZAdresy(const TNastavenia& n, const NastaveniaEFaktury& e)
{
    return zapisDokument(SablonyDruhu::suborHlavicky(), HlavickaZnalca::hlavicka(n, e));
}

Vysledok VytvorPatuZNastaveni(const TNastavenia& n, const NastaveniaEFaktury& e)
{
    return zapisDokument(SablonyDruhu::suborPaty(), HlavickaZnalca::pata(n, e));
}

Vysledok ZalozPrazdny(const QString& subor, const TNastavenia& n)
{
    if (QFileInfo::exists(subor))
        return {};
    return zapisOdsek(subor, {}, n);
}

QString suborSablony(const QString& adresar, const QString& nazov)
{
    if (!SablonyDruhu::platnyNazov(nazov))
        return {};
    return adresar + nazov + QStringLiteral(".rtf");
}

QString existujucaSablona(const QString& adresar, const QString& nazov)
{
    if (!SablonyDruhu::platnyNazov(nazov))
        return {};
    const QString subor = SablonyDruhu::suborSablony(adresar, nazov);
    return QFileInfo(subor).isFile() ? subor : QString();
}

Vysledok VymazSablonu(const QString& adresar, const QString& nazov)
{
    if (!SablonyDruhu::platnyNazov(nazov))
        return {};
    const QString cesta = SablonyDruhu::suborSablony(adresar, nazov);
    QFile subor(cesta);
    if (!QFileInfo(cesta).exists() && !QFileInfo(cesta).isSymLink())
        return {};
    if (subor.remove())
        return {};
    return Vysledok::chyba(QStringLiteral("Nepodarilo sa vymazať súbor: ") + QDir::toNativeSeparators(cesta) + u'\n'
                           + subor.errorString());
}

}  // namespace NastavenieSubory
