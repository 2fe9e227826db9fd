#include "shell/SendCommand.h"

#include "declaration/DeclarationKey.h"
#include "declaration/Sending.h"
#include "startup/Session.h"

namespace zem {

bool sendByRuc(Session& session, const QString& ruc, QString* correl) {
    DeclarationKey key;
    key.ruc = ruc.trimmed();
    key.periodo = session.gAnio;
    key.formulario = session.gFormulario;
    return sendDeclaration(session, key, correl);
}

}  // namespace zem
