#include "TlacKevrotaOkna.h"

#include "TfrmPreview.h"
#include "TlacKevrota.h"
#include "settings/Nastavenia.h"

namespace TlacKevrota {
TfrmPreview* OtvorNahlad(const QString& subor, const NazvaneHodnoty& hodnoty, QWidget* rodic, QPoint posun)
{
    auto strany = priprav(subor, hodnoty);
    if (!strany)
        return nullptr;
    auto* okno = new TfrmPreview(rodic);
    okno->zostava() = std::move(*strany);
    okno->Zobraz(posun);
    okno->ZobrazPrvuStranu();
    return okno;
}

QList<TfrmPreview*> ZobrazKevrot(const QList<RiadokKevrota>& zaznamy, const Nastavenia& nastavenia,
                                 const OdboryOdvetvia& ciselnik, int rok, QWidget* rodic, const Jazyky* jazyky)
{
    QList<TfrmPreview*> okna;
    if (auto* o = OtvorNahlad(ZostavaZoznamu, HodnotyZoznamu(zaznamy, nastavenia.Nastavenie, rok), rodic))
        okna.append(o);
    // The cover opens beside the listing, not exactly over it.
    const QPoint posun = okna.isEmpty() ? QPoint() : QPoint(60, 60);
    if (auto* o = OtvorNahlad(ZostavaHlavicky, HodnotyHlavicky(nastavenia.Nastavenie, nastavenia.NastavenieTlac, ciselnik, jazyky),
                              rodic, posun))
        okna.append(o);
    return okna;
}

}  // namespace TlacKevrota
