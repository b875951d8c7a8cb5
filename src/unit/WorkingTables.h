#pragma once

#include <QSqlDatabase>
#include <QString>
#include <vector>

// The working tables of a composed unit, created anew in the working database of the process: Elements
// (the unit handed to its fan selection) and RepRrSst (the order of the arrangement scheme).
namespace unit {

// One element of the composed unit as the working tables keep it.
struct UnitElementRow {
    QString name; // kind: "Теплообменник", "Охладитель", "ККБ", "Клапан", "Фильтр", "Глушитель", "Жалюзи",
                  // "Мягкая вставка"; "Вентилятор" in the arrangement order only
    QString tip;
    QString model;
    double loss = 0; // Pa, one piece
    double length = 0; // mm, one piece
    QString section; // Sechenie of the unit
    qint64 price = 0; // one piece
    int count = 1;
};

// Default arrangement positions, ascending from upstream to downstream.
int elementPosition(const QString& name, const QString& tip);
int reportPosition(const QString& name, const QString& tip);

QString elementsTableName(); // "elements"
QString reportOrderTableName(); // "reprrsst"

// Replaces Elements by the rows in this order, each with its default position. Throws CatalogueError.
void writeElementsTable(const QSqlDatabase& db, const std::vector<UnitElementRow>& rows);
// Replaces RepRrSst by the rows in this order, lengths and counts as texts, each with its report position.
void writeReportOrderTable(const QSqlDatabase& db, const std::vector<UnitElementRow>& rows);

} // namespace unit
