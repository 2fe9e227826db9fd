#pragma once

#include <QObject>
#include <QString>
#include <QStringList>

#include "declaration/AssistantTable.h"

namespace zem {

class Declaration;
class MessageSink;
class Rules;

// One open box assistant: its lines read from the declaration when it opens, the total kept up to date as
// the lines change, and the accept that writes the lines and the fed box and runs the rules that follow.
// The assistant keeps nothing of its own: until accept() nothing reaches the declaration, so closing it
// without accepting leaves every box as it was.
class BoxAssistant : public QObject {
    Q_OBJECT

public:
    // Messages (the refused totals and missing lines) go to the sink.
    BoxAssistant(AssistantKind kind, Rules& rules, MessageSink& sink, QObject* parent = nullptr);

    const AssistantDef& def() const { return def_; }
    int lineCount() const { return static_cast<int>(lines_.size()); }
    QString line(int index) const { return lines_.value(index); }
    // The line as the user typed it; the total follows.
    void setLine(int index, const QString& text);
    // Takes the line's box text from the declaration again: the legal-norms register writes boxes 539 and
    // 540 itself while the assistant is open.
    void reloadLine(int index);

    // "" when every line is empty; otherwise the lines added (or subtracted) as whole units, shown
    // "#,###,###,##0" (a negative net capital gain or previous balance in parentheses).
    QString total() const { return total_; }
    double totalValue() const;

    // "&Aceptar": writes the lines and the fed box and runs the rules that follow. False, with a message and
    // nothing written, when the lines cannot be accepted: the window then stays open.
    bool accept();

Q_SIGNALS:
    void lineChanged(int index);
    void totalChanged(const QString& total);

private:
    bool lineEmpty(int index) const;
    double lineValue(int index) const;
    void updateTotal();
    void writeLines();
    void write(int box, const QString& text);
    bool acceptGains();

    const AssistantDef& def_;
    Rules& rules_;
    Declaration& d_;
    MessageSink& sink_;
    QStringList lines_;
    QString total_;
};

}  // namespace zem
