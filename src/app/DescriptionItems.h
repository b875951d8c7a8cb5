#pragma once

#include <QString>
#include <vector>

// The items of the "Описание" menu: which RTF text the description window shows and how its printed
// form is titled and illustrated.
struct DescriptionItem {
    QString menuCaption;
    QString windowCaption;
    QString rtfFile;
    QString reportTitle;
    QString reportPicture;
    QString missingFileMessage;
    bool separatorAfter;
};

const std::vector<DescriptionItem>& descriptionItems();
