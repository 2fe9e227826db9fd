#include "shell/ui/MessageBoxSink.h"

#include <QApplication>
#include <QMessageBox>

namespace zem {

namespace {

QMessageBox::Icon iconOf(MsgIcon icon) {
    switch (icon) {
        case MsgIcon::Critical:
            return QMessageBox::Critical;
        case MsgIcon::Question:
            return QMessageBox::Question;
        case MsgIcon::Exclamation:
            return QMessageBox::Warning;
        case MsgIcon::Information:
            return QMessageBox::Information;
        case MsgIcon::None:
            break;
    }
    return QMessageBox::NoIcon;
}

QMessageBox::StandardButton buttonOf(MsgAnswer answer) {
    switch (answer) {
        case MsgAnswer::Ok:
            return QMessageBox::Ok;
        case MsgAnswer::Cancel:
            return QMessageBox::Cancel;
        case MsgAnswer::Yes:
            return QMessageBox::Yes;
        case MsgAnswer::No:
            return QMessageBox::No;
    }
    return QMessageBox::Ok;
}

MsgAnswer answerOf(int button) {
    switch (button) {
        case QMessageBox::Cancel:
            return MsgAnswer::Cancel;
        case QMessageBox::Yes:
            return MsgAnswer::Yes;
        case QMessageBox::No:
            return MsgAnswer::No;
        default:
            return MsgAnswer::Ok;
    }
}

}  // namespace

MsgAnswer MessageBoxSink::show(const Message& message) {
    QWidget* parent = QApplication::activeModalWidget();
    if (!parent)
        parent = QApplication::activeWindow();

    QMessageBox box(iconOf(message.icon), message.title, message.text, QMessageBox::NoButton, parent);
    if (!message.detail.isEmpty())
        box.setDetailedText(message.detail);
    MsgAnswer escape = MsgAnswer::Ok;
    switch (message.buttons) {
        case MsgButtons::Ok:
            box.setStandardButtons(QMessageBox::Ok);
            break;
        case MsgButtons::OkCancel:
            box.setStandardButtons(QMessageBox::Ok | QMessageBox::Cancel);
            escape = MsgAnswer::Cancel;
            break;
        case MsgButtons::YesNo:
            box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
            escape = MsgAnswer::No;
            break;
        case MsgButtons::YesNoCancel:
            box.setStandardButtons(QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
            escape = MsgAnswer::Cancel;
            break;
    }
    if (message.buttons != MsgButtons::Ok)
        box.setDefaultButton(buttonOf(message.defaultAnswer));
    box.setEscapeButton(buttonOf(escape));
    // The wait cursor of a loading window must not hide the arrow while the user answers.
    const bool waiting = QApplication::overrideCursor() != nullptr;
    if (waiting)
        QApplication::setOverrideCursor(Qt::ArrowCursor);
    const int result = box.exec();
    if (waiting)
        QApplication::restoreOverrideCursor();
    return answerOf(result);
}

}  // namespace zem
