#include "ui/FileDialogs.h"

#include "common/FileHistory.h"
#include "ui/DialogOwner.h"
#include "ui/RecentFiles.h"

#include <QFileDialog>
#include <QFileInfo>
#include <QStringList>
#include <algorithm>

namespace ui {

namespace {

FileDialogAnswer& answerOverride()
{
    static FileDialogAnswer answer;
    return answer;
}

QString withDefaultSuffix(const QString& path, const QString& defaultSuffix)
{
    if (path.isEmpty() || defaultSuffix.isEmpty() || !QFileInfo(path).suffix().isEmpty())
        return path;
    return path + QLatin1Char('.') + defaultSuffix;
}

FileDialogChoice askUser(QWidget* parent, const FileDialogRequest& request)
{
    if (const FileDialogAnswer& answer = answerOverride()) {
        const FileDialogChoice choice = answer(request);
        return {withDefaultSuffix(choice.path, request.defaultSuffix), choice.filter};
    }

    const QString filters = toQtFilter(request.filter);
    QFileDialog dialog(dialogOwner(parent), request.caption, QString(), filters);
    keepAboveStayOnTopWindows(&dialog);
    dialog.setDefaultSuffix(request.defaultSuffix);
    dialog.setDirectory(request.folder);
    if (request.kind == FileDialogKind::Open) {
        dialog.setAcceptMode(QFileDialog::AcceptOpen);
        // The caller reports a name that does not exist in its own words.
        dialog.setFileMode(QFileDialog::AnyFile);
    } else {
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        dialog.setFileMode(QFileDialog::AnyFile);
        // Overwrite confirmation is on by default for the save mode.
        dialog.setOption(QFileDialog::DontConfirmOverwrite, false);
    }
    if (!request.initialName.isEmpty())
        dialog.selectFile(request.initialName);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    const int filter = int(filters.split(QStringLiteral(";;")).indexOf(dialog.selectedNameFilter()));
    return {
        withDefaultSuffix(dialog.selectedFiles().constFirst(), request.defaultSuffix), std::max(0, filter)};
}

FileDialogChoice runDialog(QWidget* parent, FileDialogRequest request)
{
    const QString kindKey = files::fileKindKey(request.filter, request.defaultSuffix);
    request.folder = dialogStartFolder(kindKey);
    const FileDialogChoice choice = askUser(parent, request);
    rememberDialogFolder(kindKey, choice.path);
    return choice;
}

} // namespace

QString toQtFilter(const QString& filter)
{
    if (filter.contains(u";;") || !filter.contains(QLatin1Char('|')))
        return filter;
    const QStringList parts = filter.split(QLatin1Char('|'));
    QStringList entries;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        QString caption = parts.at(i).trimmed();
        const QString pattern = parts.at(i + 1).trimmed();
        // The caption usually names the pattern already; Qt reads the pattern from the parentheses.
        if (!caption.contains(QLatin1Char('(')))
            caption += QStringLiteral(" (") + pattern + QLatin1Char(')');
        entries << caption;
    }
    return entries.join(QStringLiteral(";;"));
}

void setFileDialogAnswer(FileDialogAnswer answer)
{
    answerOverride() = std::move(answer);
}

QString getOpenFileName(QWidget* parent, const QString& caption, const QString& filter,
    const QString& defaultSuffix, const QString& initialName)
{
    return runDialog(parent, {FileDialogKind::Open, caption, filter, defaultSuffix, initialName, {}}).path;
}

QString getSaveFileName(QWidget* parent, const QString& caption, const QString& filter,
    const QString& defaultSuffix, const QString& initialName)
{
    return runDialog(parent, {FileDialogKind::Save, caption, filter, defaultSuffix, initialName, {}}).path;
}

FileDialogChoice getSaveFileChoice(
    QWidget* parent, const QString& caption, const QString& filter, const QString& initialName)
{
    return runDialog(parent, {FileDialogKind::Save, caption, filter, QString(), initialName, {}});
}

} // namespace ui
