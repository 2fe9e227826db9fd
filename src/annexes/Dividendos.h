#pragma once

#include "annexes/AnnexEntry.h"
#include "annexes/AnnexRegister.h"

namespace zem {

// The dividends received (TMP_F0476DIVID), listed in a grid of the declaration window; their distributed
// total is box 118. The register serves the entry window FrmRetenciones and the batch tool.
class DividendosRegister : public AnnexRegister {
    Q_OBJECT

public:
    DividendosRegister(Session& session, DeclarationEditor& editor, QObject* parent = nullptr);
    std::unique_ptr<AnnexEntry> newEntry() override;
};

// FrmRetenciones: one dividend payment, from a company (its RUC begins with "20"), paid in the year, in
// whole currency units.
class DividendosEntry : public AnnexEntry {
    Q_OBJECT

public:
    explicit DividendosEntry(AnnexRegister& owner);

    QString caption() const override;
    QString windowName() const override { return QStringLiteral("FrmRetenciones"); }
    QString frameCaption() const override { return QStringLiteral("Dividendos Percibidos"); }
    bool Valida_Datos() override;
    // Closing: with unsaved changes asks whether to save them (Yes saves, No drops, Cancel stays). True when
    // the window may close.
    bool closeRequested() override { return saveOnClose(); }
    // The dividend and its withholding are whole units of up to 12 digits.
    int integerDigits(const QString&) const override { return 12; }
    int decimals(const QString&) const override { return 0; }

protected:
    QString storedValue(const QString& column) const override;

private:
    bool Valida_FechadeRetencion();
};

}  // namespace zem
