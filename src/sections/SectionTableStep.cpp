#include "sections/SectionTableStep.h"

#include "calcreport/ReportNumbers.h"
#include "common/NumberText.h"

using namespace Qt::StringLiterals;
using calcreport::assumedKind;
using calcreport::givenKind;
using calcreport::InputLine;
using calcreport::ReportUnit;

namespace sections {

namespace {

QString badCellMessage(const SectionRow& row, int column)
{
    return u"Ошибочная запись числа: "_s + row[column] + u" Номер участка: "_s + row[NumberColumn];
}

// Reads the numbers of one row; a cell that is no number gives the messages of a bad number.
bool readRecord(const SectionRow& row, QChar separator, Ychastok_record& record, QStringList& messages)
{
    const struct {
        int column;
        double& target;
    } numbers[] = {{LengthColumn, record.length}, {AreaColumn, record.area},
        {CoefficientColumn, record.localCoefficient}, {RoughnessColumn, record.roughness}};
    for (const auto& n : numbers) {
        const auto value = parseNumber(row[n.column], separator);
        if (!value) {
            messages = badNumberMessages(row[n.column]);
            messages.first() = badCellMessage(row, n.column);
            return false;
        }
        n.target = *value;
    }
    record.material = row[MaterialColumn];
    bool ok = false;
    const int kind = row[KindColumn].trimmed().toInt(&ok);
    record.kind = ok && kind >= 0 && kind < fittingKindCount ? kind : 0;
    return true;
}

} // namespace

SectionTableStep readSectionTable(const SectionTable& table, QChar separator)
{
    SectionTableStep step;
    const auto& rows = table.rows();
    if (rows.size() == 1) {
        const SectionRow& row = rows.first();
        const auto area = parseNumber(row[AreaColumn], separator);
        if (row[AreaColumn].trimmed().isEmpty() || row[LengthColumn].trimmed().isEmpty()
            || (area && *area == 0)) {
            step.messages = {u"Не задана площадь сечения и/или длина шахты?!"_s};
            step.focusTable = true;
            return step;
        }
    } else {
        for (const SectionRow& row : rows) {
            const auto area = parseNumber(row[AreaColumn], separator);
            if (!area) {
                step.messages = badNumberMessages(row[AreaColumn]);
                step.messages.first() = badCellMessage(row, AreaColumn);
                step.focusTable = true;
                return step;
            }
            // Reported, not refused: the calculation refuses a section without area.
            if (*area <= 0)
                step.messages << badCellMessage(row, AreaColumn);
        }
        step.lines.push_back({givenKind(), u"Число участков шахты разного проходного сечения"_s,
            QString::number(rows.size()), ReportUnit::None});
    }
    for (const SectionRow& row : rows) {
        Ychastok_record record;
        QStringList bad;
        if (!readRecord(row, separator, record, bad)) {
            step.messages << bad;
            step.focusTable = true;
            return step;
        }
        const QString& number = row[NumberColumn];
        step.lines.push_back(
            {givenKind(), u"Площадь сечения участка "_s + number, row[AreaColumn], ReportUnit::SquareMetre});
        step.lines.push_back(
            {givenKind(), u"Длина участка "_s + number, row[LengthColumn], ReportUnit::Metre});
        step.lines.push_back(
            {givenKind(), u"Материал участка "_s + number, record.material, ReportUnit::None});
        step.lines.push_back({assumedKind(), u"Kc ("_s + record.material + u")"_s,
            calcreport::generalText(record.roughness, 6, separator), ReportUnit::None});
        if (record.localCoefficient > 0)
            step.lines.push_back({assumedKind(), u"Коэфф. сопротивлениия уч-ка "_s + number,
                row[CoefficientColumn], ReportUnit::None});
        step.records.push_back(record);
    }
    step.ok = true;
    return step;
}

} // namespace sections
