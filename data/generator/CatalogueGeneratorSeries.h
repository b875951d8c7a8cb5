#pragma once

#include "generator/CatalogueGenerator.h"

#include <QString>
#include <vector>

// The series of the bundled fan catalogue: what each series is, its sizes, speeds and motors.
namespace fans::generated {

// How the casing is built: decides length, mass and price of a size.
enum class Build { RoundDuct, Box, Roof, AxialCasing, Scroll, Wall };

struct Size {
    int d; // impeller, mm
    int a; // duct connection, mm (0: none)
    int b;
};

struct SeriesDef {
    QString code; // the first word: what designations and photo names show
    QString tail; // the rest of the name
    ImpellerKind kind;
    Build build;
    bool smoke = false; // a series of the smoke-exhaust table
    bool krugl = false;
    bool krysh = false;
    bool podpor = false;
    bool davlen = true; // pressure points are total pressure
    bool autoName = true;
    bool electricalPower = false; // powers are the motor input
    int points = 10; // curve points of every fan
    std::vector<Size> sizes;
    std::vector<int> poles;
    int singlePhaseMaxD = 0; // sizes up to this get single-phase motors at 2 and 4 poles
    int bothPhasesMaxD = 0; // ... and up to this also a three-phase variant
    double etaScale = 1.0; // casing and leakage losses of this build
    double phiScale = 1.0; // impeller width and blade angle of the series against its kind
    double psiScale = 1.0;
    double uMin = 10, uMax = 60; // sensible tip speeds, m/s
    double maxMotorKw = 45;
    double casingAttenuation = 10; // dB(A) less through the casing than at the inlet
    double priceFactor = 1.0;
    double massFactor = 1.0;
    int stoikostMinD = 0; // smoke fans from this size are rated for 600 °C (0: none)
};

std::vector<SeriesDef> generalSeries();
std::vector<SeriesDef> smokeSeries();

} // namespace fans::generated
