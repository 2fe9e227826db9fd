// The commands of the declaration window: its four buttons, the grids' buttons, the windows that feed the
// boxes, leaving the identification tab and closing.
#include "declaration/ui/Frm0478.h"

#include <QComboBox>
#include <QLineEdit>
#include <QRadioButton>
#include <QTabWidget>

#include "declaration/BoxTable.h"
#include "declaration/EditScopes.h"
#include "declaration/ui/AnnexGridPanel.h"
#include "declaration/ui/EditUndoStack.h"
#include "declaration/ui/FeederRegistry.h"
#include "declaration/ui/OptionButtons.h"
#include "startup/MessageSink.h"
#include "startup/Session.h"

namespace zem {

using namespace Qt::StringLiterals;

void Frm0478::openFeeder(int box) {
    if (box == 118) {
        // The dividends received are itemised in their own grid.
        tabs_->setCurrentIndex(4);
        if (tabs_->currentIndex() == 4)
            additionalTabs_->setCurrentIndex(3);
        return;
    }
    finishTyping();
    // Everything done in the assistant or the register, its rows included, is one edit of the box; leaving
    // it with nothing changed leaves the declaration unmodified.
    const FeederContext context{this, session_, form_.declaration(), form_.rules(), &form_.editor()};
    bool opened = true;
    form_.runFeeder(edits::boxText(box), [&] { opened = feeders_.openBox(context, box); });
    if (!opened) {
        session_.sink.info(
            u"El detalle de la casilla "_s + boxCode(box) + u" aún no puede registrarse en esta versión."_s,
            form_.caption());
    }
}

void Frm0478::refreshGrid(AnnexGridKind kind) {
    form_.grids().Get(kind);
}

void Frm0478::gridCommand(AnnexGridKind kind, int index) {
    finishTyping();
    const EditRecorder::Scope edit(form_.edits(), edits::gridText(kind), edits::gridTables(kind));
    AnnexGrids& grids = form_.grids();
    const int row = gridPanel(kind)->currentRow();
    static const GridEntry kEntries[] = {GridEntry::Dividends, GridEntry::ForeignInvestments,
                                         GridEntry::Trusts, GridEntry::CoOwners};
    const GridEntry entry = kEntries[static_cast<int>(kind)];
    const auto open = [&](const QString& mode, const QVariantList& key) {
        session_.registerMode = mode;
        const FeederContext context{this, session_, form_.declaration(), form_.rules(), &form_.editor()};
        if (!feeders_.openGrid(context, entry, mode, key)) {
            session_.sink.info(u"El registro de este detalle aún no está disponible en esta versión."_s,
                               form_.caption());
            return;
        }
        form_.gridEntryClosed(kind);
    };
    bool deleted = false;
    if (kind == AnnexGridKind::CoOwners) {
        if (index == 0 && grids.canAddCoOwner())
            open(u"NUEVO"_s, {});
        if (index == 1)
            deleted = grids.Eliminar_Condomino(row);
    } else if (index == 0) {
        open(u"NUEVO"_s, {});
    } else if (index == 1) {
        if (grids.canModify(kind))
            open(u"MODIFICA"_s, grids.grid(kind).key(row < 0 ? 0 : row));
    } else if (index == 2) {
        switch (kind) {
            case AnnexGridKind::Dividends:
                deleted = grids.Eliminar_Dividendos(row);
                break;
            case AnnexGridKind::ForeignInvestments:
                deleted = grids.Eliminar_Extranjero(row);
                break;
            default:
                deleted = grids.Eliminar_Fideicomiso(row);
                break;
        }
    }
    if (deleted)
        form_.declaration().setModified(true);
}

void Frm0478::general(int index) {
    finishTyping();
    switch (index) {
        case 0:
            form_.save();
            break;
        case 1:
            form_.validate();
            break;
        case 2:
            reject();
            return;
        case 3:
            form_.personalisedFile([this] {
                const FeederContext context{this, session_, form_.declaration(), form_.rules(),
                                            &form_.editor()};
                bool opened = true;
                const bool changed = form_.runFeeder(QString::fromUtf16(edits::kImport),
                                                     [&] { opened = feeders_.openImport(context); });
                if (!opened) {
                    session_.sink.info(
                        u"La importación del archivo personalizado aún no está disponible en esta versión."_s,
                        form_.caption());
                    return;
                }
                form_.grids().refreshAll();
                // The import is no edit of the user's: what came before it cannot be taken back.
                if (changed)
                    undo_->forgetEdits();
            });
            break;
        default:
            return;
    }
    if (form_.validation().failedField() != IdentField::None)
        focusIdentField();
}

void Frm0478::onTabChanged(int index) {
    if (index == currentTab_)
        return;
    if (currentTab_ == 0) {
        // The identification is checked before the new tab shows, so a failed check is told, and the focus
        // put, where the fault is.
        {
            const QSignalBlocker block(tabs_);
            tabs_->setCurrentIndex(0);
        }
        if (!form_.leaveIdentification()) {
            focusIdentField();
            return;
        }
        const QSignalBlocker block(tabs_);
        tabs_->setCurrentIndex(index);
    }
    currentTab_ = index;
    showIdentification();
}

void Frm0478::focusIdentField() {
    {
        const QSignalBlocker block(tabs_);
        tabs_->setCurrentIndex(0);
        currentTab_ = 0;
    }
    QWidget* target = nullptr;
    switch (form_.validation().failedField()) {
        case IdentField::Declarant:
            target = cmbRuc_->isVisible() ? cmbRuc_ : nullptr;
            break;
        case IdentField::DeclarationType:
            target = options_.value(static_cast<int>(OptionGroup::optPor))->button(0);
            break;
        case IdentField::PersonalisedFile:
            target = options_.value(static_cast<int>(OptionGroup::optSom))->button(0);
            break;
        case IdentField::Replacement:
            target = options_.value(static_cast<int>(OptionGroup::OptRectifica))->button(0);
            break;
        case IdentField::Telephone:
            target = fields_.value(28);
            break;
        case IdentField::None:
            break;
    }
    if (target)
        target->setFocus(Qt::OtherFocusReason);
}

void Frm0478::reject() {
    if (!opened_) {
        QDialog::reject();
        return;
    }
    if (closing_)
        return;
    finishTyping();
    closing_ = true;
    const bool close = form_.closeRequested();
    closing_ = false;
    if (!close) {
        if (form_.validation().failedField() != IdentField::None)
            focusIdentField();
        return;
    }
    QDialog::reject();
}

}  // namespace zem
