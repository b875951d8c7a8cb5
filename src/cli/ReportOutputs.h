#pragma once

#include "cli/CliCommand.h"

#include <QByteArray>
#include <QStringList>

// The report of a calculation command written where its options ask: --report-rtf FILE (the RTF text),
// --pages BASE (JPEG page images BASE_1.jpg, ...) and --report-pdf FILE.
namespace cli {

QStringList reportOutputFlags();

// Writes every asked output of the report; false, with the reason on stderr, when one cannot be
// written (the command then ends as refused, not as a bad argument).
bool writeReportOutputs(const Arguments& args, const QByteArray& document);

} // namespace cli
