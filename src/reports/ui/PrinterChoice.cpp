#include "reports/ui/PrinterChoice.h"

#include <QPrintDialog>
#include <QPrinter>

#include "declaration/FormCaption.h"
#include "reports/Inconsistencies.h"
#include "reports/PainterCanvas.h"
#include "reports/PrintJob.h"
#include "reports/ReportOutput.h"

namespace zem::reports {

bool choosePrinter(QWidget* parent, QPrinter& printer) {
    a4Sheet(printer);
    QPrintDialog dialog(&printer, parent);
    dialog.setOption(QAbstractPrintDialog::PrintToFile, true);
    dialog.setOption(QAbstractPrintDialog::PrintPageRange, false);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    a4Sheet(printer);  // the positions of the reports are from the corner of an A4 sheet
    return true;
}

bool printReportFile(QWidget* parent, const QString& reportPath, const PageRange& range, MessageSink& sink) {
    QPrinter printer(QPrinter::HighResolution);
    if (!choosePrinter(parent, printer)) {
        reportPrintError(sink, kPrintCancelled);
        return false;
    }
    return printReport(reportPath, printer, range, sink);
}

bool printFindings(QWidget* parent, const QStringList& findings, const QDateTime& now, MessageSink& sink) {
    QPrinter printer(QPrinter::HighResolution);
    if (!choosePrinter(parent, printer)) {
        reportPrintError(sink, kPrintCancelled);
        return false;
    }
    PainterCanvas canvas(printer);
    RepInconsist(findings, now, QString::fromUtf16(kFormCaption), canvas);
    return printed(canvas, printer, sink);
}

}  // namespace zem::reports
