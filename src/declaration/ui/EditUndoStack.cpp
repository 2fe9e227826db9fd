#include "declaration/ui/EditUndoStack.h"

#include "declaration/EditScopes.h"
#include "declaration/FormSession.h"

namespace zem {

namespace {

// Consecutive edits of the payment component (one per keystroke in its amount) are one command.
constexpr int kPaymentId = 1;

class EditCommand : public QUndoCommand {
public:
    EditCommand(EditRecorder& recorder, std::shared_ptr<const DeclarationEdit> edit)
        : QUndoCommand(edit->description), recorder_(recorder), edit_(std::move(edit)) {}

    int id() const override { return edit_->description == QStringView(edits::kPayment) ? kPaymentId : -1; }

    // The edit has been made when it is pushed: only a later redo puts it again.
    void redo() override {
        if (done_)
            recorder_.apply(*edit_, true);
        done_ = true;
    }
    void undo() override { recorder_.apply(*edit_, false); }

    bool mergeWith(const QUndoCommand* other) override {
        const auto* next = static_cast<const EditCommand*>(other);
        auto merged = std::make_shared<DeclarationEdit>(*edit_);
        for (const FieldChange& c : next->edit_->fields) {
            const auto same =
                std::find_if(merged->fields.begin(), merged->fields.end(),
                             [&c](const FieldChange& m) { return m.kind == c.kind && m.key == c.key; });
            if (same == merged->fields.end()) {
                merged->fields.append(c);
            } else {
                same->after = c.after;
            }
        }
        merged->fields.removeIf([](const FieldChange& c) { return c.before == c.after; });
        edit_ = std::move(merged);
        return true;
    }

private:
    EditRecorder& recorder_;
    std::shared_ptr<const DeclarationEdit> edit_;
    bool done_ = false;
};

}  // namespace

EditUndoStack::EditUndoStack(FormSession& form, QObject* parent) : QUndoStack(parent), form_(form) {
    connect(&form.edits(), &EditRecorder::recorded, this, &EditUndoStack::push);
    connect(&form, &FormSession::saved, this, &QUndoStack::setClean);
    connect(this, &QUndoStack::indexChanged, this, &EditUndoStack::followClean);
}

EditUndoStack::~EditUndoStack() {
    disconnect();
}

void EditUndoStack::push(const std::shared_ptr<const DeclarationEdit>& edit) {
    QUndoStack::push(new EditCommand(form_.edits(), edit));
}

void EditUndoStack::forgetEdits() {
    clear();
    resetClean();
    form_.declaration().setModified(true);
}

void EditUndoStack::followClean() {
    form_.declaration().setModified(!isClean());
}

}  // namespace zem
