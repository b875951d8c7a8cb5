#include "unit/ui/TFormSxema.h"

#include "common/CatalogueStore.h"
#include "common/StoreError.h"
#include "fans/ui/FansFoundWindow.h"
#include "fanviews/ui/FanSheetWindow.h"
#include "ui/Messages.h"
#include "ui/Program.h"
#include "ui/SharedWindows.h"
#include "unit/ElementStore.h"
#include "unit/print/UnitPictures.h"
#include "unit/ui/SchemeStrip.h"
#include "unit/ui/TQRep_Pritoch.h"

#include <QDragEnterEvent>
#include <QDropEvent>
#include <QEvent>
#include <QGroupBox>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QMimeData>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QSplitter>
#include <QStyle>
#include <QTableWidget>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace {

// The format in which a list widget drags its own lines.
const QString ownLinesFormat = u"application/x-qabstractitemmodeldatalist"_s;

QLabel* label(const QString& text, bool bold = false)
{
    auto* l = new QLabel(text);
    if (bold) {
        QFont f = l->font();
        f.setBold(true);
        l->setFont(f);
    }
    return l;
}

} // namespace

SchemeList::SchemeList(QWidget* parent)
    : QListWidget(parent)
{
    setDragEnabled(true);
    setAcceptDrops(true);
    setDropIndicatorShown(true);
    setDragDropMode(QAbstractItemView::DragDrop);
    setDefaultDropAction(Qt::MoveAction);
}

void SchemeList::dragEnterEvent(QDragEnterEvent* event)
{
    if (event->mimeData()->hasFormat(ownLinesFormat) && (!event->source() || event->source() == this))
        event->acceptProposedAction();
    else
        event->ignore();
}

void SchemeList::dragMoveEvent(QDragMoveEvent* event)
{
    if (event->mimeData()->hasFormat(ownLinesFormat) && (!event->source() || event->source() == this))
        event->acceptProposedAction();
    else
        event->ignore();
}

void SchemeList::dropEvent(QDropEvent* event)
{
    if (!event->mimeData()->hasFormat(ownLinesFormat) || (event->source() && event->source() != this)) {
        event->ignore();
        return;
    }
    // The order is the scheme's to change: the list does not move its items itself.
    event->setDropAction(Qt::CopyAction);
    event->accept();
    const QListWidgetItem* onto = itemAt(event->position().toPoint());
    Q_EMIT lineDropped(currentRow(), onto ? row(onto) : -1);
}

