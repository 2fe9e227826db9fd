#pragma once

#include <QPointer>
#include <QString>
#include <QWidget>

class QComboBox;
class QLineEdit;
class QRadioButton;

namespace zem {

class Declaration;
class EditRecorder;
struct Session;

// The payment method of the declaration: cash ("E") or cheque ("C"), the bank that draws the cheque (bank
// list of the catalogue "004"), the cheque number (digits) and the amount paid, which follows box 180 and is
// not typed here. Bank and cheque number can be entered only for a cheque.
//
// Bound to a declaration, the widget and the model's payment fields stay in step both ways: what the user
// chooses goes to the model (and marks the declaration modified), what the model receives (a load, box 180)
// shows in the widget.
class FormaDePagoZEM : public QWidget {
    Q_OBJECT
    Q_PROPERTY(QString paymentType READ paymentType WRITE setPaymentType NOTIFY changed)
    Q_PROPERTY(QString bankCode READ bankCode WRITE setBankCode NOTIFY changed)
    Q_PROPERTY(QString chequeNumber READ chequeNumber WRITE setChequeNumber NOTIFY changed)
    Q_PROPERTY(QString amount READ amount WRITE setAmount NOTIFY changed)

public:
    explicit FormaDePagoZEM(Session& session, QWidget* parent = nullptr);

    // "C" cheque, "E" cash, "" none chosen; any other value counts as none.
    QString paymentType() const { return type_; }
    void setPaymentType(const QString& type);
    // The two-character bank code; "" when no bank is chosen.
    QString bankCode() const { return bank_; }
    void setBankCode(const QString& code);
    QString chequeNumber() const { return cheque_; }
    void setChequeNumber(const QString& number);
    QString amount() const { return amount_; }
    void setAmount(const QString& amount);

    void bind(Declaration& declaration);
    // Each change the user makes is recorded as one edit ("forma de pago") for undo.
    void setRecorder(EditRecorder* recorder) { recorder_ = recorder; }

Q_SIGNALS:
    // A value changed (chosen by the user, set, or received from the model).
    void changed();

private:
    void showValues();
    void userChanged();
    void pushToModel();
    void pullFromModel();

    QPointer<Declaration> d_;
    EditRecorder* recorder_ = nullptr;
    QString type_, bank_, cheque_, amount_;
    bool showing_ = false;  // the controls are being set: their signals are not the user's
    bool pushing_ = false;  // the model is being set: its signals echo the widget
    QRadioButton* cash_ = nullptr;
    QRadioButton* chequeOption_ = nullptr;
    QComboBox* banks_ = nullptr;
    QLineEdit* chequeField_ = nullptr;
    QLineEdit* amountField_ = nullptr;
};

}  // namespace zem
