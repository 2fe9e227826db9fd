#include "DeclarationOpening.h"
#include "Output.h"

#include "CliSession.h"
#include "data/Documents.h"
#include "declaration/FormSession.h"
#include "declaration/StoredDeclaration.h"
#include "shell/Registration.h"

namespace zem::cli {

using namespace Qt::StringLiterals;

bool taxpayerVisible(CliSession& cli, const QString& ruc) {
    if (const QString fault = rucFault(ruc); !fault.isEmpty()) {
        printError(fault + u": "_s + echoed(ruc));
        return false;
    }
    Session& s = cli.session;
    const documents::Query q = documents::taxpayerListQuery(s.db(), s.usuario(), s.gFormulario);
    QSqlQuery rows = s.db().select(q.sql, q.params);
    if (!rows.isActive()) {
        cli.refuseFailedRead();
        return false;
    }
    while (rows.next()) {
        if (rows.value(u"doc_id_d"_s).toString().trimmed() == ruc)
            return true;
    }
    printError(u"El RUC "_s + ruc +
               u" no está registrado como contribuyente de la declaración 0482 del usuario "_s + s.usuario() +
               u'.');
    return false;
}

bool openDeclaration(CliSession& cli, FormSession& form, const DeclarationKey& key, bool mayStart) {
    OpenRequest request = OpenRequest::newDeclaration(key.ruc);
    if (key.sent) {
        request = OpenRequest::sentCopy(key, QString());
    } else if (declarationExists(cli.session.db(), key)) {
        request = OpenRequest::existing(key);
    } else if (cli.session.db().lastError().isError()) {
        cli.refuseFailedRead();
        return false;
    } else if (!mayStart) {
        printError(u"No existe la declaración del RUC "_s + key.ruc + u'.');
        return false;
    }
    const bool opened = form.open(request);
    cli.sink.flushToStderr();
    return opened;
}

}  // namespace zem::cli
