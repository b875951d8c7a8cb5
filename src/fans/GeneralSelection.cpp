#include "fans/GeneralSelection.h"

#include "fans/SelectionResultTables.h"

namespace fans {
namespace {

std::vector<FanRecord> copies(
    const std::vector<const FanRecord*>& records, const std::function<FanRecord(const FanRecord&)>& stored)
{
    std::vector<FanRecord> result;
    result.reserve(records.size());
    for (const FanRecord* record : records)
        result.push_back(stored ? stored(*record) : *record);
    return result;
}

} // namespace

void writeResultTables(CatalogueKind kind, const SelectionOutcome& outcome,
    const std::function<FanRecord(const FanRecord&)>& stored, bool unitRun)
{
    SelectionResultTables::create(kind, unitRun);
    std::vector<const FanRecord*> accepted;
    accepted.reserve(outcome.fans.size());
    for (const FoundFan& fan : outcome.fans)
        accepted.push_back(fan.record);
    // Records stored as they are go in without a copy: a large catalogue has tens of thousands of
    // candidates.
    if (stored) {
        SelectionResultTables::appendCandidates(copies(outcome.candidates, stored));
        SelectionResultTables::appendAccepted(copies(accepted, stored));
    } else {
        SelectionResultTables::appendCandidates(outcome.candidates);
        SelectionResultTables::appendAccepted(accepted);
    }
}

SelectionOutcome runSelectionWithTables(
    const std::vector<FanRecord>& catalogue, const SelectionRequest& request)
{
    SelectionOutcome outcome = selectFans(catalogue, request);
    writeResultTables(CatalogueKind::General, outcome);
    return outcome;
}

GeneralSelection runGeneralSelection(const SelectionRequest& request)
{
    GeneralSelection run;
    run.catalogue = FanCatalogue::records(CatalogueKind::General);
    run.outcome = runSelectionWithTables(*run.catalogue, request);
    return run;
}

} // namespace fans
