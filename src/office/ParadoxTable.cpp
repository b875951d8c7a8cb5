#include "office/ParadoxTable.h"

#include "common/Cp1251.h"
#include "common/StoreError.h"

#include "office/Pxlib.h"
#include <QFile>
#include <QStringList>
#include <algorithm>
#include <cstring>
#include <mutex>

namespace office {

namespace {

// Offsets of the header of a Paradox data file.
constexpr int recordSizeAt = 0x00;
constexpr int headerSizeAt = 0x02;
constexpr int fileTypeAt = 0x04;
constexpr int blockSizeAt = 0x05; // in kilobytes
constexpr int recordCountAt = 0x06;
constexpr int fileBlocksAt = 0x0C;
constexpr int firstBlockAt = 0x0E;
constexpr int fieldCountAt = 0x21;
constexpr int encryptionAt = 0x25;
constexpr int versionAt = 0x39;
// The field list (a type byte and a size byte per field) follows the header, which tables of Paradox 4
// and later extend.
constexpr int fieldListAt = 0x58;
constexpr int extendedFieldListAt = 0x78;
constexpr int extendedVersion = 5;
constexpr int extendedEncryptionAt = 0x5C;
// File version codes: 3 for Paradox 3.0 up to 12 for Paradox 7.
constexpr int firstVersion = 3;
constexpr int lastVersion = 12;
// An unencrypted table holds 0 or this in its first encryption word.
constexpr qint64 notEncrypted = 0xFF00FF00;
constexpr int blockHeaderSize = 6;

int byteAt(const QByteArray& bytes, int at)
{
    return static_cast<unsigned char>(bytes[at]);
}

int word(const QByteArray& bytes, int at)
{
    return byteAt(bytes, at) | byteAt(bytes, at + 1) << 8;
}

qint64 longWord(const QByteArray& bytes, int at)
{
    return qint64(word(bytes, at)) | qint64(word(bytes, at + 2)) << 16;
}

// The size a field of this type has, or 0 when the type allows several sizes.
int fixedSize(int type)
{
    switch (type) {
    case ParadoxShort:
        return 2;
    case ParadoxDate:
    case ParadoxLong:
    case ParadoxTime:
    case ParadoxAutoInc:
        return 4;
    case ParadoxCurrency:
    case ParadoxNumber:
    case ParadoxTimestamp:
        return 8;
    case ParadoxLogical:
        return 1;
    case ParadoxBcd:
        return 17;
    default:
        return 0;
    }
}

bool knownType(int type)
{
    switch (type) {
    case ParadoxAlpha:
    case ParadoxMemo:
    case ParadoxBlob:
    case ParadoxFormattedMemo:
    case ParadoxOle:
    case ParadoxGraphic:
    case ParadoxBytes:
        return true;
    default:
        return fixedSize(type) > 0;
    }
}

void collectError(pxdoc_t*, int level, const char* message, void* data)
{
    if (level != PX_Warning)
        static_cast<QStringList*>(data)->append(QString::fromLocal8Bit(message).trimmed());
}

// One open table of the library, closed and freed on every way out.
class PxDocument {
public:
    PxDocument()
    {
        static std::once_flag booted;
        std::call_once(booted, [] { PX_boot(); });
        m_doc = PX_new3(collectError, nullptr, nullptr, nullptr, &m_errors);
    }
    ~PxDocument()
    {
        if (m_open)
            PX_close(m_doc);
        if (m_doc)
            PX_delete(m_doc);
    }
    PxDocument(const PxDocument&) = delete;
    PxDocument& operator=(const PxDocument&) = delete;

