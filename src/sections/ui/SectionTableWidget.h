#pragma once

#include "sections/SectionTable.h"

#include <QWidget>

class QPushButton;
class QTableWidget;
class SectionDialog;

// A table of sections with its buttons "Добавить", "Изменить" and "Удалить": the grid shows two
// header rows above the data rows, the numbers, areas, lengths, coefficients and materials; the
// roughness, kind, parameter and angle travel in hidden columns. Sections are entered through the
// shared section dialog.
class SectionTableWidget : public QWidget {
    Q_OBJECT
public:
    // `gridName` is the objectName of the grid (StringGrid_Ychastki).
    SectionTableWidget(const QString& gridName, QWidget* parent = nullptr);

    // The dialog that enters sections; until one is set the buttons do nothing.
    void setDialog(SectionDialog* dialog) { m_dialog = dialog; }
    // How the coefficient column is written (rounded to four decimals at start).
    void setCoefficientCells(sections::CoefficientCells cells) { m_coefficientCells = cells; }

    // The two header lines of the area column, for tables where a kind of section holds another size there.
    void setAreaHeader(const QString& top, const QString& bottom);

    const sections::SectionTable& table() const { return m_table; }
    void setTable(const sections::SectionTable& table);

    QTableWidget* grid() const { return m_grid; }
    // The grid row of the first data row.
    static constexpr int firstDataRow = 2;

public Q_SLOTS:
    void addSection();
    void editSection();
    void removeSection();

Q_SIGNALS:
    void tableChanged();

private:
    void showTable();
    int selectedDataRow() const;

    sections::SectionTable m_table;
    QTableWidget* m_grid = nullptr;
    SectionDialog* m_dialog = nullptr;
    sections::CoefficientCells m_coefficientCells = sections::CoefficientCells::FourDecimals;
    QString m_areaHeader[2] = {QStringLiteral("Проходное"), QStringLiteral("сеч-е Fi,м2")};
};
