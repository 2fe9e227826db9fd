#pragma once

#include <QDateTime>
#include <QString>
#include <optional>

namespace zem {
class Db;
}

namespace zem::reports {

// A report file reserved in the spool: its name ("00000012.PRN") and its full path in the report folder.
struct SpoolFile {
    QString archivo;
    QString path;
};

// Who asks for a report file and for whom.
struct SpoolRequest {
    QString codRep;  // "RP0014": the declaration printout
    int tipDoc = 6;
    QString docId;
    QString usuario;
    QDateTime fecha;
};

// Reserves the next report file: the next global number after the highest one in SPOOL (and after any file
// of the folder already bearing a number, which is never overwritten), the next sequence of the report code,
// the new (empty) file created and its SPOOL row added in one transaction, so that two processes never get
// the same number. On failure nothing is added, no file is left, and *error holds the reason (a database
// failure is reported by the transaction itself).
std::optional<SpoolFile> AsignaSpool(Db& db, const QString& reportDir, const SpoolRequest& request,
                                     QString* error);

// The report file name of a global number: eight digits and ".PRN".
QString spoolFileName(int number);

}  // namespace zem::reports
