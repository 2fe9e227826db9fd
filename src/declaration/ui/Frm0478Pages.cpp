// The tabs of the declaration window, in the order and with the sections of the printed form.
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QScrollArea>
#include <QTabWidget>
#include <QVBoxLayout>

#include "data/Documents.h"
#include "declaration/BoxTable.h"
#include "declaration/FormOptions.h"
#include "declaration/ui/AnnexGridPanel.h"
#include "declaration/ui/BoxFields.h"
#include "declaration/ui/FormaDePagoZEM.h"
#include "declaration/ui/Frm0478.h"
#include "declaration/ui/OptionButtons.h"
#include "startup/Session.h"
#include "startup/Utility.h"

namespace zem {

using namespace Qt::StringLiterals;

namespace {

const QList<QPair<QString, QString>> kYesNo = {{u"1"_s, u"Sí"_s}, {u"0"_s, u"No"_s}};

// A page of a tab: its sections one below the other, scrolled when the window is small.
QVBoxLayout* pageLayout(QWidget* page) {
    auto* layout = new QVBoxLayout(page);
    layout->setContentsMargins(10, 10, 10, 10);
    layout->setSpacing(10);
    return layout;
}

QWidget* scrolled(QWidget* page, const QString& name = {}) {
    auto* area = new QScrollArea;
    area->setObjectName(name);
    area->setWidget(page);
    area->setWidgetResizable(true);
    area->setFrameShape(QFrame::NoFrame);
    return area;
}

QLabel* header(const QString& text, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    QFont bold = label->font();
    bold.setBold(true);
    label->setFont(bold);
    return label;
}

// A question with its answers on one line.
QWidget* question(const QString& text, QWidget* answers, QWidget* parent) {
    auto* row = new QWidget(parent);
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    auto* label = new QLabel(text, row);
    label->setWordWrap(true);
    layout->addWidget(label, 1);
    layout->addWidget(answers);
    return row;
}

}  // namespace

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

QWidget* Frm0478::complementaryPage() {
    auto* tabs = new QTabWidget(this);
    tabs->setObjectName(u"tabComplementaria"_s);
    tabs->addTab(scrolled(declarantPage()), u"Datos Contri./Rep. Legal/Cónyuge"_s);
    tabs->addTab(scrolled(otherIncomePage()), u"Otros Ingresos"_s);
    tabs->addTab(scrolled(rentalsPage()), u"Alquileres Pagados"_s);
    tabs->addTab(scrolled(fourthCategoryPage()), u"Detalle Cuarta Categoría"_s);
    tabs->addTab(scrolled(amazoniaPage()), u"Amazonía"_s);
    return tabs;
}

QWidget* Frm0478::declarantPage() {
    auto* page = new QWidget(this);
    QVBoxLayout* layout = pageLayout(page);
    layout->addWidget(question(u"DATOS DEL DECLARANTE"_s,
                               makeOption(OptionGroup::OptElabora,
                                          {{u"1"_s, u"Contribuyente"_s}, {u"2"_s, u"Representante Legal"_s}}),
                               this));
    makeTypeList(301, 302, documents::usage::kDeclarant);
    QGridLayout* grid = newSection(layout, u"DATOS DEL CONTRIBUYENTE / REPRESENTANTE LEGAL"_s);
    addRow(grid, 811, u"APELLIDO PATERNO"_s);
    addRow(grid, 812, u"APELLIDO MATERNO"_s);
    addRow(grid, 813, u"NOMBRES"_s);
    addRow(grid, 301, u"TIPO DOCUMENTO"_s);
    addRow(grid, 302, u"NUMERO DE DOCUMENTO"_s);
    makeTypeList(235, 236, documents::usage::kSpouse);
    grid = newSection(layout, u"DATOS DEL CONYUGE"_s);
    addRow(grid, 814, u"APELLIDO PATERNO"_s);
    addRow(grid, 815, u"APELLIDO MATERNO"_s);
    addRow(grid, 890, u"NOMBRES"_s);
    addRow(grid, 235, u"TIPO DOCUMENTO"_s);
    addRow(grid, 236, u"NUMERO DE DOCUMENTO"_s);
    addRow(grid, 234, u"FECHA DE NACIMIENTO"_s);
    layout->addStretch(1);
    return page;
}

QWidget* Frm0478::otherIncomePage() {
    auto* page = new QWidget(this);
    QVBoxLayout* layout = pageLayout(page);
    QGridLayout* grid = newSection(layout, u"OTROS INGRESOS"_s);
    grid->addWidget(question(boxInfo(560)->caption, makeOption(OptionGroup::optExonera, kYesNo), this),
                    grid->rowCount(), 0, 1, 2);
    addRow(grid, 200);
    grid->addWidget(question(boxInfo(561)->caption, makeOption(OptionGroup::optInafecta, kYesNo), this),
                    grid->rowCount(), 0, 1, 2);
    addRow(grid, 201);
    for (int box : {203, 118, 518})
        addRow(grid, box);

    grid = newSection(layout, u"Detalle de la casilla 200 - Rentas exoneradas"_s);
    for (int box : FormOptions::exemptLines())
        addRow(grid, box);
    grid = newSection(layout, u"Detalle de la casilla 201 - Rentas inafectas"_s);
    for (int box : FormOptions::nonTaxableLines())
        addRow(grid, box);
    layout->addStretch(1);
    return page;
}

QWidget* Frm0478::rentalsPage() {
    auto* page = new QWidget(this);
    QVBoxLayout* layout = pageLayout(page);
    layout->addWidget(question(boxInfo(27)->caption,
                               makeOption(OptionGroup::optInmueble, {{u"1"_s, u"Sí"_s}, {u"2"_s, u"No"_s}}),
                               this));
    auto* frame = new QGroupBox(
        u"Detalle de gastos por alquiler de bienes muebles e inmuebles correspondientes al año 2006, pagados "
        "o no en dicho año"_s,
        this);
    auto* grid = new QGridLayout(frame);
    grid->addWidget(header(u"Apellidos y nombres, denominación o razón social"_s, frame), 0, 0);
    grid->addWidget(header(u"Tipo Doc."_s, frame), 0, 1);
    grid->addWidget(header(u"Número de documento"_s, frame), 0, 2);
    grid->addWidget(header(u"Monto anual del alquiler (S/.)"_s, frame), 0, 3);
    const int numbers[] = {208, 209, 211};
    for (int i = 0; i < 3; ++i) {
        makeTypeList(204 + i, numbers[i], documents::usage::kLessor);
        grid->addWidget(numbered(819 + i), i + 1, 0);
        grid->addWidget(numbered(204 + i), i + 1, 1);
        grid->addWidget(numbered(numbers[i]), i + 1, 2);
        grid->addWidget(numbered(212 + i), i + 1, 3);
    }
    grid->setColumnStretch(0, 1);
    layout->addWidget(frame);
    layout->addStretch(1);
    return page;
}

QWidget* Frm0478::fourthCategoryPage() {
    auto* page = new QWidget(this);
    QVBoxLayout* layout = pageLayout(page);
    auto* frame = new QGroupBox(u"Detalle de las rentas de cuarta categoría (casillas 107 y 108)"_s, this);
    auto* grid = new QGridLayout(frame);
    grid->addWidget(header(u"Apellidos y nombres o razón social"_s, frame), 0, 0);
    grid->addWidget(header(u"Tipo Doc."_s, frame), 0, 1);
    grid->addWidget(header(u"Número de documento"_s, frame), 0, 2);
    grid->addWidget(header(u"Monto"_s, frame), 0, 3);
    const int numbers[] = {215, 217, 218, 219};
    for (int i = 0; i < 4; ++i) {
        makeTypeList(224 + i, numbers[i], documents::usage::kFourthCategory);
        grid->addWidget(numbered(822 + i), i + 1, 0);
        grid->addWidget(numbered(224 + i), i + 1, 1);
        grid->addWidget(numbered(numbers[i]), i + 1, 2);
        grid->addWidget(numbered(220 + i), i + 1, 3);
    }
    grid->setColumnStretch(0, 1);
    layout->addWidget(frame);
    layout->addWidget(
        new QLabel(u"Se habilita cuando la casilla 107 o la casilla 108 es mayor que cero."_s, this));
    layout->addStretch(1);
    return page;
}

QWidget* Frm0478::amazoniaPage() {
    auto* page = new QWidget(this);
    QVBoxLayout* layout = pageLayout(page);
    auto* frame =
        new QGroupBox(u"Promoción de la Inversión en la Amazonía - Ley 27037 (casilla 117)"_s, this);
    frame->setObjectName(u"fraAmazonia"_s);
    auto* grid = new QGridLayout(frame);
    grid->addWidget(header(u"Apellidos y nombres, denominación o razón social"_s, frame), 0, 0);
    grid->addWidget(header(u"Número de documento"_s, frame), 0, 1);
    grid->addWidget(header(u"Monto"_s, frame), 0, 2);
    for (int i = 0; i < 2; ++i) {
        grid->addWidget(numbered(817 + i), i + 1, 0);
        grid->addWidget(numbered(229 + i), i + 1, 1);
        grid->addWidget(numbered(231 + i), i + 1, 2);
    }
    grid->setColumnStretch(0, 1);
    layout->addWidget(frame);
    layout->addWidget(new QLabel(u"Se habilita cuando la casilla 117 es mayor que cero."_s, this));
    layout->addStretch(1);
    return page;
}

QWidget* Frm0478::additionalPage() {
    additionalTabs_ = new QTabWidget(this);
    additionalTabs_->setObjectName(u"tabAdicional"_s);
    additionalTabs_->addTab(scrolled(patrimonialPage()), u"Información General"_s);
    additionalTabs_->addTab(gridPage(AnnexGridKind::ForeignInvestments), u"Inversiones - Extranjero"_s);
    additionalTabs_->addTab(gridPage(AnnexGridKind::Trusts), u"Inversiones - Fideicomiso"_s);
    additionalTabs_->addTab(gridPage(AnnexGridKind::Dividends), u"Dividendos Percibidos"_s);
    additionalTabs_->addTab(gridPage(AnnexGridKind::CoOwners), u"Condóminos"_s);
    return additionalTabs_;
}

QWidget* Frm0478::patrimonialPage() {
    auto* page = new QWidget(this);
    QVBoxLayout* layout = pageLayout(page);
    layout->addWidget(question(u"¿Registrará información patrimonial al 31/12/"_s + session_.gAnio + u'?',
                               makeOption(OptionGroup::OptGeneral, kYesNo), this));
    auto* columns = new QHBoxLayout;
    auto* left = new QVBoxLayout;
    auto* right = new QVBoxLayout;
    columns->addLayout(left, 1);
    columns->addSpacing(12);
    columns->addLayout(right, 1);
    QGridLayout* grid = newSection(left, u"Bienes y derechos (1)"_s);
    for (int box = 840; box <= 846; ++box)
        addRow(grid, box);
    grid = newSection(right, u"Bienes y derechos (2)"_s);
    for (int box = 847; box <= 853; ++box)
        addRow(grid, box);
    layout->addLayout(columns);
    auto* total = new QHBoxLayout;
    total->addStretch(1);
    total->addWidget(header(u"Total"_s, this));
    txtTotal_ = new QLineEdit(this);
    txtTotal_->setObjectName(u"TxtTotal"_s);
    txtTotal_->setReadOnly(true);
    txtTotal_->setFocusPolicy(Qt::NoFocus);
    txtTotal_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    txtTotal_->setFixedWidth(130);
    txtTotal_->setText(form_.declaration().patrimonialTotal());
    total->addWidget(txtTotal_);
    layout->addLayout(total);
    layout->addStretch(1);
    return page;
}

QWidget* Frm0478::gridPage(AnnexGridKind kind) {
    auto* page = new QWidget(this);
    QVBoxLayout* layout = pageLayout(page);
    AnnexGrids& grids = form_.grids();
    const QStringList edit = {u"&Nuevo"_s, u"&Modificar"_s, u"&Eliminar"_s};
    AnnexGridPanel* panel = nullptr;
    switch (kind) {
        case AnnexGridKind::ForeignInvestments:
            layout->addWidget(question(u"¿Tiene inversiones en empresas en el extranjero?"_s,
                                       makeOption(OptionGroup::OptExtranjero, kYesNo), this));
            panel = new AnnexGridPanel(grids.grid(kind), u"grdExtranjero"_s, u"CmdExtranjero"_s, edit, this);
            panel->setTotalCaptions(u"Total: "_s);
            break;
        case AnnexGridKind::Trusts:
            layout->addWidget(question(u"¿Tiene inversiones en fideicomisos?"_s,
                                       makeOption(OptionGroup::OptFideicomiso, kYesNo), this));
            panel =
                new AnnexGridPanel(grids.grid(kind), u"grdFideicomiso"_s, u"cmdFideicomisos"_s, edit, this);
            panel->setTotalCaptions(u"Total: "_s);
            break;
        case AnnexGridKind::Dividends:
            layout->addWidget(
                new QLabel(u"Dividendos percibidos en el ejercicio; su total es la casilla 118."_s, this));
            panel =
                new AnnexGridPanel(grids.grid(kind), u"Grid_Dividendos"_s, u"CmdDividendos"_s, edit, this);
            panel->setTotalCaptions(u"Total dividendos: "_s, u"Total retenciones: "_s);
            break;
        case AnnexGridKind::CoOwners:
            layout->addWidget(
                question(boxInfo(559)->caption, makeOption(OptionGroup::optCondomino, kYesNo), this));
            panel = new AnnexGridPanel(grids.grid(kind), u"grdCondominos"_s, u"cmdCondominio"_s,
                                       {u"&Agregar"_s, u"&Eliminar"_s}, this);
            panel->setTotalCaptions(QString());
            break;
    }
    panels_.insert(static_cast<int>(kind), panel);
    connect(panel, &AnnexGridPanel::command, this, [this, kind](int index) { gridCommand(kind, index); });
    layout->addWidget(panel, 1);
    return page;
}

}  // namespace zem
