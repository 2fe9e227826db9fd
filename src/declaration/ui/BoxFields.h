#pragma once

#include <QLineEdit>
#include <functional>

#include "data/ui/AmountField.h"

namespace zem {

// An amount box of the declaration window (an element of TxtValor). While it has the focus it shows its value
// as a plain whole number of at most 12 characters; when it loses it, the display format. A box fed by an
// assistant or a register keeps its text: a digit or Enter asks for the window that feeds it, and Delete does
// nothing. A click shows the box's help like getting the focus does.
class BoxAmountField : public AmountField {
    Q_OBJECT

public:
    BoxAmountField(int box, bool fed, QWidget* parent = nullptr);

    int box() const { return box_; }
    // Boxes 200 and 201 keep their text when they get the focus.
    void setKeepsText(bool keeps) { keepsText_ = keeps; }

Q_SIGNALS:
    void entered(int box);
    void left(int box);
    void helpRequested(int box);

protected:
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    int box_;
    bool keepsText_ = false;
};

// A text box of the declaration window: names, document numbers, the telephone, the order number, box 140.
// Letters are turned to upper case, every typed character passes the field's key filter, Enter moves on as
// Tab does, and nothing can be pasted (the paste keys, the context-menu key and the right button empty the
// clipboard; the middle button and drops are refused).
class BoxTextField : public QLineEdit {
    Q_OBJECT

public:
    // The key filter takes the code of a typed character and returns the code to keep, 0 to drop it.
    using KeyFilter = std::function<int(int)>;

    BoxTextField(int box, KeyFilter filter, QWidget* parent = nullptr);

    int box() const { return box_; }
    void setKeyFilter(KeyFilter filter) { filter_ = std::move(filter); }
    // Box 140 accepts "1", "2" and Backspace only: Delete is refused too.
    void setRefusesDelete(bool refuses) { refusesDelete_ = refuses; }

Q_SIGNALS:
    void entered(int box);
    void left(int box);
    void helpRequested(int box);
    // Any key typed (txtOrden marks the order number as changed).
    void keyTyped();
    // Enter was pressed; by default the focus moves on.
    void enterPressed();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    int box_;
    KeyFilter filter_;
    bool refusesDelete_ = false;
};

// A date box ("dd/mm/yyyy", MkeFecNac): a masked field whose blank positions show '_'. It reports when the
// user is done with it (Enter, which also moves on, or the focus leaving) so that the date can be checked.
class BoxDateField : public QLineEdit {
    Q_OBJECT

public:
    BoxDateField(int box, QWidget* parent = nullptr);

    int box() const { return box_; }
    // The date typed, "" while the field is blank.
    QString date() const;

Q_SIGNALS:
    void finished();
    void helpRequested(int box);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    int box_;
};

}  // namespace zem
