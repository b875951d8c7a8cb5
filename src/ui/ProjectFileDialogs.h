#pragma once

#include "common/NumberText.h"
#include "common/ProjectFile.h"
#include "ui/FileDialogs.h"
#include "ui/Messages.h"

#include <optional>

class QWidget;

// How a window loads and saves its project file: the kind's dialogs, its codec, and its messages.
namespace ui {

// Asks for a project file of the kind and loads it. Nothing when the user cancels; the messages of a file
// that could not be loaded are shown, and nothing is given.
template <typename Project>
std::optional<Project> openProjectFile(QWidget* parent, const ProjectFileKind<Project>& kind)
{
    const QString path = getOpenFileName(parent, kind.openTitle, kind.filter, kind.suffix);
    if (path.isEmpty())
        return std::nullopt;
    ProjectLoad<Project> load = loadProjectFile(kind, path, systemDecimalSeparator());
    for (const QString& message : load.messages)
        showMessage(message, MessageKind::Warning);
    return std::move(load.project);
}

// Asks for a file name, preset with the project name and the kind's suffix, and saves the project there;
// a failure is shown.
template <typename Project>
void saveProjectFileAs(QWidget* parent, const ProjectFileKind<Project>& kind, const Project& project)
{
    const QString path = getSaveFileName(parent, kind.saveTitle, kind.filter, kind.suffix,
        project.projectName + QLatin1Char('.') + kind.suffix);
    if (path.isEmpty())
        return;
    if (const std::optional<QString> error = saveProjectFile(kind, path, project, systemDecimalSeparator()))
        showMessage(*error, MessageKind::Error);
}

} // namespace ui
