#pragma once

#include <QDateTime>
#include <QString>
#include <QStringList>

namespace zem::reports {

class ReportCanvas;

// The printed lines of one finding: a finding of up to 90 characters stands on one line; a longer one is
// broken after 89 characters with "-" at the break, each following line indented by four blanks.
QStringList findingLines(const QString& finding);

// The consistency report (RepInconsist): the findings of the validation's message file, one per line,
// numbered "1. ", one printed line every 270 twips under the framed heading, in "Courier New" 8, and then
// " Inconsistencias Detectadas : " with their number. A page that fills up continues on the next one under
// the same heading ("PAG. 2 "). Blank lines of the file are no findings. Drawn on the canvas with the page
// breaks and the end of the document, as a printer takes them.
void RepInconsist(const QStringList& findings, const QDateTime& now, const QString& productLine,
                  ReportCanvas& canvas);

}  // namespace zem::reports