TFormSxema::TFormSxema(ui::Program& program, QWidget* parent)
    : QWidget(parent, Qt::Window)
    , m_program(program)
{
    setObjectName(u"FormSxema"_s);
    setWindowTitle(u"Схема размещения элементов в модульной канальной системе:"_s);
    QFont small = font();
    small.setPixelSize(10);
    setFont(small);
    const QColor navy(0, 0, 128);

    auto* arrange = new QGroupBox(u" Разместите элементы правильным образом: "_s);
    QPalette navyText = arrange->palette();
    navyText.setColor(QPalette::WindowText, navy);
    navyText.setColor(QPalette::Text, navy);
    arrange->setPalette(navyText);
    m_down = new QPushButton(style()->standardIcon(QStyle::SP_ArrowDown), QString());
    m_down->setObjectName(u"BitBtnDown"_s);
    m_down->setToolTip(u"Переместить на одну позицию вниз"_s);
    m_down->setStatusTip(u"Переместить на одну позицию вниз"_s);
    m_up = new QPushButton(style()->standardIcon(QStyle::SP_ArrowUp), QString());
    m_up->setObjectName(u"BitBtnUp"_s);
    m_up->setToolTip(u"Переместить на одну позицию вверх"_s);
    m_up->setStatusTip(u"Переместить на одну позицию вверх"_s);
    m_list = new SchemeList;
    m_list->setObjectName(u"ListBoxSostav"_s);
    m_list->setPalette(navyText);
    auto* bar = new QHBoxLayout;
    bar->addWidget(m_down);
    bar->addWidget(m_up);
    bar->addStretch();
    auto* arrangeLayout = new QVBoxLayout(arrange);
    arrangeLayout->addLayout(bar);
    arrangeLayout->addWidget(m_list, 1);

    m_figures = new QTableWidget(0, 2);
    m_figures->setObjectName(u"StringGridRes"_s);
    m_figures->horizontalHeader()->hide();
    m_figures->verticalHeader()->hide();
    m_figures->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_figures->setColumnWidth(0, 385);
    m_figures->setColumnWidth(1, 98);
    QPalette face = m_figures->palette();
    face.setColor(QPalette::Base, face.color(QPalette::Button));
    m_figures->setPalette(face);

    auto* upper = new QSplitter(Qt::Horizontal);
    upper->addWidget(arrange);
    upper->addWidget(m_figures);
    // The figures keep room for both columns; the list takes what is left.
    const int figuresWidth
        = 385 + 98 + m_figures->verticalScrollBar()->sizeHint().width() + 2 * m_figures->frameWidth();
    m_figures->setMinimumWidth(figuresWidth);
    upper->setStretchFactor(0, 1);
    upper->setStretchFactor(1, 0);
    upper->setSizes({figuresWidth, figuresWidth});

    m_strip = new SchemeStrip;
    auto* stripScroll = new QScrollArea;
    stripScroll->setWidget(m_strip);
    stripScroll->setWidgetResizable(false);
    stripScroll->setFixedHeight(179 + stripScroll->horizontalScrollBar()->sizeHint().height() + 4);
    stripScroll->setBackgroundRole(QPalette::Base);
    QPalette white = stripScroll->palette();
    white.setColor(QPalette::Base, Qt::white);
    white.setColor(QPalette::Window, Qt::white);
    stripScroll->setPalette(white);
    stripScroll->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);

    m_condensingPanel = new QWidget;
    m_condensingPanel->setObjectName(u"Panel_oxl"_s);
    // 123 pixels wide, or wider where the system font needs it for its captions.
    m_condensingPanel->setMinimumWidth(123);
    m_condensingPanel->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Preferred);
    m_condensingPanel->setAutoFillBackground(true);
    m_condensingPanel->setPalette(white);
    auto* condensingPicture = new QLabel;
    if (const auto picture = unitprint::loadUnitPicture(u"KKB.bmp"_s))
        condensingPicture->setPixmap(QPixmap::fromImage(*picture));
    m_condensingSize = label(QString(), true);
    m_condensingSize->setObjectName(u"Label_oxl"_s);
    auto* condensingLayout = new QVBoxLayout(m_condensingPanel);
    condensingLayout->setContentsMargins(4, 2, 4, 2);
    condensingLayout->setSpacing(1);
    condensingLayout->addWidget(label(u"Компрессорно-"_s));
    condensingLayout->addWidget(label(u"конденсаторный блок"_s));
    condensingLayout->addWidget(condensingPicture, 0, Qt::AlignCenter);
    condensingLayout->addWidget(label(u"Габариты блока:"_s, true));
    condensingLayout->addWidget(m_condensingSize);
    condensingLayout->addStretch();
    m_condensingPanel->hide();

    auto* lower = new QWidget;
    auto* lowerLayout = new QHBoxLayout(lower);
    lowerLayout->setContentsMargins(0, 0, 0, 0);
    lowerLayout->addWidget(stripScroll, 1);
    lowerLayout->addWidget(m_condensingPanel);

    auto* split = new QSplitter(Qt::Vertical);
    split->addWidget(upper);
    split->addWidget(lower);
    split->setStretchFactor(0, 1);
    split->setStretchFactor(1, 0);

    m_length = new QLabel(u"Общая длина модульной системы:"_s);
    m_length->setObjectName(u"LabelDlina"_s);
    QFont lengthFont = m_length->font();
    lengthFont.setBold(true);
    lengthFont.setPixelSize(15);
    m_length->setFont(lengthFont);
    QPalette navyLabel = m_length->palette();
    navyLabel.setColor(QPalette::WindowText, navy);
    m_length->setPalette(navyLabel);

    auto* printUnitButton = new QPushButton(u"Печать модульной системы"_s);
    printUnitButton->setObjectName(u"ButtonPrintSystem"_s);
    auto* printFanButton = new QPushButton(u"Печать характеристик вентилятора"_s);
    printFanButton->setObjectName(u"ButtonPrintFan"_s);
    auto* closeButton = new QPushButton(u"Закрыть"_s);
    closeButton->setObjectName(u"ButtonClose"_s);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(printUnitButton);
    buttons->addWidget(printFanButton);
    buttons->addWidget(closeButton);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(split, 1);
    layout->addWidget(m_length);
    layout->addLayout(buttons);

    connect(m_list, &QListWidget::currentRowChanged, this, [this] { lineChosen(); });
    connect(m_list, &QListWidget::itemClicked, this, [this] { lineChosen(); });
    connect(m_list, &SchemeList::lineDropped, this, &TFormSxema::dropLine);
    connect(m_down, &QPushButton::clicked, this, &TFormSxema::moveDown);
    connect(m_up, &QPushButton::clicked, this, &TFormSxema::moveUp);
    connect(printUnitButton, &QPushButton::clicked, this, &TFormSxema::printUnit);
    connect(printFanButton, &QPushButton::clicked, this, &TFormSxema::printFanSheet);
    connect(closeButton, &QPushButton::clicked, this, &QWidget::close);
    resize(812, 547);
}

