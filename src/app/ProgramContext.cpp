#include "app/ProgramContext.h"

#include "app/SharedRecordList.h"
#include "app/TFormManual.h"
#include "app/TForm_Animate.h"
#include "app/TForm_Foto.h"
#include "common/ProgramFolder.h"
#include "ui/DialogOwner.h"

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

bool ProgramContext::showPhoto(const QString& caption, const QString& fileName)
{
    TForm_Foto* photo = m_windows.get<TForm_Foto>();
    photo->setWindowTitle(caption);
    ui::showAboveRequester(photo);
    photo->setCentred(true);
    return photo->loadPicture(programFilePath(fileName));
}

QWidget* ProgramContext::openTaskWindow(const QString& actionName)
{
    return m_openTaskWindow ? m_openTaskWindow(actionName) : nullptr;
}

void ProgramContext::setTaskWindowOpener(std::function<QWidget*(const QString&)> opener)
{
    m_openTaskWindow = std::move(opener);
}
