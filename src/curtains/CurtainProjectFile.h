#pragma once

#include "common/ProjectFile.h"
#include "curtains/CurtainInputs.h"

#include <QByteArray>
#include <QChar>
#include <QString>
#include <QStringList>
#include <optional>

// The project files of the curtain windows: one fixed record per file, ОРК *.orkprj (268 bytes), ТЕМ *.temprj
// (272 bytes), ПЛН *.ternaprj (264 bytes), holding the window's inputs as typed with a separator-independent
// decimal mark.
namespace curtains {

int curtainRecordSize(Series series);

// `decimalSeparator` is the separator of the box texts (the system separator in the window).
QByteArray encodeCurtainProject(Series series, const CurtainProject& project, QChar decimalSeparator);
// Reads the first record; a shorter or malformed record gives nothing. Fields the series does not keep are
// left at their defaults.
std::optional<CurtainProject> decodeCurtainProject(
    Series series, const QByteArray& bytes, QChar decimalSeparator);

// Loaded and saved through loadProjectFile and saveProjectFile.
const ProjectFileKind<CurtainProject>& curtainProjectFile(Series series);

} // namespace curtains
