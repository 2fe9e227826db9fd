#pragma once

#include <QString>

namespace zem::reports {

// One drawn element of a report file: a text ("pPos"), a vertical text ("pPosVerti") or the outline of a
// rectangle ("pCuadro"). Coordinates are twips (1/1440 inch) from the top-left corner of the page; page
// counts from 0 (shown to the user as page + 1).
enum class ElementKind { Text, VerticalText, Box };

struct ReportElement {
    ElementKind kind = ElementKind::Text;
    qint16 x = 0;
    qint16 y = 0;
    qint16 x2 = 0;  // rectangles only
    qint16 y2 = 0;
    QString text;  // texts only
    bool bold = false;
    int size = 8;  // points
    qint16 page = 0;

    bool operator==(const ReportElement&) const = default;
};

// Vertical text: character i (from 0) stands this many twips below the first.
inline constexpr int kVerticalStep = 190;

}  // namespace zem::reports
