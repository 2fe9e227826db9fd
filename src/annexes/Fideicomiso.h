#pragma once

#include "annexes/AnnexEntry.h"
#include "annexes/AnnexRegister.h"
#include "annexes/ParamChoices.h"

namespace zem {

// The investments in trusts (TMP_F0480FIDEI), listed in a grid of the declaration window, which also counts,
// totals and deletes them. The register serves the entry window FrmFide480 and the batch tool; it feeds no
// box.
class FideicomisoRegister : public AnnexRegister {
    Q_OBJECT

public:
    // The type "other" of both type lists, which asks for a description of its own.
    static inline const QString kOther = QStringLiteral("7");

    explicit FideicomisoRegister(Session& session, DeclarationEditor& editor, QObject* parent = nullptr);
    std::unique_ptr<AnnexEntry> newEntry() override;

    // The document types of the trustee and of the settlor (044), the patrimony types offered (678) and the
    // trust types (679).
    const ParamChoices* choicesOf(const QString& column) const;

private:
    ParamChoices trustees_;
    ParamChoices settlors_;
    ParamChoices patrimonies_;
    ParamChoices trusts_;
};

// FrmFide480: one trust investment: trustee and settlor (document type and number), patrimony and trust
// types, each type "7" with its own description, and the balance at the end of the year. The six type and
// number fields are its key, locked when modified.
class FideicomisoEntry : public AnnexEntry {
    Q_OBJECT

public:
    explicit FideicomisoEntry(FideicomisoRegister& owner);

    QString caption() const override { return QStringLiteral("Inversiones en Fideicomisos"); }
    QString windowName() const override { return QStringLiteral("FrmFide480"); }
    QString frameCaption() const override { return QStringLiteral("Inversiones en Fideicomisos"); }
    QStringList choices(const QString& column) const override;
    QString choiceText(const QString& column, const QString& code) const override;
    bool Valida_Datos() override;
    QString controlName(const QString& column) const override;
    QString fieldGroup(const QString& column) const override;

protected:
    void changed(const QString& column, const QString& before) override;
    QString storedValue(const QString& column) const override;

private:
    bool chosen(const QString& column) const;
    bool documentValid(const QString& type, const QString& number) const;

    FideicomisoRegister& fide_;
};

}  // namespace zem
