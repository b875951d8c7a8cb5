#pragma once

#include "unit/ElementRecords.h"

#include <QString>
#include <functional>
#include <optional>
#include <vector>

// Choosing, for one heater type, the catalogue model that fits the duct and covers the heating duty.
namespace unit {

struct HeaterInputs {
    double flow = 3500; // G, m³/h
    double airIn = -26; // t1, °C
    double airOut = 21; // t2, °C
    double waterIn = 80; // tj1, °C
    double waterOut = 40; // tj2, °C
    double maxSpeed = 4; // Vmax, m/s
    std::optional<double> coolerArea; // S of the unit's cooler, m², when the unit has one
};

// The result of one heater type: one column of the heater variants.
struct THeaterVariant {
    QString tip; // at most 20 characters
    QString model; // at most 25 characters
    int kanalIndex = 0;
    int kolich = 1;
    double waterFlow = 0; // kg/h; 0 for an electric heater
    double airOutlet = 0; // °C
    double waterOutlet = 0; // °C; 0 for an electric heater
    double airLoss = 0; // Pa
    double waterLoss = 0; // kPa; 0 for an electric heater
    double heatOutput = 0; // kW
    double length = 0; // mm
    qint64 price = 0; // roubles
    double requiredOutput = 0; // kW, the heating duty (t2 − t1) of the air the model was chosen for
    bool coversDuty = true; // its output meets the duty (within the tolerance of the selection)
};

struct HeaterChoice {
    THeaterVariant variant;
    bool found = false; // a model met the section and duty; otherwise the type's last model stands in
    std::optional<double> kA; // kW/K of the chosen water heater
    double requiredArea = 0; // m², the narrowest section the heater may have
};

struct HeaterOutcome {
    std::optional<HeaterChoice> choice; // nothing: refused (message) or a type without models
    QString message;
};

// The area of a section index (m²), 0 for an index the catalogue does not hold.
using SectionArea = std::function<double(int kanalIndex)>;

// Tolerance of the transfer check: a model whose kA falls short of the required one by no more than this
// (kW/K) still covers the duty.
inline constexpr double transferTolerance = 0.001;

// The highest air speed the unit's boxes take, m/s.
inline constexpr double largestAirSpeed = 15;

// The narrowest heater section, G/3600/Vmax, never narrower than the unit's cooler.
double requiredHeaterArea(const HeaterInputs& in);

// Checks of the inputs that the formulas and boxes provide for, with the window's messages; empty when
// they hold.
QString waterHeaterInputProblem(const HeaterInputs& in);
QString electricHeaterInputProblem(const HeaterInputs& in);

// Candidates are the models of one type ordered by section index and model. The water heater gives at
// most what its smaller capacity rate can take up across the whole temperature difference,
// min(f, c)·(tj1 − t1): the air never leaves warmer than the water enters, the water never leaves colder
// than the air enters. A result that is not a finite number is refused.
HeaterOutcome selectWaterHeater(
    const HeaterInputs& in, const std::vector<HeaterRecord>& candidates, const SectionArea& sectionArea);
HeaterOutcome selectElectricHeater(
    const HeaterInputs& in, const std::vector<HeaterRecord>& candidates, const SectionArea& sectionArea);

// The message of a chosen heater whose output falls short of its duty; empty when it covers the duty.
QString heaterShortfallMessage(const THeaterVariant& heater, QChar decimalSeparator);

} // namespace unit
