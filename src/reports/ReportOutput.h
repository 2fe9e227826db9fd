#pragma once

#include <QString>

#include "reports/ReportReader.h"

class QPrinter;

namespace zem {
class MessageSink;
}

namespace zem::reports {

class PainterCanvas;

// Draws a report file through the reader onto an A4 PDF file (fonts embedded). False, with the print job's
// message shown, when the report is missing, draws nothing in the range, or the PDF cannot be written.
bool reportToPdf(const QString& reportPath, const QString& pdfPath, const PageRange& range,
                 MessageSink& sink);

// Sends a report file to a printer of the system (CUPS) by its name. "No existe una impresora
// seleccionada.Verifique." when there is no such printer.
bool reportToPrinter(const QString& reportPath, const QString& printerName, const PageRange& range,
                     MessageSink& sink);

// Whether a file can be written at the path, leaving nothing behind; false with the print job's message
// (the detail names the path). Asked before a report is made, so that a bad destination changes nothing.
bool outputWritable(const QString& path, MessageSink& sink);

// Whether the system has a printer of that name; false with "No existe una impresora seleccionada.Verifique."
bool printerExists(const QString& printerName, MessageSink& sink);

// Sets the printer to the reports' sheet: A4, the whole paper, no margins (positions are from its corner).
void a4Sheet(QPrinter& printer);

// Draws a report file through the reader on a printer already set up (by the print dialog: a CUPS queue or a
// PDF file), with the print job's messages for its failures.
bool printReport(const QString& reportPath, QPrinter& printer, const PageRange& range, MessageSink& sink);

// After drawing on a printer: false, with the print job's message, when the printer failed or was cancelled
// or nothing was drawn.
bool printed(const PainterCanvas& canvas, const QPrinter& printer, MessageSink& sink);

}  // namespace zem::reports
