#include "app/RichTextFile.h"

#include "common/ProgramFolder.h"
#include "ui/RtfReader.h"

#include <QTextEdit>

bool loadRichTextFile(QTextEdit* box, const QString& fileName)
{
    return ui::loadRtfFile(programFilePath(fileName), *box->document());
}
