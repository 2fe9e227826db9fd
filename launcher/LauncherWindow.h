#pragma once

#include <QWidget>

#include "shell/DeclarationLists.h"

class QPushButton;
class QTableView;

namespace zem {

struct Session;
class TaxpayerPage;
class UserPage;

// The family launcher "Zemlanda": registers taxpayers and users, lists the declarations of form 0482, sends
// the consistent ones and starts the module. Every list shows what the settings' user may see: every
// taxpayer for a user of kind "0", only the user's own otherwise.
class LauncherWindow : public QWidget {
    Q_OBJECT
public:
    explicit LauncherWindow(Session& session, QWidget* parent = nullptr);

    // Reads both declaration lists again; the declaration selected in each stays selected while it is listed.
    void reloadDeclarations();
    // Sends the declaration selected in the list in preparation, after the user confirms; nothing without a
    // selection.
    void sendChosen();
    // Starts the module (qw482 beside this program).
    void startModule();

protected:
    bool event(QEvent* event) override;

private:
    void reload(DeclarationListModel* model, QTableView* view);
    const DeclarationRow* selected(const DeclarationListModel* model, const QTableView* view) const;

    Session& session_;
    TaxpayerPage* taxpayers_;
    UserPage* users_;
    DeclarationListModel* prepared_;
    DeclarationListModel* sent_;
    QTableView* preparedView_;
    QTableView* sentView_;
    QPushButton* send_;
};

}  // namespace zem
