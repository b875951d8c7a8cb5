#include "app/TaskWindowFactory.h"

#include "curtains/ui/CurtainTaskWindow.h"
#include "fans/ui/FanSelectionWindow.h"
#include "fans/ui/SmokeSelectionWindow.h"
#include "heating/ui/HeatingUnitWindow.h"
#include "pressurization/ui/TMDIChildPodpor.h"
#include "series/ui/SeriesWindow.h"
#include "smoke/ui/TMDIChildSmkCalk.h"
#include "unit/ui/TMDIChildPritoch.h"

#include <QHash>
#include <QMetaObject>
#include <QWidget>
#include <functional>
#include <type_traits>

// The task window of each action of the frame.
namespace {

template <typename Window> QWidget* make(ui::Program& program)
{
    if constexpr (std::is_constructible_v<Window, ui::Program&, QWidget*>)
        return new Window(program, nullptr);
    else
        return new Window;
}

const QHash<QString, std::function<QWidget*(ui::Program&)>>& factories()
{
    static const QHash<QString, std::function<QWidget*(ui::Program&)>> table {
        {QStringLiteral("ActionUniFanSelect"), make<TMDIChild>},
        {QStringLiteral("ActionUniFanParams"), make<TFormChildUtility>},
        {QStringLiteral("ActionSmkFanSelect"), make<TMDIChildSMK>},
        {QStringLiteral("ActionSmkFanParams"), make<TFormChildUtilitySMK>},
        {QStringLiteral("ActionVentUnitSelect"), make<TMDIChildPritoch>},
        {QStringLiteral("ActionDelSmkCalc"), make<TMDIChildSmkCalk>},
        {QStringLiteral("ActionAntiSmkCalc"), make<TMDIChildPodpor>},
        {QStringLiteral("ActionScreenORKCalc"), make<TMDIChildVozdZavesaORK>},
        {QStringLiteral("ActionScreenTEMCalc"), make<TMDIChildVozdZavesaTEM>},
        {QStringLiteral("ActionScreenPLNCalc"), make<TMDIChildVozdZavesaPLN>},
        {QStringLiteral("ActionUnitLUMACalc"), make<TMDIChildVozdAgregatLUMA>},
    };
    return table;
}

} // namespace

QWidget* createTaskWindow(const QString& actionName, ui::Program& program)
{
    const auto found = factories().constFind(actionName);
    return found == factories().constEnd() ? nullptr : (*found)(program);
}

void applyUnitKind(QWidget* unitWindow, int kind)
{
    QMetaObject::invokeMethod(unitWindow, "applyUnitKind", Q_ARG(int, kind));
}
