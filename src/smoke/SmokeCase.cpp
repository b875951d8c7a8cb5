#include "smoke/SmokeCase.h"

namespace smoke {

SmokeCase smokeCase(const SmokeProject& p)
{
    SmokeCase c;
    c.residential = p.residential;
    c.corridor = !c.residential && p.corridor;
    c.room = !c.residential && p.room;
    c.reservoir = c.room && p.reservoir;
    c.sprinkler = c.room && p.sprinkler;
    c.bySnip = p.bySnip && (c.residential || c.corridor);
    return c;
}

FirstPageLayout firstPageLayout(const SmokeCase& c)
{
    const bool other = !c.residential;
    return {other, c.residential || c.corridor, c.room, c.residential || c.corridor, c.room, c.reservoir,
        c.room && !c.sprinkler};
}

SecondPageLayout secondPageLayout(const SmokeCase& c, bool largeFire, std::optional<double> doorCount)
{
    const bool outdoor = c.room && largeFire;
    const double kd = doorCount.value_or(1);
    return {c.corridor || outdoor, outdoor, c.room, kd > 1, kd > 2};
}

ThirdPageLayout thirdPageLayout(const SmokeCase& c, const SmokeProject& p)
{
    return {c.residential || c.corridor ? 2 : 4, p.branchValves};
}

bool outletShown(const SmokeProject& p)
{
    return p.fanType == static_cast<int>(FanType::Other);
}

} // namespace smoke
