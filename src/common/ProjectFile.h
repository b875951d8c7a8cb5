#pragma once

#include "common/FixedRecord.h"

#include <QByteArray>
#include <QChar>
#include <QFileInfo>
#include <QString>
#include <QStringList>
#include <functional>
#include <optional>

// A kind of project file (*.smkprj, *.podporprj, *.pritochprj, *.lumaprj, the curtains' files): the texts
// of its dialogs, its suffix, its record and its codec, and the one way every project file is loaded and
// saved.

// A record formed from a project, or why the project cannot be written.
struct ProjectEncoding {
    std::optional<QByteArray> record;
    QString message;
};

template <typename Project> struct ProjectFileKind {
    QString openTitle;
    QString saveTitle;
    QString filter; // "Caption (*.ext) |*.ext"
    QString suffix; // without the dot
    int recordSize = 0;
    int optionalTail = 0; // bytes of a block that may follow the record
    // `separator` is the decimal separator of the box texts.
    std::function<std::optional<Project>(const QByteArray& bytes, QChar separator)> decode;
    std::function<ProjectEncoding(const Project& project, QChar separator)> encode;

    // "Выберите существующий файл с расширением *.smkprj"
    QString missingFileMessage() const
    {
        return QStringLiteral("Выберите существующий файл с расширением *.") + suffix;
    }
};

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

// The message of a project file that could not be written, with the platform's reason.
inline QString projectSaveErrorMessage(const QString& path, const QString& reason)
{
    return QStringLiteral("Не удается сохранить файл:") + path + QLatin1Char('\n') + reason;
}

// Loads the first record of the file (and the block that may follow it): a path that names no file gives
// the kind's missing-file message; a file that cannot be read, is shorter than a record or does not decode
// gives the read-error messages.
template <typename Project>
ProjectLoad<Project> loadProjectFile(
    const ProjectFileKind<Project>& kind, const QString& path, QChar separator)
{
    if (!QFileInfo(path).isFile())
        return {std::nullopt, {kind.missingFileMessage()}};
    std::optional<Project> project;
    if (const std::optional<QByteArray> bytes = readRecordFile(path, kind.recordSize, kind.optionalTail))
        project = kind.decode(*bytes, separator);
    if (!project)
        return {std::nullopt, projectReadErrorMessages()};
    return {std::move(project), {}};
}

// Writes the project atomically: nothing is written when the record cannot be formed, and the previous
// file stays intact when writing fails. Gives the message to show on failure.
template <typename Project>
std::optional<QString> saveProjectFile(
    const ProjectFileKind<Project>& kind, const QString& path, const Project& project, QChar separator)
{
    const ProjectEncoding encoding = kind.encode(project, separator);
    if (!encoding.record)
        return encoding.message;
    if (const SaveOutcome saved = writeRecordFile(path, *encoding.record); !saved)
        return projectSaveErrorMessage(path, saved.error());
    return std::nullopt;
}
