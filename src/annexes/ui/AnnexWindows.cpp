#include "annexes/ui/AnnexWindows.h"

#include "annexes/AnnexEntry.h"
#include "annexes/AnnexRegister.h"
#include "annexes/Condominio.h"
#include "annexes/Dividendos.h"
#include "annexes/Extranjero.h"
#include "annexes/Fideicomiso.h"
#include "annexes/Registers.h"
#include "annexes/RetCab.h"
#include "annexes/ui/FrmCondominio.h"
#include "annexes/ui/RegisterEntryWindow.h"
#include "annexes/ui/RegisterListWindow.h"
#include "annexes/ui/RetCabWindow.h"
#include "declaration/Declaration.h"
#include "declaration/ui/FeederRegistry.h"
#include "startup/Session.h"

namespace zem {

namespace {

void openRegisterList(const FeederContext& context, int box) {
    if (!context.editor)
        return;
    const std::unique_ptr<AnnexRegister> model = openRegister(context.session, *context.editor, box);
    if (!model)
        return;
    RegisterListWindow window(*model, context.parent);
    // A payer opens with its lines (frmRetCab); after any entry the list and its box follow.
    window.setEntryOpener([&model](AnnexEntry& entry, QWidget* parent) {
        if (auto* payer = qobject_cast<RetCabEntry*>(&entry)) {
            RetCabWindow header(*payer, parent);
            header.exec();
        } else {
            RegisterEntryWindow detail(entry, parent);
            detail.exec();
        }
        model->refreshAfterAction();
    });
    window.exec();
}

void openDividend(const FeederContext& context, const QString& mode, const QVariantList& row) {
    if (!context.editor)
        return;
    DividendosRegister model(context.session, *context.editor);
    model.Get_RET();
    const int at = mode == AnnexEntry::kModifica ? model.findRow(row) : -1;
    const std::unique_ptr<AnnexEntry> entry = at >= 0 ? model.entryFor(at) : model.newEntry();
    // FrmRetenciones asks before it drops unsaved changes.
    RegisterEntryWindow window(*entry, context.parent);
    window.exec();
}

// FrmExtranjero and FrmFide480: a new investment, or the one of the grid's current row.
template <typename Model>
void openGridEntry(const FeederContext& context, const QString& mode, const QVariantList& row) {
    if (!context.editor)
        return;
    Model model(context.session, *context.editor);
    model.Get_RET();
    const int at = mode == AnnexEntry::kModifica ? model.findRow(row) : -1;
    const std::unique_ptr<AnnexEntry> entry = at >= 0 ? model.entryFor(at) : model.newEntry();
    RegisterEntryWindow window(*entry, context.parent);
    window.exec();
}

void openCondominio(const FeederContext& context, const QString&, const QVariantList&) {
    Condominio entry(context.session, context.declaration.ruc());
    FrmCondominio window(entry, context.declaration.isSent(), context.parent);
    window.exec();
}

}  // namespace

void registerAnnexWindows(FeederRegistry& registry) {
    for (Feeder feeder : {Feeder::DirectPayments, Feeder::PaymentsOnAccount, Feeder::Withholdings,
                          Feeder::ForeignTax, Feeder::Norms, Feeder::Amazonia})
        registry.setBoxOpener(feeder, openRegisterList);
    registry.setGridOpener(GridEntry::CoOwners, openCondominio);
    registry.setGridOpener(GridEntry::Dividends, openDividend);
    registry.setGridOpener(GridEntry::ForeignInvestments, openGridEntry<ExtranjeroRegister>);
    registry.setGridOpener(GridEntry::Trusts, openGridEntry<FideicomisoRegister>);
}

}  // namespace zem
