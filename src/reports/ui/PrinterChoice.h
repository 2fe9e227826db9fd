#pragma once

#include <QDateTime>
#include <QString>
#include <QStringList>

#include "reports/ReportReader.h"

class QPrinter;
class QWidget;

namespace zem {
class MessageSink;
}

namespace zem::reports {

// Asks for the printer in the system's print dialog: the CUPS printers and "print to a PDF file", on A4
// sheets. False when the user cancels.
bool choosePrinter(QWidget* parent, QPrinter& printer);

// Prints the report file on the printer the user chooses. Cancelling the choice is a cancelled print job
// ("La Impresión ha sido Cancelada.").
bool printReportFile(QWidget* parent, const QString& reportPath, const PageRange& range, MessageSink& sink);

// Prints the consistency findings (RepInconsist) on the printer the user chooses.
bool printFindings(QWidget* parent, const QStringList& findings, const QDateTime& now, MessageSink& sink);

}  // namespace zem::reports
