#pragma once

#include <QList>
#include <QString>
#include <functional>

namespace zem {

enum class MsgIcon { None, Critical, Question, Exclamation, Information };
enum class MsgButtons { Ok, OkCancel, YesNo, YesNoCancel };
enum class MsgAnswer { Ok, Cancel, Yes, No };

struct Message {
    QString text;
    QString title;
    MsgIcon icon = MsgIcon::None;
    MsgButtons buttons = MsgButtons::Ok;
    MsgAnswer defaultAnswer = MsgAnswer::Ok;
    // A technical detail behind the text (a database engine's own words), shown only on request.
    QString detail{};
};

// Where every message to the user goes: message boxes in the windows, standard error in the batch tool, a
// recorder in the tests. Logic never shows a message any other way.
class MessageSink {
public:
    virtual ~MessageSink() = default;

    // Shows the message and returns the user's answer (Ok for a plain message).
    virtual MsgAnswer show(const Message& message) = 0;

    // Critical icon, OK button.
    void error(const QString& text, const QString& title, const QString& detail = {});
    // Information icon, OK button: confirmations, such as a successful save (of the declaration, a register
    // or the launcher's forms), and the database error reporter.
    void info(const QString& text, const QString& title, const QString& detail = {});
    // Exclamation icon, OK button: the declaration's own results, a save with inconsistencies, the checks.
    void warning(const QString& text, const QString& title);
    MsgAnswer ask(const QString& text, const QString& title, MsgButtons buttons, MsgAnswer defaultAnswer,
                  MsgIcon icon = MsgIcon::Question);
};

// Writes each message as "title: text" (and its detail on the next line) to standard error and answers every
// question with its default.
class StderrMessageSink : public MessageSink {
public:
    MsgAnswer show(const Message& message) override;
};

// Keeps every message shown and answers questions from a queue of prepared answers (the default when the
// queue is empty). Used by the tests and by the batch tool to collect messages.
class RecordingMessageSink : public MessageSink {
public:
    MsgAnswer show(const Message& message) override;

    void setNextAnswer(MsgAnswer answer) { answers_.append(answer); }
    const QList<Message>& messages() const { return messages_; }
    QStringList texts() const;
    bool contains(const QString& text) const;
    void clear() { messages_.clear(); }
    // Called as each message is shown, while the caller still waits for it (a test looks at the screen then).
    void setObserver(std::function<void(const Message&)> observer) { observer_ = std::move(observer); }

private:
    QList<Message> messages_;
    std::function<void(const Message&)> observer_;
    QList<MsgAnswer> answers_;
};

// A caller's word as a message quotes it: whole up to 60 characters, a longer one cut with "…".
QString echoed(const QString& word);

}  // namespace zem
