#pragma once

#include <QDate>
#include <QString>
#include <optional>

// The one format routine of the system: number masks as the family writes them.
//   #  digit, nothing where the number has no digit      0  digit, zero where the number has no digit
//   ,  thousands grouping (between digit placeholders)   .  decimal point
//   ;  separates the positive (and zero) section from the negative one; a third section serves zero
//   any other character is written as it stands: ( ) / -
// Rounding is half away from zero. With one section a negative number gets a leading minus; with two the
// negative section shows the absolute value. Trailing '#' decimal places are dropped when they are zero
// (".#0" keeps both decimals). A mask of only '#' prints nothing for zero.
namespace zem {

// A text as the family's Format sees it: an empty text stays empty, a text that is not a number comes back
// unchanged, a number is formatted with the mask. Masks with "dd", "mm", "yyyy" or "hh" format dates and
// times (the text "dd/mm/yyyy", or ISO "yyyy-mm-dd").
QString Format(const QString& text, const QString& mask);
QString Format(double value, const QString& mask);

// "dd/mm/yyyy" and "hh:mm:ss".
QString formatDate(const QDate& date);
QString formatTime(const QTime& time);

// Reads an amount as the boxes write it: blanks around, a sign, thousands separators, a decimal point, or the
// whole amount between parentheses for a negative one ("(1,235)" is -1235). No value for anything else
// (empty text, letters, a lone "." or ",", several points, an overflowing number).
std::optional<double> parseAmount(const QString& text);
inline bool IsNumeric(const QString& text) {
    return parseAmount(text).has_value();
}

// The numeric value of a text, 0 when it is not numeric.
double Val(const QString& text);

// The Qt input mask of a period field: two month digits, "/" and the fiscal year as a fixed part. Every
// character of the year is escaped (99/\2\0\0\6;_), since '0' and '9' are mask characters: unescaped,
// typing "12" would yield "12/26". Blank positions show '_'.
QString periodInputMask(const QString& year);

// A value rounded half away from zero to the given decimals (as Format rounds).
double roundHalfAway(double value, int decimals = 0);

}  // namespace zem
