#pragma once

#include "annexes/AnnexRegister.h"
#include "annexes/PaymentEntry.h"

namespace zem {

// frmPagCta: the payments on account of fourth-category (independent work) tax, box 127, in TMP_F0480PAGCTA.
class PagCtaRegister : public AnnexRegister {
    Q_OBJECT

public:
    PagCtaRegister(Session& session, DeclarationEditor& editor, QObject* parent = nullptr);
    std::unique_ptr<AnnexEntry> newEntry() override;
};

// frmPagCtaDet: one payment on account. Its "Total" adds the balances and credits applied to the payment
// without interest; "Pago Total:" adds the interest. The three credit fields are open only on the
// credit-application forms.
class PagCtaEntry : public PaymentEntry {
    Q_OBJECT

public:
    explicit PagCtaEntry(AnnexRegister& owner);

    QString caption() const override;
    QString windowName() const override { return QStringLiteral("frmPagCtaDet"); }
    bool Valida_Datos() override;

    void CalcularMontoTotal();
    void CalcularMontoPago();
    // A credit-application form, by its 4-digit code or by the 3-digit code without the leading zero.
    static bool isCreditApplication(const QString& form);

protected:
    void changed(const QString& column, const QString& before) override;
};

}  // namespace zem
