#pragma once

#include <QDialog>
#include <functional>

class QLabel;
class QPushButton;
class QTableView;

namespace zem {

class AnnexEntry;
class AnnexRegister;

// The list window of a register (frmPagos, frmPagCta and the later ones): the rows of its box with their
// count and totals, and the buttons "&Nuevo", "&Modificar", "&Eliminar" and "&Salir" (CmdITF 0 to 3). A
// double click acts as "&Modificar". Leaving writes the total into the box; the window only binds.
class RegisterListWindow : public QDialog {
    Q_OBJECT

public:
    // Opens the detail window of an entry modally (the register windows' own detail window by default).
    using EntryOpener = std::function<void(AnnexEntry& entry, QWidget* parent)>;

    explicit RegisterListWindow(AnnexRegister& model, QWidget* parent = nullptr);

    void setEntryOpener(EntryOpener opener) { openEntry_ = std::move(opener); }
    QTableView* grid() const { return grid_; }

    void nuevo();
    void modificar();
    void eliminar();
    // "&Salir": closes once the box has been written.
    void salir();

public Q_SLOTS:
    // Closing the window in any other way leaves it as "&Salir" does, so the box always matches its rows.
    void reject() override;

private:
    void showSummary();
    void fitColumns();
    int currentRow() const;

    AnnexRegister& model_;
    EntryOpener openEntry_;
    QTableView* grid_ = nullptr;
    QLabel* count_ = nullptr;
    QLabel* total_ = nullptr;
    QLabel* secondCaption_ = nullptr;
    QLabel* secondTotal_ = nullptr;
    QPushButton* nuevo_ = nullptr;
};

}  // namespace zem
