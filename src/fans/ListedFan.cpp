#include "fans/ListedFan.h"

namespace fans {

ListedFan listedFanOf(const FoundFan& found)
{
    ListedFan fan;
    fan.record = *found.record;
    fan.found = found;
    fan.found.record = nullptr; // the catalogue it points into may be gone before the fan
    return fan;
}

} // namespace fans
