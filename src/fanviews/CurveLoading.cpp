#include "fanviews/CurveLoading.h"

#include "common/CatalogueStore.h"
#include "common/StoreDialect.h"
#include "common/StoreError.h"
#include "common/StoreQuery.h"
#include "fans/FanCatalogueSchema.h"
#include "fans/SelectionResultTables.h"

using namespace Qt::StringLiterals;

namespace fanviews {
namespace {

const QString nameField = u"Name"_s;

// A curve field as a number; an empty field reads as 0 and text that is no number is a store error.
double curveNumber(const store::StoreQuery& row, int column)
{
    const QString field = fans::curveColumnName(column);
    if (row.text(field).trimmed().isEmpty())
        return 0;
    const auto value = row.optionalNumber(field);
    if (!value)
        throw CatalogueError(
            u"'%1' не является числом: поле \"%2\" таблицы RAZMDIAP"_s.arg(row.text(field).trimmed(), field));
    return *value;
}

} // namespace

FanCurveSet loadCurveSet(const QString& designation)
{
    const QString table = fans::SelectionResultTables::tableName(fans::ResultTable::Accepted);
    store::StoreQuery row(store::workingDatabase(),
        u"SELECT * FROM %1 ORDER BY %2"_s.arg(
            store::quoted(store::tableName(table)), store::quoted(u"Num"_s)));
    // At most 29 fans: reading them all and comparing here keeps the case rule the same for Cyrillic
    // letters on every engine.
    while (row.next()) {
        if (row.text(nameField).compare(designation, Qt::CaseInsensitive) != 0)
            continue;
        FanCurveSet set;
        for (int i = 1; i <= FanCurveSet::maxPoints; ++i) {
            if (row.text(fans::curveColumnName(i)).trimmed().isEmpty())
                break;
            set.flowPoints[i - 1] = curveNumber(row, i);
            set.pressurePoints[i - 1] = curveNumber(row, i + 20);
            set.powerPoints[i - 1] = curveNumber(row, i + 40);
            set.pointCount = i;
        }
        return set;
    }
    return {};
}

} // namespace fanviews
