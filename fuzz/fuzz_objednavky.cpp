// Orders and clients files from arbitrary bytes: reading must never crash, and what was
// read must read back the same after it is written the way the program saves it.

#include "store/Objednavky.h"
#include "store/Subory.h"

#include <cstddef>
#include <cstdint>

namespace {

// The write-and-read-back check is for lists a file really holds, not for the blank
// records a large count adds.
constexpr qsizetype MaxNaSpatneCitanie = 200;

template <class T>
bool rovnake(const QList<T>& a, const QList<T>& b)
{
    if (a.size() != b.size())
        return false;
    for (qsizetype i = 0; i < a.size(); ++i)
        if (a[i].obrazNaZapis() != b[i].obrazNaZapis())
            return false;
    return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    QByteArray obsah(reinterpret_cast<const char*>(data), qsizetype(size));
    // Counts far above what the input holds only add blank records (tested elsewhere);
    // kept small here so that the runs go to the layouts and the conversions.
    if (obsah.size() >= 4) {
        const qint32 pocet = Subory::int32Na(obsah, 0);
        if (pocet > 1000) {
            QByteArray zvysok = obsah.mid(4);
            obsah.clear();
            Subory::pridajInt32(obsah, pocet % 1000);
            obsah.append(zvysok);
        }
    }

    CitanieObjednavok o = Objednavky::CitajObjednavky(obsah);
    if (o.neznamyFormat && !o.zaznamy.isEmpty())
        __builtin_trap();
    if (o.zaznamy.size() <= MaxNaSpatneCitanie) {
        for (auto& z : o.zaznamy)
            z.Verzia = TObjednavka::VerziaAktualna;
        const CitanieObjednavok o2 = Objednavky::CitajObjednavky(obsahPocitanehoSuboru(o.zaznamy));
        if (o2.chyba || o2.neznamyFormat || o2.staryFormat || !rovnake(o.zaznamy, o2.zaznamy))
            __builtin_trap();
    }

    const CitanieObjednavatelov k = Objednavky::CitajObjednavatelov(obsah);
    if (k.zaznamy.size() <= MaxNaSpatneCitanie) {
        const CitanieObjednavatelov k2 =
            Objednavky::CitajObjednavatelov(Objednavky::ObsahObjednavatelov(k.zaznamy));
        if (k2.chyba || k2.staryFormat || !rovnake(k.zaznamy, k2.zaznamy))
            __builtin_trap();
    }
    return 0;
}
