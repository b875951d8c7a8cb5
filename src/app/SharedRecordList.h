#pragma once

namespace ui {
class SharedRecords;
}

// Registers every record the program's windows share.
void registerSharedRecords(ui::SharedRecords& records);
