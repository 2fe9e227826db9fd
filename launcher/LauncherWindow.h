#pragma once

#include <QWidget>

class QTableView;

namespace zem {

struct Session;
class DeclarationListModel;
class TaxpayerPage;
class UserPage;

// The family launcher "Zemlanda": registers taxpayers and users, lists the declarations of form 0482, sends
// the consistent ones and starts the module.
class LauncherWindow : public QWidget {
    Q_OBJECT
public:
    explicit LauncherWindow(Session& session, QWidget* parent = nullptr);

    void reloadDeclarations();
    // Sends the declaration chosen in the list of declarations in preparation.
    void sendChosen();
    // Starts the module (qw482 beside this program).
    void startModule();

protected:
    bool event(QEvent* event) override;

private:
    Session& session_;
    TaxpayerPage* taxpayers_;
    UserPage* users_;
    DeclarationListModel* prepared_;
    DeclarationListModel* sent_;
    QTableView* preparedView_;
    QTableView* sentView_;
};

}  // namespace zem
