#include "sections/SectionDialogInput.h"

#include "common/NumberText.h"

#include <QLocale>
#include <algorithm>

using namespace Qt::StringLiterals;

namespace sections {

SectionDialogLayout sectionDialogLayout(FittingKind kind, const FittingCatalogue& fittings)
{
    const int k = static_cast<int>(kind);
    return {fittings.hasLength(k), fittings.hasParameter(k), fittings.hasHalfAngle(k),
        fittings.parameterLabel(k)};
}

void applyKindChange(SectionDialogTexts& texts, FittingKind kind, const FittingCatalogue& fittings)
{
    texts.kind = kind;
    texts.coefficient = u"0"_s;
    if (!fittings.hasLength(static_cast<int>(kind)))
        texts.length = u"0"_s;
}

namespace {

// Reads the boxes the dialog checks in its order; the first failure ends the reading.
class DialogReader {
public:
    DialogReader(SectionDialogOutcome& outcome, QChar separator)
        : m_outcome(outcome)
        , m_separator(separator)
    {
    }

    std::optional<double> number(const QString& text, SectionDialogField field, bool mustBePositive)
    {
        const std::optional<double> value = parseNumber(text, m_separator);
        if (!value) {
            m_outcome.messages = badNumberMessages(text);
        } else if (mustBePositive && *value <= 0) {
            m_outcome.messages = {text + u" не может быть меньше или равно нулю?!"_s};
        } else {
            return value;
        }
        m_outcome.focus = field;
        return std::nullopt;
    }

private:
    SectionDialogOutcome& m_outcome;
    QChar m_separator;
};

// The section as the boxes describe it, without its coefficient.
std::optional<SectionEntry> readGeometry(const SectionDialogTexts& t, QChar separator,
    SectionDialogOutcome& outcome, const FittingCatalogue& fittings)
{
    const int kind = static_cast<int>(t.kind);
    DialogReader reader(outcome, separator);
    SectionEntry e;
    const auto& materials = shaftMaterials();
    const auto& material = materials[std::clamp<int>(t.material, 0, int(materials.size()) - 1)];
    e.material = material.name;
    e.roughness = material.roughness;
    e.kind = t.kind;
    const std::optional<double> area = reader.number(t.area, SectionDialogField::Area, true);
    if (!area)
        return std::nullopt;
    e.area = *area;
    if (fittings.hasLength(kind)) {
        const auto length = reader.number(t.length, SectionDialogField::Length, true);
        if (!length)
            return std::nullopt;
        e.length = *length;
    }
    if (fittings.hasParameter(kind)) {
        const auto parameter = reader.number(t.parameter, SectionDialogField::Parameter, true);
        if (!parameter)
            return std::nullopt;
        e.parameter = *parameter;
    }
    if (fittings.hasHalfAngle(kind)) {
        const auto angle = reader.number(t.halfAngle, SectionDialogField::HalfAngle, true);
        if (!angle)
            return std::nullopt;
        e.halfAngle = *angle;
    }
    return e;
}

} // namespace

SectionDialogOutcome computeSectionCoefficient(
    const SectionDialogTexts& texts, QChar separator, const FittingCatalogue& fittings)
{
    SectionDialogOutcome outcome;
    const std::optional<SectionEntry> e = readGeometry(texts, separator, outcome, fittings);
    if (e)
        outcome.coefficient
            = fittings.coefficient(static_cast<int>(e->kind), e->area, e->parameter, e->halfAngle);
    return outcome;
}

SectionDialogOutcome acceptSection(
    const SectionDialogTexts& texts, QChar separator, const FittingCatalogue& fittings)
{
    SectionDialogOutcome outcome;
    // A diffuser keeps its half opening angle with the section, so that editing it later starts
    // from the angle the coefficient was computed with.
    std::optional<SectionEntry> e = readGeometry(texts, separator, outcome, fittings);
    if (!e)
        return outcome;
    const bool computed = fittings.hasParameter(static_cast<int>(texts.kind));
    const auto coefficient = DialogReader(outcome, separator)
                                 .number(texts.coefficient, SectionDialogField::Coefficient, computed);
    if (!coefficient)
        return outcome;
    if (*coefficient < 0) {
        outcome.messages
            = {u"Заданные параметры привели к отрицательному значению вычисленного коэфф. местного "
               u"сопротивления Gi:"_s
                + QString::number(*coefficient, 'g', QLocale::FloatingPointShortest)
                + u". Введите корректные значения!"_s};
        outcome.focus = SectionDialogField::Coefficient;
        return outcome;
    }
    e->coefficient = *coefficient;
    outcome.entry = e;
    return outcome;
}

SectionDialogTexts sectionDialogTextsFromRow(
    const SectionRow& row, const SectionDialogTexts& current, const FittingCatalogue& fittings)
{
    SectionDialogTexts t = current;
    t.area = row[AreaColumn];
    t.length = row[LengthColumn];
    const auto& materials = shaftMaterials();
    for (std::size_t i = 0; i < materials.size(); ++i) {
        if (materials[i].name == row[MaterialColumn])
            t.material = static_cast<int>(i);
    }
    bool ok = false;
    const int kind = row[KindColumn].trimmed().toInt(&ok);
    if (ok && kind >= 0 && kind < fittings.names.size())
        applyKindChange(t, static_cast<FittingKind>(kind), fittings);
    t.coefficient = row[CoefficientColumn];
    t.parameter = row[ParameterColumn];
    t.halfAngle = row[HalfAngleColumn];
    return t;
}

} // namespace sections
