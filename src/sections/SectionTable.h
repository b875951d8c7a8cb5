#pragma once

#include "sections/Fittings.h"

#include <QChar>
#include <QList>
#include <QString>
#include <array>

// The table of sections as its grid shows it: one row of nine cell texts per section, numbered from
// 1. Columns: 0 number, 1 area Fi, 2 length Li, 3 coefficient Gi, 4 material, 5 roughness Kc, 6 kind of
// fitting, 7 kind parameter, 8 half opening angle. The grid adds two header rows above the data rows.
namespace sections {

inline constexpr int sectionColumnCount = 9;
enum SectionColumn {
    NumberColumn = 0,
    AreaColumn,
    LengthColumn,
    CoefficientColumn,
    MaterialColumn,
    RoughnessColumn,
    KindColumn,
    ParameterColumn,
    HalfAngleColumn
};
using SectionRow = std::array<QString, sectionColumnCount>;

// The values the section dialog hands to the table.
struct SectionEntry {
    double area = 0; // Fi, m²
    double length = 0; // Li, m
    double coefficient = 0; // Gi
    QString material;
    double roughness = 0; // Kc
    // The index of the kind in the dialog's kind choice (FittingKind names those of a shaft).
    FittingKind kind = FittingKind::Straight;
    double parameter = 0; // R or an area ratio
    double halfAngle = 1; // y, degrees
};

// How the coefficient column is written: rounded to four decimals, or as the other numbers.
enum class CoefficientCells { FourDecimals, AsOtherNumbers };

class SectionTable {
public:
    // One empty row numbered "1".
    SectionTable();

    int rowCount() const { return static_cast<int>(m_rows.size()); }
    const SectionRow& row(int index) const { return m_rows[index]; }
    const QList<SectionRow>& rows() const { return m_rows; }

    // Writes the entry into the last row, after appending a row when the last one already holds a
    // section (its cells 1 to 4 are all filled).
    void add(const SectionEntry& entry, QChar decimalSeparator,
        CoefficientCells cells = CoefficientCells::FourDecimals);
    // Whether the row holds something to edit (one of its cells 1 to 4 is filled).
    bool canEdit(int index) const;
    // Rewrites the cells 1 to 8 of the row; its number stays.
    void edit(int index, const SectionEntry& entry, QChar decimalSeparator,
        CoefficientCells cells = CoefficientCells::FourDecimals);
    // Removes the row; the only row left is blanked instead, its number "1" and its first three value
    // cells reading zero.
    void remove(int index, QChar decimalSeparator);

    // Replaces the content: every row's number is its 1-based position. An empty list gives the single
    // empty row.
    void setRows(QList<SectionRow> rows);

    bool operator==(const SectionTable&) const = default;

private:
    QList<SectionRow> m_rows;
};

// The cell texts of an entry: numbers in the general format cut two characters after the mark,
// the coefficient rounded to four decimals, the kind as an integer.
SectionRow sectionRowCells(const SectionEntry& entry, QChar decimalSeparator,
    CoefficientCells cells = CoefficientCells::FourDecimals);
SectionRow emptySectionRow(int number);

} // namespace sections
