#include "fans/SelectionValidation.h"

#include <algorithm>

namespace fans {
namespace {

bool anyTicked(const std::vector<TickedText>& entries)
{
    return std::any_of(entries.begin(), entries.end(), [](const TickedText& e) { return e.ticked; });
}

} // namespace

RequestFault checkRequest(const SelectionRequest& request)
{
    if (!(request.flow > 0))
        return RequestFault::FlowNotPositive;
    if (!(request.pressure > 0))
        return RequestFault::PressureNotPositive;
    if (!anyTicked(request.diameters))
        return RequestFault::NoDiameter;
    if (request.group == FanGroup::Duct && !anyTicked(request.sizes))
        return RequestFault::NoSize;
    if (std::none_of(request.poles.begin(), request.poles.end(), [](bool ticked) { return ticked; }))
        return RequestFault::NoPoles;
    return RequestFault::None;
}

QString faultMessage(RequestFault fault)
{
    switch (fault) {
    case RequestFault::None:
        break;
    case RequestFault::FlowNotPositive:
        return QStringLiteral("Количество подаваемого воздуха должено быть больше нуля!!!");
    case RequestFault::PressureNotPositive:
        return QStringLiteral("Создаваемый напор должен быть больше нуля!!!");
    case RequestFault::NoDiameter:
        return QStringLiteral("Отметьте галочкой хотя бы один! диаметр колеса, чтобы произвести подбор?!");
    case RequestFault::NoSize:
        return QStringLiteral("Отметьте галочкой хотя бы один! размер канала вентиляционной системы, чтобы "
                              "произвести подбор?!");
    case RequestFault::NoPoles:
        return QStringLiteral("Отметьте галочкой хотя бы одну! позицию Диапазопа подбора по частоте вращения "
                              "рабочих колес (по полюсности электродвигателя рабочих колес)");
    }
    return {};
}

} // namespace fans
