#pragma once

#include "unit/CoolerSelection.h"
#include "unit/HeaterSelection.h"
#include "unit/UnitCalculation.h"

#include <QString>
#include <QStringList>
#include <utility>
#include <vector>

// The texts the unit composition window shows: the section grid, the heater variants and the cooler, the
// totals and the captions that follow the unit's kind.
namespace unit {

// "3,241 м/c" (the c is Latin): the air speed in a section, 4 significant digits.
QString sectionSpeedText(double speed, QChar decimalSeparator);

// The eleven row titles of the heater grid (column 0) and one variant's column.
QStringList heaterRowTitles();
// `flow` the unit's air flow, `sectionText` the Sechenie of the variant's section. Water rows stay empty
// for an electric heater.
QStringList heaterColumnTexts(
    const THeaterVariant& variant, double flow, const QString& sectionText, QChar decimalSeparator);

// The eight rows of the cooler grid: title and value.
std::vector<std::pair<QString, QString>> coolerGridRows(const CoolerResult& cooler, QChar decimalSeparator);

// "1250 мм", "412 Па": totals rounded to whole units, halves to even.
QString lengthTotalText(double millimetres);
QString pressureTotalText(double pascals);

// The caption of the heater-and-cooler page and the kind label beside the totals.
QString inputPageCaption(UnitKind kind);
QString kindTotalsLabel(UnitKind kind);

} // namespace unit
