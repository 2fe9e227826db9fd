#pragma once

#include <QDialog>
#include <QHash>

class QComboBox;
class QLabel;
class QTableView;

namespace zem {

class RetCabEntry;

// frmRetCab: the payer (document type, number, names) over its lines in the grid gridRet, with the buttons
// cmddetalle 0 to 4: "&Nuevo", "&Modificar" and "&Eliminar" of a line, "&Aceptar" and "&Salir". The lines
// open in the generic detail window; the questions of leaving are the entry's.
class RetCabWindow : public QDialog {
    Q_OBJECT

public:
    explicit RetCabWindow(RetCabEntry& entry, QWidget* parent = nullptr);

    QWidget* control(const QString& column) const { return controls_.value(column); }
    QTableView* grid() const { return grid_; }

    void newLine();
    void modifyLine();
    void deleteLine();
    void aceptar();

public Q_SLOTS:
    // "&Salir" and closing the window ask what the entry asks.
    void reject() override;

private:
    void showValue(const QString& column);
    void showState(const QString& column);
    int currentRow() const;

    RetCabEntry& entry_;
    QHash<QString, QWidget*> controls_;
    QHash<QString, QWidget*> labels_;
    QComboBox* type_ = nullptr;
    QTableView* grid_ = nullptr;
    QLabel* count_ = nullptr;
    bool showing_ = false;
};

}  // namespace zem
