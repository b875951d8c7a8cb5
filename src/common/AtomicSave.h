#pragma once

#include <QByteArray>
#include <QString>
#include <functional>
#include <utility>
#include <vector>

class QIODevice;

// What became of a save: done, or failed with the system's reason (in Russian for the common causes,
// e.g. "Нет места на диске"), which the user sees after the program's own message.
class SaveOutcome {
public:
    static SaveOutcome done() { return SaveOutcome(QString()); }
    static SaveOutcome failed(const QString& platformError);

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

// A set of files that replace their targets together (the pages of one report): each file is saved
// whole, as above, under a staging name beside its target, and only when every one is saved do they take
// their targets' places. Dropped before commit(), it removes what it staged, so a failure leaves every
// previous file as it was.
class FileSetSave {
public:
    FileSetSave() = default;
    ~FileSetSave();
    FileSetSave(const FileSetSave&) = delete;
    FileSetSave& operator=(const FileSetSave&) = delete;

    SaveOutcome add(const QString& path, const QByteArray& content);
    // Puts every staged file in its target's place.
    SaveOutcome commit();

private:
    std::vector<std::pair<QString, QString>> m_staged; // staging name, target
};
