#include "fans/SelectionRun.h"

namespace fans {

SelectionRun& lastSelectionRun()
{
    static SelectionRun run;
    return run;
}

} // namespace fans
