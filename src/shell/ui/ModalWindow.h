#pragma once

class QDialog;

namespace zem {

// The hourglass while a window loads: on from before the window is created until it is on screen (or until
// release), so the user never works under a wait cursor.
class WaitCursor {
public:
    explicit WaitCursor(bool on = true);
    ~WaitCursor();
    WaitCursor(const WaitCursor&) = delete;
    WaitCursor& operator=(const WaitCursor&) = delete;

    void release();

private:
    bool active_;
};

// Shows a window created afresh as a modal window over its parent and deletes it once it is closed; the wait
// cursor, when given, ends as soon as the window shows. Returns the dialog's result.
int showModal(QDialog* dialog, WaitCursor* wait = nullptr);

}  // namespace zem
