#include "app/ProgramContext.h"

#include "app/SharedRecordList.h"
#include "app/TFormManual.h"
#include "app/TForm_Animate.h"

ProgramContext::ProgramContext(QWidget* owner)
    : m_windows(owner, *this)
{
    registerSharedRecords(m_records);
}

ProgramContext::~ProgramContext() = default;

ui::BusyIndicator* ProgramContext::busyIndicator()
{
    return m_windows.get<TForm_Animate>();
}

void ProgramContext::showDescription(const ui::DescriptionItem& item)
{
    m_windows.get<TFormManual>()->showItem(item);
}

QWidget* ProgramContext::openTaskWindow(const QString& actionName)
{
    return m_openTaskWindow ? m_openTaskWindow(actionName) : nullptr;
}

void ProgramContext::setTaskWindowOpener(std::function<QWidget*(const QString&)> opener)
{
    m_openTaskWindow = std::move(opener);
}
