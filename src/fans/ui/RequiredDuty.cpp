#include "fans/ui/RequiredDuty.h"

#include "fans/SelectionValidation.h"
#include "ui/Messages.h"
#include "ui/NumberInput.h"
#include "ui/SpinEditWidget.h"

bool readRequiredDuty(fans::SelectionRequest& request, SpinEditWidget* flowBox, SpinEditWidget* pressureBox)
{
    const auto flow = ui::readNumber(flowBox);
    if (!flow)
        return false;
    request.flow = *flow;
    // Flow first, so a bad flow is reported before the pressure is read.
    if (fans::checkRequest(request) == fans::RequestFault::FlowNotPositive) {
        ui::showMessage(fans::faultMessage(fans::RequestFault::FlowNotPositive), ui::MessageKind::Warning);
        flowBox->setFocus();
        return false;
    }
    const auto pressure = ui::readNumber(pressureBox);
    if (!pressure)
        return false;
    request.pressure = *pressure;
    const fans::RequestFault fault = fans::checkRequest(request);
    if (fault == fans::RequestFault::None)
        return true;
    ui::showMessage(fans::faultMessage(fault), ui::MessageKind::Warning);
    if (fault == fans::RequestFault::PressureNotPositive)
        pressureBox->setFocus();
    return false;
}
