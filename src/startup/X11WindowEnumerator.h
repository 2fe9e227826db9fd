#pragma once

#include "startup/WindowFinder.h"

namespace zem {

// The top-level windows of the X display named by DISPLAY (every screen). With a window manager that
// publishes _NET_CLIENT_LIST those are its client windows; otherwise the children of each root window and,
// one level down, their children (a window manager without that list wraps each client in a frame window). A
// window is visible when it is viewable; its title is _NET_WM_NAME, else WM_NAME. No display gives an empty
// list.
class X11WindowEnumerator : public WindowEnumerator {
public:
    QList<TopLevelWindow> topLevelWindows() const override;
};

}  // namespace zem
