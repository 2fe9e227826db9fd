#pragma once

#include <QString>

namespace zem::test {

// Writes a report of the given number of pages through the report writer: on each page its number
// ("Pag. n"), a frame and rows of text, pages separated by "pNuevaHoja". The declaration's page-count tag
// and the pale background come first.
void writePagedReport(const QString& path, int pages, int rowsPerPage = 40);

}  // namespace zem::test
