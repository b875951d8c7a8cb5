#pragma once

#include "unit/ElementRecords.h"

#include <QString>
#include <QStringList>
#include <vector>

// The lines of the element lists of the unit window and of its composition, and the way back from a line to
// its catalogue row.
namespace unit {

// The two wordings of the list lines: after a heater-and-cooler calculation, and for a unit without them.
enum class LineStyle { HeaterPath, PlainPath };

// One list line of a catalogue row, its loss at `flow` rounded to whole pascals (halves to even);
// connectors carry no loss. `filterAfterHeaterChoice` drops the blank after "/сопр.", as the filter list
// rebuilt by a heater choice always wrote it.
QString elementLine(const AccessoryRecord& row, AccessoryKind kind, double flow, LineStyle style,
    bool filterAfterHeaterChoice = false);
// The lines of rows in their order, a line equal to an earlier one left out.
QStringList elementLines(const std::vector<AccessoryRecord>& rows, AccessoryKind kind, double flow,
    LineStyle style, bool filterAfterHeaterChoice = false);

// Type and model of a line, untrimmed: the line cut to 60 characters, the type before the first " - ", the
// model between it and the first " /" after it.
struct LinePieces {
    QString tip;
    QString model;
};
LinePieces splitElementLine(const QString& line);

// The line of one ticked element in the composition: one piece's length and loss, the count for silencers
// and connectors.
QString compositionLine(AccessoryKind kind, const LinePieces& pieces, double length, double loss, int count);

// The element kind of a list as the working table names it ("Клапан", "Фильтр", ...).
QString elementKindName(AccessoryKind kind);

// Whether a list's elements come in counted pieces.
inline bool isCounted(AccessoryKind kind)
{
    return kind == AccessoryKind::Silencer || kind == AccessoryKind::Connector;
}

// A length as the catalogue renders the number: 150, 152.5.
QString lengthText(double millimetres);

} // namespace unit
