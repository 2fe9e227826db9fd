#pragma once

#include <QString>

namespace zem {

// The texts of the withholding registers by box (106, 107, 108, 111, 129, 130, 131, 519, 522): the list
// window, the payer header and the entry of its lines.
struct RetTexts {
    QString listCaption;  // frmRet
    QString totalLabel;
    QString amountName;     // the amount as the entry names it: "Monto retenido"
    QString headerCaption;  // frmRetCab
    QString detailFrame;
    QString headerAmount;  // the amount column of the header's lines
    QString payerFrame;
    QString entryCaption;  // frmOtrasdet
};

RetTexts retTexts(int box, const QString& year);

// The boxes whose payers are withholding agents identified only by their RUC (type "06" fixed).
bool rucOnlyPayer(int box);
// Boxes 519 and 522 keep one-level records (one row per entity); the others a payer with its lines.
bool oneLevelBox(int box);

}  // namespace zem
