#pragma once
// kevrot-cli's commands that list what the data directory holds (and resave, which
// rewrites a year's files in the current layout).

#include "cli/BehPrikazu.h"

namespace Cli {

VysledokCli kdeCli(const Volanie& v);            // where
VysledokCli zurnalCli(const Volanie& v);         // journal ROK
VysledokCli objednavkyCli(const Volanie& v);     // orders ROK
VysledokCli objednavateliaCli(const Volanie& v); // clients
VysledokCli nastaveniaCli(const Volanie& v);     // settings
VysledokCli ciselnikyCli(const Volanie& v);      // codelists
VysledokCli vyuctovaniaCli(const Volanie& v);    // billings ROK
VysledokCli prepisCli(const Volanie& v);         // resave ROK

}  // namespace Cli
