#include "fans/SmokeSelection.h"

#include "fans/CandidateFilter.h"
#include "fans/GeneralSelection.h"
#include "fans/SelectionMessages.h"

#include <QHash>
#include <algorithm>

namespace fans {

double gasDensity(double temperature)
{
    return catalogueAirDensity / ((temperature + 273) / 293);
}

double gasCurveFactor(double temperature)
{
    return gasDensity(temperature) / catalogueAirDensity;
}

SmokeCandidateFilter::SmokeCandidateFilter(const SmokeSelectionRequest& request)
    : m_excludedDiameters(excludedDiameters(request.diameters))
    , m_poles(request.poles)
{
}

bool SmokeCandidateFilter::passes(const FanRecord& record) const
{
    return std::find(m_excludedDiameters.begin(), m_excludedDiameters.end(), record.d)
        == m_excludedDiameters.end()
        && passesPoles(record.polus, smokePoleCounts, m_poles);
}

FanRecord rescaledRecord(const FanRecord& record, double factor)
{
    FanRecord scaled = record;
    for (int i = FanRecord::maxPoints; i < FanRecord::curveColumnCount; ++i) {
        if (scaled.columns[size_t(i)])
            *scaled.columns[size_t(i)] *= factor;
    }
    return scaled;
}

SelectionOutcome selectSmokeFans(
    const std::vector<FanRecord>& catalogue, const SmokeSelectionRequest& request)
{
    SelectionOutcome outcome;
    outcome.band = DutyBand::around(request.flow, request.pressure, request.rangePercent);
    if (request.series.empty()) {
        outcome.status = SelectionOutcome::Status::NoSeriesTicked;
        outcome.messages << messages::noSmokeSeriesTicked();
        return outcome;
    }
    // A record belongs to the ticked series of its name, whatever its Davlen: the first record of a
    // series decided the list it stands in. A series listed twice counts once.
    QHash<QString, int> position;
    for (size_t i = 0; i < request.series.size(); ++i) {
        if (!position.contains(request.series[i]))
            position.insert(request.series[i], int(i));
    }
    const SmokeCandidateFilter filter(request);
    outcome.candidates
        = candidatesInSeriesOrder(catalogue, request.series.size(), [&](const FanRecord& record) {
              const int index = position.value(record.name, -1);
              return index >= 0 && filter.passes(record) ? index : -1;
          });
    matchCandidates(outcome, MatchOptions {gasCurveFactor(request.temperature), false});
    return outcome;
}

SmokeSelectionRun smokeRunRecord(const SelectionOutcome& outcome, const SmokeSelectionRequest& request)
{
    SmokeSelectionRun run;
    static_cast<SelectionRun&>(run)
        = runRecord(outcome, request.flow, request.pressure, request.group == SmokeGroup::RoofWall);
    run.fireClass = request.fireClass;
    run.gasTemperatureText = request.temperatureText.left(SmokeSelectionRun::temperatureTextLength);
    return run;
}

SelectionOutcome runSmokeSelectionWithTables(
    const std::vector<FanRecord>& catalogue, const SmokeSelectionRequest& request)
{
    SelectionOutcome outcome = selectSmokeFans(catalogue, request);
    const double factor = gasCurveFactor(request.temperature);
    writeResultTables(CatalogueKind::Smoke, outcome,
        [factor](const FanRecord& record) { return rescaledRecord(record, factor); });
    return outcome;
}

SmokeSelection runSmokeSelection(const SmokeSelectionRequest& request)
{
    SmokeSelection selection;
    selection.catalogue = FanCatalogue::records(CatalogueKind::Smoke);
    selection.outcome = runSmokeSelectionWithTables(*selection.catalogue, request);
    if (selection.outcome.status == SelectionOutcome::Status::Listed)
        selection.run = smokeRunRecord(selection.outcome, request);
    return selection;
}

} // namespace fans
