#pragma once

#include "common/NumberText.h"
#include "common/ProjectFile.h"
#include "ui/FileDialogs.h"
#include "ui/Messages.h"
#include "ui/RecentFiles.h"

#include <optional>

class QWidget;

// How a window loads and saves its project file: the kind's dialogs, its codec, and its messages.
namespace ui {

// Loads the project file at `path` (a recently used one); the messages of a file that could not be loaded
// are shown, and nothing is given. A loaded file goes to the front of the recent projects of its kind.
template <typename Project>
std::optional<Project> openProjectPath(const ProjectFileKind<Project>& kind, const QString& path)
{
    ProjectLoad<Project> load = loadProjectFile(kind, path, systemDecimalSeparator());
    for (const QString& message : load.messages)
        showMessage(message, MessageKind::Warning);
    if (load.project)
        rememberRecentProject(kind.suffix, path);
    return std::move(load.project);
}

// Asks for a project file of the kind and loads it as above. Nothing when the user cancels.
template <typename Project>
std::optional<Project> openProjectFile(QWidget* parent, const ProjectFileKind<Project>& kind)
{
    const QString path = getOpenFileName(parent, kind.openTitle, kind.filter, kind.suffix);
    if (path.isEmpty())
        return std::nullopt;
    return openProjectPath(kind, path);
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
    else
        rememberRecentProject(kind.suffix, path);
}

} // namespace ui
