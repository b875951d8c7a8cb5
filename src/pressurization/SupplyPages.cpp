#include "pressurization/SupplyPages.h"

#include "calcreport/MethodRange.h"
#include "calcreport/ReportNumbers.h"
#include "common/NumberText.h"
#include "pressurization/SupplyDuct.h"
#include "sections/SectionTableStep.h"

#include <cmath>

using namespace Qt::StringLiterals;
using calcreport::givenKind;
using calcreport::InputLines;
using calcreport::ReportUnit;

namespace pressurization {

QString supplySchemeText(SupplyScheme scheme)
{
    switch (scheme) {
    case SupplyScheme::Shaft:
        return u"в лифтовую шахту"_s;
    case SupplyScheme::Joint:
        return u"в лифтовую шахту и лестничную клетку совместно"_s;
    case SupplyScheme::Separate:
        return u"в лифтовую шахту и лестничную клетку раздельно"_s;
    case SupplyScheme::Zones:
        return u"в лифтовую шахту и лестничную клетку раздельно c разделением лестничной клетки на зоны"_s;
    }
    return {};
}

namespace {

// Reads boxes in order, writing a report line for each accepted value; remembers the first failure.
class BoxReader {
public:
    BoxReader(InputLines& lines, QChar separator)
        : m_lines(lines)
        , m_separator(separator)
    {
    }

    // A real value; `positive` refuses zero and below with the box text in the message.
    bool real(const QString& text, SupplyField field, bool positive, double& target, const QString& caption,
        ReportUnit unit)
    {
        const std::optional<double> value = parseNumber(text, m_separator);
        if (!value)
            return fail(badNumberMessages(text), field);
        if (positive && *value <= 0)
            return fail({text + u" не может быть меньше или равно нулю!"_s}, field);
        // The outdoor air density 353 / (tн + 273) needs a temperature above absolute zero.
        if (field == SupplyField::OutdoorTemperature && *value <= -273)
            return fail({calcreport::belowAbsoluteZeroMessage()}, field);
        target = *value;
        m_lines.push_back({givenKind(), caption, calcreport::generalText(*value, 6, m_separator), unit});
        return true;
    }

    // A whole number above zero: the value read as a real, rounded halves to even. The lifts of a
    // section are those the formulas have coefficients for.
    bool integer(const QString& text, SupplyField field, int& target, const QString& caption)
    {
        const std::optional<double> value = parseNumber(text, m_separator);
        if (!value)
            return fail(badNumberMessages(text), field);
        const double rounded = roundHalfEven(*value);
        if (rounded <= 0)
            return fail({text + u" не может быть меньше или равно нулю!"_s}, field);
        if (field == SupplyField::Lifts && !liftsProvidedFor(rounded))
            return fail({calcreport::wholeRangeMessage(
                            u"Число лифтов в секции m"_s, supplyLiftsLow, supplyLiftsHigh)},
                field);
        target = rounded < 2e9 ? static_cast<int>(rounded) : 2000000000;
        m_lines.push_back({givenKind(), caption, QString::number(target), ReportUnit::None});
        return true;
    }

    void line(const QString& caption, const QString& value)
    {
        m_lines.push_back({givenKind(), caption, value});
    }

