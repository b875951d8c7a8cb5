#include "common/ProgramFolder.h"

#include <QCoreApplication>
#include <QDir>

QString programFolder()
{
    // Before a QCoreApplication exists there is no program path; the current folder is the best guess.
    if (!QCoreApplication::instance())
        return QDir::currentPath();
    return QCoreApplication::applicationDirPath();
}

QString programFilePath(const QString& fileName)
{
    return QDir(programFolder()).filePath(fileName);
}
