#include "generator/CatalogueGeneratorTsv.h"

#include "common/AtomicSave.h"

#include <QStringList>
#include <cmath>

namespace fans {
namespace {

QString boolText(bool value)
{
    return value ? QStringLiteral("1") : QStringLiteral("0");
}

// A number with at most the given decimals and no trailing zeros: 0.25, 1234, 0.001.
QString numberText(double value, int decimals)
{
    QString text = QString::number(value, 'f', decimals);
    if (text.contains(QLatin1Char('.'))) {
        while (text.endsWith(QLatin1Char('0')))
            text.chop(1);
        if (text.endsWith(QLatin1Char('.')))
            text.chop(1);
    }
    return text == QLatin1String("-0") ? QStringLiteral("0") : text;
}

// Texts never carry the separators of the format.
QString textCell(QString text)
{
    for (QChar& c : text) {
        if (c == QLatin1Char('\t') || c == QLatin1Char('\n') || c == QLatin1Char('\r'))
            c = QLatin1Char(' ');
    }
    return text;
}

QString intOrEmpty(int value)
{
    return value == 0 ? QString() : QString::number(value);
}

// Stored precision of curve columns: flows to 1 m³/h, pressures to 1 Pa, powers and the fourth quantity
// to 0.001.
int curveDecimals(int column)
{
    return column < 40 ? 0 : 3;
}

void appendCurve(QStringList& cells, const FanRecord& fan)
{
    for (int c = 0; c < FanRecord::curveColumnCount; ++c)
        cells << (fan.columns[c] ? numberText(*fan.columns[c], curveDecimals(c)) : QString());
}

QStringList curveHeader()
{
    QStringList names;
    for (int i = 1; i <= FanRecord::curveColumnCount; ++i)
        names << QString::number(i);
    return names;
}

QStringList generalRow(const FanRecord& f)
{
    QStringList cells {textCell(f.name), boolText(f.krugl), boolText(f.krysh), boolText(f.podpor),
        intOrEmpty(f.a), intOrEmpty(f.b), QString::number(f.d), QString::number(f.n),
        QString::number(f.polus), boolText(f.fazkol), boolText(f.davlen), boolText(f.autoName),
        textCell(f.manualName), boolText(f.logMarks), f.logMarks ? numberText(f.marksPosition, 0) : QString(),
        numberText(f.money, 2), numberText(f.lpaInput, 1), numberText(f.lpaOutput, 1),
        numberText(f.lpaArround, 1), numberText(f.massa, 1), numberText(f.dlina, 0), textCell(f.ny)};
    appendCurve(cells, f);
    return cells;
}

QStringList smokeRow(const FanRecord& f)
{
    QStringList cells {textCell(f.name), QString::number(f.d), QString::number(f.n), QString::number(f.polus),
        boolText(f.fazkol), boolText(f.davlen), boolText(f.stoikost), numberText(f.money, 2),
        f.stoikost ? numberText(f.money600, 2) : QString(), textCell(f.ny), numberText(f.massa, 1),
        intOrEmpty(f.a), intOrEmpty(f.b), numberText(f.lpaInput, 1), numberText(f.lpaOutput, 1),
        numberText(f.lpaArround, 1)};
    appendCurve(cells, f);
    return cells;
}

} // namespace

QString catalogueTsv(CatalogueKind kind, const std::vector<FanRecord>& fans)
{
    const bool general = kind == CatalogueKind::General;
    QStringList header = general
        ? QStringList {QStringLiteral("Name"), QStringLiteral("Krugl"), QStringLiteral("Krysh"),
            QStringLiteral("Podpor"), QStringLiteral("A"), QStringLiteral("B"), QStringLiteral("D"),
            QStringLiteral("N"), QStringLiteral("Polus"), QStringLiteral("Fazkol"), QStringLiteral("Davlen"),
            QStringLiteral("AutoName"), QStringLiteral("ManualName"), QStringLiteral("LogMarks"),
            QStringLiteral("MarksPosition"), QStringLiteral("Money"), QStringLiteral("Lpa_Input"),
            QStringLiteral("Lpa_Output"), QStringLiteral("Lpa_Arround"), QStringLiteral("Massa"),
            QStringLiteral("Dlina"), QStringLiteral("Ny")}
        : QStringList {QStringLiteral("Name"), QStringLiteral("D"), QStringLiteral("N"),
            QStringLiteral("Polus"), QStringLiteral("Fazkol"), QStringLiteral("Davlen"),
            QStringLiteral("Stoikost"), QStringLiteral("Money"), QStringLiteral("Money600"),
            QStringLiteral("Ny"), QStringLiteral("Massa"), QStringLiteral("A"), QStringLiteral("B"),
            QStringLiteral("Lpa_Input"), QStringLiteral("Lpa_Output"), QStringLiteral("Lpa_Arround")};
    header << curveHeader();

    QString text = header.join(QLatin1Char('\t')) + QLatin1Char('\n');
    for (const FanRecord& fan : fans)
        text += (general ? generalRow(fan) : smokeRow(fan)).join(QLatin1Char('\t')) + QLatin1Char('\n');
    return text;
}

QString writeCatalogueTsv(const QString& path, const QString& text)
{
    return saveFileAtomically(path, text.toUtf8()).error();
}

} // namespace fans
