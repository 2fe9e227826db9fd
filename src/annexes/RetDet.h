#pragma once

#include "annexes/RetLine.h"

namespace zem {

// frmRetDet: one payment receipt of a payer of box 107 (type, series, number, issue date and the income it
// attributes) for a period of the year. Leaving the series fills it with zeros to 4 digits, the number to 8
// (15 for the type "99"); the checks run in the window's order.
class RetDetEntry : public RetLineEntry {
    Q_OBJECT

public:
    explicit RetDetEntry(RetCabEntry& header);

    // The receipt types accepted on box 107 (catalogue "233", flag 68).
    QString windowName() const override { return QStringLiteral("frmRetDet"); }
    QStringList choices(const QString& column) const override;
    // The receipt type's description, "RECIBO POR HONORARIOS" for "02".
    QString choiceText(const QString& column, const QString& code) const override;
    // The income of a receipt takes 12 integer digits, 11 for a credit note ("07").
    int integerDigits(const QString& column) const override;
    bool leaveField(const QString& column) override;
    // Enter in an empty series or number refuses to move on.
    bool enterField(const QString& column) override;
    // Leaving with unsaved changes asks whether to keep them (Yes saves, No drops, Cancel stays).
    bool closeRequested() override;
    bool Valida_Datos() override;

protected:
    QString storedValue(const QString& column) const override;

private:
    // The fills of the series and the number, as leaving their fields makes them.
    void fill(const QString& column);
};

}  // namespace zem
