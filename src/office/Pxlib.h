#pragma once

// The header of pxlib, the library that reads and writes Paradox files, declares its C functions without
// C linkage for C++.
extern "C" {
#include <paradox.h>
}
