#pragma once

#include "unit/CoolerSelection.h"
#include "unit/ElementLines.h"
#include "unit/ElementStore.h"
#include "unit/HeaterSelection.h"
#include "unit/UnitProjectFile.h"
#include "unit/WorkingTables.h"

#include <array>
#include <optional>
#include <vector>

// The calculation of an assembled unit: its heater variants and cooler, the section they give, the elements
// offered for that section and the totals of the ticked ones. The window runs it step by step as the user
// acts; a project runs it whole.
namespace unit {

// 0 no heating or cooling, 1 heater and cooler, 2 heater, 3 cooler.
enum class UnitKind { Plain = 0, HeaterAndCooler = 1, Heater = 2, Cooler = 3 };
inline bool hasHeater(UnitKind kind)
{
    return kind == UnitKind::HeaterAndCooler || kind == UnitKind::Heater;
}
inline bool hasCooler(UnitKind kind)
{
    return kind == UnitKind::HeaterAndCooler || kind == UnitKind::Cooler;
}

// The largest free pressure the unit's boxes take, Pa.
inline constexpr double largestFreePressure = 10000;

struct UnitInputs {
    UnitKind kind = UnitKind::HeaterAndCooler;
    double freePressure = 0; // Pa
    HeaterInputs heater; // its flow is the unit's air flow G, its Vmax the unit's
    CoolerInputs cooler;
};

// The inputs of the heater-and-cooler page, each with the box that holds it.
enum class UnitField {
    FreePressure,
    MaxSpeed,
    Flow,
    AirIn,
    AirOut,
    WaterIn,
    WaterOut,
    CoolerFlow,
    CoolerAirIn,
    CoolerAirOut,
    Humidity,
    HeaterTypes,
    // The boxes of the page without heating and cooling.
    PlainFlow,
    PlainFreePressure,
    PlainMaxSpeed
};

// The air flow through the unit, m³/h: the cooler's own flow in a cooler-only unit (the only flow its page
// shows), else the flow of the heater page.
double unitAirFlow(const UnitInputs& in);

struct UnitInputProblem {
    UnitField field;
    QString message;
};

// The checks of the heater-and-cooler page, in the window's order; nothing when the inputs can be calculated.
// `anyHeaterType`: whether a heater type is ticked.
std::optional<UnitInputProblem> unitInputProblem(const UnitInputs& in, bool anyHeaterType);

// The heater variants (one per ticked type that has models, in list order, water types first) and the cooler
// sized without a given section. A heater or cooler refused (a result that is not a finite number) refuses
// the whole calculation with its message.
struct UnitVariants {
    std::vector<THeaterVariant> heaters;
    std::optional<CoolerResult> cooler;
    QString refusal;
};
UnitVariants calculateVariants(ElementStore& store, const UnitInputs& in, const QStringList& waterTypes,
    const QStringList& electricTypes, const std::vector<SectionRecord>& sections);

// The section of the unit and the length and loss of its heater and cooler.
struct UnitSection {
    int kanalIndex = 0;
    std::optional<CoolerResult> cooler; // sized for the heater's section when there is a heater
    std::optional<CoolerRecord> coolerRow;
    QString coolerMessage; // why the unit's cooler could not be sized for the heater's section
    double baseLength = 0; // mm: heater and cooler
    double basePressure = 0; // Pa: free pressure, heater and cooler
};
// `heaterColumn` 1 … number of variants: the chosen heater when the unit has one.
UnitSection unitSection(
    ElementStore& store, const UnitInputs& in, const UnitVariants& variants, int heaterColumn);

// The element lists of a section. A heater choice rebuilds them with its own filter wording.
using ElementLists = std::array<QStringList, 5>; // indexed by AccessoryKind
ElementLists elementListsFor(
    ElementStore& store, int kanalIndex, double flow, LineStyle style, bool filterAfterHeaterChoice = false);

// The ticked elements of the lists and the unit's totals.
struct ComposedElement {
    AccessoryKind kind = AccessoryKind::Valve;
    LinePieces pieces;
    AccessoryRecord row;
    double loss = 0; // Pa, one piece
    int count = 1;
};
struct Composition {
    std::vector<ComposedElement> elements;
    QStringList lines; // of the composition grid
    double length = 0; // mm
    double pressure = 0; // Pa
};
// Ticks and piece counts are positions in the lists; counts default to 1.
struct ElementTicks {
    std::array<std::vector<int>, 5> ticked;
    std::array<std::vector<int>, 5> counts;
    int countAt(AccessoryKind kind, int position) const;
};
Composition composeUnit(ElementStore& store, int kanalIndex, double flow, const ElementLists& lists,
    const ElementTicks& ticks, double baseLength, double basePressure);

// The section grid of a unit without heating and cooling: the air speed in every section and its verdict.
struct SectionSpeed {
    int kanalIndex = 0;
    QString size; // "600*300 мм"
    double speed = 0; // m/s
    QString verdict; // "рекомендуемо", "приемлемо", "нежелательно"
};
std::vector<SectionSpeed> sectionSpeeds(const std::vector<SectionRecord>& sections, double flow);
QString speedVerdict(double speed);
// The first section whose speed is at most maxSpeed, or nothing.
std::optional<int> sectionForSpeed(const std::vector<SectionRecord>& sections, double flow, double maxSpeed);

// A whole unit as a loaded project gives it: variants, the chosen heater, lists and composition.
struct UnitRun {
    UnitVariants variants;
    int heaterColumn = 0; // 0 without heater
    UnitSection section;
    QString sectionText; // Sechenie, "" without a section
    ElementLists lists;
    Composition composition;
};
// The message of the chosen heater when its output falls short of the duty; empty otherwise.
QString chosenHeaterShortfall(const UnitRun& run, QChar decimalSeparator);

// A unit of kind 0 takes the first section that passes the air at the highest speed, else the first one.
// A refused calculation (variants.refusal) ends after the variants. The heater is the variant of
// heaterColumn while there is one, else the first (chosenHeaterColumn).
UnitRun calculateUnit(ElementStore& store, const UnitInputs& in, const QStringList& waterTypes,
    const QStringList& electricTypes, int heaterColumn, const ElementTicks& ticks);

// The heater column a calculation keeps: `wanted` while it names a variant, else the first; 0 for a unit
// without a heater or without variants.
int chosenHeaterColumn(const UnitInputs& in, const UnitVariants& variants, int wanted);

// Another heater chosen among the variants of a calculated unit: its section (with the cooler of that
// section) and that section's lists; the lists stay as they are while the section stays, so that their
// ticks keep their meaning. The composition is left to be made again. Nothing for a column that names no
// variant or a unit without a heater.
std::optional<UnitRun> withHeater(ElementStore& store, const UnitInputs& in, const UnitRun& run, int column);

// A unit calculated on the page without heating and cooling: the section chosen there, no heater or cooler,
// the free pressure and the elements of that section at the unit's flow.
UnitRun calculatePlainUnit(
    ElementStore& store, const UnitInputs& in, int kanalIndex, const ElementTicks& ticks);

// The rows handed to the unit's fan selection: heater, cooler and its condensing unit, then the ticked
// elements in list order.
std::vector<UnitElementRow> unitElementRows(ElementStore& store, const UnitRun& run, const UnitInputs& in);

} // namespace unit
