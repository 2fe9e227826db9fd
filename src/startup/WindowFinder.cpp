#include "startup/WindowFinder.h"

namespace zem {

bool cWindows::CorreApp(const QString& title) const {
    const QList<TopLevelWindow> windows = enumerator_.topLevelWindows();
    for (const TopLevelWindow& w : windows) {
        if (!w.visible || w.title.isEmpty())
            continue;
        if (w.title == title)
            return true;
    }
    return false;
}

}  // namespace zem
