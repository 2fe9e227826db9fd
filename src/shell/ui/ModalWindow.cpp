#include "shell/ui/ModalWindow.h"

#include <QApplication>
#include <QDialog>
#include <QTimer>
#include <memory>

namespace zem {

WaitCursor::WaitCursor(bool on) : active_(on) {
    if (active_)
        QApplication::setOverrideCursor(Qt::WaitCursor);
}

WaitCursor::~WaitCursor() {
    release();
}

void WaitCursor::release() {
    if (!active_)
        return;
    active_ = false;
    if (QApplication::overrideCursor())
        QApplication::restoreOverrideCursor();
}

int showModal(QDialog* dialog, WaitCursor* wait) {
    std::unique_ptr<QDialog> owned(dialog);
    if (wait)
        QTimer::singleShot(0, dialog, [wait] { wait->release(); });
    const int result = dialog->exec();
    if (wait)
        wait->release();
    return result;
}

}  // namespace zem
