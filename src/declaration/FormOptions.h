#pragma once

#include <QList>
#include <QString>

#include "declaration/Declaration.h"

namespace zem {

class AnnexGrids;
enum class AnnexGridKind;
class Rules;
struct Session;

// What the option groups of the declaration window do when the user answers them: the questions asked before
// registered information is thrown away, the data emptied or deleted, and the boxes and sections that open
// and close with each answer. Without widgets: the window calls choose() and then shows the model's answer.
class FormOptions {
public:
    FormOptions(Session& session, Declaration& declaration, Rules& rules, AnnexGrids& grids);

    // The user chose the answer `code` of the group. Asks first when the answer would throw away registered
    // information; false when the user keeps it (the model keeps its previous answer). Otherwise the answer
    // is set and its effects applied: the representative's frame, boxes 200 and 201, the co-owners, the
    // investments abroad, the trusts, the patrimonial lines and the replacement reminder. Without `ask` the
    // caller already has the user's confirmation (a command line) and nothing is asked.
    bool choose(OptionGroup group, const QString& code, bool ask = true);

    // Applies the enabled state that every answer gives its boxes, without asking and without emptying
    // anything (a declaration just loaded keeps every stored value).
    void applyAll();

    // The boxes of the representative's frame (names, document type and number).
    static const QList<int>& representativeBoxes();
    // The boxes whose lines an exempt (200) or non-taxable (201) income assistant fills.
    static const QList<int>& exemptLines();
    static const QList<int>& nonTaxableLines();
    // The patrimonial lines of the general information.
    static QList<int> patrimonialBoxes();

    // Whether the answers open the grid: investments abroad, trusts and co-owners follow their "Sí"; the
    // dividends grid is always open.
    static bool gridOpen(const Declaration& declaration, AnnexGridKind kind);

    // The declarant's data copied into the representative's frame ("Contribuyente").
    void copyDeclarant();

private:
    bool chooseIncome(OptionGroup group, const QString& code, int box, const QList<int>& lines, bool ask);
    bool confirm(const QString& text);
    void setBoxesState(const QList<int>& boxes, bool enabled);

    Session& session_;
    Declaration& d_;
    Rules& rules_;
    AnnexGrids& grids_;
};

}  // namespace zem
