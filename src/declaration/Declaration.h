#pragma once

#include <QHash>
#include <QObject>
#include <QSet>
#include <QString>
#include <functional>

namespace zem {

struct DeclarationState;

// The option groups of the declaration. Each answer is kept as the code the box table stores ("" when nothing
// is chosen):
//   optInmueble   box 027          "1" rent paid, "2" no rent paid
//   optPor        box 552          "1" Personal, "2" Sociedad Conyugal
//   optSom        box 554          "1" / "0" the personalised file is used
//   OptElabora    box 556          "1" Contribuyente, "2" Representante Legal
//   optCondomino  box 559          "1" / "0"
//   optExonera    box 560          "1" / "0"
//   optInafecta   box 561          "1" / "0"
//   OptRectifica  box 005 and 871  "1" / "0"
//   OptGeneral, OptExtranjero, OptFideicomiso: "1" / "0", not stored as boxes (they follow their data on
//   load).
enum class OptionGroup {
    optInmueble,
    optPor,
    optSom,
    OptElabora,
    optCondomino,
    optExonera,
    optInafecta,
    OptRectifica,
    OptGeneral,
    OptExtranjero,
    OptFideicomiso,
};

// The box that stores an option group's answer, 0 for the groups that are not stored.
int optionBox(OptionGroup group);

// Three-digit box code: 5 -> "005".
QString boxCode(int box);

// The name box whose characters 16-30 a continuation box holds (827 -> 817, 891 -> 818, 829 -> 819,
// 892 -> 820, 831..835 -> 821..825); 0 for any other box.
int nameOfContinuation(int box);
// The continuation box of a name box 817-825; 0 for any other box.
int continuationOfName(int box);

// Document-type boxes: 204-206 (lessors), 224-227 (fourth-category lines), 301 (declarant or representative),
// 235 (spouse). Their text is the two-character type code ("06").
bool isDocumentTypeBox(int box);

// One declaration as the window shows it: every box as text (TxtValor), each box's enabled and locked state,
// the option answers, the payment fields and the window's flags. Computation, validation and storage work on
// this model; windows bind to it and follow its signals.
//
// Boxes that other controls own in the window are boxes here too, holding the codes the box table stores:
// option answers (027, 552, 554, 556, 559, 560, 561, 005), document types (204-206, 224-227, 301, 235),
// profession 025, spouse's birth date 234 ("dd/mm/yyyy"), telephone 028, and the names 811-825 and 890 at
// their full length (the store splits 817-825 at 15 characters into their continuation boxes).
class Declaration : public QObject {
    Q_OBJECT

public:
    explicit Declaration(QObject* parent = nullptr);

    // --- Box texts -----------------------------------------------------------------------------------------
    QString text(int box) const { return texts_.value(box); }
    // Sets a box text. When it changes, emits boxChanged, sets the modified flag and, unless the load flag is
    // raised, runs the change handler (the change chain) for the box.
    void setText(int box, const QString& text);
    // Every box that holds a text, in ascending order.
    QList<int> filledBoxes() const;

    // Sets a value as the load from the box rows sets it: option answers, the payment fields (598 amount,
    // 599 type, 015 bank, 012 cheque number), "002"/"007"/"721" (ignored: derived) and any other box's text.
    // The names 817-825 are stored in two parts (characters 1-15 in the box, 16-30 in its continuation box
    // 827-835, 891 or 892): either part joins the other into the name box, in whichever order they come.
    // A load starts from clear().
    void setStoredValue(int box, const QString& value);

    // --- Box state -----------------------------------------------------------------------------------------
    bool isEnabled(int box) const { return !disabled_.contains(box); }
    bool isLocked(int box) const { return locked_.contains(box); }
    void setEnabled(int box, bool enabled);
    void setLocked(int box, bool locked);
    // Enabled, unlocked (white) / emptied, disabled, locked (button face).
    void enableBox(int box);
    void disableBox(int box);

    // --- Options -------------------------------------------------------------------------------------------
    QString option(OptionGroup group) const;
    void setOption(OptionGroup group, const QString& code);

    // --- Payment-method component ------------------------------------------------------------------------
    QString paymentType() const { return paymentType_; }  // "C" cheque, "E" cash, "" none
    QString paymentBank() const { return paymentBank_; }
    QString paymentCheque() const { return paymentCheque_; }
    QString paymentAmount() const { return paymentAmount_; }
    void setPaymentType(const QString& type);
    void setPaymentBank(const QString& bank);
    void setPaymentCheque(const QString& number);
    void setPaymentAmount(const QString& amount);

    // --- Identification ---------------------------------------------------------------------------------
    QString ruc() const { return ruc_; }  // the declarant's RUC (CmbRuc in entry mode 1, TxtNumRUC in mode 2)
    void setRuc(const QString& ruc);
    int entryMode() const { return entryMode_; }  // 1 new declaration, 2 existing
    void setEntryMode(int mode) { entryMode_ = mode; }

    // --- Sent declaration -------------------------------------------------------------------------------
    bool isSent() const { return sent_; }
    void setSent(bool sent) { sent_ = sent; }
    QString correl() const { return correl_; }
    void setCorrel(const QString& correl) { correl_ = correl; }
    QString orderNumber() const { return orderNumber_; }    // txtOrden
    QString verifyDigits() const { return verifyDigits_; }  // txtVerifica
    void setOrderNumber(const QString& number);
    void setVerifyDigits(const QString& digits);
    bool orderChanged() const { return orderChanged_; }
    void setOrderChanged(bool changed) { orderChanged_ = changed; }

    // --- Window flags --------------------------------------------------------------------------------------
    bool isLoading() const { return loading_; }
    void setLoading(bool loading) { loading_ = loading; }
    bool isModified() const { return modified_; }
    void setModified(bool modified);
    // Off while a box has the focus for editing, on otherwise (box 115 shows a plain sum while edited).
    bool displayFormat() const { return displayFormat_; }
    void setDisplayFormat(bool on) { displayFormat_ = on; }

    // The total of the patrimonial lines 840-853 (TxtTotal), "" when they are all empty.
    QString patrimonialTotal() const { return patrimonialTotal_; }
    void setPatrimonialTotal(const QString& total);

    // The change chain: called with the box after each change of its text while not loading.
    void setChangeHandler(std::function<void(int)> handler) { changeHandler_ = std::move(handler); }

    // Empties every box and answer and resets the flags (a new declaration).
    void clear();

    // Every value a user edit can change, as one value (DeclarationState.h); cheap to take.
    DeclarationState state() const;

Q_SIGNALS:
    void boxChanged(int box);
    void boxStateChanged(int box);
    void optionChanged(zem::OptionGroup group);
    void paymentChanged();
    void identificationChanged();
    void orderNumberChanged();
    void modifiedChanged(bool modified);
    void patrimonialTotalChanged();

private:
    QHash<int, QString> texts_;
    QSet<int> disabled_;
    QSet<int> locked_;
    QHash<OptionGroup, QString> options_;
    QString paymentType_, paymentBank_, paymentCheque_, paymentAmount_;
    QString ruc_;
    int entryMode_ = 1;
    bool sent_ = false;
    QString correl_;
    QString orderNumber_, verifyDigits_;
    bool orderChanged_ = false;
    bool loading_ = false;
    bool modified_ = false;
    bool displayFormat_ = true;
    QString patrimonialTotal_;
    QHash<int, QString> nameHeads_, nameTails_;  // the two stored parts of the names 817-825 while loading
    std::function<void(int)> changeHandler_;
};

}  // namespace zem
