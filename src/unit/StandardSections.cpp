#include "unit/StandardSections.h"

#include <array>
#include <cmath>

namespace unit {

namespace {

// Section 9 (900×500) is rarely a cooler by itself, but a heater of that section takes a cooler of it.
constexpr std::array<StandardSection, 9> sections {{
    {2, 0.08, u"40x20", 11.4},
    {3, 0.125, u"50x25", 7.4},
    {4, 0.15, u"50x30", 5.3},
    {5, 0.18, u"60x30", 5.9},
    {6, 0.21, u"60x35", 4.4},
    {7, 0.28, u"70x40", 3.4},
    {8, 0.40, u"80x50", 2.27},
    {9, 0.45, u"90x50", 2.105},
    {10, 0.50, u"100x50", 2.06},
}};

struct DutyBound {
    double upTo; // kW, inclusive
    const char* model;
};

constexpr std::array<DutyBound, 10> condensingUnits {{
    {3.7, "KKB-001"},
    {5.9, "KKB-002"},
    {7.5, "KKB-003"},
    {9.1, "KKB-004"},
    {12.3, "KKB-005"},
    {14.9, "KKB-006"},
    {18.1, "KKB-007"},
    {24.5, "KKB-008"},
    {32, "KKB-009"},
    {40, "KKB-010"},
}};

} // namespace

std::optional<StandardSection> standardSection(int index)
{
    for (const StandardSection& s : sections) {
        if (s.index == index)
            return s;
    }
    return std::nullopt;
}

std::optional<StandardSection> standardSectionOfArea(double area)
{
    for (const StandardSection& s : sections) {
        if (std::abs(area - s.area) < sectionAreaTolerance)
            return s;
    }
    return std::nullopt;
}

double coolerAreaFor(double minimumArea)
{
    for (const StandardSection& s : sections) {
        if (s.index <= 8 && s.area >= minimumArea)
            return s.area;
    }
    return standardSection(10)->area;
}

QString condensingUnitFor(double duty)
{
    for (const DutyBound& bound : condensingUnits) {
        // A duty that rounds to a bound belongs below it, whatever the last bit of the arithmetic.
        if (duty <= bound.upTo + 1e-9)
            return QString::fromLatin1(bound.model);
    }
    return QStringLiteral("KKB-011");
}

} // namespace unit
