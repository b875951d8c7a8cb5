#include "fans/FoundFansContent.h"

#include "common/NumberText.h"
#include "fans/FoundFanRow.h"

namespace fans {

FoundFansContent foundFansContentOf(
    const SelectionOutcome& outcome, const SelectionRequest& request, QChar decimalSeparator)
{
    constexpr int systemCurveSteps = 30;
    const DutyBand& band = outcome.band;
    FoundFansContent content;
    content.run = runRecord(outcome, request);
    for (int s = 0; s <= systemCurveSteps; ++s) {
        const double q = band.stepFlow(s, systemCurveSteps);
        content.systemCurve.emplace_back(q, band.systemPressure(q));
    }
    content.dutyPoint = QPointF(request.flow, roundHalfEven(band.systemPressure(request.flow)));
    content.staticPressure = request.group == FanGroup::Roof || request.pressureKind == PressureKind::Static;
    for (size_t i = 0; i < outcome.fans.size(); ++i) {
        const FoundFan& fan = outcome.fans[i];
        FoundFanEntry entry;
        entry.row = foundFanRow(fan, request.group, int(i + 1), decimalSeparator);
        entry.designation = entry.row.at(1);
        entry.curve = fan.swept.points;
        entry.label = fan.swept.label;
        entry.operatingPoint = QPointF(fan.operatingFlow, roundHalfEven(fan.operatingPressure));
        content.fans.push_back(std::move(entry));
    }
    return content;
}

} // namespace fans
