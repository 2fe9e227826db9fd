#include "shell/ui/WindowFactory.h"

#include <QDialog>

#include "shell/ui/PlaceholderWindows.h"

namespace zem {

QDialog* WindowFactory::createDeclarationWindow(Session& session, QWidget* parent) const {
    if (declaration_)
        return declaration_(session, parent);
    return new PlaceholderFrm0478(session, parent);
}

QDialog* WindowFactory::createPrintDialog(Session& session, QWidget* parent) const {
    if (print_)
        return print_(session, parent);
    return new PlaceholderFrmImprimir(session, parent);
}

}  // namespace zem
