#pragma once

#include <QHash>
#include <QList>
#include <QObject>
#include <QPair>
#include <QString>
#include <QStringList>
#include <memory>

namespace zem {

class AnnexRegister;

// How an entry field is typed.
enum class EntryKind {
    Period,    // per_tri, stored "yyyymm"; shown "mm/yyyy" with the year a fixed part of the mask
    Code,      // chosen from a list
    Digits,    // digits only (order numbers)
    Date,      // "dd/mm/yyyy"
    Amount,    // an amount of the record: at most 10 integer digits and 2 decimals
    Computed,  // worked out from the others, never typed
    Document,  // a document number: letters and digits
    Text,      // names and business names
};

struct EntryField {
    QString column;  // the stored column
    QString label;   // the caption beside the field; the messages name it
    EntryKind kind = EntryKind::Amount;
    bool key = false;  // part of the record's key: locked in "MODIFICA"
};

// The record a detail window enters or edits, in the mode the list chose: "NUEVO" for a new record,
// "MODIFICA" for the list's current row, whose key is then locked (found again by it when saved). The values
// are kept by stored column name as the fields hold them (the period as "yyyymm"). A register adds its
// fields, its derived amounts (changed) and its checks (Valida_Datos); saving, the duplicate key, clearing
// and capturing are the same for every register.
class AnnexEntry : public QObject {
    Q_OBJECT

public:
    static inline const QString kNuevo = QStringLiteral("NUEVO");
    static inline const QString kModifica = QStringLiteral("MODIFICA");

    AnnexEntry(AnnexRegister& owner, QList<EntryField> fields);
    ~AnnexEntry() override;

    AnnexRegister& owner() const { return owner_; }
    const QList<EntryField>& fields() const { return fields_; }
    const EntryField* field(const QString& column) const;
    // The caption of the detail window, and its name ("frmPagosDet", its help section).
    virtual QString caption() const = 0;
    virtual QString windowName() const = 0;
    // The frame around the fields.
    virtual QString frameCaption() const { return QStringLiteral("Detalle de pagos"); }

    // "NUEVO" or "MODIFICA".
    const QString& mode() const { return mode_; }
    bool isNew() const { return mode_ == kNuevo; }

    QString value(const QString& column) const { return values_.value(column); }
    // Sets a field as the user types it; the derived amounts follow. False, changing nothing, when the field
    // cannot take it: a computed, disabled or locked field, or characters the field does not accept.
    bool setValue(const QString& column, const QString& text);
    // A field the user may type in now.
    bool isEditable(const QString& column) const;
    bool isEnabled(const QString& column) const { return !disabled_.contains(column); }
    // The codes the list field offers (the form numbers of the register).
    virtual QStringList choices(const QString& column) const;
    // The description shown beside a code of the list ("PERÚ" for "9589"); "" when the list shows codes only.
    virtual QString choiceText(const QString& column, const QString& code) const;
    // The integer digits an amount field takes while it is typed (10 unless the register says otherwise).
    virtual int integerDigits(const QString& column) const;
    // The decimals of an amount field: 2, or 0 for an amount in whole units (typed "###########0", shown
    // "###,###,###,##0").
    virtual int decimals(const QString&) const { return 2; }
    // What is read from elsewhere and shown above the fields, not edited: pairs of caption and value (the
    // payer of a line).
    virtual QList<QPair<QString, QString>> shownAbove() const { return {}; }
    // The window's name for the control of a column when not the one its kind gives ("cboPais"); "" else.
    virtual QString controlName(const QString& column) const;
    // The frame that holds the field with others ("Fiduciario"); "" for a field of the window's own frame.
    virtual QString fieldGroup(const QString&) const { return {}; }

    // Limpia_variables: every field empty (the period shows only its fixed year).
    void Limpia_variables();
    // Captura_Datos: the row's values into the fields, amounts "#,###,###,##0.00" and empty when 0; the key
    // is locked and the mode becomes "MODIFICA".
    void Captura_Datos(int row);

