#pragma once

#include <QTableView>

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

}  // namespace zem
