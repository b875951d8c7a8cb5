#pragma once

#include <QString>
#include <QStringList>
#include <functional>

// Where the file dialogs start and which projects the "Файл" menus offer again. Each kind of file (a
// project of one calculation, a report, a PDF, a saved printed form) keeps the folder the user last
// saved or opened it in; a kind never used starts in the user's documents.
namespace files {

using PathExists = std::function<bool(const QString& path)>;

// How many recently used projects a "Файл" menu lists.
constexpr int recentProjectCount = 8;

// The name under which a kind of file keeps its folder: the default extension, or when the dialog has
// none the extension of the first pattern of its filter ("Caption (*.txt) |*.txt" gives "txt"). Lower
// case, so that "QRP" and "qrp" are one kind; empty when neither names one.
QString fileKindKey(const QString& filter, const QString& defaultSuffix);

// The folder a dialog of a kind starts in: the remembered one while it still exists, else `documents`.
QString startFolder(const QString& remembered, const QString& documents, const PathExists& folderExists);

// The recent list after `path` was opened or saved: it moves to the front (once, however it was
// written), and the list keeps at most `cap` entries.
QStringList withRecentFile(const QStringList& recent, const QString& path, int cap = recentProjectCount);

// The recent list as a menu shows it: files that no longer exist are dropped, at most `cap` entries.
QStringList existingRecentFiles(
    const QStringList& recent, const PathExists& fileExists, int cap = recentProjectCount);

} // namespace files