    // Valida_Datos: the checks in their order; the first failure is shown and its field kept in
    // failedColumn(). Nothing is written.
    virtual bool Valida_Datos() = 0;
    // Graba_Datos: refuses a key already registered ("NUEVO"), adds or edits the row, marks it as entered by
    // the user, shows the confirmation.
    bool Graba_Datos();
    // "&Aceptar": Valida_Datos, Graba_Datos, the list read again and the modified flag cleared; a new entry
    // is then cleared for the next record. False when the record was not saved.
    bool accept();
    // Closing the detail window: true when it may close. An entry that asks before dropping unsaved changes
    // answers through saveOnClose().
    virtual bool closeRequested();

    // A header entered with its lines (a payer and its receipts): the register of its lines, and a new line
    // once the header passes its checks. A one-level entry has neither (nullptr).
    virtual AnnexRegister* lineRegister() const { return nullptr; }
    virtual std::unique_ptr<AnnexEntry> newLine() { return nullptr; }

    // Leaving a field as the window leaves it: the fills and checks a register makes there (a series filled
    // with zeros). False, with the message shown, when the field's text is refused.
    virtual bool leaveField(const QString& column);
    // Enter in a field, before the focus moves on: false, with the message shown, keeps the focus there (an
    // empty series of a receipt).
    virtual bool enterField(const QString& column);

    // The values of the register's key for this entry as they would be stored, the box first.
    QVariantList keyValues() const;
    // The values of these columns as they would be stored.
    QVariantList valuesOf(const QStringList& columns) const;

    // The field of the last failed check ("" when none).
    const QString& failedColumn() const { return failed_; }

    // The period as the window shows it, "01/2006", from the stored "200601"; and back.
    static QString periodText(const QString& perTri);
    static QString perTriOf(const QString& text);

Q_SIGNALS:
    void valueChanged(const QString& column);
    void enabledChanged(const QString& column);
    void modeChanged();

protected:
    // The derived amounts after a field changed (the change came from the user, not from a derivation).
    virtual void changed(const QString& column, const QString& before);
    // Whether a field takes the text as it is being typed, beyond the rule of its kind (a document number
    // as long and of the characters its type allows).
    virtual bool fits(const QString& column, const QString& text) const;
    // The value a column is stored with; the default stores amounts "#########0.00" and the rest trimmed.
    virtual QString storedValue(const QString& column) const;
    // The columns written besides the key; the default: every field that is not part of the key.
    virtual QStringList writtenColumns() const;

    // Writes that belong with the row, run in the same transaction after it (a header stored with its first
    // line). False rolls everything back.
    virtual bool writeAlso();
    void setMode(const QString& mode);

    // Sets a field from the entry itself (derived amounts, clearing), without the user's checks.
    void put(const QString& column, const QString& text);
    void setEnabled(const QString& column, bool enabled);
    // A refusal: the message (critical icon, title "Error" unless given) and the field that caused it.
    bool refuse(const QString& column, const QString& message,
                const QString& title = QStringLiteral("Error"));
    // Vacio / Vale of the detail windows: the trimmed amount is empty; its absolute value, 0 when empty.
    bool Vacio(const QString& column) const;
    double Vale(const QString& column) const;
    // The fiscal year ("2006").
    QString year() const;
    // With unsaved changes (and unless the declaration is a sent one) asks "La información ha sido
    // modificada. ¿Desea guardar los cambios?": Yes saves and closes when saved, No drops, Cancel stays.
    bool saveOnClose();

private:
    bool accepts(const EntryField& f, const QString& text) const;
    QStringList keyColumns() const;

    AnnexRegister& owner_;
    QList<EntryField> fields_;
    QString mode_ = kNuevo;
    QHash<QString, QString> values_;
    QStringList disabled_;
    QString failed_;
    QVariantList captured_;  // the key of the row captured in "MODIFICA"
};

}  // namespace zem
