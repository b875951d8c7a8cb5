#pragma once

#include "sections/ui/SectionDialog.h"

// The section dialog of the pressurization calculation: one section of a supply duct, with the intake
// hood and grille among its fittings and a straight section given by its diameter. Shared by every
// pressurization calculation window.
class TdgPodporYchastok : public SectionDialog {
    Q_OBJECT
public:
    explicit TdgPodporYchastok(QWidget* parent = nullptr);
};
