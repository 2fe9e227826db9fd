#pragma once

#include <QDialog>


namespace zem {

struct Session;
class DeclarationGrid;
class DeclarationListModel;
class WindowFactory;
class ZemStatBar;

// The list of declarations to modify or delete (gModo 2 or 3): those in preparation, or the sent ones when
// gEnviadas is set (delete only).
class FrmModFor : public QDialog {
    Q_OBJECT
public:
    FrmModFor(Session& session, const WindowFactory& windows, ZemStatBar* statusBar,
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
    DeclarationListModel* model_;
    DeclarationGrid* grid_;
};

}  // namespace zem
