#pragma once

#include "fans/FanRecord.h"
#include "fans/SelectionRequest.h"

#include <array>
#include <utility>
#include <vector>

namespace fans {

// The diameters of the unticked entries of a diameter list: only an entry whose text is exactly the
// decimal text of a catalogue D ("315", not " 315") can exclude it.
std::vector<int> excludedDiameters(const std::vector<TickedText>& diameters);

// Whether a pole count passes the ticks of the listed pole counts; counts not listed always pass.
template <size_t N>
bool passesPoles(int polus, const std::array<int, N>& poleCounts, const std::array<bool, N>& ticks)
{
    for (size_t i = 0; i < N; ++i) {
        if (polus == poleCounts[i] && !ticks[i])
            return false;
    }
    return true;
}

// The user's narrowing of the catalogue before the duty test: series, group, pressure kind, diameters,
// duct sizes, motor poles and phases. Built once per run; the unticked list entries are turned into
// numbers so that the scan of a large catalogue compares integers, not texts.
class CandidateFilter {
public:
    explicit CandidateFilter(const SelectionRequest& request);

    bool passes(const FanRecord& record, const SeriesChoice& series) const;
    // The diameter, duct-size, pole and phase ticks alone.
    bool passesNarrowing(const FanRecord& record) const;

private:
    bool passesGroup(const FanRecord& record, const SeriesChoice& series) const;
    bool passesSize(const FanRecord& record) const;
    bool passesMotor(const FanRecord& record) const;

    FanGroup m_group;
    PressureKind m_pressureKind;
    std::vector<int> m_excludedDiameters;
    std::vector<int> m_excludedRoundSizes;
    std::vector<std::pair<int, int>> m_excludedRectSizes;
    std::array<bool, 4> m_poles;
    bool m_singlePhase;
    bool m_threePhase;
};

} // namespace fans
