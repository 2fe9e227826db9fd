#include "declaration/ui/Assistants.h"

#include "declaration/BoxAssistant.h"
#include "declaration/ui/BoxAssistantDialog.h"
#include "declaration/ui/FeederRegistry.h"
#include "startup/Session.h"

namespace zem {

void openAssistant(AssistantKind kind, const FeederContext& context, const FeederRegistry& registry) {
    BoxAssistant model(kind, context.rules, context.session.sink);
    BoxAssistantDialog dialog(model, context.session.sink, context.parent);
    dialog.setRegisterOpener([&](int box) {
        const FeederContext inner{&dialog, context.session, context.declaration, context.rules,
                                  context.editor};
        return registry.openFeeder(Feeder::Norms, inner, box);
    });
    dialog.exec();
}

void registerAssistants(FeederRegistry& registry) {
    for (AssistantKind kind : {AssistantKind::Exoneradas, AssistantKind::Inafectas, AssistantKind::Perdidas,
                               AssistantKind::Ganancias, AssistantKind::EjercicioAnt, AssistantKind::Ficta}) {
        registry.setBoxOpener(
            assistantDef(kind).feeder,
            [kind, &registry](const FeederContext& context, int) { openAssistant(kind, context, registry); });
    }
}

}  // namespace zem
