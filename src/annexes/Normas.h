#pragma once

#include "annexes/AnnexEntry.h"
#include "annexes/AnnexRegister.h"
#include "annexes/ParamChoices.h"

namespace zem {

// frmNorma: the credits granted by legal norms, box 124 (without refund) and box 132 (with refund), and the
// detail of other exempt income (539) and other non-taxable income (540) that the assistants of boxes 200
// and 201 open, all in TMP_F0480NORMAS. A row is identified by box, type, number, year and article; rows
// entered here store "0" as year and article, so a norm is entered once per box, type and number.
class NormasRegister : public AnnexRegister {
    Q_OBJECT

public:
    NormasRegister(Session& session, DeclarationEditor& editor, int box, QObject* parent = nullptr);
    std::unique_ptr<AnnexEntry> newEntry() override;
    // CargarDesNorma: the norm types of catalogue 833.
    const ParamChoices& normTypes() const { return types_; }

protected:
    QString shown(int row, const RegisterColumn& column) const override;

private:
    ParamChoices types_;
};

// frmNormaDet: one norm, its type ("Tipo:", cboNorma), number ("Número:", txtnumero) and amount. The year
// and the article are not asked: they are stored as "0".
class NormasEntry : public AnnexEntry {
    Q_OBJECT

public:
    explicit NormasEntry(NormasRegister& owner);

    QString caption() const override;
    QString windowName() const override { return QStringLiteral("frmNormaDet"); }
    QString frameCaption() const override;
    QStringList choices(const QString& column) const override;
    QString choiceText(const QString& column, const QString& code) const override;
    bool Valida_Datos() override;
    QString controlName(const QString& column) const override;

protected:
    QString storedValue(const QString& column) const override;

private:
    NormasRegister& normas_;
};

}  // namespace zem
