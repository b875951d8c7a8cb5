#include "fanviews/FanKind.h"

using namespace Qt::StringLiterals;

namespace fanviews {
namespace {

// "крышного", "осевого", "канального": both roof kinds read as roof fans in titles.
QString adjective(FanKind kind)
{
    switch (kind) {
    case FanKind::RoofLowNoise:
    case FanKind::Roof:
        return u"крышного"_s;
    case FanKind::Axial:
        return u"осевого"_s;
    case FanKind::Duct:
        break;
    }
    return u"канального"_s;
}

} // namespace

FanKind fanKindOf(const QString& designation)
{
    if (designation.contains(u"ЛТМЖ"))
        return FanKind::RoofLowNoise;
    if (designation.contains(u"ЖЭСТ"))
        return FanKind::Axial;
    if (designation.contains(u"ГЭСТ"))
        return FanKind::Roof;
    return FanKind::Duct;
}

QString graphsTitlePrefix(FanKind kind)
{
    return u"ЗФН: Графики характеристик "_s + adjective(kind) + u" вентилятора:  "_s;
}

QString drawingTitlePrefix(FanKind kind)
{
    return u"ЗФН: Основные размеры "_s + adjective(kind) + u" вентилятора:  "_s;
}

QString printTitlePrefix(FanKind kind)
{
    return u"ЗФН: Печать характеристик "_s + adjective(kind) + u" вентилятора:  "_s;
}

QString printCharacteristicsHeading(FanKind kind)
{
    if (kind == FanKind::RoofLowNoise)
        return u"Характеристики крышного вентилятора с пониж. уровнем шума"_s;
    return u"Характеристики "_s + adjective(kind) + u" вентилятора"_s;
}

QString printDimensionsHeading(FanKind kind)
{
    return u"Основные размеры "_s + adjective(kind) + u" вентилятора:"_s;
}

} // namespace fanviews
