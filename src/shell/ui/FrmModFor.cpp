#include "shell/ui/FrmModFor.h"

#include <QPushButton>

#include "declaration/Deletion.h"
#include "declaration/Opening.h"
#include "shell/DeclarationLists.h"
#include "shell/ui/DeclarationGrid.h"
#include "shell/ui/ModalWindow.h"
#include "shell/ui/WindowFactory.h"
#include "shell/ui/ZemStatBar.h"
#include "startup/MessageSink.h"
#include "startup/Session.h"

namespace zem {

using namespace Qt::StringLiterals;

FrmModFor::FrmModFor(Session& session, const WindowFactory& windows, ZemStatBar* statusBar, bool deleting,
                     bool sent, QWidget* parent)
    : QDialog(parent), session_(session), windows_(windows), statusBar_(statusBar), deleting_(deleting) {
    setObjectName(u"frmModFor"_s);
    setWindowTitle(deleting ? u"Eliminar Formularios"_s : u"Modificar Formularios"_s);

    model_ = new DeclarationListModel(sent ? DeclarationList::Sent : DeclarationList::InPreparation, this);
    const DeclarationListParts parts =
        buildDeclarationList(this, sent ? u"Declaraciones Enviadas"_s : u"Declaraciones"_s,
                             deleting ? u"Seleccione la Declaración que desea eliminar :"_s
                                      : u"Seleccione la Declaración que desea modificar :"_s,
                             model_, deleting ? u"&Eliminar"_s : u"&Modificar"_s);
    grid_ = parts.grid;

    connect(parts.main, &QPushButton::clicked, this, &FrmModFor::act);
    connect(parts.close, &QPushButton::clicked, this, &QDialog::reject);
    connect(grid_, &DeclarationGrid::chosen, this, &FrmModFor::act);
    connect(grid_, &DeclarationGrid::rowChanged, this, &FrmModFor::showRowInStatusBar);

    reload();
    fitDeclarationColumns(grid_);
    resize(sent ? 880 : 620, 360);
    grid_->setFocus();
}

void FrmModFor::reload() {
    model_->setRows(declarationRows(session_.db(), sessionFilter(session_, model_->list())));
    if (model_->rowCount() > 0)
        grid_->setCurrentRow(0);
}

void FrmModFor::showRowInStatusBar(int row) {
    if (const DeclarationRow* r = model_->rowAt(row); r && statusBar_)
        statusBar_->showDeclaration(*r);
}

void FrmModFor::act() {
    const DeclarationRow* chosen = model_->rowAt(grid_->currentRow());
    if (!chosen)
        return;
    const DeclarationRow row = *chosen;
    const DeclarationList list = model_->list();

    if (deleting_) {
        MessageSink& sink = session_.sink;
        if (sink.ask(u"Se eliminarán todos los registros de la declaración "_s, u"Eliminar Formulario"_s,
                     MsgButtons::OkCancel, MsgAnswer::Cancel, MsgIcon::Exclamation) != MsgAnswer::Ok)
            return;
        if (sink.ask(u"¿Confirma que va a eliminar la declaración?"_s, u"Eliminar Formulario"_s,
                     MsgButtons::YesNo, MsgAnswer::No, MsgIcon::Question) != MsgAnswer::Yes)
            return;
        deleteDeclaration(session_, declarationKey(row, list));
        reload();
        return;
    }

    WaitCursor wait;
    showModal(
        windows_.createDeclarationWindow(session_, OpenRequest::existing(declarationKey(row, list)), this),
        &wait);
    // The declaration may have been saved with another status meanwhile.
    const int current = grid_->currentRow();
    reload();
    grid_->setCurrentRow(current);
}

}  // namespace zem
