#pragma once

#include <QString>
#include <cmath>
#include <optional>

// Every calculation ends by checking that what it shows or hands on is a finite number: inputs far
// outside what a method is made for can overflow (inf) or lose their meaning (nan) on the way, and such a
// result is refused with finiteResultMessage(), never shown.

inline bool isFiniteResult(double value)
{
    return std::isfinite(value);
}
// A value the calculation does not give is no fault.
inline bool isFiniteResult(const std::optional<double>& value)
{
    return !value || std::isfinite(*value);
}

template <typename... Values> bool allFinite(const Values&... values)
{
    return (isFiniteResult(values) && ...);
}

inline QString finiteResultMessage()
{
    return QStringLiteral(
        "Результат расчета выходит за пределы допустимых значений?! Уточните исходные данные.");
}
