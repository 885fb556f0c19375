#pragma once
// Where kevrot-cli may write a command's output inside the data directory.

#include <QString>

namespace Cli {

// Why command `prikaz` may not write `subor`: inside `appDir` only Tmp_doc, an entry's
// document folder and (for backups) the backup folder take output, and never over a data
// file. Empty when it may.
QString odmietnutyVystup(const QString& prikaz, const QString& subor, const QString& appDir);

}  // namespace Cli
