#include "app/RichTextFile.h"

#include "common/ProgramFolder.h"
#include "printing/RtfReader.h"

#include <QTextEdit>

bool loadRichTextFile(QTextEdit* box, const QString& fileName)
{
    if (!rtf::loadRtfFile(programFilePath(fileName), *box->document()))
        return false;
    // Text kept clear of the box's edges, as on a printed page.
    box->document()->setDocumentMargin(8);
    return true;
}
