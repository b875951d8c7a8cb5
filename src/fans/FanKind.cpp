#include "fans/FanKind.h"

using namespace Qt::StringLiterals;

namespace fans {

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

QString kindAdjective(FanKind kind)
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

} // namespace fans
