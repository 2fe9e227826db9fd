#include "annexes/ui/FrmCondominio.h"

#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "annexes/Condominio.h"
#include "startup/MessageSink.h"

namespace zem {

using namespace Qt::StringLiterals;

FrmCondominio::FrmCondominio(Condominio& entry, bool sent, QWidget* parent)
    : QDialog(parent), entry_(entry), sent_(sent) {
    setObjectName(u"frmCondominio"_s);
    setWindowTitle(Condominio::kCaption);
    setModal(true);
    auto* layout = new QVBoxLayout(this);
    auto* form = new QFormLayout;
    cboTipo_ = new QComboBox(this);
    cboTipo_->setObjectName(u"cboTipo"_s);
    cboTipo_->addItem(QString());
    for (const QString& code : entry.types())
        cboTipo_->addItem(code);
    txtNumero_ = new QLineEdit(this);
    txtNumero_->setObjectName(u"txtNumero"_s);
    txtNumero_->setMaxLength(15);
    form->addRow(u"Tipo de Documento"_s, cboTipo_);
    form->addRow(u"Número de Documento"_s, txtNumero_);
    layout->addLayout(form);
    auto* buttons = new QHBoxLayout;
    auto* aceptar = new QPushButton(u"&Aceptar"_s, this);
    aceptar->setObjectName(u"cmddetalle0"_s);
    auto* salir = new QPushButton(u"&Salir"_s, this);
    salir->setObjectName(u"cmddetalle1"_s);
    buttons->addStretch();
    buttons->addWidget(aceptar);
    buttons->addWidget(salir);
    layout->addLayout(buttons);
    connect(cboTipo_, &QComboBox::currentTextChanged, this,
            [this](const QString& t) { entry_.setTipDoc(t); });
    connect(txtNumero_, &QLineEdit::textEdited, this, [this](const QString& t) { entry_.setNumRuc(t); });
    connect(aceptar, &QPushButton::clicked, this, &FrmCondominio::aceptar);
    connect(salir, &QPushButton::clicked, this, &FrmCondominio::reject);
}

void FrmCondominio::showEntry() {
    cboTipo_->setCurrentIndex(qMax(0, cboTipo_->findText(entry_.tipDoc())));
    txtNumero_->setText(entry_.numRuc());
}

void FrmCondominio::aceptar() {
    switch (entry_.accept()) {
        case Condominio::Result::Refused:
            (entry_.failedField() == u"tip_doc_con" ? static_cast<QWidget*>(cboTipo_) : txtNumero_)
                ->setFocus();
            return;
        case Condominio::Result::Saved:
            showEntry();
            cboTipo_->setFocus();
            return;
        case Condominio::Result::Full:
            QDialog::accept();
            return;
    }
}

void FrmCondominio::reject() {
    if (entry_.isModified() && !sent_) {
        switch (entry_.askToSave()) {
            case MsgAnswer::Yes:  // accepts, and stays open for the next co-owner
                aceptar();
                return;
            case MsgAnswer::No:
                break;
            default:
                return;
        }
    }
    QDialog::reject();
}

}  // namespace zem
