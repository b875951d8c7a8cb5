#include "common/FileHistory.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>

namespace files {

QString fileKindKey(const QString& filter, const QString& defaultSuffix)
{
    if (!defaultSuffix.trimmed().isEmpty())
        return defaultSuffix.trimmed().toLower();
    static const QRegularExpression firstPattern(QStringLiteral("\\*\\.([A-Za-z0-9_]+)"));
    const QRegularExpressionMatch match = firstPattern.match(filter);
    return match.hasMatch() ? match.captured(1).toLower() : QString();
}

QString startFolder(const QString& remembered, const QString& documents, const PathExists& folderExists)
{
    if (!remembered.isEmpty() && folderExists(remembered))
        return remembered;
    return documents;
}

QStringList withRecentFile(const QStringList& recent, const QString& path, int cap)
{
    const QString added = QDir::cleanPath(QFileInfo(path).absoluteFilePath());
    QStringList result {added};
    for (const QString& entry : recent) {
        if (result.size() >= cap)
            break;
        if (QDir::cleanPath(QFileInfo(entry).absoluteFilePath()) != added)
            result.append(entry);
    }
    return result.mid(0, cap);
}

QStringList existingRecentFiles(const QStringList& recent, const PathExists& fileExists, int cap)
{
    QStringList result;
    for (const QString& entry : recent) {
        if (result.size() >= cap)
            break;
        if (!entry.isEmpty() && fileExists(entry))
            result.append(entry);
    }
    return result;
}

} // namespace files
