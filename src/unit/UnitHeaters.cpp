#include "unit/UnitHeaters.h"

namespace unit {

SectionArea sectionAreaOf(const std::vector<SectionRecord>& sections)
{
    return [sections](int kanalIndex) {
        for (const SectionRecord& s : sections) {
            if (s.num == kanalIndex)
                return s.area();
        }
        return 0.0;
    };
}

HeaterOutcome selectCatalogueHeater(ElementStore& store, HeaterKind kind, const QString& type,
    const HeaterInputs& in, const std::vector<SectionRecord>& sections)
{
    const std::vector<HeaterRecord> candidates = store.heaterCandidates(kind, type);
    const SectionArea area = sectionAreaOf(sections);
    return kind == HeaterKind::Water ? selectWaterHeater(in, candidates, area)
                                     : selectElectricHeater(in, candidates, area);
}

} // namespace unit
