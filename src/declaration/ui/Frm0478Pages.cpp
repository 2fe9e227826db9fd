// The tabs of the declaration window, in the order and with the sections of the printed form.
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QTabWidget>
#include <QVBoxLayout>

#include "declaration/BoxTable.h"
#include "declaration/ui/BoxFields.h"
#include "declaration/ui/FormaDePagoZEM.h"
#include "declaration/ui/Frm0478.h"
#include "declaration/ui/OptionButtons.h"
#include "declaration/ui/PageLayout.h"
#include "startup/Session.h"
#include "startup/Utility.h"

namespace zem {

using namespace Qt::StringLiterals;

using namespace page;

QWidget* Frm0478::identificationPage() {
    auto* page = new QWidget(this);
    QVBoxLayout* layout = pageLayout(page);

    QGridLayout* general = newSection(layout, u"Datos Generales"_s);
    cmbRuc_ = new QComboBox(this);
    cmbRuc_->setObjectName(u"CmbRuc"_s);
    cmbRuc_->addItem(QString());
    for (const catalogue::ListEntry& e : form_.taxpayers())
        cmbRuc_->addItem(e.text, e.code);
    cmbRuc_->setMinimumWidth(420);
    connect(cmbRuc_, &QComboBox::activated, this, [this] {
        form_.chooseTaxpayer(cmbRuc_->currentText());
        showIdentification();
    });
    txtNumRuc_ = new QLineEdit(this);
    txtNumRuc_->setObjectName(u"TxtNumRUC"_s);
    txtNumRuc_->setEnabled(false);
    txtNumRuc_->setFixedWidth(130);
    auto* ruc = new QWidget(this);
    auto* rucLayout = new QHBoxLayout(ruc);
    rucLayout->setContentsMargins(0, 0, 0, 0);
    rucLayout->addWidget(cmbRuc_);
    rucLayout->addWidget(txtNumRuc_);
    rucLayout->addStretch(1);
    general->addWidget(new QLabel(u"Número de RUC"_s, this), 0, 0);
    general->addWidget(ruc, 0, 1);
    const QString names[] = {u"Apellido paterno"_s, u"Apellido materno"_s, u"Nombres"_s};
    for (int i = 0; i < 3; ++i) {
        general->addWidget(new QLabel(names[i], this), i + 1, 0);
        general->addWidget(field(801 + i), i + 1, 1, Qt::AlignLeft);
    }
    general->addWidget(new QLabel(u"Teléfono"_s, this), 4, 0);
    general->addWidget(field(28), 4, 1, Qt::AlignLeft);
    general->addWidget(new QLabel(boxInfo(25)->caption, this), 5, 0);
    general->addWidget(numbered(25), 5, 1, Qt::AlignLeft);
    general->setColumnStretch(0, 0);
    general->setColumnStretch(1, 1);

    QGridLayout* answers = newSection(layout, u"Datos de la declaración"_s);
    answers->addWidget(new QLabel(boxInfo(552)->caption, this), 0, 0);
    answers->addWidget(
        makeOption(OptionGroup::optPor, {{u"1"_s, u"Personal"_s}, {u"2"_s, u"Sociedad Conyugal"_s}}), 0, 1);
    answers->addWidget(new QLabel(boxInfo(554)->caption, this), 1, 0);
    answers->addWidget(makeOption(OptionGroup::optSom, kYesNo), 1, 1);
    answers->addWidget(new QLabel(boxInfo(5)->caption, this), 2, 0);
    answers->addWidget(makeOption(OptionGroup::OptRectifica, kYesNo), 2, 1);
    for (int row = 0; row < 3; ++row)
        qobject_cast<QLabel*>(answers->itemAtPosition(row, 0)->widget())->setWordWrap(true);

    auto* order = new QGroupBox(u"Número de orden de la declaración enviada"_s, this);
    orderFrame_ = order;
    auto* orderLayout = new QHBoxLayout(order);
    txtOrden_ = new BoxTextField(0, util::FiltraCodigo, this);
    txtOrden_->setObjectName(u"txtOrden"_s);
    txtOrden_->setMaxLength(15);
    txtOrden_->setFixedWidth(150);
    txtVerifica_ = new BoxTextField(0, util::FiltraCodigo, this);
    txtVerifica_->setObjectName(u"txtVerifica"_s);
    txtVerifica_->setMaxLength(2);
    txtVerifica_->setFixedWidth(50);
    orderLayout->addWidget(new QLabel(u"Número de orden"_s, this));
    orderLayout->addWidget(txtOrden_);
    orderLayout->addSpacing(20);
    orderLayout->addWidget(new QLabel(u"Dígito verificador"_s, this));
    orderLayout->addWidget(txtVerifica_);
    orderLayout->addStretch(1);
    layout->addWidget(order);
    Declaration& d = form_.declaration();
    connect(txtOrden_, &BoxTextField::keyTyped, this, [&d] { d.setOrderChanged(true); });
    connect(txtOrden_, &QLineEdit::textEdited, this, [&d](const QString& t) { d.setOrderNumber(t); });
    connect(txtVerifica_, &QLineEdit::textEdited, this, [&d](const QString& t) {
        d.setVerifyDigits(t);
        d.setOrderChanged(true);
    });
    layout->addStretch(1);
    return scrolled(page);
}

QWidget* Frm0478::incomePage() {
    auto* tabs = new QTabWidget(this);
    tabs->setObjectName(u"tabRentaImponible"_s);

    auto* first = new QWidget(this);
    QVBoxLayout* firstLayout = pageLayout(first);
    QGridLayout* grid = newSection(firstLayout, u"PRIMERA CATEGORIA"_s);
    for (int box : {100, 102, 501, 502, 503})
        addRow(grid, box);
    grid = newSection(firstLayout, u"SEGUNDA CATEGORIA"_s);
    for (int box : {520, 106, 504, 505, 506})
        addRow(grid, box);
    firstLayout->addStretch(1);
    tabs->addTab(scrolled(first), u"Primera y Segunda Categoría"_s);

    auto* fourth = new QWidget(this);
    QVBoxLayout* fourthLayout = pageLayout(fourth);
    grid = newSection(fourthLayout, u"CUARTA Y QUINTA CATEGORIA"_s);
    addHeading(grid, u"CUARTA CATEGORIA"_s);
    for (int box : {107, 507, 508, 108, 110, 509})
        addRow(grid, box, box == 507 ? form_.caption507() : QString());
    addHeading(grid, u"QUINTA CATEGORIA"_s);
    for (int box : {111, 510, 511, 512})
        addRow(grid, box);
    fourthLayout->addStretch(1);
    tabs->addTab(scrolled(fourth), u"Cuarta y Quinta Categoría"_s);

    auto* taxable = new QWidget(this);
    QVBoxLayout* taxableLayout = pageLayout(taxable);
    grid = newSection(taxableLayout, u"RENTA IMPONIBLE"_s);
    for (int box : {113, 522, 519, 514, 114, 523, 513, 116, 115, 528, 117, 515})
        addRow(grid, box);
    taxableLayout->addStretch(1);
    tabs->addTab(scrolled(taxable), u"Renta Imponible"_s);

    // The lines the assistants of boxes 102, 520 and 115 fill, shown as the printout lists them.
    auto* lines = new QWidget(this);
    QVBoxLayout* linesLayout = pageLayout(lines);
    grid = newSection(linesLayout, u"ASISTENTE CASILLA 102"_s);
    for (int box : {557, 558})
        addRow(grid, box);
    grid = newSection(linesLayout, u"ASISTENTE CASILLA 520"_s);
    for (int box : {550, 551})
        addRow(grid, box);
    grid =
        newSection(linesLayout, u"ASISTENTE CASILLA 115 - Saldo de las pérdidas de ejercicios anteriores"_s);
    for (int box : {526, 527, 555, 562})
        addRow(grid, box);
    linesLayout->addStretch(1);
    tabs->addTab(scrolled(lines), u"Detalle de Asistentes"_s);

    // Boxes 105 and 524 are kept with the declaration but have no line on the printed form.
    for (int box : {105, 524})
        field(box)->hide();
    return tabs;
}

QWidget* Frm0478::debtPage() {
    auto* page = new QWidget(this);
    auto* columns = new QHBoxLayout(page);
    columns->setContentsMargins(0, 0, 0, 0);
    auto* left = new QVBoxLayout;
    auto* right = new QVBoxLayout;
    left->setSpacing(10);
    right->setSpacing(10);
    columns->addLayout(left, 1);
    columns->addLayout(right, 1);

    QGridLayout* grid = newSection(left, u"IMPUESTO Y CRÉDITOS SIN DERECHO A DEVOLUCIÓN"_s);
    for (int box : {120, 122, 124, 516})
        addRow(grid, box);
    grid = newSection(left, u"CRÉDITOS CON DERECHO A DEVOLUCIÓN"_s);
    for (int box : {125, 133, 529, 127, 128, 129, 130, 131, 132})
        addRow(grid, box);
    left->addStretch(1);

    grid = newSection(right, u"SALDO POR REGULARIZAR"_s);
    addHeading(grid, u"A FAVOR DEL CONTRIBUYENTE"_s);
    addRow(grid, 141, u"Saldo a favor del contribuyente"_s);
    addRow(grid, 140,
           u"Utilización del saldo a favor: 1. Devolución   2. Aplicación contra futuros pagos a "
           "cuenta y/o regularización"_s);
    addHeading(grid, u"A FAVOR DEL FISCO"_s);
    for (int box : {142, 144, 145, 146, 180})
        addRow(grid, box);
    auto* pay = new QGroupBox(u"FORMA DE PAGO"_s, this);
    auto* payLayout = new QVBoxLayout(pay);
    payment_ = new FormaDePagoZEM(session_, pay);
    payment_->setObjectName(u"FormaDePagoZEM1"_s);
    payment_->bind(form_.declaration());
    payment_->setRecorder(&form_.edits());
    payLayout->addWidget(payment_);
    right->addWidget(pay);
    grid = newSection(right, u"ASISTENTE CASILLA 125 - Saldo a favor del ejercicio anterior"_s);
    for (int box : {563, 564, 565})
        addRow(grid, box);
    right->addStretch(1);

    auto* outer = new QWidget(this);
    auto* outerLayout = pageLayout(outer);
    outerLayout->addWidget(page);
    return scrolled(outer, u"hsDeuda"_s);
}

}  // namespace zem
