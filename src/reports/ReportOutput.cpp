#include "reports/ReportOutput.h"

#include <QFile>
#include <QFileInfo>
#include <QPrinter>
#include <QPrinterInfo>

#include "reports/PainterCanvas.h"
#include "reports/PrintJob.h"

namespace zem::reports {

using namespace Qt::StringLiterals;

namespace {

void a4(QPrinter& printer) {
    printer.setPageSize(QPageSize(QPageSize::A4));
    printer.setFullPage(true);
    printer.setPageMargins(QMarginsF(0, 0, 0, 0), QPageLayout::Point);
}

// Reads the report onto the printer; the printer's own failures reported as the print job reports them.
bool draw(const QString& reportPath, QPrinter& printer, const PageRange& range, MessageSink& sink) {
    PainterCanvas canvas(printer);
    if (!pDesencripta(reportPath, ReadMode::Imprimir, canvas, range, sink))
        return false;
    if (!canvas.ok() || printer.printerState() == QPrinter::Error) {
        reportPrintError(sink, kNoPrinter);
        return false;
    }
    if (printer.printerState() == QPrinter::Aborted) {
        reportPrintError(sink, kPrintCancelled);
        return false;
    }
    if (canvas.pagesPrinted() == 0) {
        reportPrintError(sink, kNothingToPrint);
        return false;
    }
    return true;
}

}  // namespace

bool reportToPdf(const QString& reportPath, const QString& pdfPath, const PageRange& range,
                 MessageSink& sink) {
    // A file that cannot be written is said as such, not as a missing printer.
    QFile probe(pdfPath);
    const bool existed = probe.exists();
    if (!probe.open(QIODevice::WriteOnly | QIODevice::Append)) {
        reportPrintError(sink, kFileAccess, probe.errorString() + u" ("_s + pdfPath + u')');
        return false;
    }
    probe.close();
    if (!existed)
        probe.remove();
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(pdfPath);
    printer.setCreator(QStringLiteral("zem0482"));
    a4(printer);
    if (!draw(reportPath, printer, range, sink))
        return false;
    if (!QFileInfo(pdfPath).isFile()) {
        reportPrintError(sink, kFileAccess, pdfPath);
        return false;
    }
    return true;
}

bool reportToPrinter(const QString& reportPath, const QString& printerName, const PageRange& range,
                     MessageSink& sink) {
    if (printerName.isEmpty() || QPrinterInfo::printerInfo(printerName).isNull()) {
        reportPrintError(sink, kNoPrinter);
        return false;
    }
    QPrinter printer(QPrinter::HighResolution);
    printer.setPrinterName(printerName);
    a4(printer);
    return draw(reportPath, printer, range, sink);
}

}  // namespace zem::reports
