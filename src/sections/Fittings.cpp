#include "sections/Fittings.h"

#include <cmath>
#include <initializer_list>
#include <limits>
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

namespace {

// The terms added in order. Terms that cancel in decimal (0.2 − 0.8 + 0.6 of a sudden contraction at
// Fc = 1) leave a remainder of binary rounding: a sum within a few units of the last place of its
// terms is zero.
double sumOfTerms(std::initializer_list<double> terms)
{
    double sum = 0;
    double scale = 0;
    for (const double term : terms) {
        sum += term;
        scale += std::fabs(term);
    }
    return std::fabs(sum) <= 8 * std::numeric_limits<double>::epsilon() * scale ? 0.0 : sum;
}

} // namespace

double fittingCoefficient(FittingKind kind, double area, double parameter, double halfAngle)
{
    const double p = parameter;
    switch (kind) {
    case FittingKind::Straight:
        return 0;
    case FittingKind::Bend90:
        return 0.38 * std::pow(p / equivalentDiameter(area), -0.8);
    case FittingKind::Diffuser:
        return 0.11 * std::pow(halfAngle, 0.45) * sumOfTerms({-0.44 * p * p, 2.46 * p, -3.0});
    case FittingKind::Confuser:
        return sumOfTerms({0.05 * std::log(p), 0.0154});
    case FittingKind::SuddenExpansion:
        return sumOfTerms({0.8 * p * p, -1.8 * p, 1.0});
    case FittingKind::SuddenContraction:
        return sumOfTerms({0.2 * p * p, -0.8 * p, 0.6});
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
