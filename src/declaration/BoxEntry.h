#pragma once

#include <QString>

namespace zem {

class Rules;

// Puts a value into a box as a user of the window would: an amount or text box gets the focus, takes the text
// (the change chain runs) and loses the focus again, so it ends formatted as the window shows it; a box that
// another control owns (an option answer, a document type, the profession, a date, the telephone, a payment
// field) takes the value as that control sets it.
void typeBox(Rules& rules, int box, const QString& value);

}  // namespace zem
