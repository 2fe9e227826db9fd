#pragma once

#include <QHash>
#include <QSet>
#include <QString>
#include <QStringList>
#include <optional>

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

// What a command accepts and says about itself.
struct Command {
    QString usage;  // "zem0482 show RUC [--correl C] [--json]"
    QString help;   // what it does, shown with --help
    QStringList valueOptions;
    QStringList flags;
    int minPositional = 0;
    int maxPositional = 0;  // -1: any number
};

// Reads the words of a command. Answers the exit code when the command ends here: 0 after --help, 2 (with the
// message on standard error) for words it does not accept; nothing when the command may run.
std::optional<int> readCommand(const Command& command, const QStringList& words, Arguments* arguments);

// One "BOX=VALUE" word: the box number and the text. False for a malformed word.
bool parseBoxAssignment(const QString& word, int* box, QString* value);

}  // namespace zem::cli
