#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <memory>

namespace zem {

class AnnexRegister;
class DeclarationEditor;
struct Session;

// The boxes fed by a register that exists, in the order the batch tool lists them.
const QList<int>& registerBoxes();

// The register that feeds the box, its rows read (Get_RET); nullptr when no register feeds it. Every register
// is created here, for the declaration window and the batch tool alike.
std::unique_ptr<AnnexRegister> openRegister(Session& session, DeclarationEditor& editor, int box);

// The registers listed in grids of the declaration window that feed no box, by the word that names them in
// the batch tool: "extranjero" (investments abroad) and "fideicomiso" (trusts).
const QStringList& gridRegisterNames();
// That register, its rows read; nullptr for another word.
std::unique_ptr<AnnexRegister> openGridRegister(Session& session, DeclarationEditor& editor,
                                                const QString& name);
// The word of a register in the batch tool: its box ("133"), or the name of its grid.
QString registerWord(const AnnexRegister& r);

}  // namespace zem
