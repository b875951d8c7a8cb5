#pragma once

#include <QJsonArray>
#include <QJsonObject>
#include <QStringList>
#include <optional>

namespace cli {

// The fields every paged calculation (smoke exhaust, pressurization) reports: "outcome" ("ok" with a result,
// else "refused"), "messages" and "stopped_at_page" (null when the run reached the calculation).
inline QJsonObject calculationRunJson(
    bool calculated, const QStringList& messages, const std::optional<int>& stoppedAtPage)
{
    return {
        {QStringLiteral("outcome"), calculated ? QStringLiteral("ok") : QStringLiteral("refused")},
        {QStringLiteral("messages"), QJsonArray::fromStringList(messages)},
        {QStringLiteral("stopped_at_page"), stoppedAtPage ? QJsonValue(*stoppedAtPage) : QJsonValue()},
    };
}

} // namespace cli
