#pragma once

class QWidget;

// Puts a top-level window in the middle of the screen it is on (or of the primary screen).
void centreOnScreen(QWidget* window);
// Puts a top-level window in the middle of the frame window.
void centreOnWindow(QWidget* window, const QWidget* frame);
