#pragma once

#include "fans/FanCatalogue.h"
#include "fans/FanCurve.h"
#include "fans/FanRecord.h"
#include "fans/SelectionRequest.h"

#include <QPointF>
#include <QStringList>
#include <optional>
#include <vector>

// Selection of fans run on a frequency converter or an EC motor: a fan whose full-speed curve passes
// above the duty is slowed down until its curve goes through the duty point, and the fans are ranked by
// the shaft power they draw there.
namespace fans {

constexpr int defaultMinSpeedPercent = 30;
constexpr int maxSpeedControlledFans = 30; // the best fans listed

// The full-speed crossing is bisected until the bracket is this small, relative to the flow.
constexpr double crossingTolerance = 1e-9;

// A fan kept by the speed-controlled selection, with what it does at the duty by the fan laws.
struct SpeedControlledFan {
    const FanRecord* record = nullptr; // into the catalogue the run read
    FanCurve curve; // the catalogue curve, at full speed
    double fullSpeedFlow = 0; // Qop: where the full-speed curve meets the system curve, m³/h
    double speedRatio = 0; // r = Q / Qop
    std::optional<double> speed; // n·r, rpm; nothing without a catalogue speed
    // Shaft power at the duty r³·N(Qop), kW, and what follows from it; nothing without a power curve.
    std::optional<double> power;
    std::optional<double> efficiency; // Q·P / (3.6·10⁶·power), a fraction
    std::optional<double> sfp; // power / (Q/3600), kW/(m³/s)
    std::optional<int> sfpClass; // EN 16798-3, 1 … 7
};

struct SpeedControlledOutcome {
    enum class Status { Listed, NoSeriesTicked, NothingKept };

    Status status = Status::Listed;
    double flow = 0; // the duty, m³/h and Pa
    double pressure = 0;
    double k = 0; // the system curve p = k·Q²
    std::vector<SpeedControlledFan> fans; // ranked, at most maxSpeedControlledFans
    QStringList messages; // what the user is told when no fan is kept
};

// The fans of the catalogue that pass the request's filters and meet its duty at no less than
// minSpeedPercent of their catalogue speed, lowest power at the duty first (equal powers in catalogue
// order, fans without a power curve last), the best maxSpeedControlledFans of them. The request's search
// range is not used. The catalogue must outlive the outcome.
SpeedControlledOutcome selectSpeedControlled(
    const std::vector<FanRecord>& catalogue, const SelectionRequest& request, int minSpeedPercent);

// The same on the general-ventilation catalogue of the store (read once and cached by the store layer),
// which the run keeps for the outcome. Throws CatalogueError when the store fails.
struct SpeedControlledRun {
    FanCatalogue::Records catalogue;
    SpeedControlledOutcome outcome;
};
SpeedControlledRun runSpeedControlledSelection(const SelectionRequest& request, int minSpeedPercent);

// Where the curve meets the system curve p = k·Q² within its tabulated flows, last point included;
// nothing when the curve starts below the system curve or is still above it at its last point.
std::optional<double> fullSpeedCrossing(const FanCurve& curve, double k);

// The fan at the duty (flow Q, pressure P) by the fan laws, or nothing when it is not kept: no crossing,
// a crossing below Q, or a speed below the minimum.
std::optional<SpeedControlledFan> speedControlledFan(
    const FanRecord& record, const FanCurve& curve, double flow, double pressure, int minSpeedPercent);

// The class of a specific fan power (kW per m³/s) by EN 16798-3: 1 up to 0.5, … 6 up to 4.5, 7 above.
int sfpClassOf(double sfp);

// The fan's curve at its duty speed: the catalogue curve scaled by the fan laws (flows by r, pressures by
// r²) and drawn along its tabulated flows, so that it passes through the duty point.
std::vector<QPointF> dutySpeedCurve(const SpeedControlledFan& fan);
// The same drawing of the catalogue curve at full speed.
std::vector<QPointF> fullSpeedCurve(const SpeedControlledFan& fan);

} // namespace fans
