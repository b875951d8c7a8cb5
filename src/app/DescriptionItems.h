#pragma once

#include "ui/DescriptionItem.h"

#include <vector>

using DescriptionItem = ui::DescriptionItem;

// The items of the "Описание" menu: which RTF text the description window shows and how its printed
// form is titled and illustrated.
const std::vector<DescriptionItem>& descriptionItems();
