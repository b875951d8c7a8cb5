#pragma once

#include "printing/PreparedReport.h"
#include "report/PageRecorder.h"
#include "support/TestSupport.h"

#include <QTextCursor>
#include <QTextDocument>
#include <memory>

// A description text of `lines` one-line paragraphs "Строка 001 описания серии", "Строка 002 ...", so that
// every line can be found again on the printed pages.
inline std::unique_ptr<QTextDocument> numberedDescription(int lines)
{
    auto document = std::make_unique<QTextDocument>();
    QFont font(QStringLiteral("Arial"));
    font.setPointSize(10);
    document->setDefaultFont(font);
    QTextCursor cursor(document.get());
    for (int i = 1; i <= lines; ++i) {
        if (i > 1)
            cursor.insertBlock();
        cursor.insertText(QStringLiteral("Строка %1 описания серии").arg(i, 3, 10, QLatin1Char('0')));
    }
    return document;
}

inline QString descriptionPicture()
{
    return testSourcePath(QStringLiteral("report/fixtures/description.png"));
}

inline std::vector<RecordedPage> recordPages(const report::PreparedReport& prepared)
{
    std::vector<RecordedPage> pages;
    for (const QPicture& page : prepared.pages)
        pages.push_back(recordPage(page));
    return pages;
}

// Page units (hundredths of a millimetre) from millimetres, for comparing recorded positions.
inline double units(double mm)
{
    return mm * 100.0;
}
