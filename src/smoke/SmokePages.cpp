#include "smoke/SmokePages.h"

#include "calcreport/MethodRange.h"
#include "calcreport/ReportNumbers.h"
#include "common/NumberText.h"
#include "sections/SectionTableStep.h"
#include "smoke/SmokeForm.h"

#include <cmath>
#include <limits>

using namespace Qt::StringLiterals;
using calcreport::assumedKind;
using calcreport::givenKind;
using calcreport::InputLines;
using calcreport::ReportUnit;

namespace smoke {

QStringList combustibleNames()
{
    return {u"Жидкости и газы"_s, u"Твердые тела"_s, u"Волокнистые вещества"_s, u"Бумага"_s};
}

QStringList fanTypeNames()
{
    return {u"Крышный"_s, u"Другой"_s};
}

SmokeGas smokeGas(const SmokeCase& c, Combustible combustible)
{
    if (!c.room)
        return {300, 6};
    switch (combustible) {
    case Combustible::Liquids:
        return {600, 4};
    case Combustible::Solids:
        return {450, 5};
    case Combustible::Fibres:
        return {300, 6};
    case Combustible::Paper:
        return {220, 7};
    }
    return {300, 6};
}

double valveCoefficient(int shaftEntry, int grille)
{
    const bool rightAngle = shaftEntry == 0;
    const bool withGrille = grille == 0;
    if (rightAngle)
        return withGrille ? 4.0 : 2.0;
    return withGrille ? 3.5 : 1.5;
}

namespace {

QString notPositiveMessage()
{
    return u"Значение не может быть меньше или равно нулю."_s;
}

enum class Check { Any, Positive };

// Reads the boxes of one page in order, collecting the report lines; remembers the first failure. A
// field's box text and the value it becomes are those the input description names.
class PageReader {
public:
    PageReader(const SmokeProject& project, SmokeValues& values, InputLines& lines, QChar separator)
        : m_project(project)
        , m_values(values)
        , m_lines(lines)
        , m_separator(separator)
    {
    }

    // A real value. On failure the reading stops; a value that reads but is out of range is stored
    // all the same.
    bool real(SmokeField field, Check check)
    {
        const std::optional<double> value = read(field);
        if (!value)
            return false;
        if (check == Check::Positive && *value <= 0)
            return fail({notPositiveMessage()}, field);
        return true;
    }

    // An integer: the value rounded halves to even, which must be positive and, where the formulas
    // provide for a few values only, at most `high` (`quantity` names it in the message).
    bool integer(SmokeField field, int high = std::numeric_limits<int>::max(), const QString& quantity = {})
    {
        const std::optional<double> value = read(field);
        if (!value)
            return false;
        const int whole = wholeNumber(*value);
        if (whole <= 0)
            return fail({notPositiveMessage()}, field);
        if (whole > high)
            return fail({calcreport::wholeRangeMessage(quantity, 1, high)}, field);
        return true;
    }

    // A value whose failure is shown but does not end the step (room area and height).
    void lenient(SmokeField field)
    {
        const SmokeInput& input = *smokeInput(field);
        const QString& text = m_project.*input.text;
        const std::optional<double> value = parseNumber(text, m_separator);
        if (!value) {
            note(badNumberMessages(text), field);
            return;
        }
        setNumber(input, m_values, *value);
        if (*value <= 0)
            note({notPositiveMessage()}, field);
    }

    void line(
        const QString& kind, const QString& caption, const QString& value, ReportUnit unit = ReportUnit::None)
    {
        m_lines.push_back({kind, caption, value, unit});
    }
    void given(const QString& caption, double value, ReportUnit unit = ReportUnit::None)
    {
        line(givenKind(), caption, number(value), unit);
    }
    void given(const QString& caption, int value) { line(givenKind(), caption, QString::number(value)); }
    QString number(double value) const { return calcreport::generalText(value, 6, m_separator); }

