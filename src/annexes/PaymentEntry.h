#pragma once

#include "annexes/AnnexEntry.h"

namespace zem {

// What the entries of the payment registers share: the key fields (period, form number, order number) and
// the payment date, with their checks, and the form numbers the register accepts for its box.
class PaymentEntry : public AnnexEntry {
    Q_OBJECT

public:
    // The key and date fields come first, then the register's amounts.
    PaymentEntry(AnnexRegister& owner, const QList<EntryField>& amounts);

    QStringList choices(const QString& column) const override;

protected:
    // Steps 1 and 2 of Valida_Datos: in "NUEVO" the period (refused with periodMessage), the form number
    // and the order number; then the payment date, which may not be later than today.
    bool validaClaveYFecha(const QString& periodMessage);
};

}  // namespace zem
