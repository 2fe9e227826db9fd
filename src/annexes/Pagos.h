#pragma once

#include "annexes/AnnexRegister.h"
#include "annexes/PaymentEntry.h"

namespace zem {

// frmPagos: the direct payments of first-category tax (box 133) and second-category tax (box 529) in
// TMP_F0480PAGOS. Box 133 also totals the taxable income declared for each period, which goes to box 100.
class PagosRegister : public AnnexRegister {
    Q_OBJECT

public:
    PagosRegister(Session& session, DeclarationEditor& editor, int box, QObject* parent = nullptr);
    std::unique_ptr<AnnexEntry> newEntry() override;
};

// frmPagosDet: one direct payment. "Pago Total:" is the payment plus the interest; on box 133 a payment
// proposes the taxable income it corresponds to (the payment divided by 0.12), which the user may change.
class PagosEntry : public PaymentEntry {
    Q_OBJECT

public:
    explicit PagosEntry(AnnexRegister& owner);

    QString caption() const override;
    QString windowName() const override { return QStringLiteral("frmPagosDet"); }
    bool Valida_Datos() override;

    void CalcularMontoTotal();
    void CalcularMontoPago();

protected:
    void changed(const QString& column, const QString& before) override;

private:
    bool firstCategory() const;
};

}  // namespace zem
