#pragma once

#include "printing/PreparedReport.h"

namespace report {

class ReportLayout;

// Prepares all pages of a report from its layout and the current content of its elements and table:
// the page header on every page (the first included), the title band on the first page, the column header
// on every page, the detail band once per record in the table's order (once with empty fields when the
// table is closed or empty, once when the report has no table) flowing down the columns, then the summary.
PreparedReport prepareReport(const ReportLayout& layout);

} // namespace report
