#pragma once

#include <QList>
#include <QString>

namespace zem {

// What a box of the form is and who fills it.
enum class BoxKind {
    Entered,        // typed by the user
    Computed,       // written by a rule
    Assistant,      // written by a box assistant from its own lines
    AssistantLine,  // a line typed in a box assistant
    Annex,          // the total of an annex register; typing in the box opens the register
    Code,           // a short code or flag
    Text,           // names and document numbers
    Date,           // "dd/mm/yyyy"
};

// Who feeds a box that is not typed: an assistant window or an annex register.
enum class Feeder {
    None,
    Losses,             // FrmPerdidas (115)
    RentNotDeclared,    // frmFicta (102)
    PreviousBalance,    // frmEjercicioAnt (125)
    CapitalGains,       // frmGanancias (520)
    ExemptIncome,       // FrmExoneradas (200)
    NonTaxableIncome,   // FrmInafectas (201)
    ForeignTax,         // frmFext (122)
    Norms,              // frmNorma (124, 132)
    DirectPayments,     // frmPagos (133, 529)
    PaymentsOnAccount,  // frmPagCta (127)
    Amazonia,           // FrmAmazonia (117)
    Withholdings,       // frmRet (106, 107, 108, 111, 129, 130, 131, 519, 522)
    Dividends,          // the dividends grid of the declaration window (118)
};

struct BoxInfo {
    int box = 0;
    BoxKind kind = BoxKind::Entered;
    Feeder feeder = Feeder::None;
    QString caption;  // as the printed form words it
    QString help;     // the help text shown while the box has the focus
};

// Every box of the form, in ascending order.
const QList<BoxInfo>& boxTable();
// The box, or nullptr when the form has no such box.
const BoxInfo* boxInfo(int box);

// The boxes that hold a document number (of a lessor, a fourth-category line, the Amazonía section, the
// spouse or the representative): text, never formatted as an amount.
bool isDocumentNumberBox(int box);

// The fed boxes in which the Delete key does nothing.
bool ignoresDelete(int box);

}  // namespace zem
