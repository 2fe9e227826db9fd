#include "shell/SendCommand.h"

#include "declaration/DeclarationKey.h"
#include "declaration/Sending.h"
#include "shell/DeclarationLists.h"
#include "shell/Registration.h"
#include "startup/MessageSink.h"
#include "startup/Session.h"

namespace zem {

using namespace Qt::StringLiterals;

namespace {

bool send(Session& session, const DeclarationKey& key, QString* correl) {
    if (!taxpayerVisible(session.db(), session.usuario(), key.ruc)) {
        session.sink.error(
            u"El RUC "_s + key.ruc + u" no es un contribuyente del usuario "_s + session.usuario() + u'.',
            QString::fromUtf16(kSendTitle));
        return false;
    }
    return sendDeclaration(session, key, correl);
}

}  // namespace

bool sendByRuc(Session& session, const QString& ruc, QString* correl) {
    DeclarationKey key;
    key.ruc = ruc.trimmed();
    key.periodo = session.gAnio;
    key.formulario = session.gFormulario;
    return send(session, key, correl);
}

QString sendQuestion(const DeclarationRow& row) {
    return u"¿Confirma que va a enviar a KELOR la declaración del RUC "_s + row.ruc.trimmed() + u" - "_s +
           row.nombre.trimmed() + u'?';
}

bool sendListed(Session& session, const DeclarationRow& row, QString* correl) {
    const MsgAnswer answer =
        session.sink.ask(sendQuestion(row), QString::fromUtf16(kSendTitle), MsgButtons::YesNo, MsgAnswer::No);
    if (answer != MsgAnswer::Yes)
        return false;
    return send(session, declarationKey(row, DeclarationList::InPreparation), correl);
}

}  // namespace zem
