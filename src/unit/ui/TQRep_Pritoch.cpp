#include "unit/ui/TQRep_Pritoch.h"

#include "common/CatalogueStore.h"
#include "common/StoreError.h"
#include "ui/Messages.h"
#include "ui/report/PrintedForm.h"
#include "unit/UnitScheme.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QDir>

using namespace Qt::StringLiterals;
using namespace report;

TQRep_Pritoch::TQRep_Pritoch(QWidget* parent)
    : ReportHostWindow(parent)
    , m_printout(report())
{
    setObjectName(u"QRep_Pritoch"_s);
    setWindowTitle(u"Вывод результатов расчета"_s);
    resize(760, 820);
    bindTable([] { return store::workingDatabase(); }, unit::reportOrderTableName(), u"PoryadokNum"_s);

    layOutWithButtons();
}

void TQRep_Pritoch::fillUnit(const unit::UnitHandover& handover,
    const std::vector<std::pair<QString, QString>>& figures, const QStringList& lines)
{
    unitprint::UnitPrintContent content {handover, figures, lines, {}, {}, {}};
    try {
        unitprint::readArrangement(content);
    } catch (const CatalogueError& error) {
        ui::showMessage(error.message(), ui::MessageKind::Error);
    }
    for (const QString& message : m_printout.fill(content))
        ui::showMessage(message, ui::MessageKind::Error);
}

void TQRep_Pritoch::printUnit(const unit::UnitHandover& handover,
    const std::vector<std::pair<QString, QString>>& figures, const QStringList& lines)
{
    runPrintedForm(*this, [&] { fillUnit(handover, figures, lines); });
}

void TQRep_Pritoch::closeEvent(QCloseEvent* event)
{
    QDir::setCurrent(QCoreApplication::applicationDirPath());
    closeTable();
    ReportHostWindow::closeEvent(event);
}
