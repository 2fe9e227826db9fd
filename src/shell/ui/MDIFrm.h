#pragma once

#include <QMainWindow>
#include <QPointer>
#include <functional>

#include "shell/Commands.h"
#include "shell/ui/HelpWindow.h"

class QMdiArea;
class QToolBar;

namespace zem {

struct Session;
class WindowFactory;
class ZemStatBar;

// The module's main window: the menus, the toolbar and the status bar; every command opens a modal window
// created afresh. It shows no data itself and keeps a fixed size and place.
class MDIFrm : public QMainWindow {
    Q_OBJECT
public:
    // The session is open (settings read, database connected).
    MDIFrm(Session& session, const WindowFactory& windows, QWidget* parent = nullptr);

    ZemStatBar* statusBarZem() const { return statusBar_; }
    QMdiArea* mdiArea() const { return mdi_; }
    QToolBar* toolbar() const { return toolbar_; }
    HelpWindow* helpWindow() const { return help_; }

    // Runs a menu or toolbar command: sets the command values and opens its window.
    void run(Command command, CommandSource source);
    // A toolbar button by its index; separators do nothing.
    void clickToolbarButton(int index);

    // Normal state and the fixed geometry (9720 x 7320 twips at -60, -60); run on every activation.
    void pCuadra();

    // What ends the process after the exit command has closed the database; quits the application by default.
    void setExitHandler(std::function<void()> handler) { exitHandler_ = std::move(handler); }

protected:
    bool event(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void buildMenus();
    void buildToolbar();
    void closeActiveChildren();
    void showHelp();
    void exitModule();

    Session& session_;
    const WindowFactory& windows_;
    QMdiArea* mdi_;
    QToolBar* toolbar_ = nullptr;
    ZemStatBar* statusBar_;
    QPointer<HelpWindow> help_;
    std::function<void()> exitHandler_;
    bool exiting_ = false;
};

// Twips (1/1440 inch) to pixels at the desktop's 96 logical dots per inch.
constexpr int twips(int value) {
    return value / 15;
}

}  // namespace zem
