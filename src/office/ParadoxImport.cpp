#include "office/ParadoxImport.h"

#include "common/StoreDialect.h"
#include "common/StoreError.h"
#include "office/CatalogueTables.h"
#include "office/ParadoxTable.h"

#include <QDir>
#include <QFileInfo>
#include <QSet>
#include <algorithm>

namespace office {

namespace {

using store::FieldKind;

// Faults shown per table before the rest are only counted: one bad column fills every record.
constexpr int faultsShownPerTable = 10;

bool fits(FieldKind kind, int type)
{
    switch (kind) {
    case FieldKind::Boolean:
        return type == ParadoxLogical;
    case FieldKind::String:
        return type == ParadoxAlpha;
    case FieldKind::Int16:
    case FieldKind::AutoIncrement:
        return type == ParadoxShort || type == ParadoxLong || type == ParadoxAutoInc;
    case FieldKind::Float:
    case FieldKind::Currency:
        return type == ParadoxNumber || type == ParadoxCurrency || type == ParadoxShort
            || type == ParadoxLong;
    }
    return false;
}

QString wantedType(const store::FieldDef& field)
{
    switch (field.kind) {
    case FieldKind::Boolean:
        return QStringLiteral("логическое поле (L)");
    case FieldKind::String:
        return QStringLiteral("текст (A%1)").arg(field.size);
    case FieldKind::Int16:
        return QStringLiteral("целое число (S)");
    case FieldKind::AutoIncrement:
        return QStringLiteral("счётчик (+)");
    case FieldKind::Currency:
        return QStringLiteral("денежное поле ($) или число (N)");
    case FieldKind::Float:
        return QStringLiteral("число (N)");
    }
    return {};
}

// The faults of one table, the first few in words and the rest counted.
class TableFaults {
public:
    explicit TableFaults(QString table)
        : m_table(std::move(table))
    {
    }
    void add(const QString& fault)
    {
        if (++m_count <= faultsShownPerTable)
            m_lines << m_table + QStringLiteral(": ") + fault;
    }
    QStringList lines() const
    {
        QStringList lines = m_lines;
        if (m_count > faultsShownPerTable)
            lines << m_table + QStringLiteral(": и ещё замечаний: %1").arg(m_count - faultsShownPerTable);
        return lines;
    }
    bool empty() const { return m_count == 0; }

private:
    QString m_table;
    QStringList m_lines;
    int m_count = 0;
};

// The value of a record converted to the kind of its column, or a null QVariant with a fault added.
QVariant converted(const QVariant& value, const store::FieldDef& field, int record, TableFaults& faults)
{
    if (value.isNull())
        return {};
    auto bad = [&](const QString& why) {
        faults.add(QStringLiteral("запись %1, столбец \"%2\": %3").arg(record).arg(field.name, why));
        return QVariant();
    };
    switch (field.kind) {
    case FieldKind::Boolean:
    case FieldKind::AutoIncrement:
        return value;
    case FieldKind::String: {
        const QString text = value.toString();
        if (field.size > 0 && text.size() > field.size)
            return bad(QStringLiteral("текст длиннее %1 знаков").arg(field.size));
        return text;
    }
    case FieldKind::Int16: {
        const qlonglong number = value.toLongLong();
        if (number < -32768 || number > 32767)
            return bad(QStringLiteral("%1 не умещается в целое 16-битное поле").arg(number));
        return number;
    }
    case FieldKind::Float:
    case FieldKind::Currency:
        return value.toDouble();
    }
    return {};
}

struct TableFile {
    QString path;
    QString table;
    store::TableDef def;
};

store::PreparedTable prepareTable(const TableFile& file, ParadoxImportPlan& plan, TableFaults& faults)
{
    store::PreparedTable prepared;
    prepared.def = file.def;
    ParadoxTable source;
    try {
        source = readParadoxTable(file.path);
    } catch (const CatalogueError& error) {
        faults.add(error.message());
        return prepared;
    }
    std::vector<std::pair<size_t, const store::FieldDef*>> used; // source field → column
    QSet<QString> present;
    for (size_t i = 0; i < source.fields.size(); ++i) {
        const ParadoxField& field = source.fields[i];
        const store::FieldDef* column = file.def.field(field.name);
        if (!column) {
            plan.notes << QStringLiteral("%1: столбец \"%2\" программа не читает, он не перенесён")
                              .arg(file.table, field.name);
            continue;
        }
        if (present.contains(column->name)) {
            faults.add(QStringLiteral("столбец \"%1\" повторяется").arg(column->name));
            continue;
        }
        present.insert(column->name);
        if (!fits(column->kind, field.type)) {
            faults.add(QStringLiteral("столбец \"%1\" типа %2, нужен %3")
                           .arg(column->name, paradoxTypeText(field), wantedType(*column)));
            continue;
        }
        used.emplace_back(i, column);
        prepared.columns << column->name;
    }
    for (const store::FieldDef& column : file.def.fields) {
        if (!present.contains(column.name) && column.kind != FieldKind::AutoIncrement
            && !isOptionalColumn(file.table, column.name))
            faults.add(QStringLiteral("нет столбца \"%1\"").arg(column.name));
    }
    if (!faults.empty())
        return prepared;
    prepared.records.reserve(source.records.size());
    for (size_t r = 0; r < source.records.size(); ++r) {
        QVariantList values;
        values.reserve(qsizetype(used.size()));
        for (const auto& [from, column] : used)
            values << converted(source.records[r][qsizetype(from)], *column, int(r + 1), faults);
        prepared.records.push_back(std::move(values));
    }
    return prepared;
}

} // namespace

ParadoxImportPlan prepareParadoxFolder(const QString& folder)
{
    const QDir dir(folder);
    if (folder.isEmpty() || !dir.exists())
        throw CatalogueError(QStringLiteral("Папка не найдена: %1").arg(folder));
    ParadoxImportPlan plan;
    std::vector<TableFile> files;
    QStringList faults;
    for (const QString& name : dir.entryList({QStringLiteral("*.db")}, QDir::Files, QDir::Name)) {
        const QString table = store::tableName(QFileInfo(name).completeBaseName());
        const auto def = knownTableDef(table);
        if (!def) {
            plan.skippedTables << name;
            continue;
        }
        const auto twin
            = std::find_if(files.begin(), files.end(), [&](const TableFile& f) { return f.table == table; });
        if (twin != files.end()) {
            faults << QStringLiteral("%1: таблица %2 уже есть в файле %3")
                          .arg(name, table, QFileInfo(twin->path).fileName());
            continue;
        }
        files.push_back({dir.filePath(name), table, *def});
    }
    for (const TableFile& file : files) {
        TableFaults tableFaults(file.table);
        store::PreparedTable prepared = prepareTable(file, plan, tableFaults);
        faults << tableFaults.lines();
        plan.tables.push_back(std::move(prepared));
    }
    if (files.empty() && faults.isEmpty())
        faults << QStringLiteral("В папке %1 нет таблиц каталога (.db)").arg(folder);
    if (!faults.isEmpty())
        throw CatalogueError(faults.join(QLatin1Char('\n')));
    return plan;
}

} // namespace office
