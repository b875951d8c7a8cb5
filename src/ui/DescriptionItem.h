#pragma once

#include <QString>

namespace ui {

// One text the description window shows: its caption, the RTF file, how its printed form is titled
// and illustrated, and the message when the file is missing.
struct DescriptionItem {
    QString menuCaption;
    QString windowCaption; // empty: the window keeps the caption it has
    QString rtfFile;
    QString reportTitle;
    QString reportPicture;
    QString missingFileMessage;
    bool separatorAfter = false; // in the "Описание" menu
};

} // namespace ui
