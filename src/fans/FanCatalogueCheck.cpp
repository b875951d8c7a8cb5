#include "fans/FanCatalogueCheck.h"

#include "common/StoreDialect.h"
#include "common/StoreError.h"
#include "common/StoreQuery.h"
#include "fans/FanCatalogueSchema.h"
#include "fans/FanDesignation.h"

#include <QHash>
#include <functional>

namespace fans {

namespace {

void checkCurve(const FanRecord& fan, const std::function<void(const QString&)>& report)
{
    const int n = fan.pointCount;
    if (n < 4)
        report(QStringLiteral("точек в кривой: %1, нужно не меньше 4").arg(n));
    for (int i = n; i < FanRecord::maxPoints; ++i) {
        if (fan.columns[i].has_value()) {
            report(QStringLiteral(
                "расход точки %1 заполнен после пустого расхода точки %2: точки после пропуска "
                "не читаются")
                       .arg(i + 1)
                       .arg(n + 1));
            break;
        }
    }
    for (int i = 0; i < n; ++i) {
        const int point = i + 1;
        if (i > 0 && !(fan.flow(i) > fan.flow(i - 1)))
            report(QStringLiteral("расходы не возрастают: точка %1 (%2) после точки %3 (%4)")
                       .arg(point)
                       .arg(fan.flow(i))
                       .arg(point - 1)
                       .arg(fan.flow(i - 1)));
        if (!fan.columns[20 + i] || !fan.columns[40 + i]) {
            report(QStringLiteral("в точке %1 не заполнено давление или мощность").arg(point));
            continue;
        }
        if (!(fan.power(i) > 0)) {
            report(QStringLiteral("в точке %1 мощность %2 не больше нуля").arg(point).arg(fan.power(i)));
            continue;
        }
        const double efficiency = fan.flow(i) * fan.pressure(i) / (3600.0 * 1000.0 * fan.power(i));
        if (efficiency < 0 || efficiency > 1)
            report(
                QStringLiteral("в точке %1 КПД %2 вне пределов 0…1").arg(point).arg(efficiency, 0, 'f', 3));
    }
}

void checkTable(const QSqlDatabase& db, CatalogueKind kind, std::vector<CatalogueFinding>& findings)
{
    const QString table = catalogueTableName(kind);
    std::optional<store::StoreQuery> query;
    try {
        query.emplace(db,
            QStringLiteral("SELECT * FROM ") + store::quoted(table)
                + store::insertionOrder(store::engineOf(db)));
    } catch (const CatalogueError& error) {
        findings.push_back({table, 0, QString(), error.message()});
        return;
    }
    bool columnsMissing = false;
    for (const store::FieldDef& field : catalogueTableDef(kind).fields) {
        if (!query->hasField(field.name) && !isOptionalColumn(kind, field.name)) {
            findings.push_back({table, 0, QString(), QStringLiteral("нет столбца \"%1\"").arg(field.name)});
            columnsMissing = true;
        }
    }
    if (columnsMissing)
        return;
    const FanRowLayout layout = FanRowLayout::ofCatalogue(*query, kind);

    QHash<QString, int> firstRecordOf; // designation -> record
    int record = 0;
    while (query->next()) {
        ++record;
        FanRecord fan;
        try {
            fan = layout.read(*query);
        } catch (const BadCellError& error) {
            findings.push_back({table, record, QString(), error.fault()});
            continue;
        }
        const QString name = designation(fan, kind);
        auto report = [&](const QString& message) { findings.push_back({table, record, name, message}); };

        if (query->text(QStringLiteral("Name")).size() > nameLength)
            report(QStringLiteral("наименование серии длиннее %1 символов").arg(nameLength));
        if (kind == CatalogueKind::General
            && query->text(QStringLiteral("ManualName")).size() > manualNameLength)
            report(QStringLiteral("код (ManualName) длиннее %1 символов").arg(manualNameLength));
        if (query->text(QStringLiteral("Ny")).size() > nyLength)
            report(QStringLiteral("установочная мощность (Ny) длиннее %1 символов").arg(nyLength));
        if (designationBeforeCut(fan, kind).size() > nameLength)
            report(QStringLiteral("обозначение длиннее %1 символов и обрезается").arg(nameLength));
        checkCurve(fan, report);

        const auto first = firstRecordOf.constFind(name);
        if (first != firstRecordOf.constEnd())
            report(QStringLiteral("обозначение повторяет запись %1").arg(*first));
        else
            firstRecordOf.insert(name, record);
    }
    if (record == 0)
        findings.push_back({table, 0, QString(), QStringLiteral("таблица пуста")});
}

} // namespace

std::vector<CatalogueFinding> checkFanCatalogue(const QSqlDatabase& db)
{
    std::vector<CatalogueFinding> findings;
    checkTable(db, CatalogueKind::General, findings);
    checkTable(db, CatalogueKind::Smoke, findings);
    return findings;
}

} // namespace fans
