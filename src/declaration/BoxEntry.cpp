#include "declaration/BoxEntry.h"

#include "declaration/BoxTable.h"
#include "declaration/Rules.h"

namespace zem {

void typeBox(Rules& rules, int box, const QString& value) {
    Declaration& d = rules.declaration();
    const BoxInfo* info = boxInfo(box);
    const bool ownControl =
        box == 28 || (info && ((info->kind == BoxKind::Code && box != 140) || info->kind == BoxKind::Date));
    if (ownControl) {
        d.setStoredValue(box, value);
        return;
    }
    rules.enterBox(box);
    d.setText(box, value);
    rules.leaveBox(box);
}

}  // namespace zem
