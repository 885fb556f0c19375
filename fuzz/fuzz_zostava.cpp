// fuzz-podsystemy: store settings reports
// The layout reader on arbitrary bytes: the stream of either form, then the components.

#include <QByteArray>

#include "reports/DfmStrom.h"
#include "reports/TAlZostava.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArray obsah(reinterpret_cast<const char*>(data), qsizetype(size));
    try {
        const DfmObjekt koren = Dfm::citaj(obsah);
        // What was read is written and read again to the same stream.
        const QByteArray znova = Dfm::zapisBinarny(koren);
        const DfmObjekt druhy = Dfm::citajBinarny(znova);
        if (Dfm::zapisBinarny(druhy) != znova)
            __builtin_trap();
        TAlZostava z;
        z.zoStromu(koren, QStringLiteral("fuzz.dfm"));
        if (TAlReport* r = z.report())
            r->AddNamedValue(QStringLiteral("Meno"), QStringLiteral("x"));
    } catch (const ChybaZostavy&) {
    }
    return 0;
}
