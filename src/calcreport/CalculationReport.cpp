#include "calcreport/CalculationReport.h"

using namespace Qt::StringLiterals;

namespace calcreport {

QString givenKind()
{
    return u"Задано"_s;
}

QString assumedKind()
{
    return u"Принято"_s;
}

void CalculationReport::clearInputPart(const QString& title)
{
    m_input.clear();
    writeTitle(m_input, title);
    writeHeading(m_input, u"ИСХОДНЫЕ ДАННЫЕ"_s);
    m_calculation.clear();
    m_lines = 0;
}

void CalculationReport::writeInputLine(const InputLine& line)
{
    ++m_lines;
    m_input += "\\par\\b " + QByteArray::number(m_lines) + ". \\b0\\i ";
    writeEscaped(m_input, line.kind);
    m_input += ":\\i0   \\b ";
    writeEscaped(m_input, line.caption);
    // A line without caption and value is a sub-heading: its kind and the colon only.
    if (!line.caption.isEmpty())
        m_input += ":  ";
    writeEscaped(m_input, line.value);
    if (line.unit != ReportUnit::None)
        m_input += ' ' + unitFragment(line.unit);
    m_input += "\\b0\\par ";
}

void CalculationReport::writeInputLines(const InputLines& lines)
{
    for (const InputLine& line : lines)
        writeInputLine(line);
}

void CalculationReport::startCalculationPart()
{
    writeHeader(m_calculation);
    writeHeading(m_calculation, u"РАСЧЕТНЫЕ ВЕЛИЧИНЫ"_s);
}

void CalculationReport::finishCalculationPart()
{
    m_calculation += "\\par\\par }";
}

const QByteArray& CalculationReport::refreshReport()
{
    writeHeader(m_document);
    m_document.reserve(m_document.size() + m_input.size() + m_calculation.size() + 8);
    m_document += m_input;
    m_document += "\\par ";
    m_document += m_calculation;
    m_document += '}';
    return m_document;
}

} // namespace calcreport
