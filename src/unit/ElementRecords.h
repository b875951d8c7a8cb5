#pragma once

#include <QString>
#include <QtGlobal>

// Rows of the element catalogue of assembled ventilation units (alias Pritoshka). Lengths in mm, prices in
// whole roubles, air flow G in m³/h, losses in Pa unless stated. Every element is keyed by the duct section
// index (KanalIndex), the NUM of a PryamotKanal row.
namespace unit {

// One standard rectangular duct section (PryamotKanal).
struct SectionRecord {
    int num = 0; // section index: the position of the row in stored order, 1, 2, ...
    int a = 0; // width, mm
    int b = 0; // height, mm
    QString text; // Sechenie, "A*B" as the fan catalogue writes duct sizes

    double area() const { return a * b * 1e-6; } // m²
};

// The accessory tables, which share one layout.
enum class AccessoryKind { Valve, Filter, Silencer, Louvre, Connector };
inline constexpr AccessoryKind accessoryKinds[] = {AccessoryKind::Valve, AccessoryKind::Filter,
    AccessoryKind::Silencer, AccessoryKind::Louvre, AccessoryKind::Connector};

// One row of Klapana, Filter_s, Glush, Reshetki or Vstavki.
struct AccessoryRecord {
    int kanalIndex = 0;
    QString tip;
    QString model;
    double length = 0; // Dlina, mm
    double exponent = 0; // n
    double coefficient = 0; // B
    qint64 price = 0; // Stoimost

    // Pressure loss of one piece, B·Gⁿ Pa (G not scaled). Flexible connectors have none.
    double loss(double flow) const;
};

enum class HeaterKind { Water, Electric };

// One row of Teploob (water heaters) or TeplElektr (electric heaters).
struct HeaterRecord {
    int num = 0;
    QString tip;
    int kanalIndex = 0;
    QString model;
    double length = 0; // Dlina, mm
    qint64 price = 0; // Stoimost
    double exponent = 0; // n
    double coefficient = 0; // B: air-side loss B·(G/1000)ⁿ Pa
    double power = 0; // Moshnost, kW (electric)
    double transferA = 0; // A: kA = (A/1000)·G^M·W^H kW/K (water)
    double transferM = 0; // M
    double transferH = 0; // H
    double waterK = 0; // K: water-side loss C·(W/100)^K kPa (water)
    double waterC = 0; // C

    double airLoss(double flow) const;
};

// One row of HRSA_HRSB: the length and price of a cooler of one series and section.
struct CoolerRecord {
    QString tip; // "ХРСА" or "ХРСБ"
    int kanalIndex = 0;
    double length = 0;
    qint64 price = 0;
};

// One row of KKB.
struct CondensingUnitRecord {
    QString name;
    qint64 price = 0;
    QString dimensions; // A_B_H, shown followed by " мм"
    // Printed with the unit, as number texts; empty when the catalogue does not give them.
    QString power; // Moschnost, kW drawn
    QString coolingPower; // Moschnost_oxl, kW
    QString soundPower; // LdBA, dB(A)
    QString mass; // MASSA, kg
};

// Powers xʸ as the calculations define them, e^(y·ln x), for x > 0; 0 otherwise.
double powerOf(double x, double y);

} // namespace unit
