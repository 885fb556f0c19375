#include "CestovneNahrady.h"

namespace {
int indexCesty(int k, int c)
{
    if (k < 1 || k > 4 || c < 0 || c > 3)
        return -1;
    return (k - 1) * 4 + c;
}
}  // namespace

QString TCestovneNahrady::textCesty(int k, int c) const
{
    const int i = indexCesty(k, c);
    return i < 0 ? QString() : Cesta.value(i);
}

void TCestovneNahrady::nastavTextCesty(int k, int c, const QString& text)
{
    const int i = indexCesty(k, c);
    if (i < 0)
        return;
    while (Cesta.size() < PocetTextovCesty)
        Cesta.append(QString());
    Cesta[i] = text;
}

const Rozlozenie<TCestovneNahrady>& TCestovneNahrady::rozlozenie()
{
    using T = TCestovneNahrady;
    static const Rozlozenie<T> r = {
        retazec<T>(0, 100, "Meno", &T::Meno),
        retazec<T>(101, 100, "Bydlisko", &T::Bydlisko),
        vypln<T>(202, 2),
        int32<T>(204, "PocetNajazdenychKM", &T::PocetNajazdenychKM),
        retazec<T>(208, 100, "Vozidlo", &T::Vozidlo),
        retazec<T>(309, 20, "VozidloEC", &T::VozidloEC),
        vypln<T>(330, 2),
        dbl<T>(332, "Spotreba", &T::Spotreba),
        dbl<T>(340, "CenaPHM", &T::CenaPHM),
        dbl<T>(348, "Opotrebenie", &T::Opotrebenie),
        retazec<T>(356, 50, "Spolucestujuci", &T::Spolucestujuci),
        retazce<T>(407, 16, 50, "Cesta", &T::Cesta),
        retazec<T>(1223, 20, "Datum1", &T::Datum1),
        dbl<T>(1244, "Stravne1", &T::Stravne1),
        dbl<T>(1252, "Noclazne1", &T::Noclazne1),
        dbl<T>(1260, "Vedlajsie1", &T::Vedlajsie1),
        retazec<T>(1268, 20, "Datum2", &T::Datum2),
        vypln<T>(1289, 3),
        dbl<T>(1292, "Stravne2", &T::Stravne2),
        dbl<T>(1300, "Noclazne2", &T::Noclazne2),
        dbl<T>(1308, "Vedlajsie2", &T::Vedlajsie2),
        retazec<T>(1316, 20, "Datum3", &T::Datum3),
        vypln<T>(1337, 3),
        dbl<T>(1340, "Stravne3", &T::Stravne3),
        dbl<T>(1348, "Noclazne3", &T::Noclazne3),
        dbl<T>(1356, "Vedlajsie3", &T::Vedlajsie3),
        retazec<T>(1364, 20, "Datum4", &T::Datum4),
        vypln<T>(1385, 3),
        dbl<T>(1388, "Stravne4", &T::Stravne4),
        dbl<T>(1396, "Noclazne4", &T::Noclazne4),
        dbl<T>(1404, "Vedlajsie4", &T::Vedlajsie4),
        dbl<T>(1412, "PHM_celkom", &T::PHM_celkom),
        dbl<T>(1420, "Cestovne", &T::Cestovne),
        dbl<T>(1428, "Stravne", &T::Stravne),
        dbl<T>(1436, "OstatneNaklady", &T::OstatneNaklady),
        dbl<T>(1444, "SpoluNaklady", &T::SpoluNaklady),
        datum<T>(1452, "VyuctovaneDna", &T::VyuctovaneDna),
        boolean<T>(1460, "SDPH", &T::SDPH),
        vypln<T>(1461, 3),
    };
    return r;
}
