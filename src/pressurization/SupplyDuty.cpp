#include "pressurization/SupplyDuty.h"

#include "calcreport/ReportNumbers.h"
#include "common/NumberText.h"

namespace pressurization {

std::optional<fans::HandedDuty> supplyFanDuty(const SupplyFan& fan)
{
    // The results table and the duty handed on agree to the digit: the figure is rounded through the
    // table's text, whatever the user's decimal mark.
    const QChar mark = QLatin1Char('.');
    const std::optional<double> flow = parseNumber(calcreport::reportNumber(fan.flow, mark), mark);
    const std::optional<double> pressure = parseNumber(calcreport::reportNumber(fan.pressure, mark), mark);
    if (!flow || !pressure)
        return std::nullopt;
    return fans::HandedDuty {*flow, *pressure};
}

} // namespace pressurization
