#include "PlatbaFaktury.h"

#include "editor/DokladySablon.h"
#include "editor/HodnotyFaktury.h"
#include "store/Datum.h"

#include "settings/Iban.h"
#include "settings/TextyZnalca.h"
#include "store/Spravy.h"

std::optional<PlatobnyPrikaz> PlatbaFaktury(const TNastavenia& nastavenie, const UdajePlatby& udaje,
                                           const NastaveniaEFaktury& eFaktura)
{
    const QString sposob = udaje.sposobPlatby.trimmed();
    const bool prevodom = sposob.isEmpty() || sposob.compare(QStringLiteral("neurčené"), Qt::CaseInsensitive) == 0
                          || sposob.compare(QStringLiteral("prevodný príkaz"), Qt::CaseInsensitive) == 0;
    if (!prevodom || (nastavenie.CisloUctu.trimmed().isEmpty() && eFaktura.IBAN.trimmed().isEmpty())
        || !(udaje.suma > 0))
        return std::nullopt;
    const auto iban = IbanZnalca(nastavenie, eFaktura);
    if (!iban) {
        spravy().upozornenie(iban.dovod() + QStringLiteral("\nFaktúra bude bez kódu PAY by square."));
        return std::nullopt;
    }
    PlatobnyPrikaz p;
    p.suma = udaje.suma;
    p.splatnost = udaje.splatnost;
    p.variabilnySymbol = udaje.variabilnySymbol.trimmed();
    p.konstantnySymbol = udaje.konstantnySymbol.trimmed();
    p.iban = iban.hodnota();
    p.prijemca = MenoZnalca(nastavenie).trimmed();
    return p;
}

void VlozPlatobnyQr(Dokument& dokument, const PlatobnyPrikaz& platba, int sirka)
{
    if (!dokument.chodNaZalozku(QString::fromLatin1(ZalozkaPlatobnehoKodu)) &&
        !dokument.chodNaZalozku(QStringLiteral("pay_by_square"))) {
        dokument.naKoniec();
        dokument.novyOdsek();
    }
    dokument.vlozObrazok(PayBySquare::obrazok(PayBySquare::qr(PayBySquare::kod(platba)), sirka));
    dokument.vloz(QStringLiteral("\rPAY by square"));
}

bool DoplnPlatobnyQr(Dokument& dokument, const TNastavenia& nastavenie, const UdajePlatby& udaje,
                     const NastaveniaEFaktury& eFaktura)
{
    const auto platba = PlatbaFaktury(nastavenie, udaje, eFaktura);
    if (!platba)
        return false;
    VlozPlatobnyQr(dokument, *platba);
    return true;
}

UdajePlatby UdajePlatbyFaktury(const PodkladyDokladu& p)
{
    const HodnotyFaktury h = VypocitajHodnotyFaktury(p);
    return {h.SposobPlatby, ZCentov(h.Rozpis.spolu()), h.VariabilnySymbol, h.KonstantnySymbol,
            h.Splatnost > 0 ? DatumNaQDate(h.Splatnost) : QDate()};
}

bool DoplnPlatobnyQrFaktury(Dokument& dokument, const PodkladyDokladu& p)
{
    return DoplnPlatobnyQr(dokument, p.nastavenie, UdajePlatbyFaktury(p), p.eFaktura);
}
