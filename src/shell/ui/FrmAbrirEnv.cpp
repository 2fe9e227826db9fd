#include "shell/ui/FrmAbrirEnv.h"

#include <QEvent>

#include "declaration/Opening.h"

namespace zem {

using namespace Qt::StringLiterals;

FrmAbrirEnv::FrmAbrirEnv(Session& session, const WindowFactory& windows, ZemStatBar* statusBar,
                         QWidget* parent)
    : DeclarationListWindow(session, windows, statusBar, DeclarationList::SentForOrderNumber,
                            u"Declaraciones Enviadas"_s,
                            u"Seleccione la Declaración enviada cuyo número de orden desea registrar :"_s,
                            u"&Registrar"_s, parent) {
    setObjectName(u"frmAbrirEnv"_s);
    setWindowTitle(u"Registrar Número de Orden"_s);
    resize(880, 360);
}

bool FrmAbrirEnv::event(QEvent* event) {
    if (event->type() == QEvent::WindowActivate)
        reload();
    return DeclarationListWindow::event(event);
}

void FrmAbrirEnv::act() {
    if (const DeclarationRow* row = chosen())
        openDeclaration(OpenRequest::sentCopy(declarationKey(*row, model()->list()), row->control));
}

}  // namespace zem
