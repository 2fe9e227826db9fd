#pragma once

#include <QIcon>

namespace zem {

// Toolbar images the style has no standard icon for, drawn at 24 and 48 pixels.
QIcon newDeclarationIcon();
QIcon printerIcon();
QIcon orderNumberIcon();
QIcon deleteIcon();
QIcon exitIcon();

}  // namespace zem
