#pragma once

#include <QByteArray>
#include <QImage>
#include <QList>
#include <QString>
#include <memory>
#include <optional>

class QPainter;
class QTextDocument;

// The calculation report as pages: 7.5 × 10 inch pages at 150 pixels per inch (1125 × 1500 pixels) with
// the maker's header picture, the report text in its frame and the page number centred at the foot,
// saved as JPEG images (base_1.jpg, base_2.jpg, …) or as one PDF of the same pages on A4, whose text
// stays text. Both are drawn by one routine, so the pictures and the PDF cannot differ.
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
    // Page n, counted from 1, as a picture.
    QImage page(int number) const;
    // Draws page n on white paper in page pixels (the painter maps 1125 × 1500 onto the page).
    void paint(QPainter& painter, int number) const;

private:
    std::unique_ptr<QTextDocument> m_document;
};

// The file of page n: the chosen name without its extension, "_", n and ".jpg" ("Отчет.txt" gives
// "Отчет_1.jpg").
QString pageImagePath(const QString& chosenFileName, int number);

struct PagesWritten {
    int pages = 0;
    std::optional<QString> error; // why a file could not be written
};

// Page n, counted from 1, as the content of its JPEG file; empty when it could not be encoded.
QByteArray pageImageFile(const ReportPages& report, int number);
// Every page as the content of a JPEG file; nothing when a page could not be encoded.
std::optional<QList<QByteArray>> pageImageFiles(const QByteArray& rtf);
// Saves page files as one set: all or none replace the previous files, and pages of an earlier, longer
// report beyond the last page are removed, so the pages under one name always belong to one report.
PagesWritten savePageImages(const QList<QByteArray>& files, const QString& chosenFileName);
PagesWritten writePageImages(const QByteArray& rtf, const QString& chosenFileName);

// Every page in one PDF document: A4 paper with each 7.5 × 10 inch page centred at its own size.
struct ReportPdf {
    QByteArray bytes;
    int pages = 0;
};
ReportPdf reportPdf(const QByteArray& rtf);
// Saves the PDF atomically.
PagesWritten savePdf(const ReportPdf& pdf, const QString& fileName);
PagesWritten writePagesPdf(const QByteArray& rtf, const QString& fileName);

} // namespace pages
