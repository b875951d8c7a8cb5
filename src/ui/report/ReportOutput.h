#pragma once

#include "printing/PreparedReport.h"

#include <functional>

class QPrinter;

namespace report {

// Sets a printer to the report's paper, portrait, one copy, whole pages, job named by the report title.
void setUpPrinter(QPrinter& printer, const PreparedReport& report);

// Called before each page with its index and the page count; returning false stops the job.
using PageProgress = std::function<bool(int page, int count)>;

// Sends all pages to a printer that is already set up. Returns false with `error` set when the printer
// cannot be started or the job was stopped.
bool printPages(const PreparedReport& report, QPrinter& printer, const PageProgress& progress = {},
    QString* error = nullptr);

} // namespace report
