// What the annex commands share: the taxpayer's declaration, the register of a box, the save.
#include "AnnexCommon.h"

#include "CliSession.h"
#include "Commands.h"
#include "DeclarationOpening.h"
#include "Output.h"
#include "annexes/AnnexRegister.h"
#include "annexes/Registers.h"
#include "data/Format.h"
#include "declaration/FormSession.h"

namespace zem::cli {

using namespace Qt::StringLiterals;

std::unique_ptr<FormSession> openTaxpayer(CliSession& cli, const QString& ruc, bool mayStart) {
    if (!cli.open() || !taxpayerVisible(cli, ruc))
        return nullptr;
    auto form = std::make_unique<FormSession>(cli.session);
    DeclarationKey key;
    key.ruc = ruc;
    if (!openDeclaration(cli, *form, key, mayStart))
        return nullptr;
    return form;
}

std::unique_ptr<AnnexRegister> registerOf(CliSession& cli, FormSession& form, const QString& word) {
    bool numeric = false;
    const int box = word.toInt(&numeric);
    std::unique_ptr<AnnexRegister> r = numeric ? openRegister(cli.session, form.editor(), box)
                                               : openGridRegister(cli.session, form.editor(), word);
    if (!r) {
        QStringList boxes;
        for (int b : registerBoxes())
            boxes << boxCode(b);
        boxes += gridRegisterNames();
        printError(u"La casilla «"_s + echoed(word) +
                   u"» no tiene un registro de detalle; lo tienen las casillas "_s + boxes.join(u", "_s) +
                   u'.');
    }
    return r;
}

int saveAndReport(CliSession& cli, FormSession& form) {
    if (!form.save()) {
        cli.sink.flushToStderr();
        return kRefused;
    }
    const QString message = cli.sink.lastText();
    cli.sink.flushToStderr(true);
    printLine(message);
    return form.validation().inconsistent() ? kFinding : kOk;
}

int leaveAndSave(CliSession& cli, FormSession& form, AnnexRegister& r) {
    // The investments abroad and the trusts feed no box.
    if (r.boxNumber() != 0 && !r.leave()) {
        cli.sink.flushToStderr();
        return kRefused;
    }
    return saveAndReport(cli, form);
}

}  // namespace zem::cli
