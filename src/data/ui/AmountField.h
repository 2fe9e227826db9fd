#pragma once

#include <QLineEdit>
#include <QString>

#include "data/ui/PasteGuard.h"

namespace zem {

class MessageSink;

// The text box of an amount. It accepts digits, one decimal point, Backspace and Enter (Enter moves on as Tab
// does, after the amount passes its check when one is set); nothing can be pasted into it (Ctrl+V,
// Shift+Insert, the context-menu key and the right button empty the clipboard, drops and the middle button
// are refused). With the focus it shows the amount with the edit mask and holds at most the edit length;
// without it, the amount normalised and shown with the display mask. An empty field stays empty.
//
// A field fed by an assistant or a register keeps its text: a digit or Enter asks for the window that feeds
// it (openRequested) and Delete does nothing.
class AmountField : public QLineEdit {
    Q_OBJECT
    Q_PROPERTY(QString editMask READ editMask WRITE setEditMask)
    Q_PROPERTY(QString displayMask READ displayMask WRITE setDisplayMask)
    Q_PROPERTY(int editMaxLength READ editMaxLength WRITE setEditMaxLength)
    Q_PROPERTY(bool wholeUnits READ wholeUnits WRITE setWholeUnits)
    Q_PROPERTY(bool fed READ isFed WRITE setFed)

public:
    enum class Kind {
        Box,           // a declaration box: whole units, "#########0" while editing (10), "#,###,###,##0"
        NegativeBox,   // a box that may be negative: shown "##,###,###,##0;(##,###,###,##0)"
        AssistantBox,  // a box fed by an assistant: 17 characters while editing, typing opens the assistant
        Annex,         // an amount of an annex record: 10 integers and 2 decimals, checked on Enter;
                       // "#########0.#0" while editing (15), "#,###,###,##0.00"
    };

    explicit AmountField(QWidget* parent = nullptr);
    explicit AmountField(Kind kind, QWidget* parent = nullptr);

    // Sets the masks, lengths and check of a kind of field (the sink receives the check's message).
    void configure(Kind kind, MessageSink* sink = nullptr);

    const QString& editMask() const { return editMask_; }
    void setEditMask(const QString& mask) { editMask_ = mask; }
    const QString& displayMask() const { return displayMask_; }
    void setDisplayMask(const QString& mask) { displayMask_ = mask; }
    // Characters while editing; 0 for no limit.
    int editMaxLength() const { return editMaxLength_; }
    void setEditMaxLength(int length) { editMaxLength_ = length; }
    bool wholeUnits() const { return wholeUnits_; }
    void setWholeUnits(bool whole) { wholeUnits_ = whole; }
    bool isFed() const { return fed_; }
    void setFed(bool fed) { fed_ = fed; }

    // The check run on Enter and by validate(): at most maxIntegers digits before the point and maxDecimals
    // after it (validateAmount). A maxIntegers of 0 turns the check off.
    void setLimits(int maxIntegers, int maxDecimals, MessageSink* sink, const QString& context = {});
    // Runs the check on the text (an empty text becomes "0.00"); false shows the message.
    bool validate();

Q_SIGNALS:
    // A digit or Enter was typed in a fed field.
    void openRequested();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    void showForEditing();
    void showForDisplay();

    QString editMask_;
    QString displayMask_;
    int editMaxLength_ = 10;
    bool wholeUnits_ = true;
    bool fed_ = false;
    int maxIntegers_ = 0;
    int maxDecimals_ = 0;
    QString context_;
    MessageSink* sink_ = nullptr;
};

}  // namespace zem
