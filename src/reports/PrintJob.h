#pragma once

#include <QString>
#include <optional>

#include "declaration/DeclarationKey.h"
#include "reports/PrintoutData.h"
#include "reports/Spool.h"

namespace zem {
class Db;
class MessageSink;
struct Session;
}  // namespace zem

namespace zem::reports {

class ReportCanvas;

// The run-time error numbers of a print job, with the messages the job shows for them (title "Impresión",
// critical icon).
enum PrintErrorNumber {
    kPrintCancelled = 20545,  // "La Impresión ha sido Cancelada."
    kNoPrinter = 482,         // "No existe una impresora seleccionada.Verifique."
    kNothingToPrint = 380,    // "No Existe Información a Imprimir.Verifique."
    kFileAlreadyOpen = 55,    // no message
    kFileAccess = 75,         // a file that cannot be written: "Error Técnico : (75) ..."
};
inline constexpr char16_t kPrintTitle[] = u"Impresión";

// The message of a print job error; empty for a report file already open.
QString printErrorMessage(int number, const QString& description = {});
void reportPrintError(MessageSink& sink, int number, const QString& description = {});

// Runs one print job of the declaration printout (report type 2) into the report file at path: writes the
// chosen parts once and closes the file. Every element written is also handed to echo when given. Failures
// are reported as the job reports them and answer false.
bool ImprimeReporte(Db& db, const QString& path, const PrintoutData& data, const PrintoutChoice& choice,
                    MessageSink& sink, ReportCanvas* echo = nullptr);

// What the print command does before showing or printing: loads the declaration's boxes, reserves a report
// file in the spool ("RP0014") and runs the job. Nothing, with the message shown, when the declaration does
// not exist or nothing is chosen ("No Existe Información a Imprimir.Verifique.") or the job failed (the spool
// row then stays, as every spool row does).
std::optional<SpoolFile> imprimirDeclaracion(Session& session, const DeclarationKey& key,
                                             const PrintoutChoice& choice, ReportCanvas* echo = nullptr);

}  // namespace zem::reports
