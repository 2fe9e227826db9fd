#include "RegisterPages.h"

#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QSpinBox>
#include <QStandardItemModel>
#include <QTableView>
#include <QVBoxLayout>

#include "data/Documents.h"
#include "shell/Registration.h"
#include "startup/MessageSink.h"
#include "startup/Session.h"

namespace zem {

using namespace Qt::StringLiterals;

namespace {

QTableView* listView(QStandardItemModel* model, QWidget* parent) {
    auto* table = new QTableView(parent);
    table->setModel(model);
    table->setSelectionBehavior(QAbstractItemView::SelectRows);
    table->setSelectionMode(QAbstractItemView::SingleSelection);
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->setAlternatingRowColors(true);
    table->verticalHeader()->setVisible(false);
    table->horizontalHeader()->setStretchLastSection(true);
    return table;
}

QList<QStandardItem*> itemRow(const QStringList& texts) {
    QList<QStandardItem*> items;
    for (const QString& t : texts)
        items << new QStandardItem(t);
    return items;
}

}  // namespace

TaxpayerPage::TaxpayerPage(Session& session, QWidget* parent) : QWidget(parent), session_(session) {
    model_ = new QStandardItemModel(this);
    table_ = listView(model_, this);
    table_->setObjectName(u"grdContribuyentes"_s);

    ruc_ = new QLineEdit(this);
    ruc_->setMaxLength(11);
    ruc_->setValidator(new QRegularExpressionValidator(QRegularExpression(u"\\d{0,11}"_s), ruc_));
    apellidoP_ = new QLineEdit(this);
    apellidoM_ = new QLineEdit(this);
    nombres_ = new QLineEdit(this);
    nombre_ = new QLineEdit(this);
    nombre_->setObjectName(u"txtNombre"_s);
    nombre_->setPlaceholderText(u"Se arma con los apellidos y nombres si se deja vacío"_s);
    tipoIngreso_ = new QSpinBox(this);
    tipoIngreso_->setObjectName(u"spnTipoIngreso"_s);
    tipoIngreso_->setRange(1, 9);
    tipoIngreso_->setValue(2);
    tipoIngreso_->setToolTip(u"2: rentas de personas naturales (formulario 0482)"_s);
    usuario_ = new QComboBox(this);
    usuario_->setObjectName(u"cboUsuario"_s);

    auto* form = new QFormLayout;
    form->addRow(u"&RUC:"_s, ruc_);
    form->addRow(u"Apellido &paterno:"_s, apellidoP_);
    form->addRow(u"Apellido &materno:"_s, apellidoM_);
    form->addRow(u"N&ombres:"_s, nombres_);
    form->addRow(u"Nombre &completo o razón social:"_s, nombre_);
    form->addRow(u"&Tipo de ingreso:"_s, tipoIngreso_);
    form->addRow(u"&Usuario:"_s, usuario_);

    auto* fresh = new QPushButton(u"&Nuevo"_s, this);
    fresh->setObjectName(u"cmdNuevoContribuyente"_s);
    auto* save = new QPushButton(u"&Grabar"_s, this);
    save->setObjectName(u"cmdGrabarContribuyente"_s);
    connect(fresh, &QPushButton::clicked, this, &TaxpayerPage::clearForm);
    connect(save, &QPushButton::clicked, this, &TaxpayerPage::save);
    connect(table_->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this](const QModelIndex& current) { loadRow(current.row()); });
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(fresh);
    buttons->addWidget(save);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(table_, 1);
    layout->addLayout(form);
    layout->addLayout(buttons);
    reload();
    clearForm();
}

void TaxpayerPage::reload() {
    model_->clear();
    model_->setHorizontalHeaderLabels(
        {u"RUC"_s, u"Apellidos y Nombres / Razón Social"_s, u"Tipo de ingreso"_s, u"Usuario"_s});
    for (const Taxpayer& t : taxpayers(session_.db(), session_.usuario()))
        model_->appendRow(itemRow({t.ruc, t.nombre, QString::number(t.tipoIngreso), t.usuario}));
    table_->resizeColumnsToContents();

    // A user who sees only the own taxpayers registers them only under the own name.
    const QString chosen = usuario_->currentText();
    usuario_->clear();
    if (documents::userKind(session_.db(), session_.usuario()) == u"0") {
        for (const User& u : users(session_.db()))
            usuario_->addItem(u.usuario);
    } else {
        usuario_->addItem(session_.usuario());
    }
    usuario_->setEnabled(usuario_->count() > 1);
    const int at = usuario_->findText(chosen.isEmpty() ? session_.usuario() : chosen);
    usuario_->setCurrentIndex(at >= 0 ? at : usuario_->findText(session_.usuario()));
}

