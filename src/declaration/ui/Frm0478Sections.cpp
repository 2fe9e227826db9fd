// The complementary and additional information of the declaration window: the declarant, the spouse, other
// income, rentals paid, the fourth-category detail, Amazonía, the patrimonial lines and the grids.
#include <algorithm>

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QTabWidget>
#include <QVBoxLayout>

#include "data/Documents.h"
#include "declaration/BoxTable.h"
#include "declaration/FormOptions.h"
#include "declaration/ui/AnnexGridPanel.h"
#include "declaration/ui/BoxFields.h"
#include "declaration/ui/Frm0478.h"
#include "declaration/ui/OptionButtons.h"
#include "declaration/ui/PageLayout.h"
#include "declaration/ui/ShownField.h"
#include "startup/Session.h"

namespace zem {

using namespace Qt::StringLiterals;
using namespace page;

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
    layout->addWidget(question(boxInfo(556)->caption,
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
    // Names, document types and numbers and the date in one column, their box numbers one under another.
    QList<QWidget*> column = {mkeFecNac_};
    for (int box : {811, 812, 813, 301, 302, 814, 815, 890, 235, 236})
        column << field(box);
    int width = 0;
    for (QWidget* w : std::as_const(column))
        width = std::max(width, w->sizeHint().width());
    for (QWidget* w : std::as_const(column))
        w->setFixedWidth(width);
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
    // The total stands under the boxes of the second column.
    auto* total = new QHBoxLayout;
    total->setContentsMargins(
        0, 0, grid->contentsMargins().right() + grid->parentWidget()->contentsMargins().right(), 0);
    total->addStretch(1);
    total->addWidget(header(u"Total"_s, this));
    txtTotal_ = new QLineEdit(this);
    txtTotal_->setObjectName(u"TxtTotal"_s);
    ui::makeShownOnly(txtTotal_);
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
