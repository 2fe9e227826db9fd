#pragma once

#include "annexes/AnnexEntry.h"
#include "annexes/AnnexRegister.h"
#include "annexes/ParamChoices.h"

namespace zem {

// frmFext: the credit for income tax paid abroad, box 122, one row per country in TMP_F0480FEXT (the table
// holds only box 122, so the list is every row).
class FextRegister : public AnnexRegister {
    Q_OBJECT

public:
    // Peru itself in the country catalogue 976: no tax paid abroad there.
    static inline const QString kPeru = QStringLiteral("9589");

    explicit FextRegister(Session& session, DeclarationEditor& editor, QObject* parent = nullptr);
    std::unique_ptr<AnnexEntry> newEntry() override;
    // CargarDesPais / CargaComboSinPeru: the countries and territories of catalogue 976 except Peru.
    const ParamChoices& countries() const { return countries_; }

protected:
    QString shown(int row, const RegisterColumn& column) const override;

private:
    ParamChoices countries_;
};

// frmFextdet: the tax paid in one country. Closing with unsaved changes asks whether to save them.
class FextEntry : public AnnexEntry {
    Q_OBJECT

public:
    explicit FextEntry(FextRegister& owner);

    QString caption() const override;
    QString windowName() const override { return QStringLiteral("frmFextdet"); }
    QString frameCaption() const override;
    QStringList choices(const QString& column) const override;
    QString choiceText(const QString& column, const QString& code) const override;
    bool Valida_Datos() override;
    QString controlName(const QString& column) const override;
    bool closeRequested() override { return saveOnClose(); }

protected:
    QString storedValue(const QString& column) const override;
    QStringList writtenColumns() const override;

private:
    FextRegister& fext_;
};

}  // namespace zem
