#include "reports/PrintJob.h"

#include "reports/Printout.h"
#include "reports/ReportWriter.h"
#include "startup/MessageSink.h"
#include "startup/Session.h"

namespace zem::reports {

using namespace Qt::StringLiterals;

QString printErrorMessage(int number, const QString& description) {
    switch (number) {
        case kPrintCancelled:
            return u"La Impresión ha sido Cancelada."_s;
        case kNoPrinter:
            return u"No existe una impresora seleccionada.Verifique."_s;
        case kNothingToPrint:
            return u"No Existe Información a Imprimir.Verifique."_s;
        case kFileAlreadyOpen:
            return {};
        default:
            return u"Error Técnico : ("_s + QString::number(number) + u") "_s + description;
    }
}

void reportPrintError(MessageSink& sink, int number, const QString& description) {
    const QString text = printErrorMessage(number, description);
    if (!text.isEmpty())
        sink.error(text, QString::fromUtf16(kPrintTitle));
}

bool ImprimeReporte(Db& db, const QString& path, const PrintoutData& data, const PrintoutChoice& choice,
                    MessageSink& sink, ReportCanvas* echo) {
    if (choice.empty()) {
        reportPrintError(sink, kNothingToPrint);
        return false;
    }
    ReportWriter writer;
    QString error;
    if (!writer.open(path, &error)) {
        reportPrintError(sink, kFileAccess, error);
        return false;
    }
    writer.setEcho(echo);
    DeclarationPrintout(db, writer, data, choice).ImprimeDeclaracion();
    if (!writer.close(&error)) {
        reportPrintError(sink, kFileAccess, error);
        return false;
    }
    return true;
}

std::optional<SpoolFile> imprimirDeclaracion(Session& session, const DeclarationKey& key,
                                             const PrintoutChoice& choice, ReportCanvas* echo) {
    const std::optional<PrintoutData> data = CargarCasillas(session.db(), key);
    if (!data || choice.empty()) {
        reportPrintError(session.sink, kNothingToPrint);
        return std::nullopt;
    }
    QString error;
    const SpoolRequest request{u"RP0014"_s, 6, key.ruc, session.usuario(), session.clock.now()};
    const std::optional<SpoolFile> file =
        AsignaSpool(session.db(), session.settings.gRptPath, request, &error);
    if (!file) {
        if (!error.isEmpty())
            reportPrintError(session.sink, kFileAccess, error);
        return std::nullopt;
    }
    if (!ImprimeReporte(session.db(), file->path, *data, choice, session.sink, echo))
        return std::nullopt;
    return file;
}

}  // namespace zem::reports
