#pragma once

#include <QByteArray>
#include <QString>

// Code page 1251 (Windows Cyrillic), the encoding of the program's project, report and description
// files. Table-driven so the result never depends on the codecs installed on the machine.
namespace cp1251 {

// Every byte decodes to one character. 0x98, which names no character, decodes to U+0098 so that a
// text read and written back keeps its bytes.
QString decode(const QByteArray& bytes);
QString decode(const char* bytes, qsizetype size);
QChar decodeByte(unsigned char byte);

// One byte per character; a character the code page lacks (including a whole surrogate pair)
// becomes "?".
QByteArray encode(const QString& text);

} // namespace cp1251
