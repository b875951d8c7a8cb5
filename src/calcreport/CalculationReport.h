#pragma once

#include "calcreport/RtfWriters.h"

#include <QByteArray>
#include <QString>
#include <vector>

// The report of a calculation window: an input part written line by line by the page steps, a
// calculation part written block by block by the calculation, and the document assembled from both
// whenever the report pane is refreshed.
namespace calcreport {

// One numbered input line. The kind is "Задано" for a value the user entered and "Принято" for a
// value the program assumed.
struct InputLine {
    QString kind;
    QString caption;
    QString value;
    ReportUnit unit = ReportUnit::None;
};
QString givenKind(); // "Задано"
QString assumedKind(); // "Принято"
using InputLines = std::vector<InputLine>;

class CalculationReport {
public:
    // Empties both parts and begins the input part with the title and the heading "ИСХОДНЫЕ ДАННЫЕ";
    // the line counter starts again from 0.
    void clearInputPart(const QString& title);
    void writeInputLine(const InputLine& line);
    void writeInputLines(const InputLines& lines);

    // Begins the calculation part: the RTF header and the heading "РАСЧЕТНЫЕ ВЕЛИЧИНЫ". The
    // calculation appends its blocks to calculation() and ends them with finishCalculationPart().
    void startCalculationPart();
    QByteArray& calculation() { return m_calculation; }
    void finishCalculationPart();

    // The whole document: header, input part, "\par ", calculation part and the closing brace.
    const QByteArray& refreshReport();

    const QByteArray& inputPart() const { return m_input; }
    const QByteArray& document() const { return m_document; }
    int lineCount() const { return m_lines; }

private:
    QByteArray m_input;
    QByteArray m_calculation;
    QByteArray m_document;
    int m_lines = 0;
};

} // namespace calcreport
