#pragma once

#include <QString>

#include "reports/ReportReader.h"

namespace zem::reports {

// What the page-range dialog decides: the range to preview, or the first failed check's message.
struct PageRangeCheck {
    PageRange range;
    QString error;  // empty when the range holds
    bool ok() const { return error.isEmpty(); }
};

// The checks of the page-range dialog, in order, stopping at the first failure: the first page given, from
// 1, not above the report's total; the last page given, not below the first. The texts are read as numbers
// the way the dialog's boxes allow them to be typed (digits, "." and spaces).
PageRangeCheck checkPageRange(const QString& desde, const QString& hasta, int totalPages);

}  // namespace zem::reports
