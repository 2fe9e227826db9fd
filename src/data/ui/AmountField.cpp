#include "data/ui/AmountField.h"

#include <QContextMenuEvent>
#include <QFocusEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <algorithm>

#include "data/Amounts.h"
#include "data/Format.h"
#include "data/Masks.h"
#include "startup/MessageSink.h"
#include "startup/Utility.h"

namespace zem {

using namespace Qt::StringLiterals;

namespace {

constexpr int kNoLimit = 32767;  // QLineEdit's own maximum

bool isEnter(const QKeyEvent* event) {
    return event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
}

}  // namespace

AmountField::AmountField(QWidget* parent) : AmountField(Kind::Box, parent) {}

AmountField::AmountField(Kind kind, QWidget* parent) : QLineEdit(parent) {
    PasteGuard::install(this);
    setAttribute(Qt::WA_InputMethodEnabled, false);
    setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    configure(kind);
}

void AmountField::configure(Kind kind, MessageSink* sink) {
    editMask_ = masks::kBoxEdit;
    displayMask_ = masks::kBoxShown;
    editMaxLength_ = 10;
    wholeUnits_ = true;
    fed_ = false;
    maxIntegers_ = 0;
    maxDecimals_ = 0;
    sink_ = sink;
    switch (kind) {
        case Kind::Box:
            break;
        case Kind::NegativeBox:
            displayMask_ = masks::kBoxSigned;
            break;
        case Kind::AssistantBox:
            editMaxLength_ = 17;
            fed_ = true;
            break;
        case Kind::Annex:
            // Two decimals: the whole-unit masks would round the cents away.
            editMask_ = masks::kAnnexEdit;
            displayMask_ = masks::kAnnexShown;
            // Room for an amount with too many digits to reach the check and its message, within the 15
            // digits a double holds exactly.
            editMaxLength_ = 15;
            wholeUnits_ = false;
            maxIntegers_ = 10;
            maxDecimals_ = 2;
            break;
    }
}

void AmountField::setLimits(int maxIntegers, int maxDecimals, MessageSink* sink, const QString& context) {
    maxIntegers_ = maxIntegers;
    maxDecimals_ = maxDecimals;
    sink_ = sink;
    context_ = context;
}

bool AmountField::validate() {
    if (maxIntegers_ <= 0)
        return true;
    RecordingMessageSink silent;
    QString t = text();
    const bool ok = validateAmount(t, maxIntegers_, maxDecimals_, context_, sink_ ? *sink_ : silent);
    if (ok && t != text())
        setText(t);
    return ok;
}

void AmountField::showForEditing() {
    const QString shown = Format(text().trimmed(), editMask_);
    // The limit never cuts a longer amount already in the field.
    const int limit = editMaxLength_ > 0 ? editMaxLength_ : kNoLimit;
    setMaxLength(std::max(limit, static_cast<int>(shown.size())));
    if (shown != text())
        setText(shown);
}

void AmountField::showForDisplay() {
    setMaxLength(kNoLimit);
    QString t = text();
    if (t.trimmed().isEmpty()) {
        if (!t.isEmpty())
            setText(QString());
        return;
    }
    const QString shown = Format(normalizeAmount(t), displayMask_);
    if (shown != text())
        setText(shown);
}

void AmountField::keyPressEvent(QKeyEvent* event) {
    if (fed_) {
        // The text belongs to the window that feeds the field: typed keys, Backspace, Delete and cutting are
        // discarded; a digit or Enter asks for that window. Moving and copying work as usual.
        const QString t = event->text();
        if (isEnter(event) || (t.size() == 1 && t[0].isDigit())) {
            event->accept();
            Q_EMIT openRequested();
            return;
        }
        const bool reading = event->matches(QKeySequence::Copy) || event->matches(QKeySequence::SelectAll);
        if (!reading &&
            (!t.isEmpty() || event->key() == Qt::Key_Delete || event->key() == Qt::Key_Backspace)) {
            event->accept();
            return;
        }
    }

    if (isEnter(event)) {
        event->accept();
        if (!validate())
            return;
        focusNextChild();
        return;
    }

    const QString t = event->text();
    const bool typed = t.size() == 1 && t[0].unicode() >= 0x20 && t[0].unicode() != 0x7f &&
                       !(event->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier));
    if (typed) {
        const QChar c = t[0];
        bool refuse = false;
        if (c == u'.') {
            refuse = wholeUnits_ || (text().contains(u'.') && !selectedText().contains(u'.'));
        } else {
            refuse = util::FiltraMonto(c.unicode()) == 0;
        }
        if (refuse) {
            event->accept();
            return;
        }
    }
    QLineEdit::keyPressEvent(event);
}

void AmountField::focusInEvent(QFocusEvent* event) {
    if (event->reason() != Qt::PopupFocusReason)
        showForEditing();
    QLineEdit::focusInEvent(event);
}

void AmountField::focusOutEvent(QFocusEvent* event) {
    if (event->reason() != Qt::PopupFocusReason)
        showForDisplay();
    QLineEdit::focusOutEvent(event);
}

void AmountField::contextMenuEvent(QContextMenuEvent* event) {
    if (fed_) {
        event->accept();  // its Cut and Delete would change a text the field does not own
        return;
    }
    QLineEdit::contextMenuEvent(event);
}

}  // namespace zem
