#include "ui/BusyIndicator.h"

namespace ui {

BusyScope::BusyScope(BusyIndicator* indicator, const QString& message)
    : m_indicator(indicator)
    , m_outer(indicator && !indicator->isRunning())
{
    if (m_outer)
        m_indicator->start(message);
}

BusyScope::~BusyScope()
{
    if (m_outer)
        m_indicator->finish();
}

void BusyScope::step()
{
    if (m_indicator)
        m_indicator->step();
}

} // namespace ui
