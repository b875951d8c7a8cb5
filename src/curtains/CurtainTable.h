#pragma once

#include "curtains/CurtainCalc.h"

#include <QString>
#include <utility>
#include <vector>

// The texts of a curtain's results: the rows of the results grid and the lines of the printed form.
namespace curtains {

struct TextLine {
    QString caption;
    QString value;
    bool operator==(const TextLine&) const = default;
};

// Results grid: 8 rows (ОРК), 9 (ТЕМ) or 10 (ПЛН).
std::vector<TextLine> curtainResultRows(const CurtainRun& run, QChar decimalSeparator);

// "Боковая одностоечная", "Боковая двухстоечная" or " Верхняя".
QString curtainPlacementText(const CurtainInputs& in);

// Heater lines of ОРК and ТЕМ (heat output or electric power, water or steam flow, water pressure drop), with
// "2*" in front for the two units of a two-post curtain; " - " where a heater has no such value.
struct HeaterTexts {
    QString output;
    QString waterFlow;
    QString waterLoss;
};
HeaterTexts curtainHeaterTexts(const CurtainRun& run, QChar decimalSeparator);

// The lines of the printed form of ОРК and ТЕМ in their order, for the given project name.
std::vector<TextLine> curtainReportLines(
    const CurtainRun& run, const QString& projectName, QChar decimalSeparator);

// ПЛН: the lines above the block table, and one column per block kind in use (А first).
std::vector<TextLine> plnReportLines(
    const CurtainRun& run, const QString& projectName, QChar decimalSeparator);
struct PlnBlockColumn {
    std::vector<QString> cells; // name, section, length, flow, motor, noise, mass, price, three heater cells
};
std::vector<QString> plnBlockCaptions(const CurtainRun& run);
std::vector<PlnBlockColumn> plnBlockColumns(const CurtainRun& run, QChar decimalSeparator);

} // namespace curtains
