#pragma once

#include <QPointF>
#include <QString>
#include <optional>
#include <vector>

// The path of a curtain's jet across the open gate: its axis and both boundaries, in mm, with the
// temperature on the axis along the way. Coordinates: X across the gate from the slot, Y the drift of
// the jet into the building.
namespace curtains {

struct JetInputs {
    bool side = true;
    bool onePost = true;
    double B = 0; // gate width, m
    double H = 0; // gate height, m
    double slot = 0; // slot width b, m
    double slotLength = 0; // length of the slot, m: H (side), B (top) or the assembled length
    double flow = 0; // air flow of the curtain (of one unit of a two-post curtain), m³/h
    double gateVelocity = 0; // Vпр, m/s
    double tv = 0; // °C
    double tn = 0; // °C
    double dt = 0; // heater rise taken into the axis temperature, K
    double direction = 0; // jet direction α, radians
};

enum class JetMarkKind { InnerBoundary, OuterBoundary, Temperature };

struct JetMark {
    JetMarkKind kind;
    QPointF point; // mm
    QString text;
};

struct JetPath {
    std::vector<QPointF> axis; // mm
    std::vector<QPointF> outer; // outer boundary, mm
    std::vector<QPointF> inner; // inner boundary, mm
    std::vector<JetMark> marks;
    double outletVelocity = 0; // u0 at the slot, m/s
    double decay = 0; // velocity decay factor D at the end of the path
    double endTemperature = 0; // axis temperature at the end of the path, °C

    // Mean velocity at the end of the path, 0.64·u0/D, m/s.
    double meanVelocity() const { return 0.64 * outletVelocity / decay; }
};

// Bound on the points of a path; a sound jet crosses the gate in about forty.
inline constexpr int maxJetPoints = 10000;

// The path in forty steps across the length the jet has to cover; nothing when the inputs give no
// path (no air through the slot, or a jet that does not reach the far side within maxJetPoints).
std::optional<JetPath> jetTrajectory(const JetInputs& in);

// Titles of the chart's axes.
QString jetBottomAxisTitle(bool side);
QString jetLeftAxisTitle();

} // namespace curtains
