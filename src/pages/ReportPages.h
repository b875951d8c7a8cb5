#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>
#include <memory>
#include <optional>

class QTextDocument;

// The calculation report as pages: 7.5 × 10 inch pages at 150 pixels per inch (1125 × 1500 pixels) with
// the maker's header picture, the report text in its frame and the page number centred at the foot,
// saved as JPEG images (base_1.jpg, base_2.jpg, …) or as one PDF of the same pages.
namespace pages {

inline constexpr int pageWidth = 1125;
inline constexpr int pageHeight = 1500;
inline constexpr int pagePixelsPerInch = 150;

// The header picture kept with the program (1125 × 954 pixels).
QImage headerPicture();

class ReportPages {
public:
    explicit ReportPages(const QByteArray& rtf);
    ~ReportPages();

    int pageCount() const;
    // Page n, counted from 1.
    QImage page(int number) const;

private:
    std::unique_ptr<QTextDocument> m_document;
    QImage m_header;
};

// The file of page n: the chosen name without its extension, "_", n and ".jpg" ("Отчет.txt" gives
// "Отчет_1.jpg").
QString pageImagePath(const QString& chosenFileName, int number);

struct PagesWritten {
    int pages = 0;
    std::optional<QString> error; // why a file could not be written
};
// Writes every page as a JPEG file, all or none: the pages replace the previous files together, and
// pages of an earlier, longer report beyond the last page are removed.
PagesWritten writePageImages(const QByteArray& rtf, const QString& chosenFileName);
// Writes every page into one PDF.
PagesWritten writePagesPdf(const QByteArray& rtf, const QString& fileName);

} // namespace pages
