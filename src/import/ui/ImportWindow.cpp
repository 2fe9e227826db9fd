#include "import/ui/ImportWindow.h"

#include "declaration/Declaration.h"
#include "declaration/ui/FeederRegistry.h"
#include "import/ui/FrmSombra.h"
#include "startup/Session.h"

namespace zem {

void registerImportWindow(FeederRegistry& registry) {
    registry.setImportOpener([](const FeederContext& context) {
        if (!context.editor)
            return;
        DeclarationKey key;
        key.ruc = context.declaration.ruc().left(11).trimmed();
        key.periodo = context.session.gAnio;
        key.formulario = context.session.gFormulario;
        FrmSombra window(context.session, key, context.rules, *context.editor, context.parent);
        window.exec();
    });
}

}  // namespace zem
