#include "annexes/Registers.h"

#include "annexes/Dividendos.h"
#include "annexes/PagCta.h"
#include "annexes/Pagos.h"
#include "annexes/Ret.h"

namespace zem {

const QList<int>& registerBoxes() {
    static const QList<int> boxes = {133, 529, 127, 106, 107, 108, 111, 129, 130, 131, 519, 522, 118};
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
        default:
            return nullptr;
    }
    r->Get_RET();
    return r;
}

}  // namespace zem
