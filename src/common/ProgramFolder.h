#pragma once

#include <QString>

// Files the program reads by plain name (descriptions, pictures, the catalogue settings) lie in the
// program's own folder, whatever the current directory is.
QString programFolder();
QString programFilePath(const QString& fileName);
