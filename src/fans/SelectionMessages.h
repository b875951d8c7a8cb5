#pragma once

#include <QString>

// Texts with which a selection run ends without listing fans.
namespace fans::messages {

inline QString noSeriesTicked()
{
    return QStringLiteral(
        "Отметьте галочкой, из каких серий вентиляторов необходимо произвести подбор?!, или "
        "нажмите кнопку <<Выделить ВСЕ>>");
}
// The smoke-exhaust window has no tick-all buttons to point to.
inline QString noSmokeSeriesTicked()
{
    return QStringLiteral("Отметьте галочкой, из каких серий вентиляторов необходимо произвести подбор?!");
}
inline QString nothingAccepted()
{
    return QStringLiteral("В область заданной рабочей точки с выбранным диапазоном не попала ни одна "
                          "характеристика ?!");
}
inline QString nothingAcceptedHint()
{
    return QStringLiteral("Измените (увеличьте) диапазон / выделите больше серий вентиляторов / обратите "
                          "внимание на положение рабочей точки (Расход/Давление)?!");
}
inline QString tooManyFans()
{
    return QStringLiteral("Отобрано свыше 30 вариантов !!! Уменьшите диапазон подбора или количество "
                          "отмеченных серий вентиляторов!");
}

} // namespace fans::messages
