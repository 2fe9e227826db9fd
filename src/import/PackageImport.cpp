#include "import/PackageImport.h"

#include <QFileInfo>

#include "import/PackageExtraction.h"
#include "import/PackageName.h"
#include "import/RecordFiles.h"
#include "startup/MessageSink.h"
#include "startup/Session.h"

namespace zem {

using namespace Qt::StringLiterals;

PackageImport::PackageImport(Session& session, DeclarationKey key)
    : session_(session), key_(std::move(key)) {}

const QString& PackageImport::caption() {
    static const QString text = u"Importar archivo personalizado"_s;
    return text;
}

PackageImport::Outcome PackageImport::refuse(Outcome outcome) {
    MessageSink& sink = session_.sink;
    switch (outcome) {
        case Outcome::NoPackage:
            sink.warning(u"No se ha encontrado el archivo de información"_s, caption());
            break;
        case Outcome::Unzip:
            sink.error(u"¡Ha ocurrido un error al descomprimir. Reintente la operación!."_s, caption());
            break;
        case Outcome::Missing:
            sink.error(u"No se encontraron los archivos"_s, caption());
            break;
        case Outcome::Damaged:
            sink.error(u"El Archivo esta dañado"_s, caption());
            break;
        case Outcome::Imported:
        case Outcome::Database:
            break;
    }
    return outcome;
}

PackageImport::Outcome PackageImport::importar(const QString& zipPath) {
    const QFileInfo info(zipPath);
    if (zipPath.isEmpty() || !info.isFile() || !isPackageOf(info.fileName(), key_.ruc))
        return refuse(Outcome::NoPackage);
    if (stage_)
        stage_(u"Verificando y descomprimiendo archivo zip"_s);
    const ExtractedPackage package = extractPackage(zipPath, session_.settings.gTmpPath);
    switch (package.outcome) {
        case ExtractedPackage::Outcome::Unreadable:
            return refuse(Outcome::Unzip);
        case ExtractedPackage::Outcome::Damaged:
            return refuse(Outcome::Damaged);
        case ExtractedPackage::Outcome::Extracted:
            break;
    }
    if (stage_)
        stage_(u"Verificando archivos descomprimidos"_s);
    const Outcome outcome = Transferencia(package, info.completeBaseName());
    if (outcome == Outcome::Imported)
        session_.sink.info(u"La importación ha terminado satisfactoriamente"_s, caption());
    return outcome;
    // The extracted files go with `package`.
}

PackageImport::Outcome PackageImport::Transferencia(const ExtractedPackage& package, const QString& base) {
    const QString prefix = base + u".0"_s;
    for (const RecordFile& f : recordFiles()) {
        if (package.path(prefix + f.code).isEmpty())
            return refuse(Outcome::Missing);
    }
    // Each file is read once, checked whole, and loaded only when all eleven are sound.
    QList<QStringList> files;
    for (const RecordFile& f : recordFiles()) {
        QStringList lines;
        if (!readRecordFile(package.path(prefix + f.code), &lines) || !CuentaPye(lines, f.fields))
            return refuse(Outcome::Damaged);
        files.append(lines);
    }
    ImportTotals totals;
    if (!TraDatos(session_, key_, importRules(session_), files, &totals, progress_))
        return Outcome::Database;
    // A second import before the window closes: the boxes still hold what they held before the first one, so
    // the totals to take out of them are those the first one found.
    if (totals_.imported)
        totals.before = totals_.before;
    totals_ = totals;
    return Outcome::Imported;
}

}  // namespace zem
