// The entry-file reader on arbitrary bytes: reading never crashes, and what was read
// writes back to bytes that read the same again.
// fuzz-podsystemy: store
#include "store/Zurnal.h"

#include <cstdint>
#include <cstdlib>

namespace {
void over(bool podmienka)
{
    if (!podmienka)
        std::abort();
}
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArray bajty(reinterpret_cast<const char*>(data), qsizetype(size));

    qsizetype p = 0;
    const auto zaznam = Zurnal::CitajZaznam(bajty, p);
    if (zaznam) {
        over(p == TZnalKevrotZaznam::VELKOST || p == TZnalKevrotZaznam::VELKOST_STARA);
        QList<TVydavok> vydavky;
        Zurnal::CitajVydavky(bajty, p, vydavky);
        over(p <= bajty.size());
        zaznam->doJson();
    } else {
        over(p == 0);
    }

    ObsahZaznamu obsah;
    if (!Zurnal::RozoberSubor(bajty, obsah))
        return 0;
    const QByteArray zapisany = Zurnal::ObsahSuboru(obsah.zaznam, obsah.vydavky, obsah.vyplatenia);
    // A file of the current layout is written back as it was read.
    if (obsah.zaznam.Verzia == TZnalKevrotZaznam::VerziaAktualna)
        over(zapisany == bajty.left(zapisany.size()));
    ObsahZaznamu znova;
    over(Zurnal::RozoberSubor(zapisany, znova));
    over(znova.vydavky.size() == obsah.vydavky.size());
    over(znova.vyplatenia.size() == obsah.vyplatenia.size());
    TZnalKevrotZaznam aktualny = znova.zaznam;
    over(Zurnal::ObsahSuboru(aktualny, znova.vydavky, znova.vyplatenia) == zapisany);
    for (const auto& v : obsah.vydavky)
        v.doJsonSRozpisom();
    return 0;
}
