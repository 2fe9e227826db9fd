#include "shell/ui/FrmModFor.h"

#include "declaration/Deletion.h"
#include "declaration/Opening.h"
#include "startup/MessageSink.h"
#include "startup/Session.h"

namespace zem {

using namespace Qt::StringLiterals;

FrmModFor::FrmModFor(Session& session, const WindowFactory& windows, ZemStatBar* statusBar, bool deleting,
                     bool sent, QWidget* parent)
    : DeclarationListWindow(session, windows, statusBar,
                            sent ? DeclarationList::Sent : DeclarationList::InPreparation,
                            sent ? u"Declaraciones Enviadas"_s : u"Declaraciones"_s,
                            deleting ? u"Seleccione la Declaración que desea eliminar :"_s
                                     : u"Seleccione la Declaración que desea modificar :"_s,
                            deleting ? u"&Eliminar"_s : u"&Modificar"_s, parent),
      deleting_(deleting) {
    setObjectName(u"frmModFor"_s);
    setWindowTitle(deleting ? u"Eliminar Formularios"_s : u"Modificar Formularios"_s);
    resize(sent ? 880 : 620, 360);
}

void FrmModFor::act() {
    const DeclarationRow* row = chosen();
    if (!row)
        return;
    const DeclarationKey key = declarationKey(*row, model()->list());
    if (!deleting_) {
        openDeclaration(OpenRequest::existing(key));
        return;
    }
    MessageSink& sink = session_.sink;
    if (sink.ask(u"Se eliminarán todos los registros de la declaración "_s, u"Eliminar Formulario"_s,
                 MsgButtons::OkCancel, MsgAnswer::Cancel, MsgIcon::Exclamation) != MsgAnswer::Ok)
        return;
    if (sink.ask(u"¿Confirma que va a eliminar la declaración?"_s, u"Eliminar Formulario"_s,
                 MsgButtons::YesNo, MsgAnswer::No, MsgIcon::Question) != MsgAnswer::Yes)
        return;
    deleteDeclaration(session_, key);
    reload();
}

}  // namespace zem
