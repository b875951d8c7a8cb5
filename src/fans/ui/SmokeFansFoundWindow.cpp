#include "fans/ui/SmokeFansFoundWindow.h"

#include "common/NumberText.h"
#include "fans/SmokeSelectedFan.h"
#include "ui/Program.h"
#include "ui/SharedRecords.h"

using namespace Qt::StringLiterals;

namespace {

FoundFansLook smokeLook()
{
    return {u"ЗФН: Выберите вентилятор дымоудаления"_s, {20, 127, 70, 81, 2, 59, 2, 2, 2, 2, 88, 2, 59, 38},
        fans::smokeFoundFanHeaderRow(0, fans::FireClass::C400),
        fans::smokeFoundFanHeaderRow(1, fans::FireClass::C400), u"Расход, (м3/час)"_s,
        u"Статическое давление при заданной т-ре дыма, Па"_s, u"Полное давление при заданной т-ре дыма, Па"_s,
        u"Закрыть"_s, false};
}

} // namespace

TFormGrVovazuSMK::TFormGrVovazuSMK(ui::Program& program, QWidget* parent)
    : TFormGrVovazu(program, parent, smokeLook())
{
    setObjectName(u"FormGrVovazuSMK"_s);
}

void TFormGrVovazuSMK::fill(const fans::SmokeFoundFansContent& content)
{
    m_run = content.run;
    // The fire-resistance heading names the class the run required.
    setHeaderRows(fans::smokeFoundFanHeaderRow(0, content.run.fireClass),
        fans::smokeFoundFanHeaderRow(1, content.run.fireClass));
    TFormGrVovazu::fill(content.fans);
}

void TFormGrVovazuSMK::showDetails()
{
    if (content().fans.empty())
        return;
    const int row = gridRow() ? gridRow() : 2;
    const fans::SelectedFan fan = fans::selectedFanOf(content(), size_t(row - 2));
    program().records().get<fans::SmokeSelectedFan>() = fans::SmokeSelectedFan {fan};
    Q_EMIT smokeDetailsRequested(fan, fans::smokeSheetValuesOf(fan, m_run, systemDecimalSeparator()));
}
