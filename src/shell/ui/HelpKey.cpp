#include "shell/ui/HelpKey.h"

#include <QApplication>
#include <QKeyEvent>
#include <QStackedWidget>
#include <QTabWidget>

#include "shell/ui/HelpWindow.h"

namespace zem {

using namespace Qt::StringLiterals;

QStringList helpSections(const QWidget* widget) {
    QStringList sections;
    for (const QWidget* w = widget; w; w = w->parentWidget()) {
        if (w->isWindow()) {
            if (w->objectName().isEmpty())
                continue;  // an unnamed window is explained with the window it was opened from
            sections << w->objectName();
            break;
        }
        // A tab page sits in the tab widget's inner stack.
        const auto* stack = qobject_cast<const QStackedWidget*>(w->parentWidget());
        const auto* tabs = stack ? qobject_cast<const QTabWidget*>(stack->parentWidget()) : nullptr;
        if (tabs && !tabs->objectName().isEmpty())
            sections << tabs->objectName() + u'-' + QString::number(tabs->indexOf(w));
    }
    return sections;
}

HelpKey::HelpKey(QString helpFile, QObject* parent) : QObject(parent), helpFile_(std::move(helpFile)) {}

void HelpKey::showHelpFor(QWidget* widget) {
    QWidget* window = widget->window();
    if (help_ && help_->parentWidget() != window)
        delete help_;
    if (!help_) {
        help_ = new HelpWindow(helpFile_, window);
        help_->setAttribute(Qt::WA_DeleteOnClose);
    }
    help_->showSection(helpSections(widget));
    help_->show();
    help_->raise();
    help_->activateWindow();
}

bool HelpKey::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress || static_cast<QKeyEvent*>(event)->key() != Qt::Key_F1)
        return false;
    auto* widget = qobject_cast<QWidget*>(watched);
    // F1 in the help itself only keeps it open.
    if (!widget || qobject_cast<HelpWindow*>(widget->window()))
        return false;
    showHelpFor(widget);
    return true;
}

}  // namespace zem
