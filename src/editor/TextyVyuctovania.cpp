#include "TextyVyuctovania.h"

#include "settings/SablonyDruhu.h"
#include "word/RtfZapisovac.h"
#include "store/Cesty.h"
#include "store/Subory.h"

#include <QDir>
#include <QFileInfo>

QList<Zastupca> HodnotyTextov::zastupcovia() const
{
    return {
        {QStringLiteral("$CISLO$"), cislo + QLatin1Char('/') + rok},
        {QStringLiteral("$UKON$"), ukon},
        {QStringLiteral("$PREDMET$"), predmet},
        {QStringLiteral("$OBJEDNAVKA$"), objednavka},
        {QStringLiteral("$VARIAB_SYMBOL$"), variabilnySymbol},
        {QStringLiteral("$CISLO_UCTU$"), bankoveSpojenie},
        {QStringLiteral("$SPLATNOST$"), splatnost},
        {QStringLiteral("$DATUM_SPLATNOSTI$"), datumSplatnosti},
    };
}

namespace TextyVyuctovania {

QString adresarSablon(DruhTextu text, int druhZnalca)
{
    return SablonyDruhu::adresar(text == DruhTextu::Vyuctovanie ? SadaSablon::Vyuctovanie : SadaSablon::FinancnaCiastka,
                                  druhZnalca);
}

QStringList zoznamSablon(DruhTextu text, int druhZnalca) { return SablonyDruhu::zoznamSuborovRtf(adresarSablon(text, druhZnalca)); }

QString pracovnySubor(DruhTextu text)
{
    return Cesty::tmpDoc() + (text == DruhTextu::Vyuctovanie ? QStringLiteral("/text_vyuctovania.rtf")
                                                             : QStringLiteral("/text_financna_ciastka.rtf"));
}

bool VytvorText(DruhTextu text, int druhZnalca, const QString& sablona, const HodnotyTextov& hodnoty)
{
    // A name is a file of the template folder, nothing outside it.
    if (sablona.isEmpty() || sablona.contains(QLatin1Char('/')) || sablona.contains(QLatin1Char('\\')))
        return false;
    const QString t = SablonyDruhu::suborSablony(adresarSablon(text, druhZnalca), sablona);
    if (!QFileInfo(t).isFile())
        return false;
    Cesty::vytvorJednuUroven(Cesty::tmpDoc());
    return RtfZastupcovia::nahradVSubore(t, pracovnySubor(text), hodnoty.zastupcovia());
}

QByteArray rtfJednehoRiadku(const QString& text, const QString& pismo, double velkost)
{
    return RtfZapisovac::jedenOdsek(text, pismo, velkost);
}

bool pripravPracovnySubor(DruhTextu text, const QString& starsiText, const QString& pismo, double velkost)
{
    const QString subor = pracovnySubor(text);
    if (QFileInfo::exists(subor))
        return true;
    if (starsiText.isEmpty())
        return false;
    Cesty::vytvorJednuUroven(Cesty::tmpDoc());
    return Subory::ulozAtomicky(subor, rtfJednehoRiadku(starsiText, pismo, velkost)).ok();
}

}  // namespace TextyVyuctovania
