#pragma once

#include "common/ProjectFile.h"
#include "pressurization/SupplyProject.h"

#include <QByteArray>
#include <QChar>
#include <QString>
#include <QStringList>
#include <optional>

// The project file of the pressurization calculation (*.podporprj): one fixed record of 6372 bytes
// with the inputs of pages 1 and 2 and the three supply-duct tables as eight column lists each. The
// whole numbers N, n, m and Nз are kept as int32 values.
namespace pressurization {

inline constexpr int supplyProjectRecordSize = 6372;

using SupplyProjectEncoding = ProjectEncoding;

// `decimalSeparator` is the separator of the box texts. A whole-number box that holds no whole
// number is written as the box's lower limit. A section table whose column lists would not fit their
// fields is refused with a message.
SupplyProjectEncoding encodeSupplyProject(const SupplyProject& project, QChar decimalSeparator);
// Reads the first record; a shorter or damaged record gives nothing. Bytes after it are ignored.
std::optional<SupplyProject> decodeSupplyProject(const QByteArray& bytes, QChar decimalSeparator);

// Loaded and saved through loadProjectFile and saveProjectFile.
const ProjectFileKind<SupplyProject>& supplyProjectFile();

} // namespace pressurization
