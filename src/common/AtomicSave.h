#pragma once

#include <QByteArray>
#include <QString>
#include <functional>

class QIODevice;

// What became of a save: done, or failed with the platform's text of the fault (e.g. "No space left
// on device"), which the user sees after the program's own message.
class SaveOutcome {
public:
    static SaveOutcome done() { return SaveOutcome(QString()); }
    static SaveOutcome failed(QString platformError);

    bool saved() const { return m_saved; }
    explicit operator bool() const { return m_saved; }
    const QString& error() const { return m_error; }

private:
    explicit SaveOutcome(QString error, bool saved = true)
        : m_error(std::move(error))
        , m_saved(saved)
    {
    }

    QString m_error;
    bool m_saved;
};

// Every file the program writes is saved this way: the content goes to a temporary file beside the
// target, every byte of it is checked to have reached the disk, and only then does the temporary
// file take the target's place. On any fault the previous file stays as it was.
SaveOutcome saveFileAtomically(const QString& path, const QByteArray& content);

// The same for content written piece by piece (a PDF writer, a stream): `write` returns false when it
// could not produce the content.
SaveOutcome saveFileAtomically(const QString& path, const std::function<bool(QIODevice&)>& write);
