#pragma once

#include "fans/SelectedFan.h"

namespace fans {

// The fan chosen in the smoke-exhaust fans-found window: a record of its own type, so that a general and
// a smoke-exhaust data sheet each keep their fan.
struct SmokeSelectedFan : SelectedFan { };

} // namespace fans
