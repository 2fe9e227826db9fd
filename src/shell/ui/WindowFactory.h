#pragma once

#include <functional>

class QDialog;
class QWidget;

namespace zem {

struct Session;

// The one place where the shell gets the windows other parts of the module provide: the declaration window
// Frm0478 and the print dialog frmImprimir. The module's start-up registers the real windows; until one is
// registered a stand-in with the right caption opens, so every road from the menus works.
class WindowFactory {
public:
    // Creates the window for the session's command values (gModo, gEnviadas, gRegistrar and the selected
    // declaration); the shell shows it modal and deletes it when it closes.
    using Maker = std::function<QDialog*(Session&, QWidget* parent)>;

    void setDeclarationWindow(Maker maker) { declaration_ = std::move(maker); }
    void setPrintDialog(Maker maker) { print_ = std::move(maker); }

    QDialog* createDeclarationWindow(Session& session, QWidget* parent) const;
    QDialog* createPrintDialog(Session& session, QWidget* parent) const;

private:
    Maker declaration_;
    Maker print_;
};

}  // namespace zem
