#pragma once

#include <QString>
#include <QVariantList>

namespace zem {

// The six-digit check code stored in cNumero of every declaration record. Its input is the row's values in
// column order, the check code column itself last (it is left out), and n, the count of leading key columns.
//   Key sum: the numeric texts among the first n values, added.
//   Character sum: for every value from position n to the next-to-last, the cp1252 code of each character
//   times its 1-based position in the text.
//   Code: the last three digits of each sum, rounded to a whole number; key digits first.
// A value's text: a number as written ("6", "2006.5"), a date as "yyyymmdd", a text trimmed, empty for null.
// The sums use a 64-bit accumulator, so long texts cannot overflow.
QString checkCode(const QVariantList& row, int n = 5);

// The text of one value as the check code reads it.
QString checkCodeText(const QVariant& value);

}  // namespace zem
