#include "reports/Spool.h"

#include <QDir>
#include <QFile>

#include "startup/Database.h"
#include "startup/SystemError.h"

namespace zem::reports {

using namespace Qt::StringLiterals;

namespace {

// Numbers tried past files already in the folder before giving up.
constexpr int kMaxSkipped = 1000;

int maxNumber(Db& db, const QString& sql, const QVariantList& params) {
    return db.scalar(sql, params).toString().trimmed().toInt();
}

}  // namespace

QString spoolFileName(int number) {
    return QString::number(number).rightJustified(8, u'0') + u".PRN"_s;
}

std::optional<SpoolFile> AsignaSpool(Db& db, const QString& reportDir, const SpoolRequest& request,
                                     QString* error) {
    if (!QDir(reportDir).exists()) {
        *error = u"No existe la carpeta de reportes "_s + reportDir;
        return std::nullopt;
    }
    SpoolFile reserved;
    bool fileCreated = false;
    const bool ok = db.transaction([&] {
        const int sequence =
            maxNumber(db, u"SELECT MAX(secuencia) FROM spool WHERE codrep = ?"_s, {request.codRep});
        int number = maxNumber(db, u"SELECT MAX(SUBSTR(archivo, 1, 8)) FROM spool"_s, {});
        for (int tries = 0; tries <= kMaxSkipped; ++tries) {
            reserved.archivo = spoolFileName(++number);
            reserved.path = QDir(reportDir).filePath(reserved.archivo);
            QFile file(reserved.path);
            if (file.open(QIODevice::WriteOnly | QIODevice::NewOnly)) {
                fileCreated = true;
                break;
            }
            if (!file.exists()) {
                *error = systemErrorInSpanish(file.errorString());
                return false;
            }
        }
        if (!fileCreated) {
            *error = u"La carpeta de reportes no admite más archivos"_s;
            return false;
        }
        return db.execute(
            u"INSERT INTO spool (codrep, secuencia, archivo, fecha, usuario, tip_doc_d, doc_id_d) "
            "VALUES (?, ?, ?, ?, ?, ?, ?)"_s,
            {request.codRep, QString::number(sequence + 1).rightJustified(6, u'0'), reserved.archivo,
             request.fecha, request.usuario, request.tipDoc, request.docId});
    });
    if (!ok) {
        if (fileCreated)
            QFile::remove(reserved.path);
        return std::nullopt;
    }
    return reserved;
}

}  // namespace zem::reports
