#include "annexes/ui/AnnexWindows.h"

#include "annexes/AnnexRegister.h"
#include "annexes/Registers.h"
#include "annexes/ui/RegisterListWindow.h"
#include "declaration/ui/FeederRegistry.h"

namespace zem {

namespace {

void openRegisterList(const FeederContext& context, int box) {
    const std::unique_ptr<AnnexRegister> model = openRegister(context.session, context.rules, box);
    if (!model)
        return;
    RegisterListWindow window(*model, context.parent);
    window.exec();
}

}  // namespace

void registerAnnexWindows(FeederRegistry& registry) {
    for (Feeder feeder : {Feeder::DirectPayments, Feeder::PaymentsOnAccount})
        registry.setBoxOpener(feeder, openRegisterList);
}

}  // namespace zem
