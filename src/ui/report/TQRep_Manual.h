#pragma once

#include "ui/report/ReportHostWindow.h"

class QTextDocument;

// The printed description of a fan series or calculation method: the maker's header with the title and
// page number on every page, the description picture on the first page, then the description text over
// as many pages as it needs.
class TQRep_Manual : public report::ReportHostWindow {
    Q_OBJECT
public:
    explicit TQRep_Manual(QWidget* parent = nullptr);

    // The title under the header rule (`QRLabel2`).
    void setReportTitle(const QString& title);
    QString reportTitle() const;
    // The picture of the title band (`QRImage2`), a file beside the program. A picture that cannot be
    // loaded leaves the title band empty; returns false then.
    bool loadPicture(const QString& fileName);

    // The description window's "Печать": prints `body` (the text the window shows) under `title` and the
    // picture `pictureFile`, by the printed-form pattern: shows this host, runs the modal preview, hides it.
    void printDescription(const QString& title, const QTextDocument& body, const QString& pictureFile);
};
