#include "fans/FoundFansContent.h"

#include "common/NumberText.h"
#include "fans/FoundFanRow.h"

namespace fans {

FoundFansContent foundFansContentOf(
    const SelectionOutcome& outcome, const SelectionRequest& request, QChar decimalSeparator)
{
    const bool staticPressure
        = request.group == FanGroup::Roof || request.pressureKind == PressureKind::Static;
    FoundFansContent content
        = foundFansContentOf(outcome, request.flow, staticPressure, [&](const FoundFan& fan, int number) {
              return foundFanRow(fan, request.group, number, decimalSeparator);
          });
    content.run = runRecord(outcome, request);
    content.group = request.group;
    return content;
}

FoundFansContent foundFansContentOf(
    const SelectionOutcome& outcome, double flow, bool staticPressure, const FoundFanRowOf& rowOf)
{
    constexpr int systemCurveSteps = 30;
    const DutyBand& band = outcome.band;
    FoundFansContent content;
    for (int s = 0; s <= systemCurveSteps; ++s) {
        const double q = band.stepFlow(s, systemCurveSteps);
        content.systemCurve.emplace_back(q, band.systemPressure(q));
    }
    content.dutyPoint = QPointF(flow, roundHalfEven(band.systemPressure(flow)));
    content.staticPressure = staticPressure;
    for (size_t i = 0; i < outcome.fans.size(); ++i) {
        const FoundFan& fan = outcome.fans[i];
        FoundFanEntry entry;
        entry.row = rowOf(fan, int(i + 1));
        entry.designation = entry.row.at(1);
        entry.curve = fan.swept.points;
        entry.label = fan.swept.label;
        entry.operatingPoint = QPointF(fan.operatingFlow, roundHalfEven(fan.operatingPressure));
        entry.fan = listedFanOf(fan);
        content.fans.push_back(std::move(entry));
    }
    return content;
}

} // namespace fans
