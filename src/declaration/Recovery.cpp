#include "declaration/Recovery.h"

#include <QFile>

#include "declaration/EditJournal.h"
#include "declaration/FormCaption.h"
#include "startup/MessageSink.h"
#include "startup/Session.h"

namespace zem {

using namespace Qt::StringLiterals;

namespace {

QString question(const EditJournal::Contents& j) {
    const QString who = j.header.ruc.isEmpty() ? u"de una declaración nueva"_s
                                               : u"de la declaración del RUC "_s + j.header.ruc;
    const QString name = j.header.nombre.isEmpty() ? QString() : u" ("_s + j.header.nombre + u')';
    const QDateTime at = j.lastAt().toLocalTime();
    const int n = j.editCount();
    return u"Hay cambios sin grabar "_s + who + name + u", del "_s + at.toString(u"dd/MM/yyyy"_s) +
           u" a las "_s + at.toString(u"HH:mm"_s) + u": "_s + QString::number(n) +
           (n == 1 ? u" modificación"_s : u" modificaciones"_s) +
           u". El programa se cerró sin grabarlos.\n¿Desea recuperarlos?"_s;
}

}  // namespace

std::optional<OpenRequest> offerRecovery(Session& session) {
    const QString title = QString::fromUtf16(kFormCaption);
    for (const QString& path : EditJournal::find(session)) {
        const EditJournal::Contents j = EditJournal::read(path);
        if (!j.error.isEmpty()) {
            session.sink.error(j.error, title);
            QFile::remove(path + u".danado"_s);
            QFile::rename(path, path + u".danado"_s);
            continue;
        }
        if (session.sink.ask(question(j), title, MsgButtons::YesNo, MsgAnswer::Yes) != MsgAnswer::Yes) {
            QFile::remove(path);
            continue;
        }
        OpenRequest request;
        if (j.header.existing) {
            DeclarationKey key;
            key.ruc = j.header.ruc;
            key.periodo = j.header.periodo;
            request = OpenRequest::existing(key);
        } else {
            request = OpenRequest::newDeclaration(j.header.ruc);
        }
        request.journal = path;
        return request;
    }
    return std::nullopt;
}

}  // namespace zem
