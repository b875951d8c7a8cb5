#pragma once

#include "common/AtomicSave.h"
#include "common/ProjectFile.h"

#include <QByteArray>
#include <QChar>
#include <QString>
#include <QStringList>
#include <optional>
#include <vector>

// The project file of the unit composition window (*.pritochprj): one fixed record of 3036 bytes with the
// inputs as typed (numbers with a separator-independent decimal mark) and the ticked positions of the lists,
// followed by a block with the rest of what the window shows: the piece counts of the silencer and connector
// lists and the section of a calculation from the page without heating and cooling. The block came later: a
// reader of the record alone never looks past it, and a file without the block loads as before. The unit's
// kind and calculated values are not stored: a project loads into a window of any kind, which repeats the
// calculation.
//
// The block: the four bytes "PRT1"; for the silencer list and then the connector list an int32 n
// (0 … maxStoredCounts) and n int32 counts (1 … 10), one per list position from 0; an int32 section
// (KanalIndex) of a calculation from the page without heating and cooling, 0 for one from the heater-and-
// cooler page; that page's highest air speed as a number text of 16 characters (InputVmax_without).
namespace unit {

inline constexpr int unitProjectRecordSize = 3036;
inline constexpr int maxStoredCounts = 1000;
inline constexpr int largestPieceCount = 10;

// What the window shows beyond the record.
struct UnitWindowState {
    // Piece counts by list position, as the quantity dialog sets them.
    std::vector<int> silencers;
    std::vector<int> connectors;
    // The section chosen on the page without heating and cooling when the last calculation came from it;
    // 0 when it came from the heater-and-cooler page.
    qint32 plainSection = 0;
    QString plainMaxSpeed; // box text of InputVmax_without

    bool operator==(const UnitWindowState&) const = default;
};

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
    std::optional<UnitWindowState> windowState; // nothing in a file written before the counts were kept

    bool operator==(const UnitProject&) const = default;
};

// The project of a new window: the boxes' defaults, every heater type unticked, nothing else ticked.
UnitProject defaultUnitProject();

// `decimalSeparator` is the separator of the box texts (the system separator in the window).
QByteArray encodeUnitProject(const UnitProject& project, QChar decimalSeparator);
// The record of the bytes and the block of piece counts when one follows it; nothing when they are shorter
// than a record, the record is malformed or a block of counts is damaged. Other bytes after the record are
// ignored, as they always were.
std::optional<UnitProject> decodeUnitProject(const QByteArray& bytes, QChar decimalSeparator);

// "0;2;5;" from the positions, and back: the numbers between the separators of list reading, in order,
// each once; anything that is not a position is skipped.
QString tickPositionsText(const std::vector<int>& positions);
std::vector<int> tickPositions(const QString& text);

// Loaded and saved through loadProjectFile and saveProjectFile.
const ProjectFileKind<UnitProject>& unitProjectFile();

// The kind's texts and its loading and saving as the unit window calls them until it takes the kind.
QString unitProjectOpenTitle();
QString unitProjectSaveTitle();
QString unitProjectFilter();
QString unitProjectSuffix();

using UnitProjectLoad = ProjectLoad<UnitProject>;
UnitProjectLoad loadUnitProject(const QString& path, QChar decimalSeparator);

// Writes the project atomically: the previous file stays intact when writing fails.
SaveOutcome saveUnitProject(const QString& path, const UnitProject& project, QChar decimalSeparator);

} // namespace unit
