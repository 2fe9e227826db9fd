#pragma once

#include <QString>

// The display formats of the system, each named once; Format (data/Format.h) reads them.
namespace zem::masks {

// A box of the declaration while it is edited: the whole number without separators.
inline const QString kBoxEdit = QStringLiteral("#########0");
// A box on screen after editing, and one that may be negative.
inline const QString kBoxShown = QStringLiteral("#,###,###,##0");
inline const QString kBoxSigned = QStringLiteral("##,###,###,##0;(##,###,###,##0)");
// An amount in grids, printouts and Forma; a deduction or a credit shown in parentheses; both in one.
inline const QString kAmount = QStringLiteral("###,###,###,##0");
inline const QString kNegative = QStringLiteral("(###,###,###,##0)");
inline const QString kAmountSigned = QStringLiteral("###,###,###,##0;(###,###,###,##0)");
// Two-decimal amounts of the annex records: in printouts and totals, and always with both decimals.
inline const QString kTwoDecimals = QStringLiteral("###,###,###,##0.#0");
inline const QString kTwoDecimalsFixed = QStringLiteral("###,###,###,##0.00");
// A box read as a whole number (Vale): rounded, no separators, parentheses read as negative.
inline const QString kWhole = QStringLiteral("##############0");
// A whole number without separators: a box while it has the focus in the declaration window, the value a box
// row keeps, the plain sum of box 115 while it is edited.
inline const QString kPlainWhole = QStringLiteral("###########0");
// Digits only, nothing for zero (box 118 from the dividends, the limit of box 122).
inline const QString kDigits = QStringLiteral("############");
// The cap of box 507 in its caption (24 UIT).
inline const QString kCaptionAmount = QStringLiteral("###,##0");
// A rate with four decimals (box 173 of the family's other forms).
inline const QString kRate = QStringLiteral("##0.#000");
// An annex amount while it is edited and once shown: two decimals.
inline const QString kAnnexEdit = QStringLiteral("#########0.#0");
inline const QString kAnnexShown = QStringLiteral("#,###,###,##0.00");
// Dates.
inline const QString kDate = QStringLiteral("dd/mm/yyyy");

}  // namespace zem::masks
