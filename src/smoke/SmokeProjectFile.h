#pragma once

#include "common/ProjectFile.h"
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

using SmokeProjectEncoding = ProjectEncoding;

// `decimalSeparator` is the separator of the box texts. A section table whose column lists would not
// fit their fields is refused with a message.
SmokeProjectEncoding encodeSmokeProject(const SmokeProject& project, QChar decimalSeparator);
// Reads the first record; a shorter or damaged record, or a column list that holds items but fewer
// than the length list, gives nothing. Bytes after the record are ignored.
std::optional<SmokeProject> decodeSmokeProject(const QByteArray& bytes, QChar decimalSeparator);

// Loaded and saved through loadProjectFile and saveProjectFile.
const ProjectFileKind<SmokeProject>& smokeProjectFile();

} // namespace smoke
