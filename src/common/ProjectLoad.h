#pragma once

#include "common/FixedRecord.h"

#include <QFileInfo>
#include <QString>
#include <QStringList>
#include <optional>

// A project file loaded, or the messages the window shows when it could not be.
template <typename Project> struct ProjectLoad {
    std::optional<Project> project;
    QStringList messages; // shown one after another when the project could not be loaded
};

// The messages of a project file that could not be read or decoded.
inline QStringList projectReadErrorMessages()
{
    return {QStringLiteral("Произошла ошибка чтения файла!"),
        QStringLiteral("Проверьте расширение открываемого файла")};
}

// Loads a project file of one record of `size` bytes (and up to `optionalTail` bytes of a trailing block)
// through `decode` (bytes → optional project): a path that names no file gives `missingFileMessage`; a file
// that cannot be read, is shorter than a record or does not decode gives the read-error messages.
template <typename Project, typename Decode>
ProjectLoad<Project> loadProjectRecord(
    const QString& path, int size, const QString& missingFileMessage, Decode decode, int optionalTail = 0)
{
    if (!QFileInfo(path).isFile())
        return {std::nullopt, {missingFileMessage}};
    std::optional<Project> project;
    if (const std::optional<QByteArray> bytes = readRecordFile(path, size, optionalTail))
        project = decode(*bytes);
    if (!project)
        return {std::nullopt, projectReadErrorMessages()};
    return {std::move(project), {}};
}
