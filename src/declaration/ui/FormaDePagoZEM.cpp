#include "declaration/ui/FormaDePagoZEM.h"

#include "declaration/Rules.h"

#include <optional>

#include "declaration/DeclarationEdit.h"
#include "declaration/EditScopes.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QRegularExpressionValidator>

#include "data/Catalogue.h"
#include "data/ui/CatalogueCombo.h"
#include "declaration/Declaration.h"
#include "declaration/ui/ShownField.h"
#include "startup/Session.h"

namespace zem {

using namespace Qt::StringLiterals;

namespace {

constexpr int kChequeDigits = 15;

QString paymentTypeOf(const QString& type) {
    const QString t = type.trimmed().toUpper();
    return t == u"C"_s || t == u"E"_s ? t : QString();
}

}  // namespace

FormaDePagoZEM::FormaDePagoZEM(Session& session, QWidget* parent) : QWidget(parent) {
    setObjectName(u"FormaDePagoZEM1"_s);
    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(0, 0, 0, 0);

    cash_ = new QRadioButton(u"Efectivo"_s, this);
    cash_->setObjectName(u"OptEfectivo"_s);
    chequeOption_ = new QRadioButton(u"Cheque"_s, this);
    chequeOption_->setObjectName(u"OptCheque"_s);
    grid->addWidget(new QLabel(u"Forma de pago:"_s, this), 0, 0);
    grid->addWidget(cash_, 0, 1);
    grid->addWidget(chequeOption_, 0, 2);

    banks_ = new QComboBox(this);
    banks_->setObjectName(u"CboBanco"_s);
    if (session.gDB) {
        QList<catalogue::ListEntry> entries = catalogue::listEntries(
            session.db(), u"004"_s, u"*"_s, 1, 36, true, catalogue::ListOrder::ByDescription);
        // "00" stands for no bank.
        entries.removeIf([](const catalogue::ListEntry& e) { return e.code == u"00"_s; });
        ui::fillList(*banks_, entries);
    }
    auto* bankLabel = new QLabel(u"&Banco:"_s, this);
    bankLabel->setBuddy(banks_);
    grid->addWidget(bankLabel, 1, 0);
    grid->addWidget(banks_, 1, 1, 1, 2);

    chequeField_ = new QLineEdit(this);
    chequeField_->setObjectName(u"TxtNumCheque"_s);
    chequeField_->setMaxLength(kChequeDigits);
    chequeField_->setValidator(
        new QRegularExpressionValidator(QRegularExpression(u"[0-9]*"_s), chequeField_));
    auto* chequeLabel = new QLabel(u"N° de c&heque:"_s, this);
    chequeLabel->setBuddy(chequeField_);
    grid->addWidget(chequeLabel, 2, 0);
    grid->addWidget(chequeField_, 2, 1, 1, 2);

    amountField_ = new QLineEdit(this);
    amountField_->setObjectName(u"TxtMonto"_s);
    ui::makeShownOnly(amountField_);
    grid->addWidget(new QLabel(u"Importe:"_s, this), 3, 0);
    grid->addWidget(amountField_, 3, 1, 1, 2);
    grid->setColumnStretch(2, 1);

    connect(cash_, &QRadioButton::toggled, this, [this](bool on) {
        if (on && !showing_) {
            type_ = u"E"_s;
            userChanged();
        }
    });
    connect(chequeOption_, &QRadioButton::toggled, this, [this](bool on) {
        if (on && !showing_) {
            type_ = u"C"_s;
            userChanged();
        }
    });
    connect(banks_, &QComboBox::activated, this, [this] {
        bank_ = ui::selectedCode(*banks_);
        userChanged();
    });
    connect(chequeField_, &QLineEdit::textEdited, this, [this](const QString& text) {
        cheque_ = text;
        userChanged();
    });
    showValues();
}

void FormaDePagoZEM::setPaymentType(const QString& type) {
    type_ = paymentTypeOf(type);
    showValues();
    pushToModel();
}

void FormaDePagoZEM::setBankCode(const QString& code) {
    bank_ = code.trimmed();
    showValues();
    pushToModel();
}

void FormaDePagoZEM::setChequeNumber(const QString& number) {
    cheque_ = number.trimmed();
    showValues();
    pushToModel();
}

void FormaDePagoZEM::setAmount(const QString& amount) {
    amount_ = amount;
    showValues();
    pushToModel();
}

void FormaDePagoZEM::bind(Declaration& declaration) {
    if (d_)
        disconnect(d_, nullptr, this, nullptr);
    d_ = &declaration;
    connect(d_, &Declaration::paymentChanged, this, &FormaDePagoZEM::pullFromModel);
    pullFromModel();
}

void FormaDePagoZEM::showValues() {
    showing_ = true;
    if (type_.isEmpty()) {
        // Neither option: the buttons are exclusive only while one of them is on.
        for (QRadioButton* option : {cash_, chequeOption_}) {
            option->setAutoExclusive(false);
            option->setChecked(false);
            option->setAutoExclusive(true);
        }
    } else {
        (type_ == u"C"_s ? chequeOption_ : cash_)->setChecked(true);
    }
    if (ui::selectedCode(*banks_) != bank_)
        ui::selectCode(*banks_, bank_, 2);
    if (chequeField_->text() != cheque_)
        chequeField_->setText(cheque_);
    // The amount paid is box 180's, shown as the box shows it whether it was typed or read back.
    amountField_->setText(Rules::formaText(180, amount_));
    const bool cheque = type_ == u"C"_s;
    banks_->setEnabled(cheque);
    chequeField_->setEnabled(cheque);
    showing_ = false;
    Q_EMIT changed();
}

void FormaDePagoZEM::userChanged() {
    std::optional<EditRecorder::Scope> edit;
    if (recorder_)
        edit.emplace(*recorder_, QString::fromUtf16(edits::kPayment));
    showValues();
    pushToModel();
    if (d_)
        d_->setModified(true);
}

void FormaDePagoZEM::pushToModel() {
    if (!d_)
        return;
    // The model announces each field as it is set; the widget already holds all four.
    pushing_ = true;
    d_->setPaymentType(type_);
    d_->setPaymentBank(bank_);
    d_->setPaymentCheque(cheque_);
    d_->setPaymentAmount(amount_);
    pushing_ = false;
}

void FormaDePagoZEM::pullFromModel() {
    if (!d_ || pushing_)
        return;
    type_ = paymentTypeOf(d_->paymentType());
    bank_ = d_->paymentBank().trimmed();
    cheque_ = d_->paymentCheque().trimmed();
    amount_ = d_->paymentAmount();
    showValues();
}

}  // namespace zem
