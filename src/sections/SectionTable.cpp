#include "sections/SectionTable.h"

#include "calcreport/ReportNumbers.h"
#include "common/NumberText.h"

using calcreport::cutAfterSeparator;
using calcreport::generalText;

namespace sections {

namespace {

QString cellNumber(double value, QChar separator)
{
    return cutAfterSeparator(generalText(value, 6, separator), separator, 2);
}

QString coefficientCell(double value, QChar separator)
{
    const double rounded = roundHalfEven(value * 10000.0) / 10000.0;
    return cutAfterSeparator(generalText(rounded, 15, separator), separator, 4);
}

} // namespace

SectionRow emptySectionRow(int number)
{
    SectionRow row;
    row[NumberColumn] = QString::number(number);
    return row;
}

SectionRow sectionRowCells(const SectionEntry& e, QChar separator, CoefficientCells cells)
{
    SectionRow row;
    row[AreaColumn] = cellNumber(e.area, separator);
    row[LengthColumn] = cellNumber(e.length, separator);
    row[CoefficientColumn] = cells == CoefficientCells::FourDecimals
        ? coefficientCell(e.coefficient, separator)
        : cellNumber(e.coefficient, separator);
    row[MaterialColumn] = e.material;
    row[RoughnessColumn] = cellNumber(e.roughness, separator);
    row[KindColumn] = QString::number(static_cast<int>(e.kind));
    row[ParameterColumn] = cellNumber(e.parameter, separator);
    row[HalfAngleColumn] = cellNumber(e.halfAngle, separator);
    return row;
}

SectionTable::SectionTable()
    : m_rows {emptySectionRow(1)}
{
}

void SectionTable::add(const SectionEntry& entry, QChar separator, CoefficientCells cells)
{
    const SectionRow& last = m_rows.constLast();
    bool filled = true;
    for (int column = AreaColumn; column <= MaterialColumn; ++column)
        filled = filled && !last[column].trimmed().isEmpty();
    if (filled)
        m_rows.append(SectionRow());
    SectionRow row = sectionRowCells(entry, separator, cells);
    row[NumberColumn] = QString::number(m_rows.size());
    m_rows.last() = row;
}

bool SectionTable::canEdit(int index) const
{
    if (index < 0 || index >= m_rows.size())
        return false;
    for (int column = AreaColumn; column <= MaterialColumn; ++column) {
        if (!m_rows[index][column].trimmed().isEmpty())
            return true;
    }
    return false;
}

void SectionTable::edit(int index, const SectionEntry& entry, QChar separator, CoefficientCells cells)
{
    if (index < 0 || index >= m_rows.size())
        return;
    SectionRow row = sectionRowCells(entry, separator, cells);
    row[NumberColumn] = m_rows[index][NumberColumn];
    m_rows[index] = row;
}

void SectionTable::remove(int index, QChar separator)
{
    if (index < 0 || index >= m_rows.size())
        return;
    if (m_rows.size() == 1) {
        SectionRow row = emptySectionRow(1);
        const QString zero = QLatin1Char('0') + separator + QLatin1String("00");
        row[AreaColumn] = row[LengthColumn] = row[CoefficientColumn] = zero;
        m_rows.first() = row;
        return;
    }
    // The rows below move up; the numbers stay where they are, so they remain consecutive.
    for (qsizetype i = index; i + 1 < m_rows.size(); ++i) {
        for (int column = AreaColumn; column < sectionColumnCount; ++column)
            m_rows[i][column] = m_rows[i + 1][column];
    }
    m_rows.removeLast();
}

void SectionTable::setRows(QList<SectionRow> rows)
{
    m_rows = std::move(rows);
    if (m_rows.isEmpty())
        m_rows.append(SectionRow());
    for (qsizetype i = 0; i < m_rows.size(); ++i)
        m_rows[i][NumberColumn] = QString::number(i + 1);
}

} // namespace sections
