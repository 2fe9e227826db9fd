#include "annexes/RegisterBox.h"

#include "data/Format.h"
#include "declaration/DeclarationEditor.h"

namespace zem {

FieldResult writeRegisterBox(DeclarationEditor& editor, int box, const QString& text) {
    // The setter takes the amount as it is typed: whole units, a credit with its sign.
    const std::optional<double> amount = parseAmount(text);
    const QString typed = amount ? QString::number(static_cast<qint64>(roundHalfAway(*amount))) : QString();
    return editor.setRegisterTotal(box, typed);
}

}  // namespace zem
