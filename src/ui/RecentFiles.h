#pragma once

#include <QString>
#include <QStringList>

// The folders the file dialogs remember and the recently used projects, kept in the user's settings.
namespace ui {

// The folder a file dialog of the kind starts in (files::fileKindKey names the kind).
QString dialogStartFolder(const QString& kindKey);
// Remembers the folder of a file the user chose in a dialog of the kind.
void rememberDialogFolder(const QString& kindKey, const QString& chosenPath);

// The recently used projects with the extension, newest first, those still on disk.
QStringList recentProjects(const QString& suffix);
// Puts a project the user has just opened or saved at the front of its list.
void rememberRecentProject(const QString& suffix, const QString& path);

} // namespace ui
