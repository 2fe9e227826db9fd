#include "annexes/RegisterBox.h"

#include "declaration/Declaration.h"
#include "declaration/Rules.h"

namespace zem {

void writeRegisterBox(Rules& rules, int box, const QString& text) {
    rules.declaration().setText(box, text);
}

}  // namespace zem
