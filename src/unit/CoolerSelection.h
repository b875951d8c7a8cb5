#pragma once

#include <QString>
#include <optional>

// Sizing the air cooler of an assembled unit by engineering formulas (its duty and losses are not catalogue
// data) and the condensing unit that goes with it.
namespace unit {

enum class CoolerSeries { Water = 0, Freon = 1 }; // item index of the series choice

struct CoolerInputs {
    double flow = 3500; // Gc, m³/h
    double airIn = 35; // tc1, °C
    double airOut = 18; // tc2, °C
    double humidity = 80; // φ, %
    CoolerSeries series = CoolerSeries::Freon;
};

struct CoolerResult {
    QString type; // "ХРСА" or "ХРСБ"
    double area = 0; // S, m²
    int section = 0; // section index
    QString sizeText; // "80x50"
    QString model; // type + "-" + size text
    QString condensingUnit; // "KKB-011"
    double airSpeed = 0; // m/s
    double sensible = 0; // Qs, kW
    double latent = 0; // Ql, kW
    double total = 0; // Q, kW
    double airLoss = 0; // Pa
    std::optional<double> waterFlow; // l/h, water series only
    std::optional<double> waterLoss; // kPa, water series only
};

struct CoolerOutcome {
    std::optional<CoolerResult> result;
    QString message; // why nothing was sized
};

QString coolerTypeName(CoolerSeries series); // "ХРСА", "ХРСБ"

// A relative humidity the cooler's formulas take: 0 … 100 %.
bool humidityInRange(double humidity);

// The cooler for the inputs, in the section of the given index or, without one, in the smallest standard
// section at which the air passes at no more than 3 m/s. A section index outside the cooler's table,
// inputs that give no duty (flow not above 0, outlet not below inlet), a humidity outside 0 … 100 % and a
// result that is not a finite number are refused with a message.
CoolerOutcome selectCooler(const CoolerInputs& in, std::optional<int> section = std::nullopt);

} // namespace unit
