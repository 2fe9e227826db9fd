#pragma once

#include <QJsonValue>
#include <QList>
#include <QPair>
#include <QString>

#include "startup/MessageSink.h"

namespace zem::cli {

// Both show a control character of the text as "�": a caller's text must not move the cursor, clear the
// screen or retitle the terminal when a message quotes it.
void printLine(const QString& text);   // standard output
void printError(const QString& text);  // standard error
void printJson(const QJsonValue& value);

// Prints the message on standard error and gives the exit code of a refused command.
int refuse(const QString& message);

// Prints "key<TAB>value" lines, or one JSON object with --json.
void printPairs(const QList<QPair<QString, QString>>& pairs, bool json);

// The messages of the module, kept while a command runs so that it can decide where each one goes: by default
// everything to standard error; the command may take the last one as its result (the save message).
class CliSink : public RecordingMessageSink {
public:
    // Writes every kept message to standard error (all but the last one when keepLast) and forgets them.
    void flushToStderr(bool keepLast = false);
    // The text of the last message kept, "" when none.
    QString lastText() const;
};

}  // namespace zem::cli
