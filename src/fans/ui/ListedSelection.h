#pragma once

#include "common/StoreError.h"
#include "fans/FanSelection.h"
#include "ui/BusyIndicator.h"
#include "ui/Messages.h"

#include <optional>

// Runs a fan selection as the selection windows do: under the busy indicator with `busyText`. A store error
// is shown as an error, an outcome without fans by its messages as warnings. Gives the run only when it
// listed fans.
template <class Select>
auto listedSelection(ui::BusyIndicator* busy, const QString& busyText, Select select)
    -> std::optional<decltype(select())>
{
    std::optional<decltype(select())> run;
    QString storeError;
    {
        ui::BusyScope scope(busy, busyText);
        try {
            run = select();
        } catch (const CatalogueError& error) {
            storeError = error.message();
        }
    }
    if (!run) {
        ui::showMessage(storeError, ui::MessageKind::Error);
        return std::nullopt;
    }
    using Status = decltype(run->outcome.status);
    if (run->outcome.status != Status::Listed) {
        for (const QString& message : run->outcome.messages)
            ui::showMessage(message, ui::MessageKind::Warning);
        return std::nullopt;
    }
    return run;
}