void TFormSxema::showScheme(
    const unit::UnitHandover& handover, const std::vector<std::pair<QString, QString>>& figures)
{
    m_handover = handover;
    m_figureRows = figures;
    m_figures->clearContents();
    m_figures->setRowCount(int(figures.size()));
    for (size_t row = 0; row < figures.size(); ++row) {
        m_figures->setItem(int(row), 0, new QTableWidgetItem(figures[row].first));
        m_figures->setItem(int(row), 1, new QTableWidgetItem(figures[row].second));
    }
    if (!isVisible()) {
        if (const QScreen* screen = QGuiApplication::primaryScreen())
            move(screen->availableGeometry().center() - rect().center());
    }
    rebuild();
    showMaximized();
    raise();
    activateWindow();
}

void TFormSxema::changeEvent(QEvent* event)
{
    // What the user sees after switching windows is the stored order.
    if (event->type() == QEvent::ActivationChange && isActiveWindow() && isVisible())
        rebuild();
    QWidget::changeEvent(event);
}

void TFormSxema::rebuild()
{
    m_handover.fanDuctSize = unit::stripDuctSize(m_handover.fanDuctSize);
    // Empty slots take no room, as on paper: blank pictures between the pieces would scatter them.
    m_strip->clearSlots();
    const QSignalBlocker quiet(m_list);
    m_list->clear();
    m_condensingPanel->hide();
    try {
        m_rows = unit::readSchemeRows(store::workingDatabase());
        if (const auto model = unit::schemeCondensingUnit(m_rows)) {
            unit::ElementStore elements = unit::pritoshkaElementStore();
            const auto condensing = elements.condensingUnit(*model);
            m_condensingSize->setText((condensing ? condensing->dimensions : QString()) + u" мм"_s);
            m_condensingPanel->show();
        }
    } catch (const CatalogueError& error) {
        ui::showMessage(error.message(), ui::MessageKind::Error);
        return;
    }
    m_list->addItems(unit::schemeLines(m_rows));
    m_length->setText(unit::schemeLengthText(unit::schemeLength(m_rows)));
    if (m_list->count() > 0)
        m_list->setCurrentRow(0);
    lineChosen();
}

void TFormSxema::lineChosen()
{
    const int selected = m_list->currentRow();
    const int last = m_list->count() - 1;
    m_down->setEnabled(selected >= 0 && selected < last);
    m_up->setEnabled(selected > 0);
    try {
        unit::storeSchemeOrder(store::workingDatabase(), lines());
    } catch (const CatalogueError& error) {
        ui::showMessage(error.message(), ui::MessageKind::Error);
        return;
    }
    redrawStrip();
}

void TFormSxema::redrawStrip()
{
    const int lines = m_list->count();
    const int used = unit::usedStripSlots(lines);
    for (int slot = 1; slot <= used; ++slot) {
        QString file;
        QString length;
        if (slot <= lines) {
            const unit::SchemeLine line = unit::readSchemeLine(m_list->item(slot - 1)->text());
            file = unit::piecePicture(line, slot - 1 == m_list->currentRow());
            length = line.length;
        } else {
            file = unit::ductPicture(m_handover.fanDuctSize);
        }
        const auto picture = unitprint::loadUnitPicture(file);
        if (!picture) {
            // The slots drawn so far keep their new pictures.
            ui::showMessage(unitprint::pictureMissingMessage(file), ui::MessageKind::Error);
            return;
        }
        m_strip->setSlot(slot, slot <= lines ? unitprint::withLength(*picture, length) : *picture, file);
    }
    m_strip->resize(m_strip->sizeHint());
}

QStringList TFormSxema::lines() const
{
    QStringList result;
    for (int i = 0; i < m_list->count(); ++i)
        result << m_list->item(i)->text();
    return result;
}

void TFormSxema::applyMove(const unit::MovedLines& moved)
{
    const QSignalBlocker quiet(m_list);
    for (int i = 0; i < m_list->count() && i < moved.lines.size(); ++i)
        m_list->item(i)->setText(moved.lines[i]);
    m_list->setCurrentRow(moved.selected);
    lineChosen();
}

void TFormSxema::moveDown()
{
    applyMove(unit::stepLine(lines(), m_list->currentRow(), +1));
}

void TFormSxema::moveUp()
{
    applyMove(unit::stepLine(lines(), m_list->currentRow(), -1));
}

void TFormSxema::dropLine(int from, int onto)
{
    applyMove(unit::dropLine(lines(), from, onto));
}

void TFormSxema::printUnit()
{
    m_program.windows().get<TQRep_Pritoch>()->printUnit(m_handover, m_figureRows, lines());
}

void TFormSxema::printFanSheet()
{
    auto* found = m_program.windows().get<TFormGrVovazu>();
    found->showDetails();
    if (auto* sheet = m_program.windows().ifCreated<TForm_ResImage>())
        sheet->print();
}
