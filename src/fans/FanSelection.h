#pragma once

#include "fans/DutyBand.h"
#include "fans/DutyMatch.h"
#include "fans/FanCurve.h"
#include "fans/FanRecord.h"
#include "fans/SelectionRequest.h"
#include "fans/SelectionRun.h"

#include <QStringList>
#include <functional>
#include <optional>
#include <vector>

namespace fans {

// The chart and the fans-found list have room for 29 fans; the 30th ends the run.
constexpr int maxListedFans = 29;

// A fan whose curve meets the duty band, with where it works.
struct FoundFan {
    const FanRecord* record = nullptr; // into the catalogue the run read, as stored there
    FanCurve curve; // as the run used it: scaled to the gas by a smoke-exhaust run
    int acceptanceStep = 0;
    double operatingFlow = 0; // Qop
    double operatingPressure = 0; // k·Qop², on the system curve
    SweptCurve swept;
    std::optional<double> powerAtOperating; // on the power curve at Qop
    std::optional<double> powerAtMaxFlow; // last curve point
    std::optional<double> airSpeed; // duct fans only, m/s
};

struct SelectionOutcome {
    enum class Status { Listed, NoSeriesTicked, NothingAccepted, TooManyFans };

    Status status = Status::Listed;
    DutyBand band;
    std::vector<const FanRecord*> candidates; // passed the filters, in run order
    std::vector<FoundFan> fans; // accepted, in acceptance order; operating data when listed
    QStringList messages; // what the user is told when the run ends without a list
};

// One selection run on a catalogue held in memory: filters, duty acceptance, operating points, curves
// and row values. Records with a curve that cannot be interpolated are skipped. The catalogue must
// outlive the outcome (FoundFan points into it).
SelectionOutcome selectFans(const std::vector<FanRecord>& catalogue, const SelectionRequest& request);

// The records of the catalogue that pass the request's filters (series, group, pressure kind, diameters,
// sizes, poles, phases), in result order.
std::vector<const FanRecord*> selectionCandidates(
    const std::vector<FanRecord>& catalogue, const SelectionRequest& request);

// The candidates of a run in result order: series list first, then catalogue order, reading the catalogue
// once however many series are ticked. seriesOf gives the index (0 … seriesCount − 1) of the ticked
// series a record belongs to and passes the filters of, or −1.
std::vector<const FanRecord*> candidatesInSeriesOrder(const std::vector<FanRecord>& catalogue,
    size_t seriesCount, const std::function<int(const FanRecord&)>& seriesOf);

// How the candidates' curves are taken: the smoke-exhaust run scales pressures and powers to the gas.
struct MatchOptions {
    double curveScale = 1; // factor on pressures and powers
    bool ductAirSpeed = false; // duct fans: air speed in the connection
    double settleFlow = 0.5; // m³/h: the operating-point bisection ends when two mids differ by less
};

// Acceptance, the 29-fan limit and the operating points of the candidates already in outcome, on the
// band already in outcome; fills fans, status and messages.
void matchCandidates(SelectionOutcome& outcome, const MatchOptions& options);

// The record the program keeps of a run that listed fans: duty point, roof flag, operating points.
SelectionRun runRecord(const SelectionOutcome& outcome, const SelectionRequest& request);
SelectionRun runRecord(const SelectionOutcome& outcome, double flow, double pressure, bool roofRun);

// Air speed in the duct connection at the flow q; nothing for a connection without a size.
std::optional<double> ductAirSpeed(const FanRecord& record, double q);

} // namespace fans
