#pragma once

#include <QDialog>

#include "shell/DeclarationLists.h"

namespace zem {

struct OpenRequest;
struct Session;
class DeclarationGrid;
class WindowFactory;
class ZemStatBar;

// What the two declaration list windows (frmModFor, frmAbrirEnv) share: a frame with the instruction and the
// grid (grdContrib) over the list of the session's user, the main button (cmdAccion0) and "&Salir"
// (cmdAccion1). A double click or Enter on a row acts as the main button; the row the user moves to shows in
// the main window's status bar.
class DeclarationListWindow : public QDialog {
    Q_OBJECT
public:
    DeclarationGrid* grid() const { return grid_; }
    DeclarationListModel* model() const { return model_; }

    // Reads the list again, staying on the same declaration while it is listed, else on the first row.
    void reload();
    // The main button, on the chosen row; nothing when the list has no current row.
    virtual void act() = 0;

protected:
    DeclarationListWindow(Session& session, const WindowFactory& windows, ZemStatBar* statusBar,
                          DeclarationList list, const QString& frameCaption, const QString& instruction,
                          const QString& mainCaption, QWidget* parent);

    // The row the grid is on; nullptr when there is none.
    const DeclarationRow* chosen() const;
    // Opens the declaration window modally for the request, then reads the list again: a save may have
    // changed the declaration's status meanwhile.
    void openDeclaration(const OpenRequest& request);

    Session& session_;

private:
    void showRowInStatusBar(int row);

    const WindowFactory& windows_;
    ZemStatBar* statusBar_;
    DeclarationListModel* model_;
    DeclarationGrid* grid_;
};

}  // namespace zem
