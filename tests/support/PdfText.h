#pragma once

#include <QProcess>
#include <QString>
#include <QStringList>

// The text of one page of a PDF as poppler's pdftotext reads it, laid out as on the page; empty when the
// page cannot be read.
inline QString pdfPageText(const QString& path, int page)
{
    QProcess process;
    process.start(QStringLiteral("pdftotext"),
        {QStringLiteral("-f"), QString::number(page), QStringLiteral("-l"), QString::number(page),
            QStringLiteral("-layout"), path, QStringLiteral("-")});
    if (!process.waitForFinished(30000) || process.exitCode() != 0)
        return {};
    return QString::fromUtf8(process.readAllStandardOutput());
}
