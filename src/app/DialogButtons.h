#pragma once

#include <QString>

class QDialog;
class QHBoxLayout;
class QPushButton;

// The closing button of the program's small windows: default button, named "BitBtn_OK", accepts the
// dialog.
QPushButton* makeOkButton(QDialog* dialog, const QString& caption = QStringLiteral("ОК"));

// A bottom row with one OK button in the middle.
QHBoxLayout* makeCentredOkRow(QDialog* dialog, const QString& caption = QStringLiteral("ОК"));
