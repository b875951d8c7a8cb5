#include "ui/RecentFiles.h"

#include "common/FileHistory.h"
#include "ui/UserSettings.h"

#include <QFileInfo>
#include <QStandardPaths>

namespace ui {

namespace {

const QString settingsKey = QStringLiteral("FileDialogs");
// File names on the desktop may hold almost any character but a line break.
const QChar listSeparator = QLatin1Char('\n');

QString folderName(const QString& kindKey)
{
    return QStringLiteral("Folder_") + kindKey;
}

QString recentName(const QString& suffix)
{
    return QStringLiteral("Recent_") + suffix.toLower();
}

QStringList storedRecent(const UserSettings& settings, const QString& suffix)
{
    const StoredValue<QString> stored = settings.readText(recentName(suffix));
    return stored.ok() ? stored.value.split(listSeparator, Qt::SkipEmptyParts) : QStringList();
}

} // namespace

QString dialogStartFolder(const QString& kindKey)
{
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (kindKey.isEmpty())
        return documents;
    const UserSettings settings(settingsKey);
    const StoredValue<QString> remembered = settings.readText(folderName(kindKey));
    return files::startFolder(remembered.ok() ? remembered.value : QString(), documents,
        [](const QString& folder) { return QFileInfo(folder).isDir(); });
}

void rememberDialogFolder(const QString& kindKey, const QString& chosenPath)
{
    if (kindKey.isEmpty() || chosenPath.isEmpty())
        return;
    UserSettings settings(settingsKey);
    settings.writeText(folderName(kindKey), QFileInfo(chosenPath).absolutePath());
}

QStringList recentProjects(const QString& suffix)
{
    const UserSettings settings(settingsKey);
    return files::existingRecentFiles(
        storedRecent(settings, suffix), [](const QString& path) { return QFileInfo(path).isFile(); });
}

void rememberRecentProject(const QString& suffix, const QString& path)
{
    UserSettings settings(settingsKey);
    settings.writeText(
        recentName(suffix), files::withRecentFile(storedRecent(settings, suffix), path).join(listSeparator));
}

} // namespace ui
