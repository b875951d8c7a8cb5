#include "sections/Fittings.h"

#include <cmath>
#include <numbers>

using namespace Qt::StringLiterals;

namespace sections {

QStringList fittingKindNames()
{
    return {u"Прямой"_s, u"Отвод 90 градусов"_s, u"Диффузор"_s, u"Конфузор"_s, u"Резкое расширение"_s,
        u"Резкое сужение"_s};
}

QString fittingParameterLabel(FittingKind kind)
{
    switch (kind) {
    case FittingKind::Straight:
        return {};
    case FittingKind::Bend90:
        return u"Радиус поворота - R, м:"_s;
    case FittingKind::Diffuser:
        return u"Отношение площадей выхода и входа - Fd:"_s;
    case FittingKind::Confuser:
        return u"Отношение площадей выхода и входа - Fk:"_s;
    case FittingKind::SuddenExpansion:
        return u"Отношение площадей входа и выхода - Fp:"_s;
    case FittingKind::SuddenContraction:
        return u"Отношение площадей выхода и входа - Fc:"_s;
    }
    return {};
}

bool fittingHasParameter(FittingKind kind)
{
    return kind != FittingKind::Straight;
}

bool fittingHasLength(FittingKind kind)
{
    return kind != FittingKind::Bend90 && kind != FittingKind::SuddenExpansion
        && kind != FittingKind::SuddenContraction;
}

bool fittingHasHalfAngle(FittingKind kind)
{
    return kind == FittingKind::Diffuser;
}

double equivalentDiameter(double area)
{
    return std::sqrt(4.0 * area / std::numbers::pi);
}

double fittingCoefficient(FittingKind kind, double area, double parameter, double halfAngle)
{
    const double p = parameter;
    switch (kind) {
    case FittingKind::Straight:
        return 0;
    case FittingKind::Bend90:
        return 0.38 * std::pow(p / equivalentDiameter(area), -0.8);
    case FittingKind::Diffuser:
        return 0.11 * std::pow(halfAngle, 0.45) * (-0.44 * p * p + 2.46 * p - 3);
    case FittingKind::Confuser:
        return 0.05 * std::log(p) + 0.0154;
    case FittingKind::SuddenExpansion:
        return 0.8 * p * p - 1.8 * p + 1;
    case FittingKind::SuddenContraction:
        return 0.2 * p * p - 0.8 * p + 0.6;
    }
    return 0;
}

const FittingCatalogue& shaftFittings()
{
    static const FittingCatalogue catalogue {
        fittingKindNames(),
        [](int kind) { return fittingParameterLabel(static_cast<FittingKind>(kind)); },
        [](int kind) { return fittingHasParameter(static_cast<FittingKind>(kind)); },
        [](int kind) { return fittingHasLength(static_cast<FittingKind>(kind)); },
        [](int kind) { return fittingHasHalfAngle(static_cast<FittingKind>(kind)); },
        [](int kind, double area, double parameter, double halfAngle) {
            return fittingCoefficient(static_cast<FittingKind>(kind), area, parameter, halfAngle);
        },
    };
    return catalogue;
}

const std::array<ShaftMaterial, 4>& shaftMaterials()
{
    static const std::array<ShaftMaterial, 4> materials = {{
        {u"Металл"_s, 1.0},
        {u"Бетон"_s, 1.7},
        {u"Кирпич"_s, 2.1},
        {u"Штукатурка"_s, 2.7},
    }};
    return materials;
}

} // namespace sections
