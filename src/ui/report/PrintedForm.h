#pragma once

#include <functional>

// How the program prints a result. Every printed form is driven in the same five steps:
//   1. fill the host's labels, pictures and chart series from the task's results;
//   2. open the host's table, if its report is bound to one;
//   3. show the host window (not modal);
//   4. run the modal preview of the host's report; the other windows stay usable, and this call returns
//      when the preview is closed (at once when that preview is already open);
//   5. close the table and hide the host.
//
// A task window prints like this (the host is created once for the whole program):
//
//     report::runPrintedForm(*seriesHost, [&] {
//         seriesHost->report().elementAs<report::ReportLabel>(u"QRLabelName"_s)->setText(title);
//         // ... fill the chart and the other labels ...
//     });
//
// A new printed form derives its host from report::ReportHostWindow, builds its layout in the constructor
// (page set-up, bands and named elements, see ReportLayout.h and ReportElements.h; the maker's header
// parts are in MakerHeader.h) and binds its table there with bindTable() if it prints one record per row.
namespace report {

class ReportHostWindow;

// Runs the five steps. Returns false when the table could not be opened (the user has been told why and
// no preview was shown).
bool runPrintedForm(ReportHostWindow& host, const std::function<void()>& fill = {});

// The host's own "Печать": opens the table, prints straight to the current printer, closes the table.
bool printForm(ReportHostWindow& host);

// The host's own "Предварительный просмотр": opens the table, runs the modal preview, closes the table.
bool previewForm(ReportHostWindow& host);

} // namespace report
