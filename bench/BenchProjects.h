#pragma once

#include "pressurization/SupplyProject.h"
#include "sections/SectionTable.h"
#include "smoke/SmokeForm.h"

// The calculations the benchmarks run: a corridor smoke exhaust through four shaft sections, and the
// pressurization zone scheme (three fans, four duct sections each).
namespace bench {

inline smoke::SmokeProject corridorSmokeProject()
{
    smoke::SmokeProject p = smoke::defaultSmokeProject();
    p.residential = false;
    p.otherBuilding = true;
    p.doorHeight = QStringLiteral("2.1");
    p.doorWidth = QStringLiteral("1.2");
    p.fanType = 1;
    QList<sections::SectionRow> rows;
    for (int i = 0; i < 4; ++i)
        rows.append({QString(), QStringLiteral("0.8"), QStringLiteral("12"), QStringLiteral("0.38"),
            QStringLiteral("Бетон"), QStringLiteral("1.7"), QStringLiteral("1"), QStringLiteral("1"),
            QStringLiteral("1")});
    p.sections.setRows(rows);
    return p;
}

inline pressurization::SupplyProject zoneSupplyProject()
{
    pressurization::SupplyProject p;
    p.schemeShaft = false;
    p.schemeZones = true;
    p.floors = QStringLiteral("24");
    p.zoneFloors = QStringLiteral("10");
    QList<sections::SectionRow> rows;
    for (int i = 0; i < 4; ++i)
        rows.append({QString(), QStringLiteral("0.8"), QStringLiteral("12"), QStringLiteral("0.38"),
            QStringLiteral("Металл"), QStringLiteral("1"), QStringLiteral("3"), QStringLiteral("1"),
            QStringLiteral("1")});
    for (auto& table : p.sections)
        table.setRows(rows);
    return p;
}

} // namespace bench
