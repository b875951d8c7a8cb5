#pragma once

#include "smoke/SmokeForm.h"

#include <QString>

// Projects of the smoke-exhaust tests, their box texts written with "." as decimal mark.
namespace smoke {

inline const QChar dot = QLatin1Char('.');

inline sections::SectionRow sectionRow(const QString& area, const QString& length, const QString& coefficient,
    const QString& material, const QString& roughness, const QString& kind,
    const QString& parameter = QStringLiteral("0"))
{
    return {QString(), area, length, coefficient, material, roughness, kind, parameter, QStringLiteral("1")};
}

// The new window's inputs with one metal shaft section of 1 m² and 3 m.
inline SmokeProject residentialProject()
{
    SmokeProject p = defaultSmokeProject();
    p.sections.setRows({sectionRow(QStringLiteral("1"), QStringLiteral("3"), QStringLiteral("0"),
        QStringLiteral("Металл"), QStringLiteral("1"), QStringLiteral("0"))});
    return p;
}

// A corridor of another building, two shaft sections (concrete, then a brick bend) and an outlet duct.
inline SmokeProject corridorProject()
{
    SmokeProject p = defaultSmokeProject();
    p.projectName = QStringLiteral("Корпус Б, этаж 3");
    p.residential = false;
    p.otherBuilding = true;
    p.doorHeight = QStringLiteral("2.1");
    p.doorWidth = QStringLiteral("1.2");
    p.evacuees = QStringLiteral("24");
    p.combustible = 1;
    p.heightDifference = QStringLiteral("3.5");
    p.valvesPerFloor = QStringLiteral("2");
    p.branchLength = QStringLiteral("10.5");
    p.branchArea = QStringLiteral("0.8");
    p.valveName = QStringLiteral("КДМ-2 600х600");
    p.valveArea = QStringLiteral("0.36");
    p.floors = QStringLiteral("12");
    p.shaftEntry = 1;
    p.fanType = 1;
    p.outletDiameter = QStringLiteral("0.9");
    p.outletResistance = QStringLiteral("1.2");
    p.sections.setRows({sectionRow(QStringLiteral("0.78"), QStringLiteral("3"), QStringLiteral("0"),
                            QStringLiteral("Бетон"), QStringLiteral("1.7"), QStringLiteral("0")),
        sectionRow(QStringLiteral("1.2"), QStringLiteral("0"), QStringLiteral("0.38"),
            QStringLiteral("Кирпич"), QStringLiteral("2.1"), QStringLiteral("1"), QStringLiteral("1"))});
    return p;
}

// A room with a smoke reservoir of the given curtain height and fire perimeter.
inline SmokeProject roomProject(const QString& curtainHeight, const QString& firePerimeter)
{
    SmokeProject p = residentialProject();
    p.residential = false;
    p.otherBuilding = true;
    p.corridor = false;
    p.room = true;
    p.curtainHeight = curtainHeight;
    p.firePerimeter = firePerimeter;
    return p;
}

inline SmokeProject withSectionCell(SmokeProject p, int row, int column, const QString& text)
{
    QList<sections::SectionRow> rows = p.sections.rows();
    rows[row][column] = text;
    p.sections.setRows(rows);
    return p;
}

} // namespace smoke
