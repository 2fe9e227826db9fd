#pragma once

#include <QTableView>

class QDialog;
class QGroupBox;
class QLabel;
class QPushButton;

namespace zem {

// A read-only grid of whole rows: a double click or Enter on a row chooses it, and moving to another row is
// announced with its number.
class DeclarationGrid : public QTableView {
    Q_OBJECT
public:
    explicit DeclarationGrid(QWidget* parent = nullptr);

    void setModel(QAbstractItemModel* model) override;
    // The current row, -1 when there is none.
    int currentRow() const;
    void setCurrentRow(int row);

Q_SIGNALS:
    void chosen();
    void rowChanged(int row);

protected:
    void keyPressEvent(QKeyEvent* event) override;
};

// What every declaration list window is made of: a frame with the instruction and the grid (grdContrib) over
// the list's model, and below it the main button (cmdAccion0) and "&Salir" (cmdAccion1).
struct DeclarationListParts {
    QGroupBox* frame = nullptr;
    QLabel* label = nullptr;
    DeclarationGrid* grid = nullptr;
    QPushButton* main = nullptr;
    QPushButton* close = nullptr;
};

DeclarationListParts buildDeclarationList(QDialog* window, const QString& frameCaption,
                                          const QString& instruction, QAbstractItemModel* model,
                                          const QString& mainCaption);

// Fits the columns to their contents, the name (second column) taking the free width.
void fitDeclarationColumns(DeclarationGrid* grid);

}  // namespace zem
