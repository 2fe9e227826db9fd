#include "reports/ReportOutput.h"

#include <QFile>
#include <QFileInfo>
#include <QPrinter>
#include <QPrinterInfo>

#include "reports/PainterCanvas.h"
#include "reports/PrintJob.h"
#include "startup/SystemError.h"

namespace zem::reports {

using namespace Qt::StringLiterals;

bool printed(const PainterCanvas& canvas, const QPrinter& printer, MessageSink& sink) {
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

void a4Sheet(QPrinter& printer) {
    printer.setPageSize(QPageSize(QPageSize::A4));
    printer.setFullPage(true);
    printer.setPageMargins(QMarginsF(0, 0, 0, 0), QPageLayout::Point);
}

bool printReport(const QString& reportPath, QPrinter& printer, const PageRange& range, MessageSink& sink) {
    PainterCanvas canvas(printer);
    if (!pDesencripta(reportPath, ReadMode::Imprimir, canvas, range, sink))
        return false;
    return printed(canvas, printer, sink);
}

bool outputWritable(const QString& path, MessageSink& sink) {
    // A file that cannot be written is said as such, not as a missing printer.
    QFile probe(path);
    const bool existed = probe.exists();
    if (path.isEmpty() || !probe.open(QIODevice::WriteOnly | QIODevice::Append)) {
        const QString reason =
            path.isEmpty() ? u"no se indicó el archivo"_s : systemErrorInSpanish(probe.errorString());
        reportPrintError(sink, kFileAccess, reason + u" ("_s + path.left(200) + u')');
        return false;
    }
    probe.close();
    if (!existed)
        probe.remove();
    return true;
}

bool printerExists(const QString& printerName, MessageSink& sink) {
    if (printerName.isEmpty() || QPrinterInfo::printerInfo(printerName).isNull()) {
        reportPrintError(sink, kNoPrinter);
        return false;
    }
    return true;
}

bool reportToPdf(const QString& reportPath, const QString& pdfPath, const PageRange& range,
                 MessageSink& sink) {
    if (!outputWritable(pdfPath, sink))
        return false;
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(pdfPath);
    printer.setCreator(QStringLiteral("zem0482"));
    a4Sheet(printer);
    if (!printReport(reportPath, printer, range, sink))
        return false;
    if (!QFileInfo(pdfPath).isFile()) {
        reportPrintError(sink, kFileAccess, pdfPath);
        return false;
    }
    return true;
}

bool reportToPrinter(const QString& reportPath, const QString& printerName, const PageRange& range,
                     MessageSink& sink) {
    if (!printerExists(printerName, sink))
        return false;
    QPrinter printer(QPrinter::HighResolution);
    printer.setPrinterName(printerName);
    a4Sheet(printer);
    return printReport(reportPath, printer, range, sink);
}

}  // namespace zem::reports
