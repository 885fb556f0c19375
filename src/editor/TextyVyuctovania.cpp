#include "TextyVyuctovania.h"

#include "editor/word/RtfZapisovac.h"
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
    };
}

namespace TextyVyuctovania {
namespace {

QString priponaDruhu(int druhZnalca)
{
    switch (druhZnalca) {
    case 1: return QStringLiteral(" (tlmocnik)\\");
    case 2: return QStringLiteral(" (prekladatel)\\");
    default: return QStringLiteral("\\");
    }
}

}  // namespace

QString adresarSablon(DruhTextu text, int druhZnalca)
{
    const QString zaklad = text == DruhTextu::Vyuctovanie
        ? QStringLiteral("\\ZnaleckyKevrot texty\\Text vyuctovania")
        : QStringLiteral("\\ZnaleckyKevrot texty\\Text vyuctovania - financna ciastka");
    return Cesty::cesta(zaklad + priponaDruhu(druhZnalca));
}

QStringList zoznamSablon(DruhTextu text, int druhZnalca)
{
    QStringList mena{QString()};
    const QDir adresar(adresarSablon(text, druhZnalca));
    const auto subory = adresar.entryList({QStringLiteral("*.rtf")}, QDir::Files, QDir::Unsorted);
    for (const auto& s : subory)
        mena << s.left(s.size() - 4);
    return mena;
}

QString pracovnySubor(DruhTextu text)
{
    return Cesty::tmpDoc() + (text == DruhTextu::Vyuctovanie ? QStringLiteral("/text_vyuctovania.rtf")
                                                             : QStringLiteral("/text_financna_ciastka.rtf"));
}

bool VytvorText(DruhTextu text, int druhZnalca, const QString& sablona, const HodnotyTextov& hodnoty)
{
    if (sablona.isEmpty())
        return false;
    const QString t = adresarSablon(text, druhZnalca) + sablona + QStringLiteral(".rtf");
    if (!QFileInfo(t).isFile())
        return false;
    return RtfZastupcovia::nahradVSubore(t, pracovnySubor(text), hodnoty.zastupcovia());
}

QByteArray rtfJednehoRiadku(const QString& text, const QString& pismo, double velkost)
{
    RtfDokument d;
    if (!pismo.isEmpty())
        d.predvolenePismo = pismo;
    if (velkost > 0)
        d.predvolenaVelkost = velkost;
    RtfOdsek o;
    RtfBeh b;
    b.text = text;
    o.behy << b;
    d.telo << RtfBlok::zOdseku(o);
    return RtfZapisovac::zapis(d);
}

bool pripravPracovnySubor(DruhTextu text, const QString& starsiText, const QString& pismo, double velkost)
{
    const QString subor = pracovnySubor(text);
    if (QFileInfo::exists(subor))
        return true;
    if (starsiText.isEmpty())
        return false;
    return Subory::ulozAtomicky(subor, rtfJednehoRiadku(starsiText, pismo, velkost));
}

}  // namespace TextyVyuctovania
