#include "shell/ui/FrmAbrirEnv.h"

#include <QEvent>
#include <QPushButton>

#include "declaration/Opening.h"
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

    model_ = new DeclarationListModel(DeclarationList::SentForOrderNumber, this);
    const DeclarationListParts parts =
        buildDeclarationList(this, u"Declaraciones Enviadas"_s,
                             u"Seleccione la Declaración enviada cuyo número de orden desea registrar :"_s,
                             model_, u"&Registrar"_s);
    grid_ = parts.grid;
    QPushButton* open = parts.main;
    QPushButton* close = parts.close;

    connect(open, &QPushButton::clicked, this, &FrmAbrirEnv::act);
    connect(close, &QPushButton::clicked, this, &FrmAbrirEnv::reject);
    connect(grid_, &DeclarationGrid::chosen, this, &FrmAbrirEnv::act);
    connect(grid_, &DeclarationGrid::rowChanged, this, &FrmAbrirEnv::showRowInStatusBar);

    reload();
    fitDeclarationColumns(grid_);
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
    if (const DeclarationRow* r = model_->rowAt(row); r && statusBar_)
        statusBar_->showDeclaration(*r);
}

void FrmAbrirEnv::act() {
    const DeclarationRow* chosen = model_->rowAt(grid_->currentRow());
    if (!chosen)
        return;
    const OpenRequest request =
        OpenRequest::sentCopy(declarationKey(*chosen, DeclarationList::SentForOrderNumber), chosen->control);
    WaitCursor wait;
    showModal(windows_.createDeclarationWindow(session_, request, this), &wait);
    reload();
}

void FrmAbrirEnv::reject() {
    QDialog::reject();
}

}  // namespace zem
