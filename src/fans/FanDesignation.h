#pragma once

#include "fans/FanCatalogueKind.h"
#include "fans/FanRecord.h"

#include <QString>

// The texts that name a catalogue fan in lists, tables and reports.
namespace fans {

constexpr int nameLength = 25; // series names and designations
constexpr int manualNameLength = 15; // model codes
constexpr int nyLength = 10; // installed power text

// A series name as the program shows it: cut to 25 characters.
QString cutName(const QString& name);
// The series name before its first blank (the whole name when it has none), as written in result tables.
QString seriesPrefix(const QString& name);

// "X 3,15-4-3": series prefix, D/100 with a decimal comma, poles, phases (3 or 1); or "X CODE" when the
// record's designation is manual. Cut to 25 characters.
QString generalDesignation(const FanRecord& fan);
// "X 8ДУ-4": series prefix, D/100 with a decimal comma, "ДУ-", poles. Cut to 25 characters.
QString smokeDesignation(const FanRecord& fan);
QString designation(const FanRecord& fan, CatalogueKind kind);
// The designation before it is cut to 25 characters (a catalogue check reports what the cut loses).
QString designationBeforeCut(const FanRecord& fan, CatalogueKind kind);

// "315" for a round connection, "500*300" for a rectangular one.
QString ductSizeText(bool krugl, int a, int b);
inline QString ductSizeText(const FanRecord& fan)
{
    return ductSizeText(fan.krugl, fan.a, fan.b);
}

} // namespace fans
