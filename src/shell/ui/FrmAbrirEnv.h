#pragma once

#include <QDialog>

class QPushButton;

namespace zem {

struct Session;
class DeclarationGrid;
class DeclarationListModel;
class WindowFactory;
class ZemStatBar;

// The sent declarations of the form, to register the order number received for one of them. The list is read
// again every time the window becomes active, so an order number just registered shows at once.
class FrmAbrirEnv : public QDialog {
    Q_OBJECT
public:
    FrmAbrirEnv(Session& session, const WindowFactory& windows, ZemStatBar* statusBar,
                QWidget* parent = nullptr);

    DeclarationGrid* grid() const { return grid_; }
    DeclarationListModel* model() const { return model_; }

    // Reads the list again, staying on the same declaration when it is still there.
    void reload();
    // The main button: open the chosen sent declaration to register its order number.
    void act();
    // The second button (and closing the window): leave without registering.
    void reject() override;

protected:
    bool event(QEvent* event) override;

private:
    void showRowInStatusBar(int row);

    Session& session_;
    const WindowFactory& windows_;
    ZemStatBar* statusBar_;
    DeclarationListModel* model_;
    DeclarationGrid* grid_;
};

}  // namespace zem
