#pragma once

#include <QString>

class QTextEdit;

// Loads an RTF file found by plain name in the program folder into a rich-text box. When the file is
// missing or unreadable the box keeps its text and the result is false; the caller reports it.
bool loadRichTextFile(QTextEdit* box, const QString& fileName);
