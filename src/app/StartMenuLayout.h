#pragma once

#include <QRect>
#include <QSize>

// Where the start menu sits in the frame's workspace: 515 × 375 (its outer size before the border
// allowance of 4), smaller when the workspace is smaller, centred. The workspace is the frame's
// client area above the status bar.
QRect startMenuGeometry(QSize workspace);
