#include "unit/ElementLines.h"

#include "common/NumberText.h"

using namespace Qt::StringLiterals;

namespace unit {

QString lengthText(double millimetres)
{
    return QString::number(millimetres, 'g', 15);
}

QString elementLine(const AccessoryRecord& row, AccessoryKind kind, double flow, LineStyle style,
    bool filterAfterHeaterChoice)
{
    const QString head = row.tip.trimmed() + u" - "_s + row.model.trimmed();
    const QString length = lengthText(row.length);
    const bool heaterPath = style == LineStyle::HeaterPath;
    QString line
        = heaterPath ? head + u"  /длина:"_s + length + u"мм"_s : head + u"  / длина "_s + length + u" мм"_s;
    if (kind == AccessoryKind::Connector)
        return line;
    const QString loss = integerText(row.loss(flow));
    if (!heaterPath)
        return line + u" / сопр. "_s + loss + u" Па"_s;
    return line + (filterAfterHeaterChoice && kind == AccessoryKind::Filter ? u" /сопр."_s : u" /сопр. "_s)
        + loss + u"Па"_s;
}

QStringList elementLines(const std::vector<AccessoryRecord>& rows, AccessoryKind kind, double flow,
    LineStyle style, bool filterAfterHeaterChoice)
{
    QStringList lines;
    for (const AccessoryRecord& row : rows) {
        const QString line = elementLine(row, kind, flow, style, filterAfterHeaterChoice);
        if (!lines.contains(line))
            lines << line;
    }
    return lines;
}

LinePieces splitElementLine(const QString& line)
{
    const QString cut = line.left(60);
    const qsizetype dash = cut.indexOf(u" - "_s);
    if (dash < 0)
        return {cut, QString()};
    const qsizetype modelStart = dash + 3;
    const qsizetype slash = cut.indexOf(u" /"_s, modelStart);
    return {cut.left(dash), slash < 0 ? cut.mid(modelStart) : cut.mid(modelStart, slash - modelStart)};
}

QString elementKindName(AccessoryKind kind)
{
    switch (kind) {
    case AccessoryKind::Valve:
        return u"Клапан"_s;
    case AccessoryKind::Filter:
        return u"Фильтр"_s;
    case AccessoryKind::Silencer:
        return u"Глушитель"_s;
    case AccessoryKind::Louvre:
        return u"Жалюзи"_s;
    case AccessoryKind::Connector:
        break;
    }
    return u"Мягкая вставка"_s;
}

QString compositionLine(AccessoryKind kind, const LinePieces& pieces, double length, double loss, int count)
{
    static const QString prefixes[]
        = {u"Клапан: "_s, u"Фильтр: "_s, u"Глушитель: "_s, u"Жалюзи: "_s, u"Мягкая вствка: "_s};
    QString line = prefixes[int(kind)] + pieces.tip + u" - "_s + pieces.model + u" /длина "_s
        + lengthText(length) + u"мм"_s;
    if (kind != AccessoryKind::Connector)
        line += u" /сопр. "_s + integerText(loss) + u"Па"_s;
    if (isCounted(kind))
        line += u" / "_s + QString::number(count) + u" шт."_s;
    return line;
}

} // namespace unit
