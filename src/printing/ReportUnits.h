#pragma once

#include <QFont>
#include <QRectF>
#include <QString>

// Prepared pages are drawn in hundredths of a millimetre from the top-left corner of the paper, so that a
// page looks the same on the screen, on paper and in a PDF whatever the device resolution.
namespace report {

inline constexpr double kUnitsPerMm = 100.0;

inline constexpr double toUnits(double mm)
{
    return mm * kUnitsPerMm;
}

inline QRectF toUnits(const QRectF& mm)
{
    return {toUnits(mm.x()), toUnits(mm.y()), toUnits(mm.width()), toUnits(mm.height())};
}

// Fonts of printed pages carry pixel sizes in page units: a pixel size does not depend on the resolution
// of the device the page is played on, a point size would.
QFont reportFont(double pointSize, bool bold = false, const QString& family = QStringLiteral("Arial"));

} // namespace report
