#pragma once

#include "common/ProjectLoad.h"
#include "smoke/SmokeProject.h"

#include <QByteArray>
#include <QChar>
#include <QString>
#include <QStringList>
#include <optional>

// The project file of the smoke-exhaust calculation (*.smkprj): one fixed record of 2820 bytes with
// the inputs of the five pages as typed and the shaft-section table as eight column lists.
namespace smoke {

inline constexpr int smokeProjectRecordSize = 2820;
inline constexpr int columnListCapacity = 255;

struct SmokeProjectEncoding {
    std::optional<QByteArray> record;
    QString message; // why the project cannot be written
};

// `decimalSeparator` is the separator of the box texts. A section table whose column lists would not
// fit their fields is refused with a message.
SmokeProjectEncoding encodeSmokeProject(const SmokeProject& project, QChar decimalSeparator);
// Reads the first record; a shorter or damaged record, or a column list that holds items but fewer
// than the length list, gives nothing. Bytes after the record are ignored.
std::optional<SmokeProject> decodeSmokeProject(const QByteArray& bytes, QChar decimalSeparator);

QString smokeProjectOpenTitle();
QString smokeProjectSaveTitle();
QString smokeProjectFilter();
QString smokeProjectSuffix();

using SmokeProjectLoad = ProjectLoad<SmokeProject>;
SmokeProjectLoad loadSmokeProject(const QString& path, QChar decimalSeparator);

// Writes the project atomically: nothing is written when the record cannot be formed, and the previous
// file stays intact when writing fails. Returns the message on failure.
std::optional<QString> saveSmokeProject(
    const QString& path, const SmokeProject& project, QChar decimalSeparator);

} // namespace smoke
