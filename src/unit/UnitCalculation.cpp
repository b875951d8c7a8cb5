#include "unit/UnitCalculation.h"

#include "common/NumberText.h"
#include "unit/UnitHeaters.h"
#include "unit/UnitMessages.h"

#include <algorithm>

using namespace Qt::StringLiterals;

namespace unit {

namespace {

struct Check {
    bool fails;
    UnitField field;
    QString (*message)();
};

} // namespace

double unitAirFlow(const UnitInputs& in)
{
    return in.kind == UnitKind::Cooler ? in.cooler.flow : in.heater.flow;
}

std::optional<UnitInputProblem> unitInputProblem(const UnitInputs& in, bool anyHeaterType)
{
    const HeaterInputs& h = in.heater;
    const CoolerInputs& c = in.cooler;
    std::vector<Check> checks {{in.freePressure < 0, UnitField::FreePressure, messages::freePressureNegative},
        {in.freePressure > largestFreePressure, UnitField::FreePressure, messages::freePressureTooHigh},
        {!(h.maxSpeed > 0), UnitField::MaxSpeed, messages::speedNotPositive},
        {h.maxSpeed > largestAirSpeed, UnitField::MaxSpeed, messages::speedTooHigh}};
    if (in.kind == UnitKind::Plain)
        checks.push_back({!(h.flow > 0), UnitField::Flow, messages::flowNotPositive});
    if (hasHeater(in.kind)) {
        checks.push_back({!(h.flow > 0), UnitField::Flow, messages::flowNotPositive});
        checks.push_back({!(h.airOut > h.airIn), UnitField::AirOut, messages::heaterAirNotWarmed});
        checks.push_back({!(h.waterOut < h.waterIn), UnitField::WaterOut, messages::waterNotCooled});
        checks.push_back({!(h.waterIn > h.airIn), UnitField::WaterIn, messages::waterNotWarmerThanAir});
    }
    if (hasCooler(in.kind)) {
        checks.push_back({!(c.flow > 0), UnitField::CoolerFlow, messages::coolerFlowNotPositive});
        checks.push_back({!(c.airOut < c.airIn), UnitField::CoolerAirOut, messages::coolerAirNotCooled});
        checks.push_back({!humidityInRange(c.humidity), UnitField::Humidity, messages::humidityOutOfRange});
    }
    if (hasHeater(in.kind))
        checks.push_back({!anyHeaterType, UnitField::HeaterTypes, messages::noHeaterType});
    for (const Check& check : checks) {
        if (check.fails)
            return UnitInputProblem {check.field, check.message()};
    }
    return std::nullopt;
}

UnitVariants calculateVariants(ElementStore& store, const UnitInputs& in, const QStringList& waterTypes,
    const QStringList& electricTypes, const std::vector<SectionRecord>& sections)
{
    UnitVariants v;
    HeaterInputs heater = in.heater;
    if (hasCooler(in.kind)) {
        const CoolerOutcome cooler = selectCooler(in.cooler);
        v.cooler = cooler.result;
        if (!cooler.message.isEmpty())
            v.refusal = cooler.message;
        if (v.cooler)
            heater.coolerArea = v.cooler->area;
    }
    if (!hasHeater(in.kind) || !v.refusal.isEmpty())
        return v;
    for (HeaterKind kind : {HeaterKind::Water, HeaterKind::Electric}) {
        for (const QString& type : kind == HeaterKind::Water ? waterTypes : electricTypes) {
            const HeaterOutcome outcome = selectCatalogueHeater(store, kind, type, heater, sections);
            if (!outcome.message.isEmpty()) {
                v.refusal = outcome.message;
                return v;
            }
            if (outcome.choice)
                v.heaters.push_back(outcome.choice->variant);
        }
    }
    return v;
}

UnitSection unitSection(
    ElementStore& store, const UnitInputs& in, const UnitVariants& variants, int heaterColumn)
{
    UnitSection s;
    s.basePressure = in.freePressure;
    s.cooler = variants.cooler;
    if (hasHeater(in.kind)) {
        if (heaterColumn < 1 || heaterColumn > int(variants.heaters.size()))
            return s;
        const THeaterVariant& heater = variants.heaters[heaterColumn - 1];
        s.kanalIndex = heater.kanalIndex;
        s.baseLength = heater.length;
        s.basePressure += heater.airLoss;
        if (hasCooler(in.kind)) {
            const CoolerOutcome cooler = selectCooler(in.cooler, s.kanalIndex);
            s.cooler = cooler.result;
            s.coolerMessage = cooler.message;
        }
    } else if (s.cooler) {
        s.kanalIndex = s.cooler->section;
    }
    if (s.cooler) {
        s.coolerRow = store.cooler(s.cooler->type, s.kanalIndex);
        s.baseLength += s.coolerRow ? s.coolerRow->length : 0;
        s.basePressure += s.cooler->airLoss;
    }
    return s;
}

ElementLists elementListsFor(
    ElementStore& store, int kanalIndex, double flow, LineStyle style, bool filterAfterHeaterChoice)
{
    ElementLists lists;
    for (AccessoryKind kind : accessoryKinds) {
        lists[int(kind)]
            = elementLines(store.accessories(kind, kanalIndex), kind, flow, style, filterAfterHeaterChoice);
    }
    return lists;
}

int ElementTicks::countAt(AccessoryKind kind, int position) const
{
    const std::vector<int>& list = counts[int(kind)];
    return position >= 0 && position < int(list.size()) ? list[position] : 1;
}

Composition composeUnit(ElementStore& store, int kanalIndex, double flow, const ElementLists& lists,
    const ElementTicks& ticks, double baseLength, double basePressure)
{
    Composition c;
    c.length = baseLength;
    c.pressure = basePressure;
    for (AccessoryKind kind : accessoryKinds) {
        const QStringList& lines = lists[int(kind)];
        std::vector<int> positions = ticks.ticked[int(kind)];
        std::sort(positions.begin(), positions.end());
        positions.erase(std::unique(positions.begin(), positions.end()), positions.end());
        for (int position : positions) {
            if (position < 0 || position >= lines.size())
                continue; // a stored position beyond the list
            ComposedElement e;
            e.kind = kind;
            e.pieces = splitElementLine(lines[position]);
            e.row = store.accessory(kind, kanalIndex, e.pieces.tip.trimmed(), e.pieces.model.trimmed())
                        .value_or(AccessoryRecord {});
            e.count = isCounted(kind) ? ticks.countAt(kind, position) : 1;
            e.loss = kind == AccessoryKind::Connector ? 0 : e.row.loss(flow);
            c.length += e.row.length * e.count;
            c.pressure += e.loss * e.count;
            c.lines << compositionLine(kind, e.pieces, e.row.length, e.loss, e.count);
            c.elements.push_back(e);
        }
    }
    return c;
}

QString speedVerdict(double v)
{
    if (v < 2 || v >= 5)
        return u"нежелательно"_s;
    if (v < 3 || v > 4)
        return u"приемлемо"_s;
    return u"рекомендуемо"_s;
}

std::vector<SectionSpeed> sectionSpeeds(const std::vector<SectionRecord>& sections, double flow)
{
    std::vector<SectionSpeed> rows;
    for (const SectionRecord& s : sections) {
        const double speed = s.a > 0 && s.b > 0 ? flow * 1e6 / (s.a * 3600.0 * s.b) : 0;
        rows.push_back({s.num, u"%1*%2 мм"_s.arg(s.a).arg(s.b), speed, speedVerdict(speed)});
    }
    return rows;
}

std::optional<int> sectionForSpeed(const std::vector<SectionRecord>& sections, double flow, double maxSpeed)
{
    for (const SectionSpeed& row : sectionSpeeds(sections, flow)) {
        if (row.speed <= maxSpeed)
            return row.kanalIndex;
    }
    return std::nullopt;
}

QString chosenHeaterShortfall(const UnitRun& run, QChar decimalSeparator)
{
    if (run.heaterColumn < 1 || run.heaterColumn > int(run.variants.heaters.size()))
        return {};
    return heaterShortfallMessage(run.variants.heaters[size_t(run.heaterColumn - 1)], decimalSeparator);
}

int chosenHeaterColumn(const UnitInputs& in, const UnitVariants& variants, int wanted)
{
    // A stored column beyond the variants leaves the first one chosen.
    const int count = int(variants.heaters.size());
    if (!hasHeater(in.kind) || count == 0)
        return 0;
    return wanted >= 1 && wanted <= count ? wanted : 1;
}

namespace {

QString sectionTextOf(const std::vector<SectionRecord>& sections, int kanalIndex)
{
    for (const SectionRecord& s : sections) {
        if (s.num == kanalIndex)
            return s.text;
    }
    return {};
}

} // namespace

UnitRun calculateUnit(ElementStore& store, const UnitInputs& in, const QStringList& waterTypes,
    const QStringList& electricTypes, int heaterColumn, const ElementTicks& ticks)
{
    UnitRun run;
    const std::vector<SectionRecord> sections = store.sections();
    run.variants = calculateVariants(store, in, waterTypes, electricTypes, sections);
    if (!run.variants.refusal.isEmpty())
        return run;
    run.heaterColumn = chosenHeaterColumn(in, run.variants, heaterColumn);
    run.section = unitSection(store, in, run.variants, run.heaterColumn);
    LineStyle style = LineStyle::HeaterPath;
    if (in.kind == UnitKind::Plain) {
        // Without heater and cooler the flow and the highest speed give the section.
        style = LineStyle::PlainPath;
        const std::optional<int> fitting = sectionForSpeed(sections, unitAirFlow(in), in.heater.maxSpeed);
        run.section.kanalIndex = fitting.value_or(sections.empty() ? 0 : sections.front().num);
    }
    run.sectionText = sectionTextOf(sections, run.section.kanalIndex);
    const bool heaterChosen = run.heaterColumn > 0;
    run.lists = elementListsFor(store, run.section.kanalIndex, unitAirFlow(in), style, heaterChosen);
    run.composition = composeUnit(store, run.section.kanalIndex, unitAirFlow(in), run.lists, ticks,
        run.section.baseLength, run.section.basePressure);
    return run;
}

std::optional<UnitRun> withHeater(ElementStore& store, const UnitInputs& in, const UnitRun& run, int column)
{
    if (!hasHeater(in.kind) || column < 1 || column > int(run.variants.heaters.size()))
        return std::nullopt;
    UnitRun chosen = run;
    chosen.heaterColumn = column;
    chosen.section = unitSection(store, in, run.variants, column);
    chosen.sectionText = sectionTextOf(store.sections(), chosen.section.kanalIndex);
    if (chosen.section.kanalIndex != run.section.kanalIndex)
        chosen.lists
            = elementListsFor(store, chosen.section.kanalIndex, unitAirFlow(in), LineStyle::HeaterPath, true);
    return chosen;
}

UnitRun calculatePlainUnit(
    ElementStore& store, const UnitInputs& in, int kanalIndex, const ElementTicks& ticks)
{
    UnitRun run;
    run.section.kanalIndex = kanalIndex;
    run.section.basePressure = in.freePressure;
    for (const SectionRecord& s : store.sections()) {
        if (s.num == kanalIndex)
            run.sectionText = s.text;
    }
    run.lists = elementListsFor(store, kanalIndex, in.heater.flow, LineStyle::PlainPath);
    run.composition = composeUnit(store, kanalIndex, in.heater.flow, run.lists, ticks, 0, in.freePressure);
    return run;
}

std::vector<UnitElementRow> unitElementRows(ElementStore& store, const UnitRun& run, const UnitInputs& in)
{
    std::vector<UnitElementRow> rows;
    if (run.heaterColumn > 0) {
        const THeaterVariant& h = run.variants.heaters[run.heaterColumn - 1];
        rows.push_back(
            {u"Теплообменник"_s, h.tip, h.model, h.airLoss, h.length, run.sectionText, h.price, 1});
    }
    if (const std::optional<CoolerResult>& cooler = run.section.cooler; cooler && hasCooler(in.kind)) {
        const std::optional<CoolerRecord>& row = run.section.coolerRow;
        rows.push_back({u"Охладитель"_s, cooler->type, cooler->model, cooler->airLoss, row ? row->length : 0,
            run.sectionText, row ? row->price : 0, 1});
        const std::optional<CondensingUnitRecord> unit = store.condensingUnit(cooler->condensingUnit);
        // The condensing unit stands outside the duct: no section; its type names the cooler series.
        const QString series = cooler->type == u"ХРСА"_s ? u"Водяной"_s : u"Фреоновый"_s;
        rows.push_back(
            {u"ККБ"_s, series, cooler->condensingUnit, 0, 0, QString(), unit ? unit->price : 0, 1});
    }
    for (const ComposedElement& e : run.composition.elements)
        rows.push_back({elementKindName(e.kind), e.pieces.tip.trimmed(), e.pieces.model.trimmed(), e.loss,
            e.row.length, run.sectionText, e.row.price, e.count});
    return rows;
}

} // namespace unit
