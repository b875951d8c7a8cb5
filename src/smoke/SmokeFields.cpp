#include "smoke/SmokeInputs.h"

using namespace Qt::StringLiterals;

namespace smoke {

namespace {

struct FieldPlace {
    SmokeField field;
    const char16_t* control;
    int page;
};

constexpr FieldPlace fieldPlaces[] = {
    {SmokeField::DoorHeight, u"Input_H", 1},
    {SmokeField::DoorWidth, u"Input_B", 1},
    {SmokeField::RoomArea, u"Input_A", 1},
    {SmokeField::RoomHeight, u"Input_hh", 1},
    {SmokeField::CurtainHeight, u"Input_Yz", 1},
    {SmokeField::FirePerimeter, u"Input_Pf", 1},
    {SmokeField::HeightDifference, u"Input_dH", 2},
    {SmokeField::Evacuees, u"Input_Ke", 2},
    {SmokeField::OutdoorTemperature, u"Input_Tn", 2},
    {SmokeField::WindSpeed, u"Input_V", 2},
    {SmokeField::DoorCount, u"Input_Kd", 2},
    {SmokeField::DoorArea1, u"Input_Ad1", 2},
    {SmokeField::DoorArea2, u"Input_Ad2", 2},
    {SmokeField::DoorArea3, u"Input_Ad3", 2},
    {SmokeField::ValvesPerFloor, u"Input_Nk", 3},
    {SmokeField::BranchLength, u"Input_Lo", 3},
    {SmokeField::BranchArea, u"Input_Fo", 3},
    {SmokeField::ValveArea, u"Input_Fk", 3},
    {SmokeField::Floors, u"Input_N", 3},
    {SmokeField::Sections, u"StringGrid_Ychastki", 4},
    {SmokeField::FanOutletHeight, u"Input_hv", 5},
    {SmokeField::OutletLength, u"Input_Lv", 5},
    {SmokeField::OutletDiameter, u"Input_dv", 5},
    {SmokeField::OutletResistance, u"Input_Gamma_Sopr", 5},
};

const FieldPlace* placeOf(SmokeField field)
{
    for (const FieldPlace& place : fieldPlaces) {
        if (place.field == field)
            return &place;
    }
    return nullptr;
}

} // namespace

QString smokeFieldControl(SmokeField field)
{
    const FieldPlace* place = placeOf(field);
    return place ? QString::fromUtf16(place->control) : QString();
}

int smokeFieldPage(SmokeField field)
{
    const FieldPlace* place = placeOf(field);
    return place ? place->page : 0;
}

} // namespace smoke
