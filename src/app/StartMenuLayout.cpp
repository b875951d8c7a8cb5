#include "app/StartMenuLayout.h"

#include <algorithm>

QRect startMenuGeometry(QSize workspace)
{
    constexpr int fullWidth = 515;
    constexpr int fullHeight = 375;
    constexpr int margin = 10;
    constexpr int borderAllowance = 4;
    const int width = std::min(fullWidth, workspace.width() - margin);
    const int height = std::min(fullHeight, workspace.height() - margin);
    // Integer division truncating toward zero, as C++ does.
    const int left = (workspace.width() - width) / 2;
    const int top = (workspace.height() - height) / 2;
    return QRect(left, top, std::max(0, width - borderAllowance), std::max(0, height - borderAllowance));
}
