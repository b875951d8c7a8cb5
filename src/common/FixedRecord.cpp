#include "common/FixedRecord.h"

#include "common/Cp1251.h"

#include <QFile>
#include <QtEndian>
#include <algorithm>

RecordWriter::RecordWriter(QChar decimalSeparator)
    : m_decimalSeparator(decimalSeparator)
{
}

RecordWriter& RecordWriter::text(const QString& value, int capacity)
{
    Q_ASSERT(capacity >= 0 && capacity <= 255); // the length must fit its one byte
    capacity = std::clamp(capacity, 0, 255);
    const QByteArray encoded = cp1251::encode(value).left(capacity);
    m_bytes.append(static_cast<char>(encoded.size()));
    m_bytes.append(encoded);
    m_bytes.append(capacity - encoded.size(), '\0');
    return *this;
}

RecordWriter& RecordWriter::boolean(bool value)
{
    m_bytes.append(value ? '\1' : '\0');
    return *this;
}

RecordWriter& RecordWriter::int32(qint32 value)
{
    char bytes[4];
    qToLittleEndian(value, bytes);
    m_bytes.append(bytes, 4);
    return *this;
}

RecordWriter& RecordWriter::numberText(const QString& boxText, int capacity)
{
    return text(encodeNumberText(boxText, m_decimalSeparator), capacity);
}

RecordWriter& RecordWriter::padding(int bytes)
{
    m_bytes.append(std::max(bytes, 0), '\0');
    return *this;
}

RecordReader::RecordReader(QByteArray bytes, QChar decimalSeparator)
    : m_bytes(std::move(bytes))
    , m_decimalSeparator(decimalSeparator)
{
}

const char* RecordReader::take(qsizetype size)
{
    if (!m_ok || size < 0 || size > m_bytes.size() - m_position) {
        m_ok = false;
        return nullptr;
    }
    const char* data = m_bytes.constData() + m_position;
    m_position += size;
    return data;
}

QString RecordReader::text(int capacity)
{
    Q_ASSERT(capacity >= 0 && capacity <= 255);
    capacity = std::clamp(capacity, 0, 255);
    const char* field = take(1 + qsizetype(capacity));
    if (!field)
        return {};
    const auto length = static_cast<unsigned char>(field[0]);
    if (length > capacity) {
        m_ok = false;
        return {};
    }
    return cp1251::decode(field + 1, length);
}

bool RecordReader::boolean()
{
    const char* field = take(1);
    return field && *field != 0;
}

qint32 RecordReader::int32()
{
    const char* field = take(4);
    return field ? qFromLittleEndian<qint32>(field) : 0;
}

QString RecordReader::numberText(int capacity)
{
    const QString stored = text(capacity);
    return m_ok ? decodeNumberText(stored, m_decimalSeparator) : QString();
}

void RecordReader::skip(int bytes)
{
    take(bytes);
}

std::optional<QByteArray> readRecordFile(const QString& path, int size, int optionalTail)
{
    QFile file(path);
    if (size < 0 || optionalTail < 0 || !file.open(QIODevice::ReadOnly))
        return std::nullopt;
    QByteArray record = file.read(qint64(size) + optionalTail);
    if (record.size() < size)
        return std::nullopt;
    return record;
}

SaveOutcome writeRecordFile(const QString& path, const QByteArray& record)
{
    return saveFileAtomically(path, record);
}
