#pragma once

#include <QRect>
#include <QSize>

// Where a new task window opens in the frame's workspace of size `workspace`, `openBefore` task windows
// being open already: cascaded from the top left corner, at the size it wants but no larger than the room
// left below and right of its place (never below its smallest size), and moved back towards the corner as
// far as needed for all of it to lie inside the workspace.
QRect taskWindowPlace(int openBefore, QSize wanted, QSize smallest, QSize workspace);
