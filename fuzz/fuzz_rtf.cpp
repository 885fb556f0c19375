// RTF from arbitrary bytes: reading must never crash or hang, what is read must write as a
// complete document, and a written document must read back to the same bytes when written
// again (nothing drifts from one save to the next).
// fuzz-podsystemy: word

#include "word/RtfCitac.h"
#include "word/RtfZapisovac.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    QByteArray vstup(reinterpret_cast<const char*>(data), qsizetype(size));
    if (!vstup.startsWith("{\\rtf"))
        vstup.prepend("{\\rtf1 ");  // most inputs would otherwise be plain text

    const auto prvy = RtfCitac::citaj(vstup);
    const QByteArray zapis1 = RtfZapisovac::zapis(prvy.dokument);
    const auto druhy = RtfCitac::citaj(zapis1);
    if (!druhy.jeRtf || !druhy.uplny)
        std::abort();
    const QByteArray zapis2 = RtfZapisovac::zapis(druhy.dokument);
    if (zapis2 != RtfZapisovac::zapis(RtfCitac::citaj(zapis2).dokument))
        std::abort();
    return 0;
}
