#include "ui/ResultsButtons.h"

#include <QDialog>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace ui {

void layOutResultsWindow(QDialog* window, QWidget* content, const std::function<void()>& print)
{
    auto* back = new QPushButton(u"<< Назад"_s, window);
    back->setObjectName(u"bBack"_s);
    auto* printButton = new QPushButton(u"Печать"_s, window);
    printButton->setObjectName(u"bPrint"_s);
    // Enter belongs to the boxes of a results window (the size index of a curtain recomputes on it): no
    // button closes the window by it.
    back->setAutoDefault(false);
    printButton->setAutoDefault(false);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(back);
    buttons->addSpacing(24);
    buttons->addWidget(printButton);
    buttons->addStretch();

    auto* layout = new QVBoxLayout(window);
    layout->addWidget(content, 1);
    layout->addLayout(buttons);

    QObject::connect(back, &QPushButton::clicked, window, &QDialog::close);
    QObject::connect(printButton, &QPushButton::clicked, window, print);
}

} // namespace ui