void TaxpayerPage::clearForm() {
    table_->clearSelection();
    for (QLineEdit* e : {ruc_, apellidoP_, apellidoM_, nombres_, nombre_})
        e->clear();
    tipoIngreso_->setValue(2);
    usuario_->setCurrentIndex(usuario_->findText(session_.usuario()));
    ruc_->setFocus();
}

void TaxpayerPage::loadRow(int row) {
    if (row < 0)
        return;
    const QString ruc = model_->item(row, 0)->text();
    for (const Taxpayer& t : taxpayers(session_.db(), session_.usuario())) {
        if (t.ruc != ruc)
            continue;
        ruc_->setText(t.ruc);
        apellidoP_->setText(t.apellidoP);
        apellidoM_->setText(t.apellidoM);
        nombres_->setText(t.nombre1);
        nombre_->setText(t.nombre);
        tipoIngreso_->setValue(t.tipoIngreso);
        usuario_->setCurrentIndex(usuario_->findText(t.usuario));
    }
}

bool TaxpayerPage::save() {
    Taxpayer t{ruc_->text(),    apellidoP_->text(),    apellidoM_->text(),     nombres_->text(),
               nombre_->text(), tipoIngreso_->value(), usuario_->currentText()};
    if (!registerTaxpayer(session_.db(), session_.sink, t, session_.usuario()))
        return false;
    session_.sink.info(u"El contribuyente "_s + t.ruc.trimmed() + u" fue grabado."_s, u"Zemlanda"_s);
    reload();
    Q_EMIT taxpayersChanged();
    return true;
}

UserPage::UserPage(Session& session, QWidget* parent) : QWidget(parent), session_(session) {
    model_ = new QStandardItemModel(this);
    table_ = listView(model_, this);
    table_->setObjectName(u"grdUsuarios"_s);
    usuario_ = new QLineEdit(this);
    usuario_->setObjectName(u"txtUsuario"_s);
    tipo_ = new QComboBox(this);
    tipo_->setObjectName(u"cboTipo"_s);
    tipo_->addItem(u"0 - Ve todos los contribuyentes"_s, u"0"_s);
    tipo_->addItem(u"1 - Ve solo los contribuyentes que registró"_s, u"1"_s);

    auto* form = new QFormLayout;
    form->addRow(u"&Usuario:"_s, usuario_);
    form->addRow(u"&Tipo:"_s, tipo_);
    auto* fresh = new QPushButton(u"&Nuevo"_s, this);
    fresh->setObjectName(u"cmdNuevoUsuario"_s);
    auto* save = new QPushButton(u"&Grabar"_s, this);
    save->setObjectName(u"cmdGrabarUsuario"_s);
    connect(fresh, &QPushButton::clicked, this, &UserPage::clearForm);
    connect(save, &QPushButton::clicked, this, &UserPage::save);
    connect(table_->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this](const QModelIndex& current) {
                if (!current.isValid())
                    return;
                // The chosen user's kind may change; a new user starts from "Nuevo".
                usuario_->setText(model_->item(current.row(), 0)->text());
                usuario_->setReadOnly(true);
                tipo_->setCurrentIndex(tipo_->findData(model_->item(current.row(), 1)->text()));
            });
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(fresh);
    buttons->addWidget(save);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(table_, 1);
    layout->addLayout(form);
    layout->addLayout(buttons);
    reload();
}

void UserPage::reload() {
    model_->clear();
    model_->setHorizontalHeaderLabels({u"Usuario"_s, u"Tipo"_s});
    for (const User& u : users(session_.db()))
        model_->appendRow(itemRow({u.usuario, u.tipo}));
    table_->resizeColumnsToContents();
}

void UserPage::clearForm() {
    table_->clearSelection();
    table_->setCurrentIndex({});
    usuario_->clear();
    usuario_->setReadOnly(false);
    tipo_->setCurrentIndex(tipo_->findData(u"1"_s));
    usuario_->setFocus();
}

bool UserPage::save() {
    const User u{usuario_->text().trimmed(), tipo_->currentData().toString()};
    if (!registerUser(session_.db(), session_.sink, u))
        return false;
    session_.sink.info(u"El usuario "_s + u.usuario + u" fue grabado."_s, u"Zemlanda"_s);
    reload();
    Q_EMIT usersChanged();
    return true;
}

}  // namespace zem
