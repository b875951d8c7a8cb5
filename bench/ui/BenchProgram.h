#pragma once

#include "app/ProgramContext.h"
#include "app/SharedWindowList.h"

// The one program object of the window benchmarks, its shared windows registered on first use.
inline ProgramContext& benchProgram()
{
    static ProgramContext context;
    static const bool registered = [] {
        registerSharedWindows(context.windows());
        return true;
    }();
    (void)registered;
    return context;
}
