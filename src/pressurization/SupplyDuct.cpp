#include "pressurization/SupplyDuct.h"

#include <cmath>

using namespace Qt::StringLiterals;

namespace pressurization {

QStringList supplyFittingKindNames()
{
    return {u"Прямой"_s, u"Зонт"_s, u"Впускная решетка"_s, u"Отвод 90 градусов"_s, u"Диффузор"_s,
        u"Конфузор"_s, u"Резкое расширение"_s, u"Резкое сужение"_s};
}

std::optional<sections::FittingKind> shaftFittingKind(SupplyFittingKind kind)
{
    using sections::FittingKind;
    switch (kind) {
    case SupplyFittingKind::Straight:
        return FittingKind::Straight;
    case SupplyFittingKind::Hood:
    case SupplyFittingKind::IntakeGrille:
        return std::nullopt;
    case SupplyFittingKind::Bend90:
        return FittingKind::Bend90;
    case SupplyFittingKind::Diffuser:
        return FittingKind::Diffuser;
    case SupplyFittingKind::Confuser:
        return FittingKind::Confuser;
    case SupplyFittingKind::SuddenExpansion:
        return FittingKind::SuddenExpansion;
    case SupplyFittingKind::SuddenContraction:
        return FittingKind::SuddenContraction;
    }
    return std::nullopt;
}

QString supplyFittingParameterLabel(SupplyFittingKind kind)
{
    switch (kind) {
    case SupplyFittingKind::Hood:
        return u"Расстояние от края зонта до торца трубы - h, м:"_s;
    case SupplyFittingKind::IntakeGrille:
        return u"Относительная свободная площадь - fp:"_s;
    default:
        return sections::fittingParameterLabel(*shaftFittingKind(kind));
    }
}

double supplyFittingCoefficient(SupplyFittingKind kind, double area, double parameter, double halfAngle)
{
    switch (kind) {
    case SupplyFittingKind::Hood:
        return std::pow(parameter / area, -0.39);
    case SupplyFittingKind::IntakeGrille:
        return 0.97 * std::pow(parameter, 2.45);
    default:
        return sections::fittingCoefficient(*shaftFittingKind(kind), area, parameter, halfAngle);
    }
}

const sections::FittingCatalogue& supplyFittings()
{
    // The hood and the grille have a length and a parameter.
    static const sections::FittingCatalogue catalogue {
        supplyFittingKindNames(),
        [](int kind) { return supplyFittingParameterLabel(static_cast<SupplyFittingKind>(kind)); },
        [](int kind) { return kind != static_cast<int>(SupplyFittingKind::Straight); },
        [](int kind) {
            const auto shaft = shaftFittingKind(static_cast<SupplyFittingKind>(kind));
            return !shaft || sections::fittingHasLength(*shaft);
        },
        [](int kind) { return kind == static_cast<int>(SupplyFittingKind::Diffuser); },
        [](int kind, double area, double parameter, double halfAngle) {
            return supplyFittingCoefficient(static_cast<SupplyFittingKind>(kind), area, parameter, halfAngle);
        },
    };
    return catalogue;
}

int supplyKindOfCell(const QString& cell)
{
    bool ok = false;
    const int kind = cell.trimmed().toInt(&ok);
    return ok && kind >= 0 && kind < supplyFittingKindCount ? kind : 0;
}

namespace {

// 3600 · π / 4: a flow in m³/h through a circle of diameter d, m, gives Q / (this · d²) m/s.
constexpr double circleFlowFactor = 2827.4333882308138;

double sectionLoss(const Ychastok_record& s, double flow)
{
    const bool straight = s.kind == static_cast<int>(SupplyFittingKind::Straight);
    const double diameter = straight ? s.area : std::sqrt(s.area / 0.785);
    const double velocity
        = straight ? flow / (circleFlowFactor * diameter * diameter) : flow / (3600 * s.area);
    return velocity * velocity * (0.0194 * s.roughness * s.length / diameter + s.localCoefficient) * 0.6;
}

} // namespace

double ductLoss(const SectionRecords& sections, double flow, int multiplier)
{
    double loss = 0;
    for (const Ychastok_record& s : sections)
        loss += sectionLoss(s, flow * multiplier);
    return loss;
}

std::optional<int> unusableSection(const SectionRecords& sections)
{
    for (std::size_t i = 0; i < sections.size(); ++i) {
        if (!(sections[i].area > 0) || !std::isfinite(sections[i].area))
            return static_cast<int>(i) + 1;
    }
    return std::nullopt;
}

} // namespace pressurization
