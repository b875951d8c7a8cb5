#pragma once

#include "common/AtomicSave.h"
#include "common/NumberText.h"

#include <QByteArray>
#include <QString>
#include <optional>

// Fixed binary records, the form of every project file of the program. A record is a sequence of
// fields written and read in the same order:
//   text(n)       one length byte L (0..n), then n bytes: L characters in code page 1251, the rest zero;
//                 a longer text is cut to n characters;
//   boolean()     one byte, 1 or 0;
//   int32()       four bytes, signed, little-endian;
//   numberText(n) a text(n) holding a box's text as typed, with every decimal mark written as "!_!";
//   padding(n)    n zero bytes that no field covers.
// A file format is declared once as a function that calls these in layout order, e.g.
//   RecordWriter w;  w.text(name, 100).padding(3).int32(kind).numberText(box, 16);

class RecordWriter {
public:
    // `decimalSeparator` is the separator of the boxes' texts (see encodeNumberText).
    explicit RecordWriter(QChar decimalSeparator = systemDecimalSeparator());

    RecordWriter& text(const QString& value, int capacity);
    RecordWriter& boolean(bool value);
    RecordWriter& int32(qint32 value);
    RecordWriter& numberText(const QString& boxText, int capacity);
    RecordWriter& padding(int bytes);

    int size() const { return static_cast<int>(m_bytes.size()); }
    const QByteArray& bytes() const { return m_bytes; }

private:
    QByteArray m_bytes;
    QChar m_decimalSeparator;
};

// Reads the fields of a record from a byte array. A field that would run past the end, or a text
// whose length byte exceeds its capacity, makes the reader fail: that field and every later one read
// as empty, false or 0, and ok() stays false. Nothing is ever read outside the array.
class RecordReader {
public:
    explicit RecordReader(QByteArray bytes, QChar decimalSeparator = systemDecimalSeparator());

    QString text(int capacity);
    bool boolean();
    qint32 int32();
    // The box text of a number field, with "!_!" turned back into the decimal separator.
    QString numberText(int capacity);
    void skip(int bytes);

    bool ok() const { return m_ok; }
    int position() const { return static_cast<int>(m_position); }
    // True when every field read so far was sound and the whole array was consumed.
    bool finishedExactly() const { return m_ok && m_position == m_bytes.size(); }

private:
    // The next `size` bytes, or nullptr (and failure) when fewer remain.
    const char* take(qsizetype size);

    QByteArray m_bytes;
    QChar m_decimalSeparator;
    qsizetype m_position = 0;
    bool m_ok = true;
};

// Project files hold one record, some followed by an optional block that older programs never read. Reads
// the first `size` bytes of the file and up to `optionalTail` bytes more; nothing when the file cannot be
// opened or is shorter than a record.
std::optional<QByteArray> readRecordFile(const QString& path, int size, int optionalTail = 0);

// Replaces the file by the record through a temporary file, so that a failed save leaves the
// previous file as it was.
SaveOutcome writeRecordFile(const QString& path, const QByteArray& record);
