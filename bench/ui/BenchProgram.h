#pragma once

#include "app/ProgramContext.h"

// The one program object of the window benchmarks, with its shared windows registered; owned by the
// benchmark program's main() for the whole run, so that its windows end before the application does.
ProgramContext& benchProgram();
