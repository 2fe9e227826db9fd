#pragma once

#include <QString>

#include "declaration/FieldRules.h"

namespace zem {

class DeclarationEditor;

// Writes a register's total into the box of the declaration it feeds, given as the register shows it
// ("(1,235)" for box 133), through the declaration's one setter: the box ends as the window shows it and its
// change starts the chain. Every register writes its boxes here and nowhere else, whichever door (window or
// batch tool) it was opened from. A total the box cannot hold is refused with the setter's message.
FieldResult writeRegisterBox(DeclarationEditor& editor, int box, const QString& text);

}  // namespace zem
