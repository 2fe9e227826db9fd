#pragma once

#include <QObject>

class QKeyEvent;
class QLineEdit;

namespace zem {

// Keeps anything from being pasted into a text box of the declaration: Ctrl+V and Shift+Insert empty the
// clipboard and do nothing; the context-menu key, the right button and the context menu empty the clipboard
// first, so the menu has nothing to paste; the middle button (the X11 selection) and drops are refused.
class PasteGuard : public QObject {
    Q_OBJECT

public:
    // Guards the field for as long as it lives.
    static void install(QLineEdit* field);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    using QObject::QObject;
};

// Ctrl+V (or the platform's paste key) and Shift+Insert.
bool isPasteKey(const QKeyEvent* event);

// Empties the clipboard (and the selection of X11), so that nothing can be pasted.
void emptyClipboard();

}  // namespace zem
