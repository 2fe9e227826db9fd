#pragma once

#include <QString>

namespace zem {

class Rules;

// Writes a register's total into the box of the declaration it feeds, as the declaration window shows it
// ("(1,235)" for box 133). The box's change starts the change chain. Every register writes its boxes here
// and nowhere else, whichever door (window or batch tool) it was opened from.
void writeRegisterBox(Rules& rules, int box, const QString& text);

}  // namespace zem
