#pragma once

#include <QString>
#include <functional>
#include <utility>

class QWidget;

// The program's file-open and file-save dialogs. Windows ask for file names through these functions,
// never through QFileDialog directly, so that tests can answer the dialogs.
namespace ui {

// Every dialog starts in the folder where the user last chose a file of its kind (files::fileKindKey),
// and remembers the folder of the file chosen now.

// Shows a file-open dialog. `filter` is in the program's form "Caption (*.ext) |*.ext" (several pairs
// separated by "|") or in Qt's own form "Caption (*.ext);;...". `defaultSuffix` (without the dot) is
// appended to a typed name that has no extension. Returns an empty text when the user cancels.
QString getOpenFileName(QWidget* parent, const QString& caption, const QString& filter,
    const QString& defaultSuffix, const QString& initialName = {});

// Shows a file-save dialog that asks before overwriting an existing file; otherwise as above.
// `initialName` presets the file name.
QString getSaveFileName(QWidget* parent, const QString& caption, const QString& filter,
    const QString& defaultSuffix, const QString& initialName = {});

// A save dialog whose filter decides what is written: the path as typed (no extension is added) and the
// filter chosen, counted from 0 in the order of `filter`.
struct FileDialogChoice {
    FileDialogChoice(QString chosenPath = {}, int chosenFilter = 0)
        : path(std::move(chosenPath))
        , filter(chosenFilter)
    {
    }
    QString path; // empty = cancel
    int filter;
};
FileDialogChoice getSaveFileChoice(
    QWidget* parent, const QString& caption, const QString& filter, const QString& initialName = {});

// What a dialog was asked; tests receive it in their answering function.
enum class FileDialogKind { Open, Save };
struct FileDialogRequest {
    FileDialogKind kind;
    QString caption;
    QString filter; // as passed by the caller
    QString defaultSuffix; // without the dot
    QString initialName;
    // Where the dialog starts: the folder this kind of file was last saved or opened in, at first the
    // user's documents. Set by the dialog functions.
    QString folder;
};

// Replaces the dialogs by a function returning the chosen path (empty = cancel), and for
// getSaveFileChoice the chosen filter. An empty function restores the dialogs.
using FileDialogAnswer = std::function<FileDialogChoice(const FileDialogRequest& request)>;
void setFileDialogAnswer(FileDialogAnswer answer);

// Turns the program's "Caption|pattern|Caption|pattern" filter into Qt's "Caption (pattern);;..." form;
// a filter already in Qt's form is returned unchanged.
QString toQtFilter(const QString& filter);

} // namespace ui
