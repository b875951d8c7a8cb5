#include "app/SharedRecordList.h"

#include "fans/SelectedFan.h"
#include "fans/SmokeSelectedFan.h"
#include "ui/SharedRecords.h"

// A shared record joins the program by one line here.
void registerSharedRecords(ui::SharedRecords& records)
{
    // The fan chosen in a fans-found window, for its data sheet and graphs.
    records.add<fans::SelectedFan>();
    // The fan chosen in the smoke-exhaust fans-found window, for the smoke-exhaust sheet and graphs.
    records.add<fans::SmokeSelectedFan>();
}
