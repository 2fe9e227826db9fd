#pragma once

#include <QHash>
#include <QString>
#include <QVariantList>
#include <functional>

#include "declaration/BoxTable.h"

class QWidget;

namespace zem {

class Declaration;
class DeclarationEditor;
class Rules;
struct Session;

// What a window that feeds the declaration works on: the open declaration and its computation.
struct FeederContext {
    QWidget* parent = nullptr;
    Session& session;
    Declaration& declaration;
    Rules& rules;
    // The one setter of the open declaration: the annex registers write the boxes they feed through it.
    DeclarationEditor* editor = nullptr;
};

// The grids of the declaration window whose entry windows live elsewhere.
enum class GridEntry { Dividends, ForeignInvestments, Trusts, CoOwners };

// The one place that maps a fed box to the window that feeds it (a box assistant or an annex register) and a
// grid's "&Nuevo"/"&Modificar" to its entry window. The declaration window asks it; the assistants and the
// annex registers register themselves at start-up, so the declaration window never changes when one is added.
class FeederRegistry {
public:
    // Opens, modally, the window that feeds the box; it writes the box through the declaration.
    using BoxOpener = std::function<void(const FeederContext& context, int box)>;
    // Opens, modally, the entry window of a grid in mode "NUEVO" or "MODIFICA" (with the grid's current row
    // identified by `row`, the values of its key columns).
    using GridOpener =
        std::function<void(const FeederContext& context, const QString& mode, const QVariantList& row)>;

    // Opens, modally, the import of the personalised file into the open declaration.
    using ImportOpener = std::function<void(const FeederContext& context)>;

    void setBoxOpener(Feeder feeder, BoxOpener opener) { boxes_.insert(feeder, std::move(opener)); }
    void setGridOpener(GridEntry grid, GridOpener opener) { grids_.insert(grid, std::move(opener)); }
    void setImportOpener(ImportOpener opener) { import_ = std::move(opener); }

    // False when nothing is registered for the box's feeder (the window then tells the user).
    bool openBox(const FeederContext& context, int box) const {
        const BoxInfo* info = boxInfo(box);
        const auto it = info ? boxes_.find(info->feeder) : boxes_.end();
        if (it == boxes_.end())
            return false;
        (*it)(context, box);
        return true;
    }
    // Opens the window registered for a feeder over a box that the box table gives to no feeder: the exempt
    // and non-taxable income assistants open the legal-norms register for their last lines, 539 and 540.
    // False when nothing is registered for the feeder.
    bool openFeeder(Feeder feeder, const FeederContext& context, int box) const {
        const auto it = boxes_.find(feeder);
        if (it == boxes_.end())
            return false;
        (*it)(context, box);
        return true;
    }
    bool openGrid(const FeederContext& context, GridEntry grid, const QString& mode,
                  const QVariantList& row) const {
        const auto it = grids_.find(grid);
        if (it == grids_.end())
            return false;
        (*it)(context, mode, row);
        return true;
    }

    bool openImport(const FeederContext& context) const {
        if (!import_)
            return false;
        import_(context);
        return true;
    }

private:
    QHash<Feeder, BoxOpener> boxes_;
    QHash<GridEntry, GridOpener> grids_;
    ImportOpener import_;
};

}  // namespace zem
