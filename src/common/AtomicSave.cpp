#include "common/AtomicSave.h"

#include "common/SystemReason.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QUuid>
#include <filesystem>

SaveOutcome SaveOutcome::failed(const QString& platformError)
{
    if (platformError.isEmpty())
        return SaveOutcome(QStringLiteral("Неизвестная ошибка"), false);
    return SaveOutcome(systemReason(platformError), false);
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
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return SaveOutcome::failed(file.errorString());
    // A write lands in a buffer first: a full disk shows only when the buffer is flushed, and commit()
    // would still put the short file in the old one's place. A write cut short part way reports no error
    // at all, so the size on disk is checked too before committing.
    const bool written
        = file.write(content) == content.size() && file.flush() && file.size() == content.size();
    if (!written) {
        const QString error = writeFault(file);
        file.cancelWriting();
        return SaveOutcome::failed(error);
    }
    if (!file.commit())
        return SaveOutcome::failed(file.errorString());
    return SaveOutcome::done();
}

SaveOutcome saveFileAtomically(const QString& path, const std::function<bool(QIODevice&)>& write)
{
    // Writers such as the PDF writer ignore a short write, so the content is made in memory first and
    // then saved with every byte checked.
    QBuffer content;
    content.open(QIODevice::WriteOnly);
    if (!write(content))
        return SaveOutcome::failed(QStringLiteral("содержимое файла не удалось составить"));
    return saveFileAtomically(path, content.data());
}

FileSetSave::~FileSetSave()
{
    for (const auto& [staging, target] : m_staged)
        QFile::remove(staging);
}

SaveOutcome FileSetSave::add(const QString& path, const QByteArray& content)
{
    const QFileInfo target(path);
    const QString staging = target.dir().filePath(QLatin1Char('.') + target.fileName() + QLatin1Char('.')
        + QUuid::createUuid().toString(QUuid::Id128).left(12));
    const SaveOutcome saved = saveFileAtomically(staging, content);
    if (saved)
        m_staged.emplace_back(staging, path);
    return saved;
}

SaveOutcome FileSetSave::commit()
{
    // Renames within a folder the files were just written to: they do not fail for want of space.
    for (auto it = m_staged.begin(); it != m_staged.end(); it = m_staged.erase(it)) {
        std::error_code error;
        std::filesystem::rename(
            QFile::encodeName(it->first).toStdString(), QFile::encodeName(it->second).toStdString(), error);
        if (error)
            return SaveOutcome::failed(systemReason(error.value()));
    }
    return SaveOutcome::done();
}
