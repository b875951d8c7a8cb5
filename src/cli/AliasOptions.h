#pragma once

#include "cli/CliCommand.h"

namespace cli {

// Applies every "--alias NAME=PATH" of the arguments: the alias NAME (VOzuvada or Pritoshka) then reads the
// SQLite file PATH, or the PostgreSQL database of a "postgresql://USER@HOST:PORT/DATABASE" PATH, instead of
// its configured catalogue. A bad option is recorded as an argument error and gives false.
bool applyAliasOverrides(Arguments& args);

} // namespace cli
