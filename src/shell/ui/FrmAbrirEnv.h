#pragma once

#include "shell/ui/DeclarationListWindow.h"

namespace zem {

// The sent declarations of the form, to register the order number received for one of them. The list is read
// again every time the window becomes active, so an order number just registered shows at once.
class FrmAbrirEnv : public DeclarationListWindow {
    Q_OBJECT
public:
    FrmAbrirEnv(Session& session, const WindowFactory& windows, ZemStatBar* statusBar,
                QWidget* parent = nullptr);

    // The main button: open the chosen sent declaration to register its order number.
    void act() override;

protected:
    bool event(QEvent* event) override;
};

}  // namespace zem
