#pragma once

#include <QDialog>
#include <QList>
#include <optional>

#include "reports/PrintChoice.h"
#include "reports/Spool.h"
#include "shell/DeclarationLists.h"

class QCheckBox;
class QGroupBox;
class QPushButton;
class QRadioButton;
class QTableView;

namespace zem {
struct Session;
}

namespace zem::reports {

// The print dialog: the declarations in preparation ("Imprimir ") or the sent ones ("Imprimir Formularios
// enviados") of the taxpayers the user may see; what to print (the
// declaration, its annexes or both, and which annexes); "&Preliminar" writes the report and previews a range
// of its pages, "&Imprimir" writes it and prints it on the printer the user chooses, "&Salir" closes.
class frmImprimir : public QDialog {
    Q_OBJECT
public:
    frmImprimir(Session& session, bool sent, QWidget* parent = nullptr);

    // The report of the chosen declaration and parts, written and registered in the spool; nothing, with the
    // message shown, when no annex is ticked for an option with annexes, no declaration is chosen, or the
    // job fails.
    std::optional<SpoolFile> escribirReporte();
    // The chosen option and annexes as the printout takes them.
    PrintoutChoice choice() const;

    QTableView* grdContrib() const { return grid_; }
    const DeclarationListModel& rows() const { return *model_; }
    QRadioButton* OptImp(int i) const { return options_.value(i); }
    QCheckBox* chkanexos480(int i) const { return annexes_.value(i); }
    QPushButton* CmdImprimir(int i) const { return commands_.value(i); }

private:
    void onOption();
    void onCommand(int index);
    PrintOption option() const;

    Session& session_;
    DeclarationList list_;
    DeclarationListModel* model_ = nullptr;
    QTableView* grid_ = nullptr;
    QList<QRadioButton*> options_;
    QList<QCheckBox*> annexes_;
    QList<QPushButton*> commands_;
};

}  // namespace zem::reports
