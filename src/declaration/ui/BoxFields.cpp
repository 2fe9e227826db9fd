#include "declaration/ui/BoxFields.h"

#include "data/Masks.h"

#include <QContextMenuEvent>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QMouseEvent>

namespace zem {

using namespace Qt::StringLiterals;

namespace {

bool isEnter(const QKeyEvent* event) {
    return event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
}

}  // namespace

BoxAmountField::BoxAmountField(int box, bool fed, QWidget* parent)
    : AmountField(Kind::Box, parent), box_(box) {
    setObjectName(u"TxtValor"_s + QString::number(box));
    setEditMask(masks::kPlainWhole);
    setDisplayMask(masks::kAmountSigned);
    setEditMaxLength(12);
    setFed(fed);
}

void BoxAmountField::focusInEvent(QFocusEvent* event) {
    if (event->reason() != Qt::PopupFocusReason)
        Q_EMIT entered(box_);
    if (keepsText_) {
        QLineEdit::focusInEvent(event);
        return;
    }
    AmountField::focusInEvent(event);
}

void BoxAmountField::focusOutEvent(QFocusEvent* event) {
    if (keepsText_) {
        QLineEdit::focusOutEvent(event);
    } else {
        AmountField::focusOutEvent(event);
    }
    if (event->reason() != Qt::PopupFocusReason)
        Q_EMIT left(box_);
}

void BoxAmountField::mousePressEvent(QMouseEvent* event) {
    Q_EMIT helpRequested(box_);
    AmountField::mousePressEvent(event);
}

BoxTextField::BoxTextField(int box, KeyFilter filter, QWidget* parent)
    : QLineEdit(parent), box_(box), filter_(std::move(filter)) {
    if (box > 0)
        setObjectName(u"TxtValor"_s + QString::number(box));
    PasteGuard::install(this);
    connect(this, &BoxTextField::enterPressed, this, [this] { focusNextChild(); });
}

void BoxTextField::keyPressEvent(QKeyEvent* event) {
    Q_EMIT keyTyped();
    if (isEnter(event)) {
        event->accept();
        Q_EMIT enterPressed();
        return;
    }
    if (refusesDelete_ && event->key() == Qt::Key_Delete) {
        event->accept();
        return;
    }
    const QString t = event->text();
    const bool typed = t.size() == 1 && t[0].unicode() >= 0x20 && t[0].unicode() != 0x7f &&
                       !(event->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier));
    if (typed) {
        const QString upper = t.toUpper();
        if (upper.size() != 1 || (filter_ && filter_(upper[0].unicode()) == 0)) {
            event->accept();
            return;
        }
        if (upper != t) {
            QKeyEvent shifted(event->type(), event->key(), event->modifiers(), upper, event->isAutoRepeat(),
                              static_cast<ushort>(event->count()));
            QLineEdit::keyPressEvent(&shifted);
            event->setAccepted(shifted.isAccepted());
            return;
        }
    }
    QLineEdit::keyPressEvent(event);
}

void BoxTextField::focusInEvent(QFocusEvent* event) {
    if (event->reason() != Qt::PopupFocusReason)
        Q_EMIT entered(box_);
    QLineEdit::focusInEvent(event);
}

void BoxTextField::focusOutEvent(QFocusEvent* event) {
    QLineEdit::focusOutEvent(event);
    if (event->reason() != Qt::PopupFocusReason)
        Q_EMIT left(box_);
}

void BoxTextField::mousePressEvent(QMouseEvent* event) {
    Q_EMIT helpRequested(box_);
    QLineEdit::mousePressEvent(event);
}

BoxDateField::BoxDateField(int box, QWidget* parent) : QLineEdit(parent), box_(box) {
    setObjectName(u"MkeFecNac"_s);
    setInputMask(u"99/99/9999;_"_s);
    PasteGuard::install(this);
}

QString BoxDateField::date() const {
    return text() == u"//"_s ? QString() : text();
}

void BoxDateField::keyPressEvent(QKeyEvent* event) {
    if (isEnter(event)) {
        event->accept();
        focusNextChild();  // leaving the field checks the date
        return;
    }
    QLineEdit::keyPressEvent(event);
}

void BoxDateField::focusInEvent(QFocusEvent* event) {
    if (event->reason() != Qt::PopupFocusReason)
        Q_EMIT helpRequested(box_);
    QLineEdit::focusInEvent(event);
    // A blank date is typed from its first position, wherever the cursor was left.
    if (date().isEmpty() && event->reason() != Qt::MouseFocusReason)
        setCursorPosition(0);
}

void BoxDateField::focusOutEvent(QFocusEvent* event) {
    QLineEdit::focusOutEvent(event);
    if (event->reason() != Qt::PopupFocusReason)
        Q_EMIT finished();
}

void BoxDateField::mousePressEvent(QMouseEvent* event) {
    Q_EMIT helpRequested(box_);
    QLineEdit::mousePressEvent(event);
}

}  // namespace zem
