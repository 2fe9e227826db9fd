#include "data/ui/SilentTeardown.h"

#include <QWidget>

namespace zem {

void silenceChildren(QWidget& window) {
    for (QObject* child : window.findChildren<QObject*>())
        child->blockSignals(true);
}

}  // namespace zem
