#pragma once

#include "annexes/AnnexEntry.h"

namespace zem {

class RetRegister;

// frmOtrasdet for the one-level records: a donation of box 519 (beneficiary entity, date in the year,
// amount; at most 50 donors) or the ITF withheld by a bank (box 522), whose bank movement is the amount
// divided by 0.0008 (the tax is 0.08 % of the movement).
class DonationEntry : public AnnexEntry {
    Q_OBJECT

public:
    explicit DonationEntry(RetRegister& owner);

    QString caption() const override;
    QString windowName() const override { return QStringLiteral("frmOtrasdet"); }
    QString frameCaption() const override;
    bool Valida_Datos() override;
    // Calcularitf: "Movimiento bancario" from the amount withheld.
    void Calcularitf();

protected:
    void changed(const QString& column, const QString& before) override;
    QString storedValue(const QString& column) const override;
    QStringList writtenColumns() const override;

private:
    bool donation() const;
    bool Valida_FechadeDonacion();

    RetRegister& ret_;
};

}  // namespace zem
