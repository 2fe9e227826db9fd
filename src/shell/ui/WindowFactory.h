#pragma once

#include <functional>

class QDialog;
class QWidget;

namespace zem {

struct OpenRequest;
struct Session;

// The one place where the shell gets the windows other parts of the module provide: the declaration window
// Frm0478 and the print dialog frmImprimir. The module's start-up registers the declaration window; until it
// is registered a stand-in with the right caption opens, so every road from the menus works. The print dialog
// is the real one unless another is registered.
class WindowFactory {
public:
    // Creates the declaration window for the declaration the request names; the shell shows it modal and
    // deletes it when it closes.
    using Maker = std::function<QDialog*(Session&, const OpenRequest&, QWidget* parent)>;
    // Creates the print dialog for the declarations in preparation, or for the sent ones.
    using PrintMaker = std::function<QDialog*(Session&, bool sent, QWidget* parent)>;

    void setDeclarationWindow(Maker maker) { declaration_ = std::move(maker); }
    void setPrintDialog(PrintMaker maker) { print_ = std::move(maker); }

    QDialog* createDeclarationWindow(Session& session, const OpenRequest& request, QWidget* parent) const;
    QDialog* createPrintDialog(Session& session, bool sent, QWidget* parent) const;

private:
    Maker declaration_;
    PrintMaker print_;
};

}  // namespace zem
