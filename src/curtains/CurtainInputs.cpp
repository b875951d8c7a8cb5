#include "curtains/CurtainInputs.h"

#include "curtains/CurtainForm.h"

namespace curtains {

CurtainInputs defaultCurtainInputs(Series series)
{
    CurtainInputs in;
    in.series = series;
    in.side = series != Series::Pln; // a ПЛН curtain is a top curtain unless told otherwise
    return in;
}

CurtainProject defaultCurtainProject(Series series)
{
    return defaultRecord(curtainFormInputs(series));
}

int heaterItemCount(Series series)
{
    return series == Series::Ork ? 4 : 3;
}

HeaterKind heaterKind(Series series, int heaterItem)
{
    switch (heaterItem) {
    case 1:
        return HeaterKind::Water;
    case 2:
        return series == Series::Pln ? HeaterKind::Electric : HeaterKind::Steam;
    case 3:
        return series == Series::Ork ? HeaterKind::Electric : HeaterKind::None;
    default:
        return HeaterKind::None;
    }
}

int validItem(int index, int count, int defaultItem)
{
    return index >= 0 && index < count ? index : defaultItem;
}

CurtainProject withValidItems(CurtainProject p, Series series)
{
    const CurtainProject d = defaultCurtainProject(series);
    p.buildingType = validItem(p.buildingType, buildingTypeCount, d.buildingType);
    p.placement = validItem(p.placement, 2, d.placement);
    p.posts = validItem(p.posts, 2, d.posts);
    p.heaterType = validItem(p.heaterType, heaterItemCount(series), d.heaterType);
    p.heaterRows = validItem(p.heaterRows, 2, d.heaterRows);
    p.powerStep = validItem(p.powerStep, 2, d.powerStep);
    p.blockLimit = validItem(p.blockLimit, 2, d.blockLimit);
    p.smallestBlock = validItem(p.smallestBlock, temBlockLimitCount, d.smallestBlock);
    return p;
}

bool readsWaterTemperatures(Series series, int heaterItem)
{
    return heaterKind(series, heaterItem) == HeaterKind::Water;
}

CurtainReading readCurtainInputs(const CurtainProject& typed, Series series, QChar decimalSeparator)
{
    const CurtainProject p = withValidItems(typed, series);
    CurtainInputs in = defaultCurtainInputs(series);
    in.buildingType = p.buildingType;
    in.side = p.placement == 0;
    in.onePost = p.posts == 0;
    in.heater = heaterKind(series, p.heaterType);
    in.threeRows = series != Series::Pln && p.heaterRows == 1;
    in.reducedPower = series == Series::Ork && p.powerStep == 1;
    in.blockLimit = series == Series::Tem && p.blockLimit == 0;
    in.smallestBlockItem = p.smallestBlock;
    in.mayExtend = p.mayExtend;

    const auto read = readNumbers(
        curtainFormInputs(series), p, in, decimalSeparator, curtainNumberOrder(series, p.heaterType));
    if (!read.inputs)
        return {std::nullopt, static_cast<CurtainField>(read.badNumber->focusField), read.badText};
    return {*read.inputs, CurtainField::None, {}};
}

} // namespace curtains
