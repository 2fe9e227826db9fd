#include "Messages.h"

#include <QRegularExpression>

namespace zem::harness {

using namespace Qt::StringLiterals;

QStringList foreignLines(const QString& told) {
    // Words an engine or a library says in English, which none of the module's texts uses.
    static const QRegularExpression english(
        u"\\b(the|is|not|no such|cannot|unable|failed|error:|disk|database|locked|busy|constraint|"
        "full|file|write|read|I/O|query|driver)\\b"_s);
    QStringList out;
    for (const QString& line : told.split(u'\n', Qt::SkipEmptyParts)) {
        if (line.startsWith(u"Detalle: "_s))
            continue;
        if (english.match(line).hasMatch())
            out << line;
    }
    return out;
}

bool isLockRefusal(const QString& told) {
    static const QStringList texts = {u"Registro bloqueado. Intente luego"_s,
                                      u"No puede grabarlo. Actualmente bloqueado"_s, u"La data ha cambiado"_s,
                                      u"Registro ha sido modificado o eliminado por otro usuario"_s,
                                      u"Registro ya existe lo ingresaron en ese momento"_s};
    for (const QString& t : texts) {
        if (told.contains(t))
            return true;
    }
    return false;
}

}  // namespace zem::harness
