#pragma once

#include "annexes/AnnexRegister.h"
#include "annexes/RetTexts.h"

namespace zem {

// frmRet: the payers of one of the boxes 106, 107, 108, 111, 129, 130, 131 (a header in TMP_F0482RETCAB
// with its lines: the receipts of box 107 in TMP_F0480RETDET, the months of the others in TMP_F0480DETRTA),
// and the one-level records of the donations (519) and of the ITF withheld by the banks (522). The total is
// that of the lines (box 107: the receipts; 519, 522: the records themselves); the box is written after every
// change of the list. Deleting a payer deletes its lines with it.
class RetRegister : public AnnexRegister {
    Q_OBJECT

public:
    static constexpr int kMaxDonors = 50;

    RetRegister(Session& session, DeclarationEditor& editor, int box, QObject* parent = nullptr);

    const RetTexts& texts() const { return texts_; }
    // "&Nuevo": box 519 takes at most 50 donors ("Sólo se permite registrar hasta 50 donantes").
    bool canAdd();
    // The entry of a new record: the payer header (RetCabEntry), or for 519 and 522 the record itself;
    // nullptr when canAdd() refuses.
    std::unique_ptr<AnnexEntry> newEntry() override;

protected:
    QString shown(int row, const RegisterColumn& column) const override;

private:
    RetTexts texts_;
};

// The lines of one payer: the receipts of box 107 (frmRetCab's grid over TMP_F0480RETDET) or the monthly
// amounts of the other boxes (TMP_F0480DETRTA). Its entries are made by the payer header, which owns it.
class RetLinesRegister : public AnnexRegister {
    Q_OBJECT

public:
    RetLinesRegister(Session& session, DeclarationEditor& editor, int box, QObject* parent = nullptr);

    // The payer column of the lines: num_doc_ret for the receipts, num_ruc for the months.
    QString payerColumn() const;
    // Lines are entered through their payer (RetCabEntry::newLine).
    std::unique_ptr<AnnexEntry> newEntry() override { return nullptr; }

protected:
    QString shown(int row, const RegisterColumn& column) const override;
};

// A payer's name as the lists run it together: the business name and the paternal surname, one blank, the
// maternal surname, one blank and the given names.
QString payerName(const AnnexRegister& r, int row);

}  // namespace zem
