#include "app/TForm_Nagrev_Dialog.h"
#include "app/DialogButtons.h"

#include <QEvent>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

TForm_Nagrev_Dialog::TForm_Nagrev_Dialog(QWidget* parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("Form_Nagrev_Dialog"));
    setWindowTitle(QStringLiteral("Отметьте вид приточной системы"));
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);

    auto* group = new QGroupBox(QStringLiteral("Вид приточной системы:"), this);
    group->setObjectName(QStringLiteral("GroupBox_Vid"));
    auto* groupLayout = new QVBoxLayout(group);
    // Top to bottom as the user sees them, with the kind numbers the unit window works with.
    const struct {
        int kind;
        const char* name;
        QString caption;
    } rows[] {
        {1, "RB_NagrevOxlad", QStringLiteral("С нагревателем и охладителем")},
        {2, "RB_Nagrev", QStringLiteral("С нагревателем")},
        {3, "RB_Oxlad", QStringLiteral("С охладителем")},
        {0, "RB_BezNagrev", QStringLiteral("Без изменения температуры воздуха")},
    };
    for (const auto& row : rows) {
        auto* button = new QRadioButton(row.caption, group);
        button->setObjectName(QLatin1String(row.name));
        button->installEventFilter(this);
        groupLayout->addWidget(button);
        m_buttons[row.kind] = button;
    }
    m_buttons[1]->setChecked(true);

    auto* buttons = makeCentredOkRow(this);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(group);
    layout->addLayout(buttons);
    setFixedSize(sizeHint().expandedTo(QSize(300, 0)));
}

int TForm_Nagrev_Dialog::askKind()
{
    return exec() == QDialog::Accepted ? selectedKind() : -1;
}

int TForm_Nagrev_Dialog::selectedKind() const
{
    for (int kind = 0; kind < 4; ++kind) {
        if (m_buttons[kind]->isChecked())
            return kind;
    }
    return 1;
}

bool TForm_Nagrev_Dialog::eventFilter(QObject* watched, QEvent* event)
{
    // A double click on a kind chooses it and closes the dialog.
    if (event->type() == QEvent::MouseButtonDblClick) {
        if (auto* button = qobject_cast<QRadioButton*>(watched)) {
            button->setChecked(true);
            accept();
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}
