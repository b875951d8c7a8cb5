#include "curtains/CurtainCalc.h"
#include "curtains/CurtainSizes.h"

#include "common/FiniteResult.h"
#include "common/NumberText.h"

#include <cmath>

using namespace Qt::StringLiterals;

// The composition of a curtain from blocks: ТЕМ's identical blocks and ПЛН's blocks А and Б.
namespace curtains {

namespace {

// Counts beyond this are no curtain any more (and would not fit an integer).
constexpr double largestBlockCount = 1e6;
// Lengths are sums of decimal block lengths; a thousandth of a millimetre is no difference.
constexpr double lengthTolerance = 1e-6;

CurtainRefusal outOfRange()
{
    return {finiteResultMessage(), CurtainField::None};
}

} // namespace

TemBlocks temBlocks(const CurtainInputs& in, double requiredFlow)
{
    TemBlocks blocks;
    blocks.smallestBlockItem = validItem(in.smallestBlockItem, temBlockLimitCount, temLargestBlockItem);
    if (!in.blockLimit || blocks.smallestBlockItem == temLargestBlockItem) {
        const double perBlock = (in.side && !in.onePost ? 0.5 : 1.0) * requiredFlow;
        const double count = std::max(1.0, std::ceil(perBlock / temBlockFlowLimit));
        if (!(count <= largestBlockCount)) {
            blocks.refusal = outOfRange();
            return blocks;
        }
        blocks.count = static_cast<int>(count);
        blocks.modelFlow = requiredFlow;
        return blocks;
    }
    int item = blocks.smallestBlockItem;
    double count = std::floor(requiredFlow / temBlock(item).largestFlow);
    while (count < 1 && item > 0) {
        --item;
        count = std::floor(requiredFlow / temBlock(item).largestFlow);
    }
    blocks.smallestBlockItem = item;
    if (!(count <= largestBlockCount)) {
        blocks.refusal = outOfRange();
        return blocks;
    }
    blocks.count = static_cast<int>(std::max(count, 1.0));
    const double blockLength = 1000.0 * (in.side ? in.H : in.B) / blocks.count;
    if (temBlock(item).smallestLength > blockLength) {
        blocks.refusal = CurtainRefusal {
            u"При заданных ограничениях завесу подобрать невозможно. \nИзмените исходные данные."_s,
            CurtainField::None};
        return blocks;
    }
    blocks.modelFlow = temBlock(item).largestFlow;
    return blocks;
}

PlnComposition plnComposition(int type, double gateLength, bool mayExtend)
{
    const PlnTypeBlocks& t = plnTypeBlocks(type);
    PlnComposition c;
    const double modules = gateLength / t.module;
    if (!(modules <= largestBlockCount)) {
        c.refusal = outOfRange();
        return c;
    }
    auto n = static_cast<long long>(roundHalfEven(modules));
    for (int pass = 0; pass < 2; ++pass) {
        c.blocksA = 0;
        c.blocksB = 0;
        if (n % t.modulesB == 0) {
            c.blocksB = static_cast<int>(n / t.modulesB);
            c.length = c.blocksB * t.lengthB;
            break;
        }
        if (n < t.modulesA && !mayExtend) {
            c.refusal = CurtainRefusal {
                u"Блок А выступает за проем. Внесите изменения в условия."_s, CurtainField::B};
            return c;
        }
        if (n < 3 * t.modulesA && n % t.modulesA == 0) {
            c.blocksA = static_cast<int>(n / t.modulesA);
            c.length = c.blocksA * t.lengthA;
            break;
        }
        c.blocksB = static_cast<int>(std::floor(static_cast<double>(n - t.modulesA) / t.modulesB));
        c.blocksA
            = static_cast<int>(roundHalfEven(static_cast<double>(n - t.modulesB * c.blocksB) / t.modulesA));
        c.length = c.blocksB * t.lengthB + c.blocksA * t.lengthA;
        const double over = c.length - gateLength;
        if (pass == 1)
            break;
        if (over > lengthTolerance && !mayExtend)
            n = static_cast<long long>(std::floor(modules + lengthTolerance));
        else if (over < -lengthTolerance && mayExtend)
            n = static_cast<long long>(std::ceil(modules - lengthTolerance));
        else
            break;
    }
    if (c.blocksA < 0 || c.blocksB < 0)
        c.refusal = CurtainRefusal {
            u"Проем слишком мал для завесы типа %1: из блоков А (%2 м) и Б (%3 м) его длину "
            u"%4 м не составить без отрицательного числа блоков. Уточните исходные данные."_s.arg(type)
                .arg(t.lengthA)
                .arg(t.lengthB)
                .arg(gateLength),
            CurtainField::B};
    else if (c.blocksA + c.blocksB == 0)
        c.refusal = CurtainRefusal {
            u"Проем короче половины модуля завесы типа %1 (модуль %2 м, проем %3 м): завесу "
            u"составить не из чего. Уточните исходные данные."_s.arg(type)
                .arg(t.module)
                .arg(gateLength),
            CurtainField::B};
    return c;
}

} // namespace curtains
