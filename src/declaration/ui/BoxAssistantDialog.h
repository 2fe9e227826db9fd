#pragma once

#include <QDialog>
#include <QList>
#include <functional>

class QLineEdit;
class QPushButton;

namespace zem {

class AmountField;
class BoxAssistant;
class MessageSink;

// The window of a box assistant over its model: one amount field per line (TxtMonto) under its caption, the
// read-only total (TxtTotal), "&Aceptar" (CmdGrabar) and "&Cancelar" (cmdCancelar). Enter moves to the next
// line. The line fed by the legal-norms register keeps its text: Enter or a digit there opens the register
// for its box and then shows what the register wrote into the box.
class BoxAssistantDialog : public QDialog {
    Q_OBJECT

public:
    BoxAssistantDialog(BoxAssistant& model, MessageSink& sink, QWidget* parent = nullptr);

    // Opens the legal-norms register for a box, modally over this window; false when there is none yet.
    void setRegisterOpener(std::function<bool(int box)> opener) { openRegister_ = std::move(opener); }

    AmountField* field(int index) const { return fields_.value(index); }
    QLineEdit* totalField() const { return total_; }
    QPushButton* acceptButton() const { return accept_; }
    QPushButton* cancelButton() const { return cancel_; }

private:
    void openRegisterFor(int index);
    void onAccept();

    BoxAssistant& model_;
    MessageSink& sink_;
    std::function<bool(int box)> openRegister_;
    QList<AmountField*> fields_;
    QLineEdit* total_ = nullptr;
    QPushButton* accept_ = nullptr;
    QPushButton* cancel_ = nullptr;
};

}  // namespace zem
