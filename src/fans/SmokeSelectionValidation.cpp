#include "fans/SmokeSelectionValidation.h"

#include "fans/SelectionValidation.h"

#include <algorithm>

namespace fans {

SmokeRequestFault checkSmokeRequest(const SmokeSelectionRequest& request)
{
    if (!(request.temperature > -273))
        return SmokeRequestFault::TemperatureTooLow;
    if (!(request.flow > 0))
        return SmokeRequestFault::FlowNotPositive;
    if (!(request.pressure > 0))
        return SmokeRequestFault::PressureNotPositive;
    if (std::none_of(
            request.diameters.begin(), request.diameters.end(), [](const TickedText& e) { return e.ticked; }))
        return SmokeRequestFault::NoDiameter;
    if (std::none_of(request.poles.begin(), request.poles.end(), [](bool ticked) { return ticked; }))
        return SmokeRequestFault::NoPoles;
    return SmokeRequestFault::None;
}

QString smokeFaultMessage(SmokeRequestFault fault, SmokeGroup group)
{
    switch (fault) {
    case SmokeRequestFault::None:
        break;
    case SmokeRequestFault::TemperatureTooLow:
        return QStringLiteral("Температура удаляемого дыма должна быть выше -273 °C!!!");
    case SmokeRequestFault::FlowNotPositive:
        return faultMessage(RequestFault::FlowNotPositive);
    case SmokeRequestFault::PressureNotPositive:
        return group == SmokeGroup::RoofWall
            ? QStringLiteral("Статическое давление преодолеваемое вентилятором должно быть больше нуля!!!")
            : QStringLiteral("Полное давление преодолеваемое вентилятором должно быть больше нуля!!!");
    case SmokeRequestFault::NoDiameter:
        return faultMessage(RequestFault::NoDiameter);
    case SmokeRequestFault::NoPoles:
        return faultMessage(RequestFault::NoPoles);
    }
    return {};
}

} // namespace fans
