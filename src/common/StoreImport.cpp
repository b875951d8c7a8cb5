#include "common/StoreImport.h"

#include "common/CatalogueStore.h"
#include "common/SqliteStatement.h"
#include "common/StoreDialect.h"
#include "common/StoreError.h"
#include "common/SystemReason.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <cmath>
#include <filesystem>

namespace store {

namespace {

struct TsvTable {
    QString path;
    QStringList columns;
    std::vector<QStringList> rows;
    std::vector<int> lines; // source line of each row, for messages
};

TsvTable readTsv(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw CatalogueError(QStringLiteral("%1: %2").arg(path, file.errorString()));
    const QString text = QString::fromUtf8(file.readAll());
    TsvTable table;
    table.path = path;
    const QStringList lines = text.split(QLatin1Char('\n'));
    for (qsizetype i = 0; i < lines.size(); ++i) {
        QString line = lines[i];
        if (line.endsWith(QLatin1Char('\r')))
            line.chop(1);
        if (i == 0) {
            if (line.startsWith(QChar(0xFEFF)))
                line.remove(0, 1);
            table.columns = line.split(QLatin1Char('\t'));
            if (table.columns.contains(QString()))
                throw CatalogueError(QStringLiteral("%1:1: пустое имя столбца").arg(path));
            continue;
        }
        if (line.isEmpty())
            continue;
        const QStringList cells = line.split(QLatin1Char('\t'));
        if (cells.size() != table.columns.size())
            throw CatalogueError(QStringLiteral("%1:%2: %3 ячеек вместо %4")
                                     .arg(path)
                                     .arg(i + 1)
                                     .arg(cells.size())
                                     .arg(table.columns.size()));
        table.rows.push_back(cells);
        table.lines.push_back(int(i + 1));
    }
    if (table.columns.isEmpty() || (table.columns.size() == 1 && table.columns.first().isEmpty()))
        throw CatalogueError(QStringLiteral("%1: нет строки с именами столбцов").arg(path));
    return table;
}

bool isWholeNumber(const QString& cell)
{
    bool ok = false;
    cell.toLongLong(&ok);
    return ok;
}

bool isNumber(const QString& cell)
{
    bool ok = false;
    const double v = cell.toDouble(&ok);
    return ok && std::isfinite(v);
}

// Column kinds of a table the program does not know, from what its cells hold.
TableDef inferTableDef(const QString& name, const TsvTable& tsv)
{
    TableDef def;
    def.name = name;
    for (qsizetype c = 0; c < tsv.columns.size(); ++c) {
        bool whole = true;
        bool numeric = true;
        int longest = 1;
        for (const QStringList& row : tsv.rows) {
            const QString& cell = row[c];
            if (cell.isEmpty())
                continue;
            whole = whole && isWholeNumber(cell);
            numeric = numeric && isNumber(cell);
            longest = std::max(longest, int(cell.size()));
        }
        FieldDef field {tsv.columns[c], FieldKind::String, longest};
        if (whole)
            field.kind = FieldKind::Int16;
        else if (numeric)
            field.kind = FieldKind::Float;
        def.fields.push_back(field);
    }
    return def;
}

QVariant convert(const QString& cell, const FieldDef& field, const TsvTable& tsv, size_t row)
{
    if (cell.isEmpty())
        return {};
    auto bad = [&] {
        return CatalogueError(QStringLiteral("%1:%2: столбец \"%3\": недопустимое значение \"%4\"")
                                  .arg(tsv.path)
                                  .arg(tsv.lines[row])
                                  .arg(field.name, cell));
    };
    bool ok = false;
    switch (field.kind) {
    case FieldKind::Boolean:
        if (cell == QLatin1String("1") || cell.compare(QLatin1String("true"), Qt::CaseInsensitive) == 0)
            return true;
        if (cell == QLatin1String("0") || cell.compare(QLatin1String("false"), Qt::CaseInsensitive) == 0)
            return false;
        throw bad();
    case FieldKind::Int16:
    case FieldKind::AutoIncrement: {
        const qlonglong v = cell.toLongLong(&ok);
        if (!ok || (field.kind == FieldKind::Int16 && (v < -32768 || v > 32767)))
            throw bad();
        return v;
    }
    case FieldKind::Currency:
    case FieldKind::Float: {
        const double v = cell.toDouble(&ok);
        if (!ok || !std::isfinite(v))
            throw bad();
        return v;
    }
    case FieldKind::String:
        return cell;
    }
    return {};
}

PreparedTable prepareTable(const QString& path, const TableDefLookup& lookup)
{
    const TsvTable tsv = readTsv(path);
    const QString name = tableName(QFileInfo(path).completeBaseName());
    const std::optional<TableDef> known = lookup ? lookup(name) : std::nullopt;
    PreparedTable table;
    table.def = known ? *known : inferTableDef(name, tsv);
    std::vector<const FieldDef*> fields;
    for (const QString& column : tsv.columns) {
        const FieldDef* field = table.def.field(column);
        if (!field)
            throw CatalogueError(
                QStringLiteral("%1:1: в таблице %2 нет столбца \"%3\"").arg(path, name, column));
        fields.push_back(field);
        table.columns << field->name;
    }
    table.records.reserve(tsv.rows.size());
    for (size_t r = 0; r < tsv.rows.size(); ++r) {
        QVariantList values;
        for (size_t c = 0; c < fields.size(); ++c)
            values << convert(tsv.rows[r][qsizetype(c)], *fields[c], tsv, r);
        table.records.push_back(values);
    }
    return table;
}

std::vector<PreparedTable> prepareFolder(const QString& folder, const TableDefLookup& lookup)
{
    std::vector<PreparedTable> tables;
    if (folder.isEmpty())
        return tables;
    const QDir dir(folder);
    if (!dir.exists())
        throw CatalogueError(QStringLiteral("Папка не найдена: %1").arg(folder));
    for (const QString& file : dir.entryList({QStringLiteral("*.tsv")}, QDir::Files, QDir::Name))
        tables.push_back(prepareTable(dir.filePath(file), lookup));
    return tables;
}

std::vector<ImportedTable> writeTables(const QSqlDatabase& db, const std::vector<PreparedTable>& tables)
{
    std::vector<ImportedTable> imported;
    Transaction transaction(db);
    for (const PreparedTable& table : tables) {
        createTable(db, table.def);
        appendRecords(db, table.def.name, table.columns, table.records);
        imported.push_back({tableName(table.def.name), int(table.records.size())});
    }
    transaction.commit();
    return imported;
}

} // namespace

std::vector<ImportedTable> writeCatalogue(const std::vector<PreparedTable>& tables, const AliasConfig& target)
{
    if (target.engine == Engine::Sqlite)
        return writeCatalogue(tables, target.database);
    OwnConnection connection(target);
    Transaction transaction(connection.db());
    StagedTables staged(connection.db());
    const std::vector<ImportedTable> imported = writeTables(connection.db(), tables);
    QStringList names;
    for (const ImportedTable& table : imported)
        names << table.name;
    staged.moveIntoCatalogue(names);
    transaction.commit();
    return imported;
}

std::vector<ImportedTable> writeCatalogue(const std::vector<PreparedTable>& tables, const QString& outPath)
{
    const QString target = QFileInfo(outPath).absoluteFilePath();
    std::error_code folderError;
    std::filesystem::create_directories(
        QFile::encodeName(QFileInfo(target).absolutePath()).toStdString(), folderError);
    if (folderError)
        throw CatalogueError(QStringLiteral("Не удалось создать папку для %1: %2")
                                 .arg(target, systemReason(folderError.value())));
    const QString building = target + QStringLiteral(".building");
    QFile::remove(building);

    std::vector<ImportedTable> imported;
    try {
        // Made here first so that a folder that takes no file says why ("Permission denied"), where
        // SQLite would only say that it cannot open the database file.
        QFile probe(building);
        if (!probe.open(QIODevice::WriteOnly))
            throw CatalogueError(QStringLiteral("%1: %2").arg(target, systemReason(probe.errorString())));
        probe.close();
        AliasConfig file;
        file.database = building;
        OwnConnection connection(file, true);
        try {
            // Writing the version number makes even a catalogue without tables a valid database file.
            QSqlQuery(connection.db()).exec(QStringLiteral("PRAGMA user_version = 1"));
            imported = writeTables(connection.db(), tables);
        } catch (const CatalogueError&) {
            // A full disk is "disk I/O error" to SQLite; the user needs the system's reason.
            const QString reason = sqliteSystemReason(connection.db());
            if (reason.isEmpty())
                throw;
            throw CatalogueError(QStringLiteral("%1: %2").arg(target, reason));
        }
    } catch (...) {
        QFile::remove(building);
        throw;
    }
    std::error_code error;
    std::filesystem::rename(building.toStdString(), target.toStdString(), error);
    if (error) {
        QFile::remove(building);
        throw CatalogueError(QStringLiteral("%1: %2").arg(target, systemReason(error.value())));
    }
    return imported;
}

std::vector<ImportedTable> importTsvFolder(
    const QString& folder, const AliasConfig& target, const TableDefLookup& lookup)
{
    return writeCatalogue(prepareFolder(folder, lookup), target);
}

std::vector<ImportedTable> importTsvFolder(
    const QString& folder, const QString& outPath, const TableDefLookup& lookup)
{
    return writeCatalogue(prepareFolder(folder, lookup), outPath);
}

} // namespace store
