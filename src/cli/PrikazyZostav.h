#pragma once
// kevrot-cli's commands that sum up a year: the printed journal, the half-yearly extract,
// the financial overview and the spreadsheets.

#include "cli/BehPrikazu.h"

namespace Cli {

VysledokCli kevrotDoPdfCli(const Volanie& v);  // journal-pdf ROK SÚBOR
VysledokCli vypisCli(const Volanie& v);        // extract ROK 1|2 SÚBOR
VysledokCli financieCli(const Volanie& v);     // finance ROK [all|state|private|performed OD DO|paid OD DO]
VysledokCli zositCli(const Volanie& v);        // xlsx register|finance ROK SÚBOR

}  // namespace Cli
