#include "calcreport/ui/CalculationWizardFrame.h"

#include "pages/ReportFile.h"
#include "printing/RtfReader.h"
#include "ui/FileDialogs.h"
#include "ui/Hints.h"
#include "ui/MenuMerge.h"
#include "ui/Messages.h"
#include "ui/ProjectNameGroup.h"
#include "ui/RecentFiles.h"

#include <QDir>
#include <QEvent>
#include <QFileInfo>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QMenu>
#include <QPushButton>
#include <QTabBar>
#include <QTabWidget>
#include <QTextEdit>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

CalculationWizardFrame::CalculationWizardFrame(QWidget* window, int inputWidth)
    : QObject(window)
    , m_window(window)
{
    panelIn = new QWidget(window);
    panelIn->setObjectName(u"PanelIn"_s);
    pages = new QTabWidget(panelIn);
    pages->setObjectName(u"PageControl"_s);
    pages->tabBar()->installEventFilter(this);
    prev = new QPushButton(u"<< Назад"_s, panelIn);
    prev->setObjectName(u"bPrev"_s);
    ui::setHint(prev, u"Назад|Назад"_s);
    next = new QPushButton(u"Далее >>"_s, panelIn);
    next->setObjectName(u"bNext"_s);
    ui::setHint(next, u"Далее|Далее"_s);
    next->setDefault(true);
    description = new QPushButton(u"Описание"_s, panelIn);
    description->setObjectName(u"Button5"_s);
    auto* steps = new QHBoxLayout;
    steps->addWidget(prev);
    steps->addWidget(next);
    steps->addStretch(1);
    steps->addWidget(description);
    auto* inColumn = new QVBoxLayout(panelIn);
    inColumn->setContentsMargins(0, 0, 0, 0);
    inColumn->addWidget(pages, 1);
    inColumn->addLayout(steps);
    panelIn->setFixedWidth(inputWidth);

    auto* panelOut = new QWidget(window);
    panelOut->setObjectName(u"PanelOut"_s);
    report = new QTextEdit(panelOut);
    report->setObjectName(u"JvRichEditOut"_s);
    report->setReadOnly(true);
    // The pane's colour 15793151 (F0FAFF in blue-green-red order).
    report->setStyleSheet(u"QTextEdit#JvRichEditOut { background-color: #FFFAF0; }"_s);
    saveReport = new QPushButton(u"Отчет в файл"_s, panelOut);
    saveReport->setObjectName(u"bSaveToFile"_s);
    saveRow = new QHBoxLayout;
    saveRow->addWidget(saveReport);
    saveRow->addStretch(1);
    outColumn = new QVBoxLayout(panelOut);
    outColumn->setContentsMargins(0, 0, 0, 0);
    outColumn->addWidget(report, 1);
    outColumn->addLayout(saveRow);

    auto* layout = new QHBoxLayout(window);
    layout->addWidget(panelIn, 0);
    layout->addWidget(panelOut, 1);

    fileMenu = new QMenu(u"Файл"_s, window);
    fileMenu->setObjectName(u"MenuFile"_s);
    ui::setMergeGroup(fileMenu, 1);
    openProject = fileMenu->addAction(u"Загрузить файл проекта"_s);
    openProject->setObjectName(u"OpenFile"_s);
    saveProject = fileMenu->addAction(u"Сохранить проект как..."_s);
    saveProject->setObjectName(u"SaveFile"_s);
    connect(fileMenu, &QMenu::aboutToShow, this, &CalculationWizardFrame::fillRecentProjects);
}

void CalculationWizardFrame::listRecentProjects(
    const QString& suffix, std::function<void(const QString& path)> open)
{
    m_recentSuffix = suffix;
    m_openRecent = std::move(open);
    fillRecentProjects();
}

void CalculationWizardFrame::fillRecentProjects()
{
    qDeleteAll(m_recentActions);
    m_recentActions.clear();
    if (!m_openRecent)
        return;
    const QStringList recent = ui::recentProjects(m_recentSuffix);
    if (recent.isEmpty())
        return;
    m_recentActions.append(fileMenu->addSeparator());
    for (int i = 0; i < recent.size(); ++i) {
        const QString path = recent.at(i);
        QAction* action = fileMenu->addAction(
            u"&%1 %2"_s.arg(i + 1).arg(QFileInfo(path).fileName().replace(u'&', u"&&"_s)));
        action->setObjectName(u"RecentProject"_s);
        action->setStatusTip(QDir::toNativeSeparators(path));
        action->setToolTip(QDir::toNativeSeparators(path));
        connect(action, &QAction::triggered, this, [this, path] { m_openRecent(path); });
        m_recentActions.append(action);
    }
}

QGroupBox* CalculationWizardFrame::projectGroup(QWidget* nameBox, QWidget* parent) const
{
    return ui::projectNameGroup(
        nameBox, parent, u"SpeedButtonOpen"_s, u"SpeedButtonSave"_s, [this] { openProject->trigger(); },
        [this] { saveProject->trigger(); });
}

void CalculationWizardFrame::showReport(const QByteArray& rtf) const
{
    rtf::readRtf(rtf, *report->document());
}

void CalculationWizardFrame::saveReportPages(const QByteArray& rtf, const QString& projectName) const
{
    const ui::FileDialogChoice chosen = ui::getSaveFileChoice(
        m_window, u"Сохранить отчет как текстовый файл"_s, pages::reportFileFilter(), projectName);
    if (chosen.path.isEmpty())
        return;
    const pages::PagesWritten written
        = pages::writeReportFile(rtf, pages::reportFile(chosen.path, chosen.filter));
    if (written.error)
        ui::showMessage(*written.error, ui::MessageKind::Error);
}

bool CalculationWizardFrame::eventFilter(QObject* watched, QEvent* event)
{
    // Only "Далее" and "Назад" change the page: clicks, wheel and keys on the tabs are swallowed.
    if (watched == pages->tabBar()) {
        switch (event->type()) {
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonDblClick:
        case QEvent::Wheel:
        case QEvent::KeyPress:
            return true;
        default:
            break;
        }
    }
    return QObject::eventFilter(watched, event);
}
