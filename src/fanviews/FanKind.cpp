#include "fanviews/FanKind.h"

using namespace Qt::StringLiterals;

namespace fanviews {
QString sheetTitle(FanKind kind)
{
    return u"ЗФН: Характеристики "_s + fans::kindAdjective(kind) + u" вентилятора"_s;
}

QString graphsTitlePrefix(FanKind kind)
{
    return u"ЗФН: Графики характеристик "_s + fans::kindAdjective(kind) + u" вентилятора:  "_s;
}

QString drawingTitlePrefix(FanKind kind)
{
    return u"ЗФН: Основные размеры "_s + fans::kindAdjective(kind) + u" вентилятора:  "_s;
}

QString printTitlePrefix(FanKind kind)
{
    return u"ЗФН: Печать характеристик "_s + fans::kindAdjective(kind) + u" вентилятора:  "_s;
}

QString printCharacteristicsHeading(FanKind kind)
{
    if (kind == FanKind::RoofLowNoise)
        return u"Характеристики крышного вентилятора с пониж. уровнем шума"_s;
    return u"Характеристики "_s + fans::kindAdjective(kind) + u" вентилятора"_s;
}

QString printDimensionsHeading(FanKind kind)
{
    return u"Основные размеры "_s + fans::kindAdjective(kind) + u" вентилятора:"_s;
}

} // namespace fanviews
