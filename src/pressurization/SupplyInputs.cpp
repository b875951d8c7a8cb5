#include "pressurization/SupplyInputs.h"

using namespace Qt::StringLiterals;

namespace pressurization {

SupplyScheme supplySchemeOf(const SupplyProject& p)
{
    if (p.schemeShaft)
        return SupplyScheme::Shaft;
    if (p.schemeJoint)
        return SupplyScheme::Joint;
    if (p.schemeSeparate)
        return SupplyScheme::Separate;
    if (p.schemeZones)
        return SupplyScheme::Zones;
    return SupplyScheme::Shaft;
}

int supplyFanCount(SupplyScheme scheme)
{
    switch (scheme) {
    case SupplyScheme::Shaft:
    case SupplyScheme::Joint:
        return 1;
    case SupplyScheme::Separate:
        return 2;
    case SupplyScheme::Zones:
        return 3;
    }
    return 1;
}

int supplyLastPage(SupplyScheme scheme)
{
    return 2 + supplyFanCount(scheme);
}

int supplyFlowMultiplier(SupplyScheme scheme)
{
    return supplyFanCount(scheme);
}

QString supplyFieldControl(SupplyField field)
{
    switch (field) {
    case SupplyField::None:
        return {};
    case SupplyField::OutdoorTemperature:
        return u"Input_tn"_s;
    case SupplyField::WindSpeed:
        return u"Input_V"_s;
    case SupplyField::Floors:
        return u"Input_N"_s;
    case SupplyField::StoreyHeight:
        return u"Input_h"_s;
    case SupplyField::Doors:
        return u"Input_nn"_s;
    case SupplyField::LeafWidth:
        return u"Input_b"_s;
    case SupplyField::Lifts:
        return u"Input_m"_s;
    case SupplyField::EntranceArea:
        return u"Input_A"_s;
    case SupplyField::SmokeFlow:
        return u"Input_G"_s;
    case SupplyField::ZoneFloors:
        return u"Input_Nz"_s;
    case SupplyField::Sections1:
        return u"StringGrid_Ychastki"_s;
    case SupplyField::Sections2:
        return u"StringGrid_Ychastki_2"_s;
    case SupplyField::Sections3:
        return u"StringGrid_Ychastki_3"_s;
    }
    return {};
}

int supplyFieldPage(SupplyField field)
{
    switch (field) {
    case SupplyField::None:
        return 0;
    case SupplyField::ZoneFloors:
        return 2;
    case SupplyField::Sections1:
        return 3;
    case SupplyField::Sections2:
        return 4;
    case SupplyField::Sections3:
        return 5;
    default:
        return 1;
    }
}

} // namespace pressurization
