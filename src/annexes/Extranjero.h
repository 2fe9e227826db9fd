#pragma once

#include "annexes/AnnexEntry.h"
#include "annexes/AnnexRegister.h"
#include "annexes/ParamChoices.h"

namespace zem {

// The investments in companies abroad (TMP_F0476EXTRA), listed in a grid of the declaration window, which
// also counts, totals and deletes them. The register serves the entry window FrmExtranjero and the batch
// tool; it feeds no box.
class ExtranjeroRegister : public AnnexRegister {
    Q_OBJECT

public:
    explicit ExtranjeroRegister(Session& session, DeclarationEditor& editor, QObject* parent = nullptr);
    std::unique_ptr<AnnexEntry> newEntry() override;

    // The countries (976, all of them), the posts in the company (913) and the operations offered (919).
    const ParamChoices& countries() const { return countries_; }
    const ParamChoices& posts() const { return posts_; }
    const ParamChoices& operations() const { return operations_; }
    const ParamChoices* choicesOf(const QString& column) const;

private:
    ParamChoices countries_;
    ParamChoices posts_;
    ParamChoices operations_;
};

// FrmExtranjero: one investment, by company name, country, post and operation, with its balance at the end
// of the year in whole units. Its key stays editable when modified: the row is found by the values on
// screen. Closing with unsaved changes asks whether to save them.
class ExtranjeroEntry : public AnnexEntry {
    Q_OBJECT

public:
    explicit ExtranjeroEntry(ExtranjeroRegister& owner);

    QString caption() const override { return QStringLiteral("Inversiones en el  Extranjero"); }
    QString windowName() const override { return QStringLiteral("FrmExtranjero"); }
    QString frameCaption() const override { return QStringLiteral("Inversiones en el Extranjero"); }
    QStringList choices(const QString& column) const override;
    QString choiceText(const QString& column, const QString& code) const override;
    bool Valida_Datos() override;
    QString controlName(const QString& column) const override;
    bool closeRequested() override { return saveOnClose(); }
    // The balance is whole units, typed "###########0".
    int integerDigits(const QString&) const override { return 12; }
    int decimals(const QString& column) const override;

protected:
    QString storedValue(const QString& column) const override;
    QStringList writtenColumns() const override;

private:
    ExtranjeroRegister& extra_;
};

}  // namespace zem