    bool fail(const QStringList& messages, SmokeField field)
    {
        note(messages, field);
        m_reading.ok = false;
        return false;
    }
    void note(const QStringList& messages, SmokeField field)
    {
        m_reading.messages << messages;
        m_reading.focus = field;
    }
    PageReading reading() const { return m_reading; }

private:
    // The field's number stored as its value; on a text that is not a number, its messages and the end
    // of the reading.
    std::optional<double> read(SmokeField field)
    {
        const SmokeInput& input = *smokeInput(field);
        const QString& text = m_project.*input.text;
        const std::optional<double> value = parseNumber(text, m_separator);
        if (!value) {
            fail(badNumberMessages(text), field);
            return std::nullopt;
        }
        setNumber(input, m_values, *value);
        return value;
    }

    const SmokeProject& m_project;
    SmokeValues& m_values;
    InputLines& m_lines;
    QChar m_separator;
    PageReading m_reading;
};

PageReading readFirstPage(const SmokeProject& p, SmokeValues& v, PageReader& r)
{
    const SmokeCase c = smokeCase(p);
    const FirstPageLayout layout = firstPageLayout(c);
    v.flags = c;
    r.line(givenKind(), u"Наименование проекта"_s, p.projectName);
    const QString type = u"Тип помещения"_s;
    if (c.residential)
        r.line(givenKind(), type, u"Жилое"_s);
    if (c.corridor)
        r.line(givenKind(), type, u"Холл"_s);
    if (c.room)
        r.line(givenKind(), type, u"Помещение"_s);
    if (c.reservoir)
        r.line(givenKind(), type, u"Резервуар дыма"_s);
    if (c.sprinkler)
        r.line(givenKind(), type, u"Оборудовано спринклерной системой"_s);
    if (layout.door) {
        if (!r.real(SmokeField::DoorHeight, Check::Positive))
            return r.reading();
        r.given(u"Высота двери, H"_s, v.doorHeight, ReportUnit::Metre);
        if (!r.real(SmokeField::DoorWidth, Check::Positive))
            return r.reading();
        r.given(u"Ширина двери, B"_s, v.doorWidth, ReportUnit::Metre);
    } else {
        v.doorHeight = 2;
        v.doorWidth = 1;
    }
    if (layout.roomSize) {
        if (p.roomArea.trimmed().isEmpty()) {
            v.roomArea = 1;
        } else {
            r.lenient(SmokeField::RoomArea);
            r.given(u"Площадь помещения, A"_s, v.roomArea, ReportUnit::SquareMetre);
        }
        r.lenient(SmokeField::RoomHeight);
        r.given(u"Высота помещения, h"_s, v.roomHeight, ReportUnit::Metre);
    }
    if (layout.curtain) {
        if (!r.real(SmokeField::CurtainHeight, Check::Positive))
            return r.reading();
        r.given(u"Расстояние от нижнего края завесы до пола, Yз"_s, v.curtainHeight, ReportUnit::Metre);
    }
    if (layout.firePerimeter) {
        if (!r.real(SmokeField::FirePerimeter, Check::Positive))
            return r.reading();
        r.given(u"Периметр очага пожара, Pf"_s, v.firePerimeter, ReportUnit::Metre);
    } else if (c.sprinkler) {
        v.firePerimeter = 12;
        r.line(assumedKind(), u"Периметр очага пожара, Pf"_s, r.number(12), ReportUnit::Metre);
    }
    // Only what the case shows counts: a smoke-layer height typed for a reservoir no longer matters
    // once the room is sprinklered.
    v.largeFire = c.room && ((c.reservoir && v.curtainHeight > 4) || v.firePerimeter > 12);
    return r.reading();
}

PageReading readSecondPage(const SmokeProject& p, SmokeValues& v, PageReader& r, QChar separator)
{
    const SmokeCase c = v.flags;
    const SecondPageLayout layout = secondPageLayout(c, v.largeFire, parseNumber(p.doorCount, separator));
    if (layout.evacuees) {
        if (!r.integer(SmokeField::Evacuees))
            return r.reading();
        r.given(u"Количество эвакуируемых через одну дверь, Kэ"_s, v.evacuees);
    }
    if (layout.outdoor) {
        if (!r.real(SmokeField::OutdoorTemperature, Check::Any))
            return r.reading();
        // The outdoor air density 351.6 / (Tн + 273) needs a temperature above absolute zero.
        if (v.outdoorTemperature <= -273) {
            r.fail({calcreport::belowAbsoluteZeroMessage()}, SmokeField::OutdoorTemperature);
            return r.reading();
        }
        r.given(u"Температура наружного воздуха, Tн"_s, v.outdoorTemperature, ReportUnit::Celsius);
        if (!r.real(SmokeField::WindSpeed, Check::Any))
            return r.reading();
        r.given(u"Скорость ветра, V"_s, v.windSpeed, ReportUnit::MetrePerSecond);
        if (!r.integer(SmokeField::DoorCount, doorCountMax, u"Количество последовательных дверей Kd"_s))
            return r.reading();
        r.given(u"Количество последовательных дверей для выхода из помещения на улицу, Kd"_s, v.doorCount);
        if (!r.real(SmokeField::DoorArea1, Check::Positive))
            return r.reading();
        r.given(u"Площадь дверей из помещения, Aд1"_s, v.doorArea1, ReportUnit::SquareMetre);
        if (layout.doorArea2Enabled) {
            if (!r.real(SmokeField::DoorArea2, Check::Positive))
                return r.reading();
            r.given(u"Площадь промежуточных дверей, Aд2"_s, v.doorArea2, ReportUnit::SquareMetre);
        }
        if (layout.doorArea3Enabled) {
            if (!r.real(SmokeField::DoorArea3, Check::Positive))
                return r.reading();
            r.given(u"Площадь дверей на улицу, Aд3"_s, v.doorArea3, ReportUnit::SquareMetre);
        }
    }
    v.combustible = static_cast<Combustible>(std::clamp<int>(p.combustible, 0, 3));
    const SmokeGas gas = smokeGas(c, v.combustible);
    v.smokeTemperature = gas.temperature;
    v.smokeWeight = gas.weight;
    if (c.room)
        r.line(assumedKind(), u"Горючее вещество"_s, combustibleNames().at(static_cast<int>(v.combustible)));
    r.line(assumedKind(), u"Параметры дыма"_s,
        u"T = "_s + r.number(gas.temperature) + u" °C,  Y = "_s + r.number(gas.weight),
        ReportUnit::NewtonPerCubicMetre);
    if (!r.real(SmokeField::HeightDifference, Check::Positive))
        return r.reading();
    r.given(u"Перепад высот от оси клапана до оси вентилятора, dH"_s, v.heightDifference, ReportUnit::Metre);
    return r.reading();
}

PageReading readThirdPage(const SmokeProject& p, SmokeValues& v, PageReader& r)
{
    if (!r.integer(SmokeField::ValvesPerFloor, thirdPageLayout(v.flags, p).valvesPerFloorMax,
            u"Количество клапанов дымоудаления на одном этаже Nк"_s))
        return r.reading();
    r.given(u"Количество клапанов дымоудаления на одном этаже, Nк"_s, v.valvesPerFloor);
    if (!r.real(SmokeField::BranchLength, Check::Any))
        return r.reading();
    r.given(u"Длина ответвления, Lo"_s, v.branchLength, ReportUnit::Metre);
    if (!r.real(SmokeField::BranchArea, Check::Positive))
        return r.reading();
    r.given(u"Площадь проходного сечения ответвления, Fo"_s, v.branchArea, ReportUnit::SquareMetre);
    v.valveName = p.valveName.left(128);
    if (!v.valveName.trimmed().isEmpty())
        r.line(givenKind(), u"Наименование клапана"_s, v.valveName);
    if (!r.real(SmokeField::ValveArea, Check::Positive))
        return r.reading();
    r.given(u"Площадь проходного сечения клапана, Fk"_s, v.valveArea, ReportUnit::SquareMetre);
    if (!p.branchValves) {
        v.branchLength = 0;
        r.line(assumedKind(), u"Длина ответвления, Lo = 0"_s, r.number(0), ReportUnit::Metre);
        v.branchArea = v.valveArea;
        r.line(assumedKind(), u"Площадь проходного сечения ответвления, Fo = Fk"_s, r.number(v.branchArea),
            ReportUnit::SquareMetre);
    }
    if (!r.integer(SmokeField::Floors))
        return r.reading();
    r.given(u"Число этажей здания с клапанами дымоудаления, N"_s, v.floors);
    v.valveCoefficient = valveCoefficient(p.shaftEntry, p.grille);
    r.line(assumedKind(), u"Коэфф. местного сопротивления клапана и его присоединения к шахте, Gk"_s,
        r.number(v.valveCoefficient));
    return r.reading();
}

PageReading readFourthPage(const SmokeProject& p, SmokeValues& v, InputLines& lines, QChar separator)
{
    const sections::SectionTableStep step = sections::readSectionTable(p.sections, separator);
    lines.insert(lines.end(), step.lines.begin(), step.lines.end());
    PageReading reading;
    reading.messages = step.messages;
    if (step.focusTable)
        reading.focus = SmokeField::Sections;
    reading.ok = step.ok;
    if (step.ok)
        v.sections = step.records;
    return reading;
}

PageReading readFifthPage(const SmokeProject& p, SmokeValues& v, PageReader& r)
{
    v.fanType = outletShown(p) ? FanType::Other : FanType::Roof;
    r.line(givenKind(), u"Тип вентилятора"_s, fanTypeNames().at(static_cast<int>(v.fanType)));
    if (v.fanType != FanType::Other)
        return r.reading();
    if (!r.real(SmokeField::FanOutletHeight, Check::Positive))
        return r.reading();
    r.given(u"Высота от оси вентилятора до края отвода, hв"_s, v.fanOutletHeight, ReportUnit::Metre);
    if (!r.real(SmokeField::OutletLength, Check::Positive))
        return r.reading();
    r.given(u"Длина участка, Lв"_s, v.outletLength, ReportUnit::Metre);
    if (!r.real(SmokeField::OutletDiameter, Check::Positive))
        return r.reading();
    r.given(u"Диаметр участка, dв"_s, v.outletDiameter, ReportUnit::Metre);
    if (!r.real(SmokeField::OutletResistance, Check::Positive))
        return r.reading();
    r.given(u"Коэффициент сопротивления участка, Y"_s, v.outletResistance);
    return r.reading();
}

} // namespace

PageReading readSmokePage(int page, const SmokeProject& p, SmokeValues& v, InputLines& lines, QChar separator)
{
    PageReader reader(p, v, lines, separator);
    switch (page) {
    case 1:
        return readFirstPage(p, v, reader);
    case 2:
        return readSecondPage(p, v, reader, separator);
    case 3:
        return readThirdPage(p, v, reader);
    case 4:
        return readFourthPage(p, v, lines, separator);
    case 5:
        return readFifthPage(p, v, reader);
    default:
        return {};
    }
}

FirePerimeterProposal proposeFirePerimeter(const SmokeProject& p, QChar separator)
{
    FirePerimeterProposal proposal;
    double area = 1;
    if (firstPageLayout(smokeCase(p)).roomSize && !p.roomArea.trimmed().isEmpty()) {
        const auto value = parseNumber(p.roomArea, separator);
        if (!value) {
            proposal.reading = {false, badNumberMessages(p.roomArea), SmokeField::RoomArea};
            return proposal;
        }
        if (*value < 0) {
            proposal.reading = {false, {notPositiveMessage()}, SmokeField::RoomArea};
            return proposal;
        }
        area = *value;
    }
    proposal.text = calcreport::generalText(0.38 * std::sqrt(area), 5, separator);
    return proposal;
}

} // namespace smoke
