#include "ui/report/PrintedForm.h"

#include "ui/report/ReportHostWindow.h"

namespace report {

bool runPrintedForm(ReportHostWindow& host, const std::function<void()>& fill)
{
    if (fill)
        fill();
    if (!host.openTable())
        return false;
    host.show();
    host.report().previewModal();
    host.closeTable();
    host.hide();
    return true;
}

bool printForm(ReportHostWindow& host)
{
    if (!host.openTable())
        return false;
    const bool printed = host.report().print();
    host.closeTable();
    return printed;
}

bool previewForm(ReportHostWindow& host)
{
    if (!host.openTable())
        return false;
    host.report().previewModal();
    host.closeTable();
    return true;
}

} // namespace report
