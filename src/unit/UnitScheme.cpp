#include "unit/UnitScheme.h"

#include "common/NumberText.h"
#include "common/StoreDialect.h"
#include "common/StoreQuery.h"
#include "common/StoreTable.h"
#include "unit/WorkingTables.h"

#include <algorithm>

using namespace Qt::StringLiterals;

namespace unit {

namespace {

const QString condensingUnitName = u"ККБ"_s;

QString reportTable()
{
    return store::quoted(store::tableName(reportOrderTableName()));
}

// A count or length text as the integer it reads as; 0 for anything else.
qint64 integerOf(const QString& text)
{
    bool ok = false;
    const qint64 value = text.trimmed().toLongLong(&ok);
    return ok ? value : 0;
}

// The text between `from` and the first `until` after it (to the end when there is none).
QString between(const QString& text, qsizetype from, const QString& until, qsizetype* end)
{
    const qsizetype stop = text.indexOf(until, from);
    *end = stop < 0 ? text.size() : stop + until.size();
    return text.mid(from, stop < 0 ? -1 : stop - from);
}

} // namespace

std::vector<SchemeRow> readSchemeRows(const QSqlDatabase& db)
{
    store::StoreQuery q(db,
        u"SELECT * FROM %1 ORDER BY %2, %3"_s.arg(
            reportTable(), store::quoted(u"PoryadokNum"_s), store::quoted(u"Num"_s)));
    std::vector<SchemeRow> rows;
    while (q.next())
        rows.push_back({q.integer(u"Num"_s), q.text(u"NAME"_s), q.text(u"Tip"_s), q.text(u"Model"_s),
            q.text(u"Dlina"_s), q.text(u"Sechenie"_s), q.text(u"Kolich"_s), q.integer(u"PoryadokNum"_s)});
    return rows;
}

std::optional<QString> schemeCondensingUnit(const std::vector<SchemeRow>& rows)
{
    for (const SchemeRow& row : rows) {
        if (row.name == condensingUnitName)
            return row.model;
    }
    return std::nullopt;
}

QStringList schemeLines(const std::vector<SchemeRow>& rows)
{
    QStringList lines;
    for (const SchemeRow& row : rows) {
        if (row.name == condensingUnitName)
            continue;
        const QString line
            = row.name + u": "_s + row.tip + u" - "_s + row.model + u" /"_s + row.length + u"мм"_s;
        const qint64 pieces = std::max<qint64>(integerOf(row.count), 1);
        for (qint64 k = 0; k < pieces; ++k)
            lines << line;
    }
    return lines;
}

qint64 schemeLength(const std::vector<SchemeRow>& rows)
{
    qint64 total = 0;
    for (const SchemeRow& row : rows) {
        // A count below zero is no piece: it never shortens the unit.
        if (row.name != condensingUnitName)
            total += std::max<qint64>(integerOf(row.count), 0) * integerOf(row.length);
    }
    return total;
}

QString schemeLengthText(qint64 millimetres)
{
    return u"Общая длина модульной системы: %1 мм"_s.arg(millimetres);
}

SchemeLine readSchemeLine(const QString& line)
{
    SchemeLine read;
    qsizetype at = 0;
    read.name = between(line, at, u": "_s, &at);
    read.tip = between(line, at, u" - "_s, &at);
    read.model = between(line, at, u" /"_s, &at);
    read.length = between(line, at, u"мм"_s, &at);
    return read;
}

void storeSchemeOrder(const QSqlDatabase& db, const QStringList& lines)
{
    const QString sql = u"UPDATE %1 SET %2 = ? WHERE %3 = ? AND %4 = ? AND %5 = ?"_s.arg(reportTable(),
        store::quoted(u"PoryadokNum"_s), store::quoted(u"NAME"_s), store::quoted(u"Tip"_s),
        store::quoted(u"Model"_s));
    store::Transaction transaction(db);
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const SchemeLine line = readSchemeLine(lines[i]);
        store::execute(db, sql, {int(i + 1), line.name, line.tip, line.model});
    }
    transaction.commit();
}

MovedLines stepLine(const QStringList& lines, int from, int step)
{
    MovedLines moved {lines, from};
    const int to = from + step;
    if (from < 0 || from >= lines.size() || to < 0 || to >= lines.size())
        return moved;
    moved.lines.swapItemsAt(from, to);
    moved.selected = to;
    return moved;
}

MovedLines dropLine(const QStringList& lines, int from, int onto)
{
    MovedLines moved {lines, from};
    if (from < 0 || from >= lines.size() || onto == from)
        return moved;
    const QString line = lines[from];
    if (onto < 0 || onto >= lines.size()) {
        moved.lines.removeAt(from);
        moved.lines.append(line);
        moved.selected = int(moved.lines.size()) - 1;
        return moved;
    }
    // A copy goes in before (dragging up) or after (dragging down) the target, then the original goes.
    if (onto < from) {
        moved.lines.insert(onto, line);
        moved.lines.removeAt(from + 1);
    } else {
        moved.lines.insert(onto + 1, line);
        moved.lines.removeAt(from);
    }
    moved.selected = onto;
    return moved;
}

int usedStripSlots(int lineCount)
{
    return std::min(std::max(lineCount, 0) + 1, stripSlots);
}

QString piecePicture(const SchemeLine& line, bool selected)
{
    QString file = line.name;
    if (line.name == u"Клапан"_s || line.name == u"Фильтр"_s)
        file += u'_' + line.tip;
    else if (line.name == u"Глушитель"_s)
        file += u'_' + line.model;
    file += u".bmp"_s;
    return selected ? u"Y_"_s + file : file;
}

QString stripDuctSize(const QString& ductSize)
{
    QString size = ductSize;
    const qsizetype star = size.indexOf(u'*');
    if (star >= 0)
        size[star] = u'_';
    return size;
}

QString ductPicture(const QString& ductSize)
{
    return u"Kanal_"_s + stripDuctSize(ductSize) + u".bmp"_s;
}

QString emptySlotPicture(bool printed)
{
    return printed ? u"w_default.bmp"_s : u"default.bmp"_s;
}

QPoint lengthTextPosition(int width, int height, double pointSize)
{
    return QPoint(int(roundHalfEven(width / 2.0 - 9)), int(roundHalfEven(height - 2.5 * pointSize)));
}

} // namespace unit
