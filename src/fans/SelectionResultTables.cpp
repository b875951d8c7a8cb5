#include "fans/SelectionResultTables.h"

#include "common/CatalogueStore.h"
#include "common/StoreDialect.h"
#include "common/StoreQuery.h"
#include "fans/FanCatalogueSchema.h"
#include "fans/FanDesignation.h"

#include <functional>

namespace fans {

namespace {

using store::FieldDef;
using store::FieldKind;

const QString numColumn = QStringLiteral("Num");

QVariant optional(const std::optional<double>& value)
{
    return value ? QVariant(*value) : QVariant();
}

using ColumnReader = std::function<QVariant(const FanRecord&)>;

// How a result column takes its value from a fan; Num is filled by the store. Resolved once per
// column, so that appending thousands of candidates matches no column names per cell.
ColumnReader columnReader(const QString& column, CatalogueKind kind, ResultTable table)
{
    bool isNumber = false;
    const int curveColumn = column.toInt(&isNumber);
    if (isNumber && curveColumn >= 1 && curveColumn <= FanRecord::curveColumnCount) {
        const int point = (curveColumn - 1) % FanRecord::maxPoints; // 0-based point of the column
        // An accepted fan keeps only the columns of its curve's points.
        const bool onlyCurvePoints = table == ResultTable::Accepted;
        return [curveColumn, point, onlyCurvePoints](const FanRecord& fan) {
            if (onlyCurvePoints && point >= curvePointCount(fan))
                return QVariant();
            return optional(fan.columns[curveColumn - 1]);
        };
    }
    const bool smoke = kind == CatalogueKind::Smoke;
    if (column == QLatin1String("Name"))
        return [kind, table](const FanRecord& fan) {
            return QVariant(
                table == ResultTable::Accepted ? designation(fan, kind) : cutName(seriesPrefix(fan.name)));
        };
    if (column == QLatin1String("AutoName"))
        return [](const FanRecord& fan) { return QVariant(fan.autoName); };
    if (column == QLatin1String("ManualName"))
        return [](const FanRecord& fan) { return QVariant(fan.manualName.left(manualNameLength)); };
    if (column == QLatin1String("D"))
        return [](const FanRecord& fan) { return QVariant(fan.d); };
    if (column == QLatin1String("Money"))
        return [](const FanRecord& fan) { return QVariant(fan.money); };
    if (column == QLatin1String("Money600"))
        return [](const FanRecord& fan) { return QVariant(fan.money600); };
    if (column == QLatin1String("N"))
        return [](const FanRecord& fan) { return QVariant(fan.n); };
    // The smoke-exhaust catalogue has no connection sizes or noise data: those columns stay empty.
    if (column == QLatin1String("A"))
        return [smoke](const FanRecord& fan) { return smoke ? QVariant() : QVariant(fan.a); };
    if (column == QLatin1String("B"))
        return [smoke](const FanRecord& fan) { return smoke ? QVariant() : QVariant(fan.b); };
    if (column == QLatin1String("Lpa_Input"))
        return [smoke](const FanRecord& fan) { return smoke ? QVariant() : QVariant(fan.lpaInput); };
    if (column == QLatin1String("Lpa_Output"))
        return [smoke](const FanRecord& fan) { return smoke ? QVariant() : QVariant(fan.lpaOutput); };
    if (column == QLatin1String("Lpa_Arround"))
        return [smoke](const FanRecord& fan) { return smoke ? QVariant() : QVariant(fan.lpaArround); };
    if (column == QLatin1String("Krugl"))
        return [](const FanRecord& fan) { return QVariant(fan.krugl); };
    if (column == QLatin1String("Krysh"))
        return [](const FanRecord& fan) { return QVariant(fan.krysh); };
    if (column == QLatin1String("Podpor"))
        return [](const FanRecord& fan) { return QVariant(fan.podpor); };
    if (column == QLatin1String("Polus"))
        return [](const FanRecord& fan) { return QVariant(fan.polus); };
    if (column == QLatin1String("Fazkol"))
        return [](const FanRecord& fan) { return QVariant(fan.fazkol); };
    if (column == QLatin1String("Davlen"))
        return [](const FanRecord& fan) { return QVariant(fan.davlen); };
    if (column == QLatin1String("Stoikost"))
        return [](const FanRecord& fan) { return QVariant(fan.stoikost); };
    if (column == QLatin1String("Massa"))
        return [](const FanRecord& fan) { return QVariant(fan.massa); };
    if (column == QLatin1String("Dlina"))
        return [](const FanRecord& fan) { return QVariant(fan.dlina); };
    if (column == QLatin1String("Ny"))
        return [](const FanRecord& fan) { return QVariant(fan.ny.left(nyLength)); };
    return [](const FanRecord&) { return QVariant(); };
}

void append(ResultTable table, const std::vector<const FanRecord*>& fans)
{
    const CatalogueKind kind = SelectionResultTables::currentKind();
    const bool unitRun = kind == CatalogueKind::General && SelectionResultTables::isUnitRun();
    QStringList columns;
    std::vector<ColumnReader> readers;
    for (const FieldDef& field : SelectionResultTables::tableDef(kind, table, unitRun).fields) {
        if (field.name != numColumn) {
            columns << field.name;
            readers.push_back(columnReader(field.name, kind, table));
        }
    }
    store::RecordAppender appender(
        store::workingDatabase(), SelectionResultTables::tableName(table), columns);
    for (const FanRecord* fan : fans) {
        for (size_t c = 0; c < readers.size(); ++c)
            appender.bind(int(c), readers[c](*fan));
        appender.post();
    }
    appender.commit();
}

std::vector<const FanRecord*> pointers(const std::vector<FanRecord>& fans)
{
    std::vector<const FanRecord*> result;
    result.reserve(fans.size());
    for (const FanRecord& fan : fans)
        result.push_back(&fan);
    return result;
}

} // namespace

QString SelectionResultTables::tableName(ResultTable table)
{
    return table == ResultTable::Candidates ? QStringLiteral("Razmchek") : QStringLiteral("RAZMDIAP");
}

store::TableDef SelectionResultTables::tableDef(CatalogueKind kind, ResultTable table, bool unitRun)
{
    store::TableDef def;
    def.name = tableName(table);
    auto add = [&def](const char16_t* name, FieldKind fieldKind, int size = 0) {
        def.fields.push_back(FieldDef {QString::fromUtf16(name), fieldKind, size});
    };
    auto addCurve = [&def] {
        for (int i = 1; i <= FanRecord::curveColumnCount; ++i)
            def.fields.push_back(FieldDef {curveColumnName(i), FieldKind::Float, 0});
    };
    add(u"Num", FieldKind::AutoIncrement);
    if (kind == CatalogueKind::General) {
        add(u"AutoName", FieldKind::Boolean);
        add(u"Name", FieldKind::String, nameLength);
        add(u"ManualName", FieldKind::String, manualNameLength);
        add(u"D", FieldKind::Int16);
        add(u"Money", FieldKind::Currency);
        add(u"N", FieldKind::Int16);
        add(u"A", FieldKind::Int16);
        add(u"Krugl", FieldKind::Boolean);
        if (!unitRun) {
            add(u"Krysh", FieldKind::Boolean);
            add(u"Podpor", FieldKind::Boolean);
        }
        add(u"B", FieldKind::Int16);
        add(u"Lpa_Input", FieldKind::Float);
        add(u"Lpa_Output", FieldKind::Float);
        add(u"Lpa_Arround", FieldKind::Float);
        addCurve();
        add(u"Polus", FieldKind::Int16);
        add(u"Fazkol", FieldKind::Boolean);
        add(u"Davlen", FieldKind::Boolean);
        if (unitRun)
            add(u"Dlina", FieldKind::Float);
        add(u"Massa", FieldKind::Float);
        add(u"Ny", FieldKind::String, nyLength);
    } else {
        add(u"Name", FieldKind::String, nameLength);
        add(u"D", FieldKind::Int16);
        add(u"Money", FieldKind::Currency);
        add(u"Money600", FieldKind::Currency);
        add(u"N", FieldKind::Int16);
        add(u"A", FieldKind::Int16);
        add(u"B", FieldKind::Int16);
        add(u"Lpa_Input", FieldKind::Float);
        add(u"Lpa_Output", FieldKind::Float);
        add(u"Lpa_Arround", FieldKind::Float);
        addCurve();
        add(u"Polus", FieldKind::Int16);
        add(u"Fazkol", FieldKind::Boolean);
        add(u"Davlen", FieldKind::Boolean);
        add(u"Stoikost", FieldKind::Boolean);
        add(u"Massa", FieldKind::Float);
        add(u"Ny", FieldKind::String, nyLength);
    }
    def.indexes.push_back(store::IndexDef {QString(), numColumn, true, false});
    def.indexes.push_back(
        store::IndexDef {QStringLiteral("Name_D_N"), QStringLiteral("Name;D;N"), false, true});
    return def;
}

void SelectionResultTables::create(CatalogueKind kind, bool unitRun)
{
    QSqlDatabase db = store::workingDatabase();
    store::createTable(db, tableDef(kind, ResultTable::Candidates, unitRun));
    store::createTable(db, tableDef(kind, ResultTable::Accepted, unitRun));
}

bool SelectionResultTables::isUnitRun()
{
    store::StoreQuery query(store::workingDatabase(),
        QStringLiteral("SELECT * FROM %1 LIMIT 0")
            .arg(store::quoted(store::tableName(tableName(ResultTable::Accepted)))));
    return query.hasField(QStringLiteral("Dlina"));
}

CatalogueKind SelectionResultTables::currentKind()
{
    store::StoreQuery query(store::workingDatabase(),
        QStringLiteral("SELECT * FROM %1 LIMIT 0")
            .arg(store::quoted(store::tableName(tableName(ResultTable::Accepted)))));
    return query.hasField(QStringLiteral("Stoikost")) ? CatalogueKind::Smoke : CatalogueKind::General;
}

void SelectionResultTables::appendCandidates(const std::vector<FanRecord>& fans)
{
    append(ResultTable::Candidates, pointers(fans));
}

void SelectionResultTables::appendCandidates(const std::vector<const FanRecord*>& fans)
{
    append(ResultTable::Candidates, fans);
}

void SelectionResultTables::appendAccepted(const std::vector<FanRecord>& fans)
{
    append(ResultTable::Accepted, pointers(fans));
}

void SelectionResultTables::appendAccepted(const std::vector<const FanRecord*>& fans)
{
    append(ResultTable::Accepted, fans);
}

std::vector<ResultRow> SelectionResultTables::read(ResultTable table)
{
    store::StoreQuery query(store::workingDatabase(),
        QStringLiteral("SELECT * FROM %1 ORDER BY %2")
            .arg(store::quoted(store::tableName(tableName(table))), store::quoted(numColumn)));
    const FanRowLayout layout = FanRowLayout::ofOwnTable(query);
    const int num = query.column(numColumn);
    std::vector<ResultRow> rows;
    while (query.next())
        rows.push_back(ResultRow {query.integer(num), layout.read(query)});
    return rows;
}

std::optional<ResultRow> SelectionResultTables::findAccepted(const QString& designation)
{
    store::StoreQuery query(store::workingDatabase(),
        QStringLiteral("SELECT * FROM %1 WHERE %2 = ? ORDER BY %3")
            .arg(store::quoted(store::tableName(tableName(ResultTable::Accepted))),
                store::quoted(QStringLiteral("Name")), store::quoted(numColumn)),
        {designation});
    if (!query.next())
        return std::nullopt;
    return ResultRow {query.integer(numColumn), FanRowLayout::ofOwnTable(query).read(query)};
}

} // namespace fans
