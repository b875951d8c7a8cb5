#pragma once

#include "app/SharedWindows.h"

#include <QPointer>

namespace heating {

// The single window of a class that every air-heating unit window shares: the one the program created
// at start, or, where the program has none (a window run on its own, as in tests), one made on first use
// and kept for the rest of the run.
template <typename Window> Window* sharedWindow()
{
    if (Window* window = SharedWindows::get<Window>())
        return window;
    static QPointer<Window> own;
    if (!own)
        own = new Window;
    return own;
}

} // namespace heating
