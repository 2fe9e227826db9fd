#pragma once

#include <QUndoStack>
#include <memory>

namespace zem {

class FormSession;
struct DeclarationEdit;

// The undo stack of one open declaration: every edit the declaration's recorder announces is one command
// whose text says what it was ("casilla 107"), so the entries read "Deshacer casilla 107". Taking a command
// back or doing it again puts the values it changed exactly as they were. Saving marks the stack clean and
// the declaration's modified flag follows the stack: back at the saved state it is clear, anywhere else set.
// A sent declaration records nothing, so its stack stays empty. Needs Qt GUI only, no widgets.
class EditUndoStack : public QUndoStack {
    Q_OBJECT

public:
    explicit EditUndoStack(FormSession& form, QObject* parent = nullptr);
    // The stack is emptied as it goes, and says so: by then nobody may be told (the window and its
    // declaration may be gone already).
    ~EditUndoStack() override;

    // The edits so far can no longer be taken back (an import has replaced what they changed), and what the
    // declaration now holds is not saved: the stack is emptied and none of its states counts as saved until
    // the next save, so the declaration stays modified whatever is undone.
    void forgetEdits();

private:
    void push(const std::shared_ptr<const DeclarationEdit>& edit);
    void followClean();

    FormSession& form_;
};

}  // namespace zem
