#pragma once

class QLineEdit;
class QWidget;

// Values the user reads but never types (the computed boxes, the assistants' totals, the patrimonial total,
// the amount of the payment) look alike, and unlike the white boxes that take input.
namespace zem::ui {

// Paints the field as a computed box (the window's colour behind the text), or as an input box again.
void paintComputed(QWidget* field, bool computed = true);

// A line that only shows a value: read-only, passed over by Tab and the mouse focus, right-aligned, painted
// as a computed box.
void makeShownOnly(QLineEdit* field);

}  // namespace zem::ui
