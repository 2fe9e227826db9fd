#pragma once

#include <QDialog>

namespace zem {

struct Session;
class DeclarationGrid;
class DeclarationListModel;
class WindowFactory;
class ZemStatBar;

// The list of declarations to modify or delete: those in preparation, or the sent ones (delete only).
class FrmModFor : public QDialog {
    Q_OBJECT
public:
    // deleting: the list deletes (else it opens the chosen declaration); sent: the list of sent declarations.
    FrmModFor(Session& session, const WindowFactory& windows, ZemStatBar* statusBar, bool deleting, bool sent,
              QWidget* parent = nullptr);

    DeclarationGrid* grid() const { return grid_; }
    DeclarationListModel* model() const { return model_; }

    // Reads the list again and moves to its first row.
    void reload();
    // The main button: delete the chosen declaration after two confirmations, or open it.
    void act();

private:
    void showRowInStatusBar(int row);

    Session& session_;
    const WindowFactory& windows_;
    ZemStatBar* statusBar_;
    bool deleting_;
    DeclarationListModel* model_;
    DeclarationGrid* grid_;
};

}  // namespace zem
