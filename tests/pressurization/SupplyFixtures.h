#pragma once

#include "pressurization/SupplyProject.h"
#include "sections/SectionRecord.h"
#include "sections/SectionTable.h"

// A straight metal duct of diameter 0.5 m and length 10 m: 6.04 Pa at 3600 m³/h with the flow taken
// once.
inline Ychastok_record straightDuct()
{
    Ychastok_record s;
    s.length = 10;
    s.area = 0.5; // the diameter, for a straight section
    s.roughness = 1;
    s.material = QStringLiteral("Металл");
    return s;
}

inline sections::SectionTable straightDuctTable()
{
    sections::SectionEntry entry;
    entry.area = 0.5;
    entry.length = 10;
    entry.material = QStringLiteral("Металл");
    entry.roughness = 1;
    sections::SectionTable table;
    table.setRows({sections::sectionRowCells(entry, QLatin1Char('.'))});
    return table;
}

// A project whose three tables each hold the straight duct.
inline pressurization::SupplyProject projectWithDucts()
{
    pressurization::SupplyProject p;
    for (auto& table : p.sections)
        table = straightDuctTable();
    return p;
}
