// import: the authority's personalised package into a taxpayer's declaration, as the import window does it.
#include "AnnexCommon.h"
#include "Arguments.h"
#include "CliSession.h"
#include "Commands.h"
#include "declaration/FormSession.h"
#include "import/ImportClosing.h"
#include "import/PackageImport.h"

namespace zem::cli {

using namespace Qt::StringLiterals;

int cmdImport(const QStringList& words) {
    static const Command command{
        u"zem0482 import RUC ARCHIVO.zip"_s,
        u"Importa el archivo personalizado del RUC en su declaración (nueva si no existe): verifica el\n"
        "nombre del archivo, lo descomprime, verifica sus once archivos y carga sus registros; suma los\n"
        "totales a las casillas, graba la declaración y la muestra como show. Si el archivo es rechazado\n"
        "no se graba nada y sale con 2."_s,
        {},
        {},
        2,
        2};
    Arguments a;
    if (const auto done = readCommand(command, words, &a))
        return *done;
    CliSession cli;
    const QString ruc = a.positional.value(0).trimmed();
    const std::unique_ptr<FormSession> form = openTaxpayer(cli, ruc, true);
    if (!form)
        return kRefused;

    DeclarationKey key;
    key.ruc = ruc;
    PackageImport import(cli.session, key);
    if (import.importar(a.positional.value(1)) != PackageImport::Outcome::Imported) {
        cli.sink.flushToStderr();
        return kRefused;
    }
    applyImportTotals(cli.session.db(), form->rules(), form->editor(), import.totals());
    const bool saved = form->save();
    cli.sink.flushToStderr();
    if (!saved)
        return kRefused;
    const bool inconsistent = form->validation().inconsistent();
    const int shown = cmdShow({ruc});
    if (shown != kOk)
        return shown;
    return inconsistent ? kFinding : kOk;
}

}  // namespace zem::cli
