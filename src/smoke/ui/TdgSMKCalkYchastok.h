#pragma once

#include "sections/ui/SectionDialog.h"

// The section dialog of the smoke-exhaust calculation: one section of the smoke shaft. Shared by every
// smoke-exhaust calculation window.
class TdgSMKCalkYchastok : public SectionDialog {
    Q_OBJECT
public:
    explicit TdgSMKCalkYchastok(QWidget* parent = nullptr);
};
