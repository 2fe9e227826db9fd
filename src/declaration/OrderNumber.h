#pragma once

#include <QString>

namespace zem {

// The check-digit extension of a text: the text trimmed and cut to its first 17 characters, followed by its
// modulo-11 check digit. The characters are weighed from the right with 2, 3, 4, 5, 6, 7, 2, 3 ... (a
// non-digit counts 0); the digit is 11 minus the remainder, 11 giving 1 and 10 giving 0. An empty text gives
// "".
QString checkDigitExtension(const QString& text);

// The two verification digits of an order number given to a sent declaration: d1 is the ninth character of
// the extension of the control code (its own check digit for the usual 8-digit code), d2 the check digit of
// the control code + order number + d1, cut to 17 characters.
QString orderVerificationDigits(const QString& control, const QString& orderNumber);

enum class OrderNumberCheck {
    Valid,
    TooShort,     // fewer than 8 characters: "     El número de orden no es válido"
    WrongDigits,  // the typed digits are not d1 d2: "     El dígito Verificador es incorrecto"
};

OrderNumberCheck verifyOrderNumber(const QString& control, const QString& orderNumber, const QString& digits);

}  // namespace zem
