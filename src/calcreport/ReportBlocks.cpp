#include "calcreport/ReportBlocks.h"

#include "calcreport/ReportNumbers.h"
#include "calcreport/RtfWriters.h"

namespace calcreport {

QByteArray escapedSymbol(const QString& letters)
{
    QByteArray bytes;
    writeEscaped(bytes, letters);
    return bytes;
}

namespace {

// Every comma between two digits of `text` becomes `mark`.
QString withDecimalMark(QString text, QChar mark)
{
    for (qsizetype i = 1; i + 1 < text.size(); ++i) {
        if (text[i] == u',' && text[i - 1].isDigit() && text[i + 1].isDigit())
            text[i] = mark;
    }
    return text;
}

} // namespace

QByteArray BlockWriter::marked(const QByteArray& text) const
{
    return m_separator == u',' ? text : withDecimalMark(QString::fromLatin1(text), m_separator).toLatin1();
}

QByteArray BlockWriter::n(double value) const
{
    return reportNumber(value, m_separator).toLatin1();
}

QByteArray BlockWriter::full(double value) const
{
    return generalText(value, 15, m_separator).toLatin1();
}

void BlockWriter::label(const QByteArray& label, const QString& title)
{
    m_out += m_first ? "\\par" : "\\par\\par";
    m_first = false;
    m_out += "\\b (" + label + ")\\tab";
    escaped(title);
}

void BlockWriter::formula(const QByteArray& symbol, const QByteArray& symbolic, const QByteArray& substituted,
    const QByteArray& result, const QString& unitText, const QByteArray& rawUnitTail,
    const QByteArray& lineBreak)
{
    m_out += marked("\\par " + symbol + "\\b0  = " + symbolic + lineBreak + substituted + " = \\b " + result);
    unit(unitText, rawUnitTail);
}

void BlockWriter::valueOnly(const QByteArray& symbol, const QByteArray& result, const QString& unitText,
    const QByteArray& rawUnitTail, const QByteArray& between)
{
    m_out += marked("\\par " + symbol + between + result);
    unit(unitText, rawUnitTail);
}

void BlockWriter::escaped(const QString& text)
{
    writeEscaped(m_out, m_separator == u',' ? text : withDecimalMark(text, m_separator));
}

void BlockWriter::unit(const QString& unitText, const QByteArray& rawUnitTail)
{
    if (!unitText.isEmpty())
        writeEscaped(m_out, unitText);
    m_out += rawUnitTail;
}

} // namespace calcreport
