#pragma once

#include <QProcess>
#include <QString>
#include <QStringList>

// Reading PDFs back with poppler's tools, as a reader of the file would.

namespace pdftext_detail {
inline QString run(const QString& program, const QStringList& arguments)
{
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForFinished(30000) || process.exitCode() != 0)
        return {};
    return QString::fromUtf8(process.readAllStandardOutput());
}
} // namespace pdftext_detail

// The text of one page of a PDF as poppler's pdftotext reads it, laid out as on the page; empty when the
// page cannot be read.
inline QString pdfPageText(const QString& path, int page)
{
    return pdftext_detail::run(QStringLiteral("pdftotext"),
        {QStringLiteral("-f"), QString::number(page), QStringLiteral("-l"), QString::number(page),
            QStringLiteral("-layout"), path, QStringLiteral("-")});
}

// The text of the whole PDF in reading order; empty when it cannot be read.
inline QString pdfText(const QString& path)
{
    return pdftext_detail::run(QStringLiteral("pdftotext"), {path, QStringLiteral("-")});
}

// Only the letters and digits of a text, so that texts compare whatever their line breaks, spaces and
// signs.
inline QString lettersAndDigits(const QString& text)
{
    QString kept;
    for (const QChar c : text) {
        if (c.isLetterOrNumber())
            kept += c;
    }
    return kept;
}

// The fonts of a PDF as pdffonts lists them, each "name embedded" with embedded "yes" or "no"; empty
// when pdffonts cannot read the file.
inline QStringList pdfFonts(const QString& path)
{
    QStringList fonts;
    const QStringList lines
        = pdftext_detail::run(QStringLiteral("pdffonts"), {path}).split(QLatin1Char('\n'));
    // Two heading lines; then name, type, encoding, emb, sub, uni, object number and generation.
    for (qsizetype i = 2; i < lines.size(); ++i) {
        const QStringList columns = lines[i].split(QLatin1Char(' '), Qt::SkipEmptyParts);
        if (columns.size() >= 7)
            fonts << columns.first() + QLatin1Char(' ') + columns[columns.size() - 5];
    }
    return fonts;
}
