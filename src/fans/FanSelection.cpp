#include "fans/FanSelection.h"

#include "fans/CandidateFilter.h"
#include "fans/SelectionMessages.h"

#include "common/NumberText.h"

#include <QHash>
#include <array>

namespace fans {

std::vector<const FanRecord*> selectionCandidates(
    const std::vector<FanRecord>& catalogue, const SelectionRequest& request)
{
    const CandidateFilter filter(request);
    // Each record belongs to at most one ticked series: found by name and round flag. A series listed
    // twice counts once.
    constexpr int none = -1;
    QHash<QString, std::array<int, 2>> position; // [rectangular or other, round] → series index
    for (size_t i = 0; i < request.series.size(); ++i) {
        const SeriesChoice& series = request.series[i];
        const bool round = request.group == FanGroup::Duct && series.round;
        auto it = position.find(series.name);
        if (it == position.end())
            it = position.insert(series.name, {none, none});
        if ((*it)[round] == none)
            (*it)[round] = int(i);
    }
    const bool roof = request.group == FanGroup::Roof;
    const bool pressurization = request.group == FanGroup::Pressurization;
    return candidatesInSeriesOrder(catalogue, request.series.size(), [&](const FanRecord& record) {
        if (record.krysh != roof || record.podpor != pressurization)
            return none;
        const auto it = position.constFind(record.name);
        if (it == position.constEnd())
            return none;
        const int index = (*it)[record.krugl];
        return index != none && filter.passes(record, request.series[size_t(index)]) ? index : none;
    });
}

namespace {

void workOut(FoundFan& fan, const DutyBand& band, const MatchOptions& options)
{
    fan.operatingFlow = operatingFlow(fan.curve, band, options.settleFlow);
    fan.operatingPressure = band.systemPressure(fan.operatingFlow);
    fan.swept = sweepCurve(fan.curve, band);
    fan.powerAtOperating = fan.curve.powerAt(fan.operatingFlow);
    if (fan.curve.hasPower)
        fan.powerAtMaxFlow = fan.curve.w[fan.curve.n - 1];
    if (options.ductAirSpeed)
        fan.airSpeed = ductAirSpeed(*fan.record, fan.operatingFlow);
}

} // namespace

std::optional<double> ductAirSpeed(const FanRecord& record, double q)
{
    // π·3600 as the constant the maker's tables use.
    constexpr double roundFactor = 11309.733552923255;
    if (record.krugl) {
        if (record.a <= 0)
            return std::nullopt;
        return q * 1e6 / (double(record.a) * record.a * roundFactor / 4);
    }
    if (record.a <= 0 || record.b <= 0)
        return std::nullopt;
    return q * 1e6 / (double(record.b) * record.a * 3600);
}

SelectionRun runRecord(const SelectionOutcome& outcome, const SelectionRequest& request)
{
    return runRecord(outcome, request.flow, request.pressure, request.group == FanGroup::Roof);
}

SelectionRun runRecord(const SelectionOutcome& outcome, double flow, double pressure, bool roofRun)
{
    SelectionRun run;
    run.requiredFlow = flow;
    run.requiredPressure = pressure;
    run.roofRun = roofRun;
    for (size_t i = 0; i < outcome.fans.size(); ++i) {
        const FoundFan& fan = outcome.fans[i];
        run.operatingPoints.push_back(
            {double(i + 1 + 3), fan.operatingFlow, roundHalfEven(fan.operatingPressure)});
    }
    return run;
}

SelectionOutcome selectFans(const std::vector<FanRecord>& catalogue, const SelectionRequest& request)
{
    SelectionOutcome outcome;
    outcome.band = DutyBand::around(request.flow, request.pressure, request.rangePercent);
    if (request.series.empty()) {
        outcome.status = SelectionOutcome::Status::NoSeriesTicked;
        outcome.messages << messages::noSeriesTicked();
        return outcome;
    }
    outcome.candidates = selectionCandidates(catalogue, request);
    matchCandidates(outcome, MatchOptions {1, request.group == FanGroup::Duct});
    return outcome;
}

std::vector<const FanRecord*> candidatesInSeriesOrder(const std::vector<FanRecord>& catalogue,
    size_t seriesCount, const std::function<int(const FanRecord&)>& seriesOf)
{
    // Bucketing by series keeps the order of the results: series list first, then catalogue order.
    std::vector<std::vector<const FanRecord*>> buckets(seriesCount);
    for (const FanRecord& record : catalogue) {
        const int index = seriesOf(record);
        if (index >= 0 && size_t(index) < seriesCount)
            buckets[size_t(index)].push_back(&record);
    }
    std::vector<const FanRecord*> candidates;
    for (const auto& bucket : buckets)
        candidates.insert(candidates.end(), bucket.begin(), bucket.end());
    return candidates;
}

void matchCandidates(SelectionOutcome& outcome, const MatchOptions& options)
{
    for (const FanRecord* record : outcome.candidates) {
        const auto curve = FanCurve::fromRecord(*record, options.curveScale);
        if (!curve)
            continue;
        if (const auto step = acceptanceStep(*curve, outcome.band)) {
            FoundFan fan;
            fan.record = record;
            fan.curve = *curve;
            fan.acceptanceStep = *step;
            outcome.fans.push_back(std::move(fan));
        }
    }
    if (outcome.fans.empty()) {
        outcome.status = SelectionOutcome::Status::NothingAccepted;
        outcome.messages << messages::nothingAccepted() << messages::nothingAcceptedHint();
        return;
    }
    if (outcome.fans.size() > size_t(maxListedFans)) {
        outcome.status = SelectionOutcome::Status::TooManyFans;
        outcome.messages << messages::tooManyFans();
        return;
    }
    outcome.status = SelectionOutcome::Status::Listed;
    for (FoundFan& fan : outcome.fans)
        workOut(fan, outcome.band, options);
}

} // namespace fans
