#pragma once

#include <QColor>
#include <QString>
#include <optional>

#include "reports/ReportElement.h"

namespace zem {
class MessageSink;
}

namespace zem::reports {

class ReportCanvas;

// How the reader draws: into the preview's page images, or on the printer (a PDF file is a printer too).
// The preview takes the colour tags and ignores page breaks and orientation; printing does the opposite.
enum class ReadMode { PresPrevia, Imprimir };

// The pages chosen by the user, counted from 1; without a range every page is drawn.
struct PageRange {
    bool set = false;
    int first = 1;
    int last = 1;
    // Whether an element of this page (counted from 0) is drawn.
    bool contains(int page) const { return !set || (page + 1 >= first && page + 1 <= last); }
};

// Reads the report file line by line and hands its elements to the canvas: texts, vertical texts and
// rectangles within the page range, and, by mode, the colour, orientation, page-break and end events.
// Unrecognised lines and command lines with missing or out-of-range fields draw nothing. When the file does
// not exist shows "Archivo Físico del Reporte no Existe" ("Error al Imprimir") and returns false.
bool pDesencripta(const QString& path, ReadMode mode, ReportCanvas& canvas, const PageRange& range,
                  MessageSink& sink);

// The same over the lines of a report already in memory (without line ends).
void pDesencriptaLineas(const QStringList& lines, ReadMode mode, ReportCanvas& canvas,
                        const PageRange& range);

// The leading token of a line: up to the first "|" (without it), or up to and including the first "!>" or the
// first "aHoja", whichever comes first; trimmed.
QString leadingToken(const QString& line);

// A Windows colour "&H00BBGGRR&"; nothing when the text is not one.
std::optional<QColor> parseColour(const QString& text);

// The page count of a report: the number after "<!nHojas!>" on the first line that holds it; 0 when none.
int NumRegistros(const QString& path);

}  // namespace zem::reports
