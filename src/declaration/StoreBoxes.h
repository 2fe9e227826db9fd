#pragma once

#include <QList>
#include <QString>

namespace zem {

// How the boxes of the declaration are kept in the box rows (DET, HDET).

// The 118 amount and data boxes the declaration window saves as a block, in save order.
const QList<int>& savedBoxList();

// Boxes stored exactly as typed (dates, document numbers, codes with leading zeros, names and their
// continuations, the telephone, the co-owners' documents). Every other value goes through the whole-number
// format "###########0", which rounds an amount to whole units and leaves other text as it is.
bool storedAsTyped(int box);

// The i_valor stored for a box value, or "" when the box gets no row: an empty value or an untouched masked
// field ("________", "__/__/____").
QString storedBoxValue(int box, const QString& value);

// "05" for box 180 (the amount to pay), "01" for every other box.
QString idCasilla(int box);

// Boxes that the load does not put into their text boxes as they are: other controls own them (names,
// document types, payment, option 005 ...) or they are derived when saving (002, 007, 721, 871 ...).
bool excludedFromBoxLoad(int box);

// The co-owners' document pairs written from TMP_F0480CONDOMI: boxes 400-499.
inline constexpr int kFirstCoOwnerBox = 400;
inline constexpr int kLastCoOwnerBox = 499;

}  // namespace zem
