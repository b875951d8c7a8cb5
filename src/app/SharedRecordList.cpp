#include "app/SharedRecordList.h"

#include "fans/SelectedFan.h"
#include "smoke/SmokeDuty.h"
#include "ui/SharedRecords.h"

// A shared record joins the program by one line here.
void registerSharedRecords(ui::SharedRecords& records)
{
    // The fan chosen in a fans-found window, for its data sheet and graphs.
    records.add<fans::SelectedFan>();
    // The fan duty of the last finished smoke-exhaust calculation, for smoke-exhaust fan selection.
    records.add<SmokeDuty>();
}
