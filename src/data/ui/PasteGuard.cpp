#include "data/ui/PasteGuard.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>

namespace zem {

bool isPasteKey(const QKeyEvent* event) {
    return event->matches(QKeySequence::Paste) ||
           (event->key() == Qt::Key_Insert && (event->modifiers() & Qt::ShiftModifier));
}

void emptyClipboard() {
    QClipboard* clipboard = QGuiApplication::clipboard();
    clipboard->clear(QClipboard::Clipboard);
    if (clipboard->supportsSelection())
        clipboard->clear(QClipboard::Selection);
}

void PasteGuard::install(QLineEdit* field) {
    field->setAcceptDrops(false);
    field->installEventFilter(new PasteGuard(field));
}

bool PasteGuard::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
        case QEvent::KeyPress: {
            const auto* key = static_cast<QKeyEvent*>(event);
            if (isPasteKey(key)) {
                emptyClipboard();
                return true;
            }
            if (key->key() == Qt::Key_Menu)
                emptyClipboard();
            break;
        }
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonRelease:
        case QEvent::MouseButtonDblClick: {
            const auto button = static_cast<QMouseEvent*>(event)->button();
            if (button == Qt::MiddleButton)
                return true;
            if (button == Qt::RightButton && event->type() == QEvent::MouseButtonPress)
                emptyClipboard();
            break;
        }
        case QEvent::ContextMenu:
            emptyClipboard();
            break;
        case QEvent::DragEnter:
        case QEvent::Drop:
            return true;
        default:
            break;
    }
    return QObject::eventFilter(watched, event);
}

}  // namespace zem
