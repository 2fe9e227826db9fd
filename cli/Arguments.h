#pragma once

#include <QHash>
#include <QSet>
#include <QString>
#include <QStringList>

namespace zem::cli {

// The words of a command line: positional words, options with a value ("--uit 3400") and flags ("--json").
struct Arguments {
    QStringList positional;
    QHash<QString, QString> options;
    QSet<QString> flags;
    QString error;  // a Spanish message when the line cannot be read

    bool has(const QString& flag) const { return flags.contains(flag); }
    QString option(const QString& name) const { return options.value(name); }
};

// Reads the words after the command. valueOptions take the next word as their value; flags stand alone;
// any other word starting with "--" is refused.
Arguments parseArguments(const QStringList& words, const QStringList& valueOptions, const QStringList& flags);

// One "BOX=VALUE" word: the box number and the text. False for a malformed word.
bool parseBoxAssignment(const QString& word, int* box, QString* value);

}  // namespace zem::cli
