#include "annexes/Registers.h"

#include "annexes/PagCta.h"
#include "annexes/Pagos.h"

namespace zem {

const QList<int>& registerBoxes() {
    static const QList<int> boxes = {133, 529, 127};
    return boxes;
}

std::unique_ptr<AnnexRegister> openRegister(Session& session, Rules& rules, int box) {
    std::unique_ptr<AnnexRegister> r;
    switch (box) {
        case 133:
        case 529:
            r = std::make_unique<PagosRegister>(session, rules, box);
            break;
        case 127:
            r = std::make_unique<PagCtaRegister>(session, rules);
            break;
        default:
            return nullptr;
    }
    r->Get_RET();
    return r;
}

}  // namespace zem
