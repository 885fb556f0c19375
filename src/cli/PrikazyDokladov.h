#pragma once
// kevrot-cli's commands that make the billing documents of a stored entry.

#include "cli/BehPrikazu.h"

namespace Cli {

VysledokCli dokumentCli(const Volanie& v);        // document billing|invoice|receipt|travel ROK ČÍSLO SÚBOR
VysledokCli vsetkyDokladyCli(const Volanie& v);   // documents ROK ČÍSLO ADRESÁR
VysledokCli eFakturaCli(const Volanie& v);        // einvoice ROK ČÍSLO SÚBOR

}  // namespace Cli
