#include "unit/ui/UnitWindowWidgets.h"

#include "ui/NumberInput.h"
#include "ui/SpinEditWidget.h"

#include <QGroupBox>
#include <QHeaderView>
#include <QLineEdit>
#include <QListWidget>
#include <QScrollBar>
#include <QTableWidget>

using namespace Qt::StringLiterals;

namespace unit::widgets {

QString boxText(QWidget* box)
{
    return ui::numberControlText(box);
}

void setBoxText(QWidget* box, const QString& text)
{
    if (auto* spin = qobject_cast<SpinEditWidget*>(box); spin && spin->text() != text)
        spin->setText(text);
}

void onTextChanged(QWidget* box, QObject* context, const std::function<void()>& changed)
{
    if (auto* edit = box->findChild<QLineEdit*>())
        QObject::connect(edit, &QLineEdit::textChanged, context, changed);
}

QTableWidget* makeGrid(const QString& name, int rows, int columns, QWidget* parent)
{
    auto* grid = new QTableWidget(rows, columns, parent);
    grid->setObjectName(name);
    grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grid->verticalHeader()->hide();
    // Compact lines, as a string grid draws them.
    const int rowHeight = grid->fontMetrics().height() + 6;
    grid->verticalHeader()->setMinimumSectionSize(rowHeight);
    grid->verticalHeader()->setDefaultSectionSize(rowHeight);
    return grid;
}

void fitRows(QTableWidget* grid, bool horizontalScrollBar)
{
    const int frame = 2 * grid->frameWidth();
    const int scrollBar = horizontalScrollBar ? grid->horizontalScrollBar()->sizeHint().height() : 0;
    grid->setFixedHeight(grid->rowCount() * grid->verticalHeader()->defaultSectionSize() + frame + scrollBar);
    grid->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
}

void setCell(QTableWidget* grid, int row, int column, const QString& text)
{
    QTableWidgetItem* item = grid->item(row, column);
    if (!item) {
        item = new QTableWidgetItem;
        grid->setItem(row, column, item);
    }
    item->setText(text);
}

QListWidget* makeTickList(const QString& name, QWidget* parent)
{
    auto* list = new QListWidget(parent);
    list->setObjectName(name);
    return list;
}

void addTickItem(QListWidget* list, const QString& text, bool ticked)
{
    auto* item = new QListWidgetItem(text, list);
    item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsUserCheckable);
    item->setCheckState(ticked ? Qt::Checked : Qt::Unchecked);
}

QGroupBox* navyGroup(const QString& title, const QString& name, QWidget* parent)
{
    auto* group = new QGroupBox(title, parent);
    group->setObjectName(name);
    group->setStyleSheet(u"QGroupBox#%1::title { color: navy; }"_s.arg(name));
    return group;
}

} // namespace unit::widgets
