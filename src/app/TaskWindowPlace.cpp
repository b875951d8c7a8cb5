#include "app/TaskWindowPlace.h"

#include <algorithm>

QRect taskWindowPlace(int openBefore, QSize wanted, QSize smallest, QSize workspace)
{
    constexpr int cascadeStep = 24;
    constexpr int cascadeLength = 8;
    const int offset = (openBefore % cascadeLength) * cascadeStep;
    const QSize size
        = wanted.boundedTo(workspace - QSize(offset, offset)).expandedTo(smallest).expandedTo(QSize(1, 1));
    const int left = std::max(0, std::min(offset, workspace.width() - size.width()));
    const int top = std::max(0, std::min(offset, workspace.height() - size.height()));
    return {QPoint(left, top), size};
}
