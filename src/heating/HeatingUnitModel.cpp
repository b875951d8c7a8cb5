#include "heating/HeatingUnitModel.h"

using namespace Qt::StringLiterals;

namespace heating {

namespace {

// The first guess differs between the smaller (1-2, 1-3, 2-2) and the larger models.
constexpr double smallStart(double airFlow)
{
    return 25.0 * airFlow / 3000.0;
}
constexpr double largeStart(double airFlow)
{
    return 35.0 * airFlow / 3000.0;
}

} // namespace

const std::array<HeatingUnitModel, heatingUnitModelCount>& heatingUnitModels()
{
    static const std::array<HeatingUnitModel, heatingUnitModelCount> models = {{
        {u"1-2"_s, 2000, 0.55, 0.64, 0.185, 0.208, 1.93, 0.258, 0.35, u"683*480*400"_s, u"60*35"_s,
            u"1*220"_s, 0.11, 69, smallStart(2000)},
        {u"1-3"_s, 1800, 1.19, 0.57, 0.185, 0.095, 1.94, 0.258, 0.35, u"683*480*400"_s, u"60*35"_s,
            u"1*220"_s, 0.11, 69, smallStart(1800)},
        {u"2-2"_s, 3000, 1.45, 0.47, 0.25, 0.094, 1.95, 0.298, 0.4, u"833*540*462"_s, u"70*40"_s,
            u"3*380(1*220)"_s, 0.22, 72, smallStart(3000)},
        {u"2-3"_s, 2600, 1.47, 0.53, 0.22, 0.054, 1.95, 0.298, 0.4, u"833*540*462"_s, u"70*40"_s,
            u"3*380(1*220)"_s, 0.22, 72, largeStart(2600)},
        {u"3-2"_s, 5000, 1.99, 0.49, 0.2, 0.034, 1.95, 0.4, 0.5, u"1273*610*515"_s, u"100*50"_s,
            u"3*380(1*220)"_s, 0.25, 75, largeStart(5000)},
        {u"3-3"_s, 4600, 1.46, 0.55, 0.21, 0.017, 1.96, 0.4, 0.5, u"1273*610*515"_s, u"100*50"_s,
            u"3*380(1*220)"_s, 0.25, 75, largeStart(4600)},
    }};
    return models;
}

} // namespace heating
