#pragma once

#include "shell/ui/DeclarationListWindow.h"

namespace zem {

// The list of declarations to modify or delete: those in preparation, or the sent ones (delete only).
class FrmModFor : public DeclarationListWindow {
    Q_OBJECT
public:
    // deleting: the list deletes (else it opens the chosen declaration); sent: the list of sent declarations.
    FrmModFor(Session& session, const WindowFactory& windows, ZemStatBar* statusBar, bool deleting, bool sent,
              QWidget* parent = nullptr);

    // The main button: delete the chosen declaration after two confirmations, or open it.
    void act() override;

private:
    bool deleting_;
};

}  // namespace zem
