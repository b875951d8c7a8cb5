#include "unit/UnitFanSelection.h"

#include "fans/CandidateFilter.h"
#include "fans/GeneralSelection.h"
#include "fans/SelectionMessages.h"

#include <QHash>

namespace unit {

namespace {

// The unit's operating points are found to a hundredth of a cubic metre per hour.
constexpr double unitSettleFlow = 0.01;

} // namespace

bool isUnitFanSeries(const fans::SeriesEntry& series)
{
    return !series.krugl && !series.krysh && !series.podpor;
}

bool isUnitDuctSize(const fans::DuctSizeEntry& size)
{
    return size.text.contains(u'*');
}

fans::SelectionRequest unitFanRequest(fans::SelectionRequest request)
{
    request.group = fans::FanGroup::Duct;
    request.pressureKind = fans::PressureKind::Total;
    for (fans::SeriesChoice& series : request.series)
        series.round = false;
    return request;
}

fans::SelectionOutcome selectUnitFans(
    const std::vector<FanRecord>& catalogue, const fans::SelectionRequest& request)
{
    fans::SelectionOutcome outcome;
    outcome.band = fans::DutyBand::around(request.flow, request.pressure, request.rangePercent);
    if (request.series.empty()) {
        outcome.status = fans::SelectionOutcome::Status::NoSeriesTicked;
        outcome.messages << fans::messages::noSeriesTicked();
        return outcome;
    }
    const fans::CandidateFilter filter(unitFanRequest(request));
    QHash<QString, int> position; // a series listed twice counts once, at its first place
    for (size_t i = 0; i < request.series.size(); ++i) {
        if (!position.contains(request.series[i].name))
            position.insert(request.series[i].name, int(i));
    }
    outcome.candidates
        = fans::candidatesInSeriesOrder(catalogue, request.series.size(), [&](const FanRecord& record) {
              if (record.krugl)
                  return -1;
              const auto it = position.constFind(record.name);
              return it != position.constEnd() && filter.passesNarrowing(record) ? *it : -1;
          });
    fans::MatchOptions options;
    options.ductAirSpeed = true;
    options.settleFlow = unitSettleFlow;
    fans::matchCandidates(outcome, options);
    return outcome;
}

UnitFanSelection runUnitFanSelection(const fans::SelectionRequest& request)
{
    UnitFanSelection run;
    run.catalogue = fans::FanCatalogue::records(fans::CatalogueKind::General);
    run.outcome = selectUnitFans(*run.catalogue, request);
    fans::writeResultTables(fans::CatalogueKind::General, run.outcome, {}, true);
    return run;
}

} // namespace unit
