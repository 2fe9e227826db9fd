#pragma once

#include <QString>
#include <functional>

#include "declaration/Declaration.h"
#include "declaration/FieldRules.h"

namespace zem {

class FormOptions;
class Rules;
struct Session;

// The one way to put into a declaration anything a user types: every box, every answer and every payment
// field, whether it comes from the declaration window or from the batch tool. Each value is checked as the
// window checks it (amount length and digits, no negative amount where none is allowed, the codes an answer
// takes, the catalogue codes of the profession, bank and document types, a document number only after its
// type and as long as its type allows, names, telephone, cheque number, birth date); a box the program
// computes or takes from elsewhere is refused. An accepted value runs the same effects in both doors: an
// amount is typed as in its box (the change chain runs and the box ends formatted), an answer applies what
// the answer does to other boxes and registers (FormOptions). A refused value changes nothing and the
// result carries a Spanish message naming the box and what it takes.
class DeclarationEditor {
public:
    DeclarationEditor(Session& session, Declaration& declaration, Rules& rules, FormOptions& options);

    Declaration& declaration() const { return d_; }

    // What-if use (the batch tool's compute): computed boxes may be set too, as if typed.
    void setWhatIf(bool on) { whatIf_ = on; }
    // The value comes with the user's own confirmation (a command line): an answer that throws registered
    // information away does so without asking first.
    void setConfirmed(bool on) { confirmed_ = on; }
    // Set when the declaration is stored (not what-if): tells whether the register that feeds the box holds
    // rows; such a box then takes its total from the register only and is refused here.
    void setRegisterRows(std::function<bool(int box)> hasRows) { registerRows_ = std::move(hasRows); }

    // Sets box `box` (002 ... 892, the answers 005, 027, 552, 554, 556, 559, 560, 561, the payment fields
    // 012 cheque number, 015 bank, 598 amount, 599 type "C"/"E") from the text as a user would type it.
    // An empty text empties the box.
    FieldResult setField(int box, const QString& text);

    // The total of an annex register written into the box it feeds, as its list window and the batch tool's
    // annex commands write it: checked and typed as setField types an amount (the chain follows), the
    // register's own rows being where the total comes from.
    FieldResult setRegisterTotal(int box, const QString& text);

    // The answer `code` of an option group (also the groups without a box: OptGeneral, OptExtranjero,
    // OptFideicomiso take "1" or "0"). When the answer would throw registered information away the user is
    // asked first (unless confirmed); a user who keeps it gets a refused result with an empty message.
    FieldResult setAnswer(OptionGroup group, const QString& code);

private:
    FieldResult setAmount(int box, const QString& text);
    FieldResult setDocumentType(int box, const QString& text);
    FieldResult setDocumentNumber(int box, const QString& text);
    FieldResult setCatalogueCode(int box, const QString& text, const QString& catalogue, const QString& what);
    void type(int box, const QString& text);

    Session& session_;
    Declaration& d_;
    Rules& rules_;
    FormOptions& options_;
    bool whatIf_ = false;
    bool confirmed_ = false;
    std::function<bool(int)> registerRows_;
};

}  // namespace zem
