#include "fans/CandidateFilter.h"

#include <algorithm>
#include <optional>

namespace fans {
namespace {

// The number whose decimal text is exactly this text ("315", not " 315" or "0315"): only such an entry
// can equal the text of a catalogue value.
std::optional<int> exactInteger(const QString& text)
{
    bool ok = false;
    const int value = text.toInt(&ok);
    if (!ok || QString::number(value) != text)
        return std::nullopt;
    return value;
}

template <typename T> bool contains(const std::vector<T>& values, const T& value)
{
    return std::find(values.begin(), values.end(), value) != values.end();
}

} // namespace

std::vector<int> excludedDiameters(const std::vector<TickedText>& diameters)
{
    std::vector<int> excluded;
    for (const TickedText& entry : diameters) {
        if (entry.ticked)
            continue;
        if (const auto d = exactInteger(entry.text))
            excluded.push_back(*d);
    }
    return excluded;
}

CandidateFilter::CandidateFilter(const SelectionRequest& request)
    : m_group(request.group)
    , m_pressureKind(request.pressureKind)
    , m_poles(request.poles)
    , m_singlePhase(request.singlePhase)
    , m_threePhase(request.threePhase)
{
    m_excludedDiameters = excludedDiameters(request.diameters);
    for (const TickedText& entry : request.sizes) {
        if (entry.ticked)
            continue;
        // Size texts are "A" for a round connection and "A*B" for a rectangular one.
        const QStringList parts = entry.text.split(QLatin1Char('*'));
        if (parts.size() == 1) {
            if (const auto a = exactInteger(parts[0]))
                m_excludedRoundSizes.push_back(*a);
        } else if (parts.size() == 2) {
            const auto a = exactInteger(parts[0]);
            const auto b = exactInteger(parts[1]);
            if (a && b)
                m_excludedRectSizes.emplace_back(*a, *b);
        }
    }
}

bool CandidateFilter::passes(const FanRecord& record, const SeriesChoice& series) const
{
    return passesGroup(record, series) && record.name == series.name && passesNarrowing(record);
}

bool CandidateFilter::passesNarrowing(const FanRecord& record) const
{
    return !contains(m_excludedDiameters, record.d) && passesSize(record) && passesMotor(record);
}

bool CandidateFilter::passesGroup(const FanRecord& record, const SeriesChoice& series) const
{
    const bool round = m_group == FanGroup::Duct && series.round;
    if (record.krugl != round || record.krysh != (m_group == FanGroup::Roof)
        || record.podpor != (m_group == FanGroup::Pressurization))
        return false;
    if (m_group == FanGroup::Pressurization)
        return record.davlen == (m_pressureKind == PressureKind::Total);
    return true;
}

bool CandidateFilter::passesSize(const FanRecord& record) const
{
    // Roof fans have no duct size; pressurization fans are filtered although their size list is hidden.
    if (m_group == FanGroup::Roof)
        return true;
    if (record.krugl)
        return !contains(m_excludedRoundSizes, record.a);
    return !contains(m_excludedRectSizes, std::pair(record.a, record.b));
}

bool CandidateFilter::passesMotor(const FanRecord& record) const
{
    static constexpr std::array<int, 4> poleCounts {2, 4, 6, 8};
    return passesPoles(record.polus, poleCounts, m_poles) && (m_singlePhase || record.fazkol)
        && (m_threePhase || !record.fazkol);
}

} // namespace fans
