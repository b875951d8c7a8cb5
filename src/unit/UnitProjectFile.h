#pragma once

#include "common/AtomicSave.h"
#include "common/ProjectLoad.h"

#include <QByteArray>
#include <QChar>
#include <QString>
#include <QStringList>
#include <optional>
#include <vector>

// The project file of the unit composition window (*.pritochprj): one fixed record of 3036 bytes with the
// inputs as typed (numbers with a separator-independent decimal mark) and the ticked positions of the lists.
// The unit's kind and calculated values are not stored: a project loads into a window of any kind, which
// repeats the calculation.
namespace unit {

inline constexpr int unitProjectRecordSize = 3036;

struct UnitProject {
    QString projectName;
    // Box texts: air flow, free pressure, air before and after the heater, highest air speed, water in and
    // out.
    QString flow, freePressure, airIn, airOut, maxSpeed, waterIn, waterOut;
    QString waterHeaterTicks; // "0;2;5;": zero-based ticked positions, each followed by ";"
    QString electricHeaterTicks;
    qint32 heaterColumn = 1; // the chosen column of the heater grid, 1 or more
    QString valveTicks, filterTicks, silencerTicks, louvreTicks, connectorTicks;
    // Box texts of the cooler: air flow, air before and after it, humidity.
    QString coolerFlow, coolerAirIn, coolerAirOut, humidity;
    qint32 coolerSeries = 1; // 0 water, 1 freon

    bool operator==(const UnitProject&) const = default;
};

// The project of a new window: the boxes' defaults, every heater type unticked, nothing else ticked.
UnitProject defaultUnitProject();

// `decimalSeparator` is the separator of the box texts (the system separator in the window).
QByteArray encodeUnitProject(const UnitProject& project, QChar decimalSeparator);
// The first record of the bytes; nothing when they are shorter than a record or malformed.
std::optional<UnitProject> decodeUnitProject(const QByteArray& bytes, QChar decimalSeparator);

// "0;2;5;" from the positions, and back: the numbers between the separators of list reading, in order,
// each once; anything that is not a position is skipped.
QString tickPositionsText(const std::vector<int>& positions);
std::vector<int> tickPositions(const QString& text);

QString unitProjectOpenTitle();
QString unitProjectSaveTitle();
QString unitProjectFilter();
QString unitProjectSuffix();

using UnitProjectLoad = ProjectLoad<UnitProject>;
UnitProjectLoad loadUnitProject(const QString& path, QChar decimalSeparator);

// Writes the project atomically: the previous file stays intact when writing fails.
SaveOutcome saveUnitProject(const QString& path, const UnitProject& project, QChar decimalSeparator);

} // namespace unit
