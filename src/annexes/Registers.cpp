#include "annexes/Registers.h"

#include "annexes/Amazonia.h"
#include "annexes/Dividendos.h"
#include "annexes/Extranjero.h"
#include "annexes/Fext.h"
#include "annexes/Fideicomiso.h"
#include "annexes/Normas.h"
#include "annexes/PagCta.h"
#include "annexes/Pagos.h"
#include "annexes/Ret.h"

namespace zem {

const QList<int>& registerBoxes() {
    static const QList<int> boxes = {133, 529, 127, 106, 107, 108, 111, 129, 130, 131,
                                     519, 522, 118, 122, 124, 132, 539, 540, 117};
    return boxes;
}

std::unique_ptr<AnnexRegister> openRegister(Session& session, DeclarationEditor& editor, int box) {
    std::unique_ptr<AnnexRegister> r;
    switch (box) {
        case 133:
        case 529:
            r = std::make_unique<PagosRegister>(session, editor, box);
            break;
        case 127:
            r = std::make_unique<PagCtaRegister>(session, editor);
            break;
        case 106:
        case 107:
        case 108:
        case 111:
        case 129:
        case 130:
        case 131:
        case 519:
        case 522:
            r = std::make_unique<RetRegister>(session, editor, box);
            break;
        case 118:
            r = std::make_unique<DividendosRegister>(session, editor);
            break;
        case 122:
            r = std::make_unique<FextRegister>(session, editor);
            break;
        case 124:
        case 132:
        case 539:
        case 540:
            r = std::make_unique<NormasRegister>(session, editor, box);
            break;
        case 117:
            r = std::make_unique<AmazoniaRegister>(session, editor);
            break;
        default:
            return nullptr;
    }
    r->Get_RET();
    return r;
}

const QStringList& gridRegisterNames() {
    static const QStringList names = {QStringLiteral("extranjero"), QStringLiteral("fideicomiso")};
    return names;
}

std::unique_ptr<AnnexRegister> openGridRegister(Session& session, DeclarationEditor& editor,
                                                const QString& name) {
    std::unique_ptr<AnnexRegister> r;
    if (name == gridRegisterNames()[0]) {
        r = std::make_unique<ExtranjeroRegister>(session, editor);
    } else if (name == gridRegisterNames()[1]) {
        r = std::make_unique<FideicomisoRegister>(session, editor);
    } else {
        return nullptr;
    }
    r->Get_RET();
    return r;
}

QString registerWord(const AnnexRegister& r) {
    if (r.boxNumber() != 0)
        return r.box();
    if (qobject_cast<const ExtranjeroRegister*>(&r))
        return gridRegisterNames()[0];
    return gridRegisterNames()[1];
}

}  // namespace zem
