#include "PravneDokumenty.h"

#include "store/Cesty.h"
#include "store/Spravy.h"
#include "store/ZdielaneSubory.h"

#include <QFileInfo>

const QList<PravnyDokument>& PravneDokumenty()
{
    static const QList<PravnyDokument> zoznam = {
        {QStringLiteral("382/2004 Z. z. - Zákon o znalcoch, tlmočníkoch a prekladateľoch a o zmene a doplnení niektorých zákonov"),
         QStringLiteral("382_2004.pdf")},
        {QStringLiteral("490/2004 Z. z. - Vyhláška MS SR, ktorou sa vykonáva zákon č. 382/2004 Z. z. o znalcoch, tlmočníkoch a prekladateľoch a o zmene a doplnení niektorých zákonov"),
         QStringLiteral("490_2004.pdf")},
        {QStringLiteral("500/2005 Z. z. - Vyhláška MS SR, ktorou sa mení a dopĺňa vyhláška MS SR č. 490/2004 Z. z., ktorou sa vykonáva zákon č. 382/2004 Z. z. o znalcoch, tlmočníkoch a prekladateľoch a o zmene a doplnení niektorých zákonov"),
         QStringLiteral("500_2005.pdf")},
        {QStringLiteral("534/2008 Z. z. - Vyhláška MS SR, ktorou sa mení vyhláška MS SR č. 490/2004 Z. z., ktorou sa vykonáva zákon č. 382 z 2004 Z. z. o znalcoch, tlmočníkoch a prekladateľoch a o zmene a doplnení niektorých zákonov v znení vyhlášky č. 50"),
         QStringLiteral("534_2008.pdf")},
        {QStringLiteral("33/2009 Z. z. - Vyhláška MS SR, ktorou sa mení vyhláška MS SR c. 490/2004 Z. z., ktorou sa vykonáva zákon c. 382/2004 Z. z. o znalcoch, tlmocníkoch a prekladateloch a o zmene a doplnení niektorých zákonov v znení neskorších predpisov"),
         QStringLiteral("33_2009.pdf")},
        {QStringLiteral("491/2004 Z. z. - Vyhláška MS SR o odmenách, náhradách výdavkov a náhradách za stratu času pre znalcov, tlmočníkov a prekladateľov"),
         QStringLiteral("491_2004.pdf")},
        {QStringLiteral("400/2006 Z. z. - Vyhláška MS SR, ktorou sa mení a dopĺňa vyhláška MS SR č. 491/2004 Z. z. o odmenách, náhradách výdavkov a náhradách za stratu času pre znalcov, tlmočníkov a prekladateľov  "),
         QStringLiteral("400_2006.pdf")},
        {QStringLiteral("565/2008 Z. z. - Vyhláška MS SR, ktorou sa mení vyhláška MS SR č. 491/2004 Z. z. o odmenách, náhradách výdavkov a náhradách za stratu času pre znalcov, tlmočníkov a prekladateľov v znení vyhlášky č. 400/2006 Z. z."),
         QStringLiteral("565_2008.pdf")},
        {QStringLiteral("34/2009 Z. z. - Vyhláška MS SR, ktorou sa mení vyhláška MS SR c. 491/2004 Z. z. o odmenách, náhradách výdavkov a náhradách za stratu casu pre znalcov, tlmocníkov a prekladatelov v znení neskorších predpisov"),
         QStringLiteral("34_2009.pdf")},
        {QStringLiteral("524/2009 Z. z. - Vyhláška MS SR, ktorou sa mení vyhláška MS SR č. 491/2004 Z. z. o odmenách, náhradách výdavkov a náhradách za stratu času pre znalcov, tlmočníkov a prekladateľov v znení neskorších predpisov"),
         QStringLiteral("524_2009.pdf")},
        {QStringLiteral("492/2004 Z. z. - Vyhláška MS SR o stanovení všeobecnej hodnoty majetku"),
         QStringLiteral("492_2004.pdf")},
        {QStringLiteral("626/2007 Z. z. - Vyhláška MS SR, ktorou sa mení a dopĺňa vyhláška MS SR č. 492/2004 Z. z. o stanovení všeobecnej hodnoty majetku"),
         QStringLiteral("626_2007.pdf")},
        {QStringLiteral("605/2008 Z. z. - Vyhláška MS SR, ktorou sa mení vyhláška MS SR č. 492/2004 Z. z. o stanovení všeobecnej hodnoty majetku v znení vyhlášky č. 626/2007 Z. z."),
         QStringLiteral("605_2008.pdf")},
        {QStringLiteral("47/2009 Z. z. - Vyhláška MS SR, ktorou sa mení a doplna vyhláška MS SR c. 492/2004 Z. z. o stanovení všeobecnej hodnoty majetku v znení neskorších predpisov"),
         QStringLiteral("47_2009.pdf")},
        {QStringLiteral("254/2010 Z. z. - Vyhláška MS SR, ktorou sa mení vyhláška MS SR c. 492/2004 Z. z. o stanovení všeobecnej hodnoty majetku v znení neskorších predpisov"),
         QStringLiteral("254_2010.pdf")},
        {QStringLiteral("Inštrukcia 7/2009 o organizácii a riadení znaleckej, tlmočníckej a prekladateľskej činnosti"),
         QStringLiteral("instrukcie_7_2009.pdf")},
    };
    return zoznam;
}

QString CestaDokumentu(const PravnyDokument& d) { return ZdielaneSubory::subor(QStringLiteral("\\Data\\") + d.subor); }

bool OtvorDokument(const PravnyDokument& d)
{
    const QString p = CestaDokumentu(d);
    if (!QFileInfo(p).isFile())
        return false;
    return spravy().otvorSubor(p);
}
