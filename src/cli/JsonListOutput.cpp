#include "cli/JsonListOutput.h"

#include <QIODevice>
#include <QJsonArray>
#include <QJsonDocument>

namespace cli {

namespace {

// An element of the list sits two levels deep: in the object, then in its array.
const QByteArray elementIndent(8, ' ');

bool writeAll(QIODevice& out, const QByteArray& bytes)
{
    return out.write(bytes) == bytes.size();
}

} // namespace

JsonListOutput::JsonListOutput(QIODevice& out, const QString& key)
    : m_out(out)
{
    // The frame comes from the writer itself: the object with an empty list is the opening and the closing.
    const QByteArray empty = QJsonDocument(QJsonObject {{key, QJsonArray()}}).toJson(QJsonDocument::Indented);
    const qsizetype listStart = empty.indexOf("[\n") + 2;
    m_opening = empty.left(listStart);
    m_closing = empty.mid(listStart);
}

bool JsonListOutput::append(const QJsonObject& element)
{
    QByteArray text = QJsonDocument(element).toJson(QJsonDocument::Indented);
    text.chop(1); // the final line break: the next element or the closing brings its own
    // A line break inside a JSON string is always escaped, so every line break here starts a line.
    text.replace("\n", QByteArray("\n" + elementIndent));
    const QByteArray lead = (m_any ? QByteArray(",\n") : m_opening) + elementIndent;
    m_any = true;
    return writeAll(m_out, QByteArray(lead + text));
}

bool JsonListOutput::finish()
{
    if (!m_any)
        return writeAll(m_out, QByteArray(m_opening + m_closing));
    return writeAll(m_out, QByteArray("\n" + m_closing));
}

} // namespace cli
