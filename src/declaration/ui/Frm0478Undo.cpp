// Undo and redo in the declaration window: the two commands with the text of the edit they take back or do
// again, their keys, and the edit that typing in a box makes.
#include <QAction>
#include <QBoxLayout>
#include <QKeyEvent>
#include <QLineEdit>
#include <QToolButton>

#include "declaration/EditScopes.h"
#include "declaration/ui/EditUndoStack.h"
#include "declaration/ui/Frm0478.h"

namespace zem {

using namespace Qt::StringLiterals;

namespace {

const QString kUndo = u"Deshacer"_s;
const QString kRedo = u"Rehacer"_s;

bool isUndoOrRedoKey(const QKeyEvent* event) {
    const QKeyCombination key = event->keyCombination();
    return event->matches(QKeySequence::Undo) || event->matches(QKeySequence::Redo) ||
           key == QKeyCombination(Qt::ControlModifier, Qt::Key_Y) ||
           key == QKeyCombination(Qt::ControlModifier | Qt::ShiftModifier, Qt::Key_Z);
}

QAction* command(QWidget* window, const QString& name, const QList<QKeySequence>& keys) {
    auto* action = new QAction(name, window);
    action->setObjectName(u"act"_s + name);
    action->setShortcuts(keys);
    action->setShortcutContext(Qt::WindowShortcut);
    action->setEnabled(false);
    window->addAction(action);
    return action;
}

}  // namespace

void Frm0478::setupUndo(QBoxLayout* buttons) {
    undoAction_ = command(this, kUndo, {QKeySequence(Qt::CTRL | Qt::Key_Z)});
    redoAction_ = command(
        this, kRedo, {QKeySequence(Qt::CTRL | Qt::Key_Y), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)});
    connect(undoAction_, &QAction::triggered, this, [this] { undoOrRedo(true); });
    connect(redoAction_, &QAction::triggered, this, [this] { undoOrRedo(false); });
    connect(undo_, &QUndoStack::canUndoChanged, undoAction_, &QAction::setEnabled);
    connect(undo_, &QUndoStack::canRedoChanged, redoAction_, &QAction::setEnabled);
    connect(undo_, &QUndoStack::undoTextChanged, this, [this](const QString& text) {
        undoAction_->setText(text.isEmpty() ? kUndo : kUndo + u' ' + text);
    });
    connect(undo_, &QUndoStack::redoTextChanged, this, [this](const QString& text) {
        redoAction_->setText(text.isEmpty() ? kRedo : kRedo + u' ' + text);
    });
    undoAction_->setEnabled(undo_->canUndo());
    redoAction_->setEnabled(undo_->canRedo());
    Q_EMIT undo_->undoTextChanged(undo_->undoText());
    for (QAction* action : {undoAction_, redoAction_}) {
        auto* button = new QToolButton(this);
        button->setObjectName(u"Cmd"_s + action->objectName().mid(3));
        button->setDefaultAction(action);
        button->setToolButtonStyle(Qt::ToolButtonTextOnly);
        button->setFocusPolicy(Qt::NoFocus);  // the box being typed keeps the focus
        button->setVisible(!form_.isSent());  // a sent declaration has nothing to take back
        buttons->addWidget(button);
    }
    // The boxes' own undo of their text would hide the declaration's: the keys go to the window.
    for (QLineEdit* edit : findChildren<QLineEdit*>())
        edit->installEventFilter(this);
}

bool Frm0478::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::ShortcutOverride && isUndoOrRedoKey(static_cast<QKeyEvent*>(event))) {
        event->ignore();
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

void Frm0478::undoOrRedo(bool undo) {
    finishTyping();
    if (undo) {
        undo_->undo();
    } else {
        undo_->redo();
    }
}

void Frm0478::startTyping(int box) {
    if (typingBox_ == box)
        return;
    finishTyping();
    typingBox_ = box;
    form_.edits().begin(edits::boxText(box));
}

void Frm0478::finishTyping() {
    if (typingBox_ == 0)
        return;
    typingBox_ = 0;
    form_.edits().end();
}

}  // namespace zem
