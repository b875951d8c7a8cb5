#include "calcreport/RtfWriters.h"

#include "common/Cp1251.h"

namespace calcreport {

const QByteArray& rtfHeader()
{
    static const QByteArray header = QByteArrayLiteral(
        "{\\rtf1\\ansi\\ansicpg1251\\deff0\\deflang1049{\\fonttbl{\\f0\\fswiss\\fprq2\\fcharset204{\\*"
        "\\fname "
        "Arial;}Arial CYR;}{\\f1\\froman\\fprq2\\fcharset204{\\*\\fname Times New Roman;}Times New Roman "
        "CYR;}{\\f2\\froman\\fprq2\\fcharset161{\\*\\fname Times New Roman;}Times New Roman "
        "Greek;}{\\f3\\fswiss\\fcharset204{\\*\\fname Arial;}Arial CYR;}}\\viewkind4");
    return header;
}

void writeHeader(QByteArray& buffer)
{
    buffer = rtfHeader();
}

void writeRaw(QByteArray& buffer, const QByteArray& text)
{
    buffer += text;
}

void writeEscaped(QByteArray& buffer, const QString& text)
{
    static constexpr char hex[] = "0123456789abcdef";
    const QByteArray bytes = cp1251::encode(text);
    buffer.reserve(buffer.size() + 4 * bytes.size());
    for (const char c : bytes) {
        const auto byte = static_cast<unsigned char>(c);
        buffer += "\\'";
        buffer += hex[byte >> 4];
        buffer += hex[byte & 0xF];
    }
}

void writeTitle(QByteArray& buffer, const QString& text)
{
    buffer += "\\pard\\b\\f0\\fs20\\par\\qc ";
    writeEscaped(buffer, text);
    buffer += "\\par\\pard\\fi118\\b0";
}

void writeHeading(QByteArray& buffer, const QString& text)
{
    buffer += "\\pard\\fi708\\b\\f0\\fs20\\par ";
    writeEscaped(buffer, text);
    buffer += "\\par\\pard\\fi118\\b0";
}

QByteArray unitFragment(ReportUnit unit)
{
    switch (unit) {
    case ReportUnit::None:
        return {};
    case ReportUnit::Metre:
        return QByteArrayLiteral("\\'ec");
    case ReportUnit::SquareMetre:
        return QByteArrayLiteral("\\'ec\\super 2\\nosupersub ");
    case ReportUnit::MetrePerSecond:
        return QByteArrayLiteral("\\'ec\\'2f\\'f1");
    case ReportUnit::NewtonPerCubicMetre:
        return QByteArrayLiteral("\\'cd/\\'ec\\super 3\\nosupersub ");
    case ReportUnit::Celsius:
        return QByteArrayLiteral("\xb0"
                                 "C");
    case ReportUnit::KilogramPerHour:
        return QByteArrayLiteral("\\'ea\\'e3\\'2f\\'f7\\'e0\\'f1");
    }
    return {};
}

QByteArray exponentFragment(const QByteArray& exponent)
{
    return "\\super " + exponent + "\\nosupersub ";
}

} // namespace calcreport
