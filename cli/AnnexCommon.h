#pragma once

#include <QString>
#include <QStringList>
#include <memory>

// What the annex commands share: opening the taxpayer's declaration, the register of a box, and saving after
// a register changed.
namespace zem {
class AnnexRegister;
class FormSession;
}  // namespace zem

namespace zem::cli {

class CliSession;

// Opens the taxpayer's declaration in preparation (a new one when it does not exist and mayStart): its
// working tables then hold its register rows. Nothing, with the reason on standard error, otherwise.
std::unique_ptr<FormSession> openTaxpayer(CliSession& cli, const QString& ruc, bool mayStart);

// The register of a box given on the command line; nullptr, with the reason, when the box has none.
std::unique_ptr<AnnexRegister> registerOf(CliSession& cli, FormSession& form, const QString& word);

// The declaration is saved as "save" saves it, after a register (and its box) changed.
int saveAndReport(CliSession& cli, FormSession& form);

// The register has changed: its box and the chain follow, and the declaration is saved.
int leaveAndSave(CliSession& cli, FormSession& form, AnnexRegister& r);

// annex add: a row of a register, or a payer with one of its lines (CommandsAnnexAdd.cpp).
int annexAdd(const QStringList& words);

}  // namespace zem::cli
