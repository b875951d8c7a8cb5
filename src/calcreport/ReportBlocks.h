#pragma once

#include <QByteArray>
#include <QChar>
#include <QString>

// The numbered calculation blocks of a report's calculation part: a label with its title, then lines
// that show a quantity's formula in symbols, with the numbers put in, and its result. The constants of
// the formulas and titles are typed with a decimal comma; they are written with the decimal mark of the
// report's numbers, so that one sheet never shows two marks.
namespace calcreport {

// Cyrillic letters inside a symbol (the subscripts ш, вс, кш, ...), escaped.
QByteArray escapedSymbol(const QString& letters);

class BlockWriter {
public:
    BlockWriter(QByteArray& out, QChar separator)
        : m_out(out)
        , m_separator(separator)
    {
    }

    // A number of the calculation part: 6 significant digits, cut two characters after the mark.
    QByteArray n(double value) const;
    // A number with all its 15 significant digits.
    QByteArray full(double value) const;

    // "\par\par\b (label)\tab" and the escaped title; the first block after the heading begins with a
    // single "\par".
    void label(const QByteArray& label, const QString& title);

    // "\par symbol\b0  = symbolic = substituted = \b result" with the escaped unit and a raw tail.
    void formula(const QByteArray& symbol, const QByteArray& symbolic, const QByteArray& substituted,
        const QByteArray& result, const QString& unit = {}, const QByteArray& rawUnitTail = {},
        const QByteArray& lineBreak = " = ");

    // A quantity read from a table or a figure: "\par symbol" + between + "result" and the unit.
    void valueOnly(const QByteArray& symbol, const QByteArray& result, const QString& unit = {},
        const QByteArray& rawUnitTail = {}, const QByteArray& between = "\\b0  = \\b ");

    void raw(const QByteArray& text) { m_out += text; }
    void escaped(const QString& text);

private:
    // The text with every decimal comma between two digits written as the report's decimal mark.
    QByteArray marked(const QByteArray& text) const;
    void unit(const QString& unit, const QByteArray& rawUnitTail);

    QByteArray& m_out;
    QChar m_separator;
    bool m_first = true;
};

} // namespace calcreport
