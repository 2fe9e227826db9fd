#include "startup/MessageSink.h"

#include <cstdio>

namespace zem {

void MessageSink::error(const QString& text, const QString& title, const QString& detail) {
    show({text, title, MsgIcon::Critical, MsgButtons::Ok, MsgAnswer::Ok, detail});
}

void MessageSink::info(const QString& text, const QString& title, const QString& detail) {
    show({text, title, MsgIcon::Information, MsgButtons::Ok, MsgAnswer::Ok, detail});
}

void MessageSink::warning(const QString& text, const QString& title) {
    show({text, title, MsgIcon::Exclamation, MsgButtons::Ok, MsgAnswer::Ok, {}});
}

MsgAnswer MessageSink::ask(const QString& text, const QString& title, MsgButtons buttons,
                           MsgAnswer defaultAnswer, MsgIcon icon) {
    return show({text, title, icon, buttons, defaultAnswer, {}});
}

MsgAnswer StderrMessageSink::show(const Message& message) {
    const QString line =
        message.title.isEmpty() ? message.text : message.title + QStringLiteral(": ") + message.text;
    std::fprintf(stderr, "%s\n", line.toUtf8().constData());
    if (!message.detail.isEmpty())
        std::fprintf(stderr, "%s\n", message.detail.toUtf8().constData());
    std::fflush(stderr);
    return message.defaultAnswer;
}

MsgAnswer RecordingMessageSink::show(const Message& message) {
    messages_.append(message);
    if (observer_)
        observer_(message);
    if (message.buttons == MsgButtons::Ok)
        return MsgAnswer::Ok;
    return answers_.isEmpty() ? message.defaultAnswer : answers_.takeFirst();
}

QStringList RecordingMessageSink::texts() const {
    QStringList out;
    for (const Message& m : messages_)
        out << m.text;
    return out;
}

QString echoed(const QString& word) {
    constexpr qsizetype kLongest = 60;
    return word.size() <= kLongest ? word : word.left(kLongest - 1) + u'…';
}

bool RecordingMessageSink::contains(const QString& text) const {
    return texts().contains(text);
}

}  // namespace zem
