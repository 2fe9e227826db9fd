#include "annexes/ui/AnnexWindows.h"

#include "annexes/AnnexRegister.h"
#include "annexes/Condominio.h"
#include "annexes/Registers.h"
#include "annexes/ui/FrmCondominio.h"
#include "annexes/ui/RegisterListWindow.h"
#include "declaration/Declaration.h"
#include "declaration/ui/FeederRegistry.h"
#include "startup/Session.h"

namespace zem {

namespace {

void openRegisterList(const FeederContext& context, int box) {
    const std::unique_ptr<AnnexRegister> model = openRegister(context.session, context.rules, box);
    if (!model)
        return;
    RegisterListWindow window(*model, context.parent);
    window.exec();
}

void openCondominio(const FeederContext& context, const QString&, const QVariantList&) {
    Condominio entry(context.session, context.declaration.ruc());
    FrmCondominio window(entry, context.declaration.isSent(), context.parent);
    window.exec();
}

}  // namespace

void registerAnnexWindows(FeederRegistry& registry) {
    for (Feeder feeder : {Feeder::DirectPayments, Feeder::PaymentsOnAccount})
        registry.setBoxOpener(feeder, openRegisterList);
    registry.setGridOpener(GridEntry::CoOwners, openCondominio);
}

}  // namespace zem
