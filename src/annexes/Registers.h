#pragma once

#include <QList>
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

}  // namespace zem
