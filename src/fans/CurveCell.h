#pragma once

#include <cmath>
#include <limits>

// One curve column of a catalogue record: a plain double that is NaN while the column is empty. A
// catalogue holds 80 of them per fan and large catalogues hold 100 000 fans, so a value carries no flag
// of its own; it is read and tested as std::optional<double> is (has_value, *, value_or, reset), which
// is what the code did with it before. A NaN put into it makes it empty, as the store reads a NaN.
class CurveCell {
public:
    constexpr CurveCell() = default;
    constexpr CurveCell(double value) // implicit: a column is assigned like a number
        : m_value(value)
    {
    }

    bool has_value() const { return !std::isnan(m_value); }
    explicit operator bool() const { return has_value(); }
    double& operator*() { return m_value; }
    double operator*() const { return m_value; }
    double value_or(double fallback) const { return has_value() ? m_value : fallback; }
    void reset() { m_value = empty; }

    // Two empty cells are equal, an empty one equals no number.
    friend bool operator==(const CurveCell& a, const CurveCell& b)
    {
        return a.has_value() == b.has_value() && (!a.has_value() || a.m_value == b.m_value);
    }

private:
    static constexpr double empty = std::numeric_limits<double>::quiet_NaN();
    double m_value = empty;
};
