#pragma once

#include <QByteArray>
#include <QJsonObject>
#include <QString>

class QIODevice;

// {"KEY": [element, ...]} written one element at a time, byte for byte as printJson writes the whole object,
// so that a long list never has to be held in memory.
namespace cli {

class JsonListOutput {
public:
    JsonListOutput(QIODevice& out, const QString& key);

    // Each returns false when the device did not take every byte.
    bool append(const QJsonObject& element);
    bool finish();

private:
    QIODevice& m_out;
    QByteArray m_opening; // "{", the key and "[" as the whole object would show them
    QByteArray m_closing;
    bool m_any = false;
};

} // namespace cli
