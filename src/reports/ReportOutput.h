#pragma once

#include <QString>

#include "reports/ReportReader.h"

namespace zem {
class MessageSink;
}

namespace zem::reports {

// Draws a report file through the reader onto an A4 PDF file (fonts embedded). False, with the print job's
// message shown, when the report is missing, draws nothing in the range, or the PDF cannot be written.
bool reportToPdf(const QString& reportPath, const QString& pdfPath, const PageRange& range,
                 MessageSink& sink);

// Sends a report file to a printer of the system (CUPS) by its name. "No existe una impresora
// seleccionada.Verifique." when there is no such printer.
bool reportToPrinter(const QString& reportPath, const QString& printerName, const PageRange& range,
                     MessageSink& sink);

}  // namespace zem::reports
