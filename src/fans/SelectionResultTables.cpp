#include "fans/SelectionResultTables.h"

#include "common/CatalogueStore.h"
#include "common/StoreDialect.h"
#include "common/StoreQuery.h"
#include "fans/FanCatalogueSchema.h"
#include "fans/FanDesignation.h"

#include <functional>
#include <map>

namespace fans {

namespace {

using store::FieldDef;
using store::FieldKind;

const QString numColumn = QStringLiteral("Num");

// Binds the value a result column takes from a fan; Num is filled by the store. Resolved once per
// column, so that appending thousands of candidates matches no column names per cell and builds no
// variant per cell.
using ColumnBinder = std::function<void(store::RecordAppender&, int, const FanRecord&)>;

template <typename Field> ColumnBinder binder(Field field)
{
    return [field](store::RecordAppender& out, int column, const FanRecord& fan) {
        out.bind(column, fan.*field);
    };
}

// The smoke-exhaust catalogue has no connection sizes or noise data: those columns stay empty.
template <typename Field> ColumnBinder generalOnly(Field field, bool smoke)
{
    if (smoke)
        return [](store::RecordAppender& out, int column, const FanRecord&) { out.bindNull(column); };
    return binder(field);
}

ColumnBinder columnBinder(const QString& column, CatalogueKind kind, ResultTable table)
{
    bool isNumber = false;
    const int curveColumn = column.toInt(&isNumber);
    if (isNumber && curveColumn >= 1 && curveColumn <= FanRecord::curveColumnCount) {
        const int point = (curveColumn - 1) % FanRecord::maxPoints; // 0-based point of the column
        // An accepted fan keeps only the columns of its curve's points.
        const bool onlyCurvePoints = table == ResultTable::Accepted;
        return
            [curveColumn, point, onlyCurvePoints](store::RecordAppender& out, int c, const FanRecord& fan) {
                const CurveCell& value = fan.columns[size_t(curveColumn - 1)];
                if (!value || (onlyCurvePoints && point >= curvePointCount(fan)))
                    out.bindNull(c);
                else
                    out.bind(c, *value);
            };
    }
    const bool smoke = kind == CatalogueKind::Smoke;
    if (column == QLatin1String("Name"))
        return [kind, table](store::RecordAppender& out, int c, const FanRecord& fan) {
            out.bind(
                c, table == ResultTable::Accepted ? designation(fan, kind) : cutName(seriesPrefix(fan.name)));
        };
    if (column == QLatin1String("ManualName"))
        return [](store::RecordAppender& out, int c, const FanRecord& fan) {
            out.bind(c, fan.manualName.left(manualNameLength));
        };
    if (column == QLatin1String("Ny"))
        return [](store::RecordAppender& out, int c, const FanRecord& fan) {
            out.bind(c, fan.ny.left(nyLength));
        };
    static const std::map<QString, ColumnBinder> plain {
        {QStringLiteral("AutoName"), binder(&FanRecord::autoName)},
        {QStringLiteral("D"), binder(&FanRecord::d)},
        {QStringLiteral("Money"), binder(&FanRecord::money)},
        {QStringLiteral("Money600"), binder(&FanRecord::money600)},
        {QStringLiteral("N"), binder(&FanRecord::n)},
        {QStringLiteral("Krugl"), binder(&FanRecord::krugl)},
        {QStringLiteral("Krysh"), binder(&FanRecord::krysh)},
        {QStringLiteral("Podpor"), binder(&FanRecord::podpor)},
        {QStringLiteral("Polus"), binder(&FanRecord::polus)},
        {QStringLiteral("Fazkol"), binder(&FanRecord::fazkol)},
        {QStringLiteral("Davlen"), binder(&FanRecord::davlen)},
        {QStringLiteral("Stoikost"), binder(&FanRecord::stoikost)},
        {QStringLiteral("Massa"), binder(&FanRecord::massa)},
        {QStringLiteral("Dlina"), binder(&FanRecord::dlina)},
    };
    if (const auto it = plain.find(column); it != plain.end())
        return it->second;
    if (column == QLatin1String("A"))
        return generalOnly(&FanRecord::a, smoke);
    if (column == QLatin1String("B"))
        return generalOnly(&FanRecord::b, smoke);
    if (column == QLatin1String("Lpa_Input"))
        return generalOnly(&FanRecord::lpaInput, smoke);
    if (column == QLatin1String("Lpa_Output"))
        return generalOnly(&FanRecord::lpaOutput, smoke);
    if (column == QLatin1String("Lpa_Arround"))
        return generalOnly(&FanRecord::lpaArround, smoke);
    return [](store::RecordAppender& out, int c, const FanRecord&) { out.bindNull(c); };
}

void append(ResultTable table, const std::vector<const FanRecord*>& fans)
{
    const CatalogueKind kind = SelectionResultTables::currentKind();
    const bool unitRun = kind == CatalogueKind::General && SelectionResultTables::isUnitRun();
    QStringList columns;
    std::vector<ColumnBinder> binders;
    for (const FieldDef& field : SelectionResultTables::tableDef(kind, table, unitRun).fields) {
        if (field.name != numColumn) {
            columns << field.name;
            binders.push_back(columnBinder(field.name, kind, table));
        }
    }
    store::RecordAppender appender(
        store::workingDatabase(), SelectionResultTables::tableName(table), columns);
    for (const FanRecord* fan : fans) {
        for (size_t c = 0; c < binders.size(); ++c)
            binders[c](appender, int(c), *fan);
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
