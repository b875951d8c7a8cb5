#pragma once

#include <QString>
#include <optional>

// The cooler's own table of standard sections and the condensing units chosen by cooling duty.
namespace unit {

struct StandardSection {
    int index = 0; // section index, as KanalIndex of the element catalogue
    double area = 0; // m²
    const char16_t* sizeText = u""; // "40x20": width x height in cm, the x a Latin letter
    double waterCoefficient = 0; // c(S): water-side loss of the water cooler (W/1000)²·c kPa
};

// Areas match a row when they differ by less than this.
inline constexpr double sectionAreaTolerance = 0.001;

// The row of a section index, or nothing for an index the table does not hold.
std::optional<StandardSection> standardSection(int index);
// The row whose area matches, or nothing.
std::optional<StandardSection> standardSectionOfArea(double area);
// The area a cooler needs without a given section: the smallest standard area from 0.08 to 0.40 m² that
// holds `minimumArea`, else 0.50 (0.45 m² is never chosen by itself).
double coolerAreaFor(double minimumArea);

// The condensing unit for a cooling duty in kW: "KKB-001" up to 3.7 kW inclusive ... "KKB-011" above 40.
QString condensingUnitFor(double duty);

} // namespace unit
