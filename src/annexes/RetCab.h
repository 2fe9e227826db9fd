#pragma once

#include <memory>

#include "annexes/AnnexEntry.h"

namespace zem {

class RetLinesRegister;
class RetRegister;

// frmRetCab: a payer of boxes 106, 107, 108, 111, 129, 130 or 131 (document type from the catalogue, number,
// names) with its lines: the receipts of box 107 or the monthly amounts of the others. The header is stored
// with its first line, in the same transaction, and its key is locked from then on. Type "99" (no document)
// gets the number "C" + the box's counter; the counter is stored only with the header.
class RetCabEntry : public AnnexEntry {
    Q_OBJECT

public:
    explicit RetCabEntry(RetRegister& owner);
    ~RetCabEntry() override;

    RetRegister& ret() const { return ret_; }
    QString caption() const override;
    QString windowName() const override { return QStringLiteral("frmRetCab"); }
    // The document types the box's payers may carry, two-digit codes ("06").
    QStringList choices(const QString& column) const override;
    // The type chosen, as the catalogue keys it ("6", "99"); "" when none.
    QString typeCode() const;
    bool isRuc() const { return typeCode() == u"6"; }

    // The payer's lines (the detail grid gridRet).
    RetLinesRegister& lines() const { return *lines_; }
    AnnexRegister* lineRegister() const override;
    // cmddetalle 0 and 1: the header is checked first; nullptr (with the message) when refused.
    std::unique_ptr<AnnexEntry> newLine() override;
    std::unique_ptr<AnnexEntry> lineFor(int row);
    // cmddetalle 2: asks, deletes the line and keeps the payer's total.
    bool deleteLine(int row);

    // GeneraNumeroDeDocumento: the next number of the box for a payer without document, "C0000001".
    QString GeneraNumeroDeDocumento() const;
    bool ValidaCab();
    // False, with the message, when the payer is already registered on the box ("NUEVO").
    bool Repetido();
    // ValidaCab, Repetido, at least one line and a total that fits.
    bool Valida_Datos() override;
    // cmddetalle 4: the questions of leaving; true when the window may close.
    bool leave();

    // Run by a line's save, in its transaction: stores the header with its first line (and the counter of a
    // generated number), or brings its total up to date.
    bool storeWithLine();

protected:
    void changed(const QString& column, const QString& before) override;
    // The number takes what its type allows: no more characters than the type's length (unless the length
    // is a minimum), digits only for the numeric types.
    bool fits(const QString& column, const QString& text) const override;
    QString storedValue(const QString& column) const override;
    QStringList writtenColumns() const override;

private:
    int flagPosition() const;
    bool stored() const;
    QString sumColumn() const;
    void followType(const QString& before);

    RetRegister& ret_;
    std::unique_ptr<RetLinesRegister> lines_;
};

}  // namespace zem
