#pragma once

#include "calcreport/CalculationReport.h"
#include "sections/SectionRecord.h"
#include "sections/SectionTable.h"

#include <QChar>
#include <QStringList>

// The page step of a section table: checks the table, turns its rows into section records and writes
// the report lines of the sections.
namespace sections {

struct SectionTableStep {
    bool ok = false;
    SectionRecords records;
    calcreport::InputLines lines;
    QStringList messages; // shown one after another
    bool focusTable = false; // the table receives the focus
};

SectionTableStep readSectionTable(const SectionTable& table, QChar decimalSeparator);

} // namespace sections
