#pragma once

#include <QList>
#include <QString>

namespace zem {

// One top-level window of the desktop as the launcher check sees it.
struct TopLevelWindow {
    QString title;
    bool visible = false;
};

// Lists the desktop's top-level windows. The X11 implementation asks the display server; tests give a list.
class WindowEnumerator {
public:
    virtual ~WindowEnumerator() = default;
    virtual QList<TopLevelWindow> topLevelWindows() const = 0;
};

// The family's window finder.
class cWindows {
public:
    explicit cWindows(const WindowEnumerator& enumerator) : enumerator_(enumerator) {}

    // True when a visible top-level window whose title equals `title` exists: exact and case-sensitive,
    // windows with an empty title are skipped.
    bool CorreApp(const QString& title) const;

private:
    const WindowEnumerator& enumerator_;
};

// A fixed list of windows (tests, and the platforms without a window list).
class FixedWindowEnumerator : public WindowEnumerator {
public:
    explicit FixedWindowEnumerator(QList<TopLevelWindow> windows = {}) : windows_(std::move(windows)) {}
    QList<TopLevelWindow> topLevelWindows() const override { return windows_; }
    void setWindows(QList<TopLevelWindow> windows) { windows_ = std::move(windows); }

private:
    QList<TopLevelWindow> windows_;
};

}  // namespace zem
