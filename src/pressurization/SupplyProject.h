#pragma once

#include "sections/SectionTable.h"

#include <QString>
#include <array>

// The inputs of the pressurization calculation window as the user left them: the box texts as typed,
// the choices and the three supply-duct section tables. The defaults are those of a new window. This
// is what the project file holds and what the page steps read.
namespace pressurization {

inline constexpr int supplyFanLimit = 3;

struct SupplyProject {
    // Page 1
    QString projectName; // Input_ProjectName
    QString outdoorTemperature = QStringLiteral("15"); // Input_tn, tн
    QString windSpeed = QStringLiteral("2"); // Input_V
    QString floors = QStringLiteral("10"); // Input_N
    QString storeyHeight = QStringLiteral("3"); // Input_h
    QString doors = QStringLiteral("4"); // Input_nn, n
    QString leafWidth = QStringLiteral("1"); // Input_b
    QString lifts = QStringLiteral("2"); // Input_m
    QString entranceArea = QStringLiteral("1"); // Input_A
    QString smokeFlow = QStringLiteral("5000"); // Input_G, Gд
    qint32 tambour = 0; // RB_Tambur: 0 " - Прямой", 1 " - Другой"
    // Page 2
    bool schemeShaft = true; // RB_Vozduh_SH
    bool schemeJoint = false; // RB_Vozduh_L
    bool schemeSeparate = false; // RB_Vozduh_L1
    bool schemeZones = false; // RB_Vozduh_L2
    QString zoneFloors = QStringLiteral("4"); // Input_Nz, Nз
    // Pages 3 to 5: StringGrid_Ychastki, StringGrid_Ychastki_2, StringGrid_Ychastki_3
    std::array<sections::SectionTable, supplyFanLimit> sections;

    bool operator==(const SupplyProject&) const = default;
};

} // namespace pressurization
