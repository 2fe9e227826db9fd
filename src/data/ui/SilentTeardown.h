#pragma once

class QWidget;

namespace zem {

// For the first line of a window's destructor. Qt hides a window only once the window's own members are gone,
// and hiding it takes the focus from the field that holds it: the field's "left" or "editingFinished" would
// then run the window's checks on parts already destroyed, or raise a message while it closes. From this call
// on, nothing inside the window signals anything.
void silenceChildren(QWidget& window);

}  // namespace zem
