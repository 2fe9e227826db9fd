#include "shell/ui/FrmAbrirEnv.h"

#include <QEvent>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "shell/DeclarationLists.h"
#include "shell/ui/DeclarationGrid.h"
#include "shell/ui/ModalWindow.h"
#include "shell/ui/WindowFactory.h"
#include "shell/ui/ZemStatBar.h"
#include "startup/Session.h"

namespace zem {

using namespace Qt::StringLiterals;

FrmAbrirEnv::FrmAbrirEnv(Session& session, const WindowFactory& windows, ZemStatBar* statusBar,
                         QWidget* parent)
    : QDialog(parent), session_(session), windows_(windows), statusBar_(statusBar) {
    setObjectName(u"frmAbrirEnv"_s);
    setWindowTitle(u"Registrar Número de Orden"_s);

    auto* frame = new QGroupBox(u"Declaraciones Enviadas"_s, this);
    auto* label =
        new QLabel(u"Seleccione la Declaración enviada cuyo número de orden desea registrar :"_s, frame);
    model_ = new DeclarationListModel(DeclarationList::SentForOrderNumber, this);
    grid_ = new DeclarationGrid(frame);
    grid_->setObjectName(u"grdContrib"_s);
    grid_->setModel(model_);
    auto* frameLayout = new QVBoxLayout(frame);
    frameLayout->addWidget(label);
    frameLayout->addWidget(grid_);

    auto* open = new QPushButton(u"&Registrar"_s, this);
    open->setObjectName(u"cmdAccion0"_s);
    auto* close = new QPushButton(u"&Salir"_s, this);
    close->setObjectName(u"cmdAccion1"_s);
    for (QPushButton* b : {open, close})
        b->setAutoDefault(false);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(open);
    buttons->addWidget(close);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(frame);
    layout->addLayout(buttons);

    connect(open, &QPushButton::clicked, this, &FrmAbrirEnv::act);
    connect(close, &QPushButton::clicked, this, &FrmAbrirEnv::reject);
    connect(grid_, &DeclarationGrid::chosen, this, &FrmAbrirEnv::act);
    connect(grid_, &DeclarationGrid::rowChanged, this, &FrmAbrirEnv::showRowInStatusBar);

    reload();
    grid_->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    grid_->horizontalHeader()->setSectionResizeMode(1, QHeaderView::Stretch);
    grid_->horizontalHeader()->setStretchLastSection(false);
    resize(880, 360);
    grid_->setFocus();
}

void FrmAbrirEnv::reload() {
    const DeclarationRow* before = model_->rowAt(grid_->currentRow());
    const QString ruc = before ? before->ruc : QString();
    const QString correl = before ? before->correl : QString();

    model_->setRows(
        declarationRows(session_.db(), sessionFilter(session_, DeclarationList::SentForOrderNumber)));
    int row = model_->rowCount() > 0 ? 0 : -1;
    for (int i = 0; i < model_->rowCount(); ++i) {
        const DeclarationRow* r = model_->rowAt(i);
        if (r->ruc == ruc && r->correl == correl)
            row = i;
    }
    grid_->setCurrentRow(row);
}

bool FrmAbrirEnv::event(QEvent* event) {
    if (event->type() == QEvent::WindowActivate)
        reload();
    return QDialog::event(event);
}

void FrmAbrirEnv::showRowInStatusBar(int row) {
    const DeclarationRow* r = model_->rowAt(row);
    if (!statusBar_ || !r)
        return;
    statusBar_->setNumDoc(r->ruc);
    statusBar_->setNombre(r->nombre);
    statusBar_->setAnio(r->periodoShown());
    statusBar_->setFormulario(r->formulario);
}

void FrmAbrirEnv::act() {
    const DeclarationRow* chosen = model_->rowAt(grid_->currentRow());
    if (!chosen)
        return;
    selectDeclaration(session_, *chosen, DeclarationList::SentForOrderNumber);
    session_.gRegistrar = true;
    WaitCursor wait;
    showModal(windows_.createDeclarationWindow(session_, this), &wait);
    reload();
}

void FrmAbrirEnv::reject() {
    session_.gRegistrar = false;
    QDialog::reject();
}

}  // namespace zem
