#pragma once

#include <QString>

// Messages of the unit calculations, shared by the checks of the window and of the calculations themselves.
namespace unit::messages {

using namespace Qt::StringLiterals;

inline QString freePressureNegative()
{
    return u"Свободное давление должно быть больше или равно нулю!!!"_s;
}
inline QString speedNotPositive()
{
    return u"Максимально возможная скорость воздуха не может быть меньше или равна нулю!!!"_s;
}
inline QString speedTooHigh()
{
    return u"Максимально возможная скорость воздуха не может быть больше 15 м/с!!!"_s;
}
inline QString freePressureTooHigh()
{
    return u"Свободное давление не может быть больше 10000 Па!!!"_s;
}
inline QString flowNotPositive()
{
    return u"Расход воздуха должен быть больше нуля!!!"_s;
}
inline QString heaterAirNotWarmed()
{
    return u"Температура воздуха на выходе из приточной системы должна быть больше, чем на входе при подборе "
           u"теплообменника."_s;
}
inline QString waterNotCooled()
{
    return u"Температура горячей воды на выходе из теплообменника должна быть меньше, чем на входе!"_s;
}
// Water no warmer than the incoming air cannot heat it: the required transfer would be infinite.
inline QString waterNotWarmerThanAir()
{
    return u"Температура горячей воды на входе в теплообменник должна быть больше, чем температура воздуха "
           u"на "
           u"входе!"_s;
}
inline QString coolerFlowNotPositive()
{
    return u"Расход воздуха для подбора охладителя должен быть больше нуля!!!"_s;
}
inline QString coolerAirNotCooled()
{
    return u"Температура воздуха на выходе из приточной системы должна быть меньше, чем на входе при подборе "
           u"охладителя."_s;
}
inline QString humidityOutOfRange()
{
    return u"Относительная влажность воздуха должна быть от 0 до 100 %!!!"_s;
}
// A chosen heater that cannot give the duty: the air leaves colder than asked for.
inline QString heaterBelowDuty(const QString& model, const QString& output, const QString& duty)
{
    return u"Тепловая мощность выбранного теплообменника %1 (%2 кВт) меньше требуемой (%3 кВт): воздух на "
           u"выходе не нагреется до заданной температуры. Выберите другую модель теплообменника."_s.arg(
               model, output, duty);
}
// The unit's fan needs a duty above zero: a unit without free pressure and losses has none.
inline QString fanPressureNotPositive()
{
    return u"Суммарное сопротивление модульной системы должно быть больше нуля: задайте свободное "
           u"давление или отметьте элементы, чтобы подобрать вентилятор!"_s;
}
inline QString fanFlowNotPositive()
{
    return u"Расход воздуха модульной системы должен быть больше нуля, чтобы подобрать вентилятор!"_s;
}
inline QString noHeaterType()
{
    return u"Отметьте галочкой хотя бы один! тип теплообменника, чтобы произвести подбор?!"_s;
}

// The page of a unit without heating and cooling words its refusals with one "!".
inline QString plainFlowNotPositive()
{
    return u"Расход воздуха должен быть больше нуля!"_s;
}
inline QString plainFreePressureNegative()
{
    return u"Свободное давление должно быть больше или равно нулю!"_s;
}
inline QString plainSpeedNotPositive()
{
    return u"Максимально возможная скорость воздуха не может быть меньше или равна нулю!"_s;
}
inline QString plainSpeedTooHigh()
{
    return u"Максимально возможная скорость воздуха не может быть больше 15 м/с!"_s;
}
inline QString plainFreePressureTooHigh()
{
    return u"Свободное давление не может быть больше 10000 Па!"_s;
}

} // namespace unit::messages
