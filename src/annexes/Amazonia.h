#pragma once

#include "annexes/AnnexEntry.h"
#include "annexes/AnnexRegister.h"

namespace zem {

// FrmAmazonia: the investments under the Amazon investment promotion law (Ley 27037), box 117. The
// beneficiary companies are rows of TMP_F0482RETCAB with casilla "117", always identified by RUC (type 6);
// the withholding payers of other boxes share the table and are never touched here. Box 117 is a
// deduction: it shows the total in parentheses, in whole units.
class AmazoniaRegister : public AnnexRegister {
    Q_OBJECT

public:
    explicit AmazoniaRegister(Session& session, DeclarationEditor& editor, QObject* parent = nullptr);
    std::unique_ptr<AnnexEntry> newEntry() override;

protected:
    QString shown(int row, const RegisterColumn& column) const override;
};

// FrmDetAmazonia: one beneficiary, its RUC (never the declarant's own), its business name and the amount
// invested.
class AmazoniaEntry : public AnnexEntry {
    Q_OBJECT

public:
    explicit AmazoniaEntry(AnnexRegister& owner);

    QString caption() const override;
    QString windowName() const override { return QStringLiteral("FrmDetAmazonia"); }
    QString frameCaption() const override;
    bool Valida_Datos() override;
    QString controlName(const QString& column) const override;

protected:
    QString storedValue(const QString& column) const override;
    QStringList writtenColumns() const override;
};

}  // namespace zem
