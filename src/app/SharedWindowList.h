#pragma once

namespace ui {
class SharedWindows;
}

// Registers every shared window of the program, in the program's order.
void registerSharedWindows(ui::SharedWindows& windows);
