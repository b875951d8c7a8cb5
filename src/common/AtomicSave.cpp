#include "common/AtomicSave.h"

#include <QSaveFile>

SaveOutcome SaveOutcome::failed(QString platformError)
{
    if (platformError.isEmpty())
        platformError = QStringLiteral("Unknown error");
    return SaveOutcome(std::move(platformError), false);
}

namespace {

// The system's reason why writing stopped. A write cut short part way ("disk full" after some bytes)
// reports no reason of its own; one more byte written and flushed fails at once and brings it. The
// temporary file is thrown away afterwards, so the extra byte goes nowhere.
QString writeFault(QSaveFile& file)
{
    file.write("", 1);
    file.flush();
    return file.errorString();
}

} // namespace

SaveOutcome saveFileAtomically(const QString& path, const QByteArray& content)
{
    return saveFileAtomically(
        path, [&content](QIODevice& file) { return file.write(content) == content.size(); });
}

SaveOutcome saveFileAtomically(const QString& path, const std::function<bool(QIODevice&)>& write)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return SaveOutcome::failed(file.errorString());
    // A write lands in a buffer first: a full disk shows only when the buffer is flushed, and commit()
    // would still put the short file in the old one's place. So flush and check before committing.
    const bool written = write(file) && file.flush() && file.error() == QFileDevice::NoError;
    if (!written) {
        const QString error = writeFault(file);
        file.cancelWriting();
        return SaveOutcome::failed(error);
    }
    if (!file.commit())
        return SaveOutcome::failed(file.errorString());
    return SaveOutcome::done();
}
