#include "declaration/ui/ShownField.h"

#include <QLineEdit>
#include <QPalette>

namespace zem::ui {

void paintComputed(QWidget* field, bool computed) {
    // Only the background of the text is the field's own; everything else follows the window.
    QPalette palette;
    if (computed)
        palette.setColor(QPalette::Base, field->palette().color(QPalette::Window));
    field->setPalette(palette);
}

void makeShownOnly(QLineEdit* field) {
    field->setReadOnly(true);
    field->setFocusPolicy(Qt::NoFocus);
    field->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    paintComputed(field);
}

}  // namespace zem::ui
