#pragma once

#include <QString>

namespace zem {

class MessageSink;

// Amount entry: the check of the digits an amount may have, and the amount text without separators.

// The amount validator. In the context "NOTAS" an amount of value 0 is invalid, without a message. An empty
// text becomes "0.00" and is valid. Otherwise the amount may have at most maxIntegers digits before its
// decimal point and maxDecimals after it (a maxDecimals of 0 means 2); thousands separators do not count.
// A text that is not an amount (letters, signs, a second point, no digit at all) is invalid like one too
// long: the error box "Registre como máximo N enteros y M decimales", titled "Validación". An invalid text is
// left as it was.
bool validateAmount(QString& text, int maxIntegers, int maxDecimals, const QString& context,
                    MessageSink& sink);

// The amount normaliser: removes every "," from the text in place and returns "0.00" when the trimmed text is
// then empty, "0" or ".", else the text without separators.
QString normalizeAmount(QString& text);

// The message of an amount with too many digits.
QString amountLimitMessage(int maxIntegers, int maxDecimals);
inline constexpr char16_t kAmountValidationTitle[] = u"Validación";

}  // namespace zem