    bool open(const QString& path)
    {
        m_open = m_doc && PX_open_file(m_doc, QFile::encodeName(path).constData()) == 0;
        return m_open;
    }
    pxdoc_t* doc() const { return m_doc; }
    QString errors() const { return m_errors.join(QStringLiteral("; ")); }

private:
    pxdoc_t* m_doc = nullptr;
    bool m_open = false;
    QStringList m_errors;
};

// A field of a record as the file holds it: a field of nothing but zero bytes is empty (null).
QVariant valueOf(pxdoc_t* doc, char* data, const ParadoxField& field)
{
    if (std::all_of(data, data + field.size, [](char c) { return c == 0; }))
        return {};
    switch (field.type) {
    case ParadoxAlpha:
        return cp1251::decode(data, qsizetype(strnlen(data, size_t(field.size))));
    case ParadoxShort: {
        short value = 0;
        return PX_get_data_short(doc, data, field.size, &value) > 0 ? QVariant(qlonglong(value)) : QVariant();
    }
    case ParadoxLong:
    case ParadoxAutoInc: {
        long value = 0;
        return PX_get_data_long(doc, data, field.size, &value) > 0 ? QVariant(qlonglong(value)) : QVariant();
    }
    case ParadoxLogical: {
        char value = 0;
        return PX_get_data_byte(doc, data, field.size, &value) > 0 ? QVariant(value != 0) : QVariant();
    }
    case ParadoxNumber:
    case ParadoxCurrency: {
        double value = 0;
        return PX_get_data_double(doc, data, field.size, &value) > 0 ? QVariant(value) : QVariant();
    }
    default:
        return {};
    }
}

} // namespace

QString paradoxTypeText(const ParadoxField& field)
{
    switch (field.type) {
    case ParadoxAlpha:
        return QStringLiteral("A%1").arg(field.size);
    case ParadoxDate:
        return QStringLiteral("D");
    case ParadoxShort:
        return QStringLiteral("S");
    case ParadoxLong:
        return QStringLiteral("I");
    case ParadoxCurrency:
        return QStringLiteral("$");
    case ParadoxNumber:
        return QStringLiteral("N");
    case ParadoxLogical:
        return QStringLiteral("L");
    case ParadoxMemo:
        return QStringLiteral("M");
    case ParadoxBlob:
        return QStringLiteral("B");
    case ParadoxFormattedMemo:
        return QStringLiteral("F");
    case ParadoxOle:
        return QStringLiteral("O");
    case ParadoxGraphic:
        return QStringLiteral("G");
    case ParadoxTime:
        return QStringLiteral("T");
    case ParadoxTimestamp:
        return QStringLiteral("@");
    case ParadoxAutoInc:
        return QStringLiteral("+");
    case ParadoxBcd:
        return QStringLiteral("#");
    case ParadoxBytes:
        return QStringLiteral("Y%1").arg(field.size);
    default:
        return QStringLiteral("0x%1").arg(field.type, 2, 16, QLatin1Char('0'));
    }
}

QString paradoxFileFault(const QByteArray& file)
{
    const QString notTable = QStringLiteral("не таблица Paradox");
    if (file.size() < fieldListAt)
        return notTable + QStringLiteral(" (файл короче заголовка)");
    const int recordSize = word(file, recordSizeAt);
    const int headerSize = word(file, headerSizeAt);
    const int fileType = byteAt(file, fileTypeAt);
    const int blockKb = byteAt(file, blockSizeAt);
    const int fieldCount = word(file, fieldCountAt);
    const int version = byteAt(file, versionAt);
    if ((fileType != pxfFileTypIndexDB && fileType != pxfFileTypNonIndexDB) || recordSize == 0
        || fieldCount == 0 || fieldCount > 255
        || (blockKb != 1 && blockKb != 2 && blockKb != 3 && blockKb != 4 && blockKb != 8 && blockKb != 16
            && blockKb != 32))
        return notTable;
    if (version < firstVersion || version > lastVersion)
        return notTable + QStringLiteral(" (неизвестная версия %1)").arg(version);
    const int fieldsAt = version >= extendedVersion ? extendedFieldListAt : fieldListAt;
    if (headerSize < fieldsAt + 2 * fieldCount || headerSize > file.size())
        return notTable + QStringLiteral(" (заголовок повреждён)");
    const qint64 encryption = longWord(file, encryptionAt);
    if ((encryption != 0 && encryption != notEncrypted)
        || (version >= extendedVersion && longWord(file, extendedEncryptionAt) != 0))
        return QStringLiteral("таблица зашифрована (защищена паролем); снимите пароль в Paradox и повторите");
    int fieldsSize = 0;
    for (int i = 0; i < fieldCount; ++i) {
        const int type = byteAt(file, fieldsAt + 2 * i);
        const int size = byteAt(file, fieldsAt + 2 * i + 1);
        if (!knownType(type) || size == 0 || (fixedSize(type) && fixedSize(type) != size))
            return notTable + QStringLiteral(" (неизвестный тип поля %1)").arg(i + 1);
        fieldsSize += size;
    }
    if (fieldsSize != recordSize)
        return notTable + QStringLiteral(" (длина записи не равна сумме длин полей)");
    const qint64 blockSize = qint64(blockKb) * 1024;
    const int blocks = word(file, fileBlocksAt);
    const qint64 records = longWord(file, recordCountAt);
    if (file.size() < headerSize + blocks * blockSize)
        return QStringLiteral("файл обрезан: %1 байт вместо %2")
            .arg(file.size())
            .arg(headerSize + blocks * blockSize);
    // The data blocks form a chain from the first block; every block of it must lie in the file, be met
    // once and hold whole records, and together they must hold the records the header counts.
    const int blockCapacity = int((blockSize - blockHeaderSize) / recordSize);
    const QString damaged = QStringLiteral("таблица повреждена (цепочка блоков данных)");
    qint64 counted = 0;
    std::vector<bool> seen(size_t(blocks) + 1, false);
    int block = blocks > 0 ? word(file, firstBlockAt) : 0;
    while (block != 0) {
        if (block > blocks || seen[size_t(block)])
            return damaged;
        seen[size_t(block)] = true;
        const qint64 at = headerSize + (block - 1) * blockSize;
        const int lastRecordAt = qint16(word(file, int(at) + 4));
        if (lastRecordAt < -recordSize || (lastRecordAt + recordSize) % recordSize != 0
            || (lastRecordAt + recordSize) / recordSize > blockCapacity)
            return damaged;
        counted += (lastRecordAt + recordSize) / recordSize;
        block = word(file, int(at));
    }
    if (counted != records)
        return QStringLiteral("таблица повреждена: в заголовке записей %1, в блоках %2")
            .arg(records)
            .arg(counted);
    return {};
}

ParadoxTable readParadoxTable(const QString& path)
{
    auto fault
        = [&path](const QString& why) { return CatalogueError(QStringLiteral("%1: %2").arg(path, why)); };
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw fault(file.errorString());
    if (const QString why = paradoxFileFault(file.readAll()); !why.isEmpty())
        throw fault(why);
    file.close();

    PxDocument px;
    if (!px.open(path))
        throw fault(QStringLiteral("не удалось открыть таблицу: %1").arg(px.errors()));
    ParadoxTable table;
    table.path = path;
    const int fieldCount = PX_get_num_fields(px.doc());
    for (int i = 0; i < fieldCount; ++i) {
        const pxfield_t* field = PX_get_field(px.doc(), i);
        if (!field)
            throw fault(QStringLiteral("не удалось прочесть поле %1: %2").arg(i + 1).arg(px.errors()));
        table.fields.push_back({cp1251::decode(QByteArray(field->px_fname)),
            int(static_cast<unsigned char>(field->px_ftype)), field->px_flen});
    }
    const int recordCount = PX_get_num_records(px.doc());
    std::vector<char> data(size_t(std::max(1, PX_get_recordsize(px.doc()))));
    table.records.reserve(size_t(std::max(0, recordCount)));
    for (int r = 0; r < recordCount; ++r) {
        if (!PX_get_record(px.doc(), r, data.data()))
            throw fault(QStringLiteral("не удалось прочесть запись %1: %2").arg(r + 1).arg(px.errors()));
        QVariantList record;
        record.reserve(fieldCount);
        char* at = data.data();
        for (const ParadoxField& field : table.fields) {
            record << valueOf(px.doc(), at, field);
            at += field.size;
        }
        table.records.push_back(std::move(record));
    }
    return table;
}

} // namespace office
