#pragma once
// kevrot-cli's commands that copy the data as a whole: backup and restore, the transfer
// from earlier versions and the import of the office's texts.

#include "cli/BehPrikazu.h"

namespace Cli {

// transfer 5.0|5.2|5.3|5.4 ZDROJ [--years 2011,2012] [--replace 2011] [--no-settings] [--no-texts]
// import-texts ZDROJ [--no-settings]
VysledokCli prenosCli(const Volanie& v);
// backup [SÚBOR], restore SÚBOR [--without-manifest]
VysledokCli zalohaCli(const Volanie& v);

}  // namespace Cli
