#include "Arguments.h"

#include "Output.h"

namespace zem::cli {

using namespace Qt::StringLiterals;

Arguments parseArguments(const QStringList& words, const QStringList& valueOptions,
                         const QStringList& flags) {
    Arguments a;
    for (qsizetype i = 0; i < words.size(); ++i) {
        const QString& w = words[i];
        if (!w.startsWith(u"--"_s)) {
            a.positional << w;
        } else if (flags.contains(w) || w == u"--help"_s) {
            a.flags.insert(w);
        } else if (valueOptions.contains(w)) {
            if (i + 1 >= words.size()) {
                a.error = u"Falta el valor de la opción "_s + echoed(w) + u'.';
                return a;
            }
            a.options.insert(w, words[++i]);
        } else {
            a.error = u"Opción desconocida: "_s + echoed(w) + u'.';
            return a;
        }
    }
    return a;
}

std::optional<int> readCommand(const Command& command, const QStringList& words, Arguments* arguments) {
    *arguments = parseArguments(words, command.valueOptions, command.flags);
    if (arguments->has(u"--help"_s)) {
        printLine(u"Uso: "_s + command.usage + u'\n' + command.help);
        return 0;
    }
    const qsizetype n = arguments->positional.size();
    if (arguments->error.isEmpty() &&
        (n < command.minPositional || (command.maxPositional >= 0 && n > command.maxPositional)))
        arguments->error = u"Uso: "_s + command.usage;
    if (!arguments->error.isEmpty()) {
        printError(arguments->error);
        return 2;
    }
    return std::nullopt;
}

bool parseBoxAssignment(const QString& word, int* box, QString* value) {
    const qsizetype eq = word.indexOf(u'=');
    if (eq < 1 || eq > 3)
        return false;
    const QString number = word.left(eq);
    for (QChar c : number) {
        if (!c.isDigit() || c.unicode() > '9')
            return false;
    }
    *box = number.toInt();
    *value = word.mid(eq + 1);
    return true;
}

}  // namespace zem::cli
