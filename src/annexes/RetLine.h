#pragma once

#include "annexes/AnnexEntry.h"

namespace zem {

class RetCabEntry;

// A line of a payer: its box and payer come from the header, and saving it stores the header with it.
class RetLineEntry : public AnnexEntry {
    Q_OBJECT

public:
    RetLineEntry(RetCabEntry& header, QList<EntryField> fields);
    RetCabEntry& header() const { return header_; }
    QString caption() const override;
    QString windowName() const override { return QStringLiteral("frmOtrasdet"); }
    QString frameCaption() const override;
    // The payer the line belongs to: its document number and its name.
    QList<QPair<QString, QString>> shownAbove() const override;

protected:
    QString storedValue(const QString& column) const override;
    bool writeAlso() override;

private:
    RetCabEntry& header_;
};

// frmOtrasdet for boxes 106 to 131: the amount of one month of the payer.
class MonthEntry : public RetLineEntry {
    Q_OBJECT

public:
    explicit MonthEntry(RetCabEntry& header);
    bool Valida_Datos() override;
};

}  // namespace zem