    bool fail(const QStringList& messages, SupplyField field)
    {
        m_reading.messages << messages;
        m_reading.focus = field;
        m_reading.ok = false;
        return false;
    }
    SupplyPageReading reading() const { return m_reading; }

private:
    InputLines& m_lines;
    QChar m_separator;
    SupplyPageReading m_reading;
};

SupplyPageReading readGeneralPage(const SupplyProject& p, SupplyValues& v, InputLines& lines, QChar separator)
{
    BoxReader r(lines, separator);
    using F = SupplyField;
    r.line(u"Наименование проекта"_s, p.projectName);
    const bool ok = r.real(p.outdoorTemperature, F::OutdoorTemperature, false, v.outdoorTemperature,
                        u"Расчетная температура воздуха, tн"_s, ReportUnit::Celsius)
        && r.real(
            p.windSpeed, F::WindSpeed, true, v.windSpeed, u"Скорость ветра, V"_s, ReportUnit::MetrePerSecond)
        && r.integer(p.floors, F::Floors, v.floors, u"Число этажей в здании, N"_s)
        && r.real(
            p.storeyHeight, F::StoreyHeight, true, v.storeyHeight, u"Высота этажа, h"_s, ReportUnit::Metre)
        && r.integer(p.doors, F::Doors, v.doors, u"Число дверей на каждом этаже для выхода в коридор, n"_s)
        && r.real(
            p.leafWidth, F::LeafWidth, true, v.leafWidth, u"Ширина створки дверей, b"_s, ReportUnit::Metre)
        && r.integer(p.lifts, F::Lifts, v.lifts, u"Число лифтов в секции, m"_s)
        && r.real(p.entranceArea, F::EntranceArea, true, v.entranceArea,
            u"Площадь входной двери в здание, A"_s, ReportUnit::SquareMetre)
        && r.real(p.smokeFlow, F::SmokeFlow, true, v.smokeFlow,
            u"Расход дыма, удаляемого противодымной вентиляцией, Gд"_s, ReportUnit::KilogramPerHour);
    if (ok) {
        v.directTambour = p.tambour == 0;
        r.line(u"Тамбур на выходе из здания"_s, v.directTambour ? u"Прямой"_s : u"Другой"_s);
    }
    return r.reading();
}

SupplyPageReading readSchemePage(const SupplyProject& p, SupplyValues& v, InputLines& lines, QChar separator)
{
    v.scheme = supplySchemeOf(p);
    if (v.scheme != SupplyScheme::Zones) {
        lines.push_back({givenKind(), u"Подача воздуха"_s, supplySchemeText(v.scheme)});
        return {};
    }
    // The zone's storeys are checked before the scheme is written.
    InputLines zoneLine;
    BoxReader r(zoneLine, separator);
    // The zone is a part of the building.
    if (r.integer(p.zoneFloors, SupplyField::ZoneFloors, v.zoneFloors, u"Число этажей в зоне, Nз"_s)
        && v.zoneFloors > v.floors)
        r.fail({u"Число этажей в зоне Nз не может быть больше числа этажей в здании N."_s},
            SupplyField::ZoneFloors);
    if (r.reading().ok) {
        lines.push_back({givenKind(), u"Подача воздуха"_s, supplySchemeText(v.scheme)});
        lines.insert(lines.end(), zoneLine.begin(), zoneLine.end());
    }
    return r.reading();
}

// The section table of fan `fan` (0-based): the shared table step with the supply duct's texts and
// its eight kinds of fitting.
SupplyPageReading readSectionsPage(
    int fan, const SupplyProject& p, SupplyValues& v, InputLines& lines, QChar sep)
{
    const sections::SectionTable& table = p.sections[fan];
    sections::SectionTableStep step = sections::readSectionTable(table, sep);
    SupplyPageReading reading;
    reading.ok = step.ok;
    reading.messages = step.messages;
    if (step.focusTable)
        reading.focus = static_cast<SupplyField>(static_cast<int>(SupplyField::Sections1) + fan);
    if (!step.ok && step.messages == QStringList {u"Не задана площадь сечения и/или длина шахты?!"_s})
        reading.messages = {fan == 0 ? u"Не задана площадь сечения и/или длина участка!"_s
                                     : u"Не задана площадь сечения и/или длина участка?!"_s};
    if (!step.ok)
        return reading;
    // A straight section holds its diameter where the others hold their area.
    QStringList straightSections;
    for (std::size_t i = 0; i < step.records.size(); ++i) {
        const sections::SectionRow& row = table.row(static_cast<int>(i));
        step.records[i].kind = supplyKindOfCell(row[sections::KindColumn]);
        if (step.records[i].kind == static_cast<int>(SupplyFittingKind::Straight))
            straightSections << u"Площадь сечения участка "_s + row[sections::NumberColumn];
    }
    v.sections[fan] = std::move(step.records);
    // A sub-heading: the kind alone, without caption and value.
    lines.push_back({u"Параметры участков подвода ВЕНТИЛЯТОР "_s + QString::number(fan + 1), {}, {}});
    for (calcreport::InputLine& line : step.lines) {
        if (line.caption == u"Число участков шахты разного проходного сечения"_s)
            line.caption = u"Число участков разного проходного сечения"_s;
        else if (line.caption.startsWith(u"Коэфф. сопротивлениия уч-ка "_s))
            line.caption.replace(u"уч-ка "_s, u"участка "_s);
        else if (straightSections.contains(line.caption)) {
            line.caption.replace(u"Площадь сечения"_s, u"Диаметр"_s);
            line.unit = ReportUnit::Metre;
        }
        lines.push_back(std::move(line));
    }
    return reading;
}

} // namespace

SupplyPageReading readSupplyPage(
    int page, const SupplyProject& project, SupplyValues& values, InputLines& lines, QChar separator)
{
    switch (page) {
    case 1:
        return readGeneralPage(project, values, lines, separator);
    case 2:
        return readSchemePage(project, values, lines, separator);
    case 3:
    case 4:
    case 5:
        return readSectionsPage(page - 3, project, values, lines, separator);
    default:
        return {};
    }
}

} // namespace pressurization
