#include "shell/ui/WindowFactory.h"

#include <QDialog>

#include "reports/ui/FrmImprimir.h"
#include "shell/ui/PlaceholderWindows.h"

namespace zem {

QDialog* WindowFactory::createDeclarationWindow(Session& session, const OpenRequest& request,
                                                QWidget* parent) const {
    if (declaration_)
        return declaration_(session, request, parent);
    return new PlaceholderFrm0478(request, parent);
}

QDialog* WindowFactory::createPrintDialog(Session& session, bool sent, QWidget* parent) const {
    if (print_)
        return print_(session, sent, parent);
    return new reports::frmImprimir(session, sent, parent);
}

}  // namespace zem
