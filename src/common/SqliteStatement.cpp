#include "common/SqliteStatement.h"

#include "common/StoreError.h"
#include "common/SystemReason.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QSqlDriver>
#include <cmath>
#include <sqlite3.h>

namespace store {

namespace {

// The texts the Qt SQLite driver adds to the engine's message, translated as the driver's are.
QString driverText(const char* text)
{
    return QCoreApplication::translate("QSQLiteResult", text);
}

// A value the Qt SQL layer stores as NULL.
bool isNullValue(const QVariant& value)
{
    if (value.isNull())
        return true;
    switch (value.typeId()) {
    case QMetaType::QString:
        return static_cast<const QString*>(value.constData())->isNull();
    case QMetaType::QByteArray:
        return static_cast<const QByteArray*>(value.constData())->isNull();
    case QMetaType::QDateTime:
        return !value.toDateTime().isValid();
    case QMetaType::QDate:
        return !value.toDate().isValid();
    case QMetaType::QTime:
        return !value.toTime().isValid();
    default:
        return false;
    }
}

QString utf8Text(const void* bytes, int size)
{
    if (size <= 0)
        return QStringLiteral("");
    return QString::fromUtf8(static_cast<const char*>(bytes), size);
}

} // namespace

sqlite3* sqliteHandle(const QSqlDatabase& db)
{
    if (!db.isOpen() || db.driverName() != QLatin1String("QSQLITE"))
        return nullptr;
    const QVariant handle = db.driver()->handle();
    if (!handle.isValid() || qstrcmp(handle.typeName(), "sqlite3*") != 0)
        return nullptr;
    return *static_cast<sqlite3* const*>(handle.constData());
}

QString sqliteSystemReason(const QSqlDatabase& db)
{
    sqlite3* handle = sqliteHandle(db);
    const int error = handle ? sqlite3_system_errno(handle) : 0;
    return error != 0 ? systemReason(error) : QString();
}

SqliteStatement::SqliteStatement(sqlite3* db, const QString& sql)
    : m_db(db)
{
    const void* tail = nullptr;
    const int result = sqlite3_prepare16_v2(
        m_db, sql.utf16(), int(sql.size() * qsizetype(sizeof(char16_t))), &m_statement, &tail);
    if (result != SQLITE_OK)
        fail("Unable to execute statement");
    const auto* rest = static_cast<const char16_t*>(tail);
    const auto* end = reinterpret_cast<const char16_t*>(sql.utf16()) + sql.size();
    if (rest && !QStringView(rest, end).trimmed().isEmpty()) {
        sqlite3_finalize(m_statement);
        m_statement = nullptr;
        throw CatalogueError(driverText("Unable to execute multiple statements at a time"));
    }
}

SqliteStatement::~SqliteStatement()
{
    sqlite3_finalize(m_statement);
}

void SqliteStatement::fail(const char* driverMessage) const
{
    // As the Qt SQL layer puts it: the engine's message, then the driver's.
    QString message = QString::fromUtf8(sqlite3_errmsg(m_db));
    if (!message.isEmpty() && !message.endsWith(QLatin1Char('\n')))
        message += QLatin1Char(' ');
    throw CatalogueError(message + driverText(driverMessage));
}

int SqliteStatement::parameterCount() const
{
    return sqlite3_bind_parameter_count(m_statement);
}

void SqliteStatement::bindNull(int index)
{
    if (sqlite3_bind_null(m_statement, index + 1) != SQLITE_OK)
        fail("Unable to bind parameters");
}

void SqliteStatement::bind(int index, double value)
{
    if (sqlite3_bind_double(m_statement, index + 1, value) != SQLITE_OK)
        fail("Unable to bind parameters");
}

void SqliteStatement::bind(int index, int value)
{
    if (sqlite3_bind_int(m_statement, index + 1, value) != SQLITE_OK)
        fail("Unable to bind parameters");
}

void SqliteStatement::bind(int index, const QString& text)
{
    if (text.isNull()) {
        bindNull(index);
        return;
    }
    if (sqlite3_bind_text16(m_statement, index + 1, text.utf16(),
            int(text.size() * qsizetype(sizeof(char16_t))), SQLITE_TRANSIENT)
        != SQLITE_OK)
        fail("Unable to bind parameters");
}

void SqliteStatement::bind(int index, const QVariant& value)
{
    if (isNullValue(value)) {
        bindNull(index);
        return;
    }
    switch (value.typeId()) {
    case QMetaType::QByteArray: {
        const auto* bytes = static_cast<const QByteArray*>(value.constData());
        if (sqlite3_bind_blob(
                m_statement, index + 1, bytes->constData(), int(bytes->size()), SQLITE_TRANSIENT)
            != SQLITE_OK)
            fail("Unable to bind parameters");
        return;
    }
    case QMetaType::Int:
    case QMetaType::Bool:
        bind(index, value.toInt());
        return;
    case QMetaType::Double:
        bind(index, value.toDouble());
        return;
    case QMetaType::UInt:
    case QMetaType::LongLong:
        if (sqlite3_bind_int64(m_statement, index + 1, value.toLongLong()) != SQLITE_OK)
            fail("Unable to bind parameters");
        return;
    case QMetaType::QDateTime:
        bind(index, value.toDateTime().toString(Qt::ISODateWithMs));
        return;
    case QMetaType::QTime:
        bind(index, value.toTime().toString(QStringLiteral("hh:mm:ss.zzz")));
        return;
    case QMetaType::QString:
        bind(index, *static_cast<const QString*>(value.constData()));
        return;
    default:
        bind(index, value.toString());
    }
}

bool SqliteStatement::step()
{
    const int result = sqlite3_step(m_statement);
    if (result == SQLITE_ROW)
        return true;
    if (result == SQLITE_DONE)
        return false;
    // The specific message stays after the reset.
    sqlite3_reset(m_statement);
    fail("Unable to fetch row");
}

void SqliteStatement::reset()
{
    sqlite3_reset(m_statement);
}

int SqliteStatement::columnCount() const
{
    return sqlite3_column_count(m_statement);
}

QString SqliteStatement::columnName(int column) const
{
    return QString::fromUtf8(sqlite3_column_name(m_statement, column));
}

bool SqliteStatement::isNull(int column) const
{
    return sqlite3_column_type(m_statement, column) == SQLITE_NULL;
}

QVariant SqliteStatement::value(int column) const
{
    switch (sqlite3_column_type(m_statement, column)) {
    case SQLITE_INTEGER:
        return QVariant(qlonglong(sqlite3_column_int64(m_statement, column)));
    case SQLITE_FLOAT:
        return QVariant(sqlite3_column_double(m_statement, column));
    case SQLITE_NULL:
        return QVariant(QMetaType::fromType<QString>());
    case SQLITE_BLOB:
        return QVariant(QByteArray(static_cast<const char*>(sqlite3_column_blob(m_statement, column)),
            sqlite3_column_bytes(m_statement, column)));
    default:
        return QVariant(text(column));
    }
}

QString SqliteStatement::text(int column) const
{
    switch (sqlite3_column_type(m_statement, column)) {
    case SQLITE_NULL:
        return QString();
    case SQLITE_INTEGER:
        return QString::number(qlonglong(sqlite3_column_int64(m_statement, column)));
    case SQLITE_FLOAT:
        return QVariant(sqlite3_column_double(m_statement, column)).toString();
    case SQLITE_BLOB: {
        const void* bytes = sqlite3_column_blob(m_statement, column);
        return utf8Text(bytes, sqlite3_column_bytes(m_statement, column));
    }
    default: {
        const unsigned char* bytes = sqlite3_column_text(m_statement, column);
        return utf8Text(bytes, sqlite3_column_bytes(m_statement, column));
    }
    }
}

NumberCell SqliteStatement::numberCell(int column) const
{
    switch (sqlite3_column_type(m_statement, column)) {
    case SQLITE_NULL:
        return {};
    case SQLITE_INTEGER:
        return NumberCell::of(double(sqlite3_column_int64(m_statement, column)));
    case SQLITE_FLOAT:
        return NumberCell::of(sqlite3_column_double(m_statement, column));
    default:
        return NumberCell::ofText(text(column));
    }
}

BooleanCell SqliteStatement::booleanCell(int column) const
{
    switch (sqlite3_column_type(m_statement, column)) {
    case SQLITE_NULL:
        return {};
    case SQLITE_INTEGER:
        return BooleanCell::of(sqlite3_column_int64(m_statement, column) != 0);
    case SQLITE_FLOAT:
        return BooleanCell::ofNumber(numberCell(column));
    default:
        return BooleanCell::ofText(text(column));
    }
}

} // namespace store
