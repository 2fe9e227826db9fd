#include "shell/ui/DeclarationGrid.h"

#include <QHeaderView>
#include <QKeyEvent>

namespace zem {

using namespace Qt::StringLiterals;

DeclarationGrid::DeclarationGrid(QWidget* parent) : QTableView(parent) {
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setAlternatingRowColors(true);
    setTabKeyNavigation(false);
    verticalHeader()->setVisible(false);
    verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 6);
    horizontalHeader()->setStretchLastSection(true);
    horizontalHeader()->setHighlightSections(false);
    connect(this, &QAbstractItemView::doubleClicked, this, [this](const QModelIndex& index) {
        if (index.isValid())
            Q_EMIT chosen();
    });
}

void DeclarationGrid::setModel(QAbstractItemModel* model) {
    QTableView::setModel(model);
    if (!model)
        return;
    connect(
        selectionModel(), &QItemSelectionModel::currentRowChanged, this,
        [this](const QModelIndex& current) { Q_EMIT rowChanged(current.isValid() ? current.row() : -1); });
}

int DeclarationGrid::currentRow() const {
    const QModelIndex index = currentIndex();
    return index.isValid() ? index.row() : -1;
}

void DeclarationGrid::setCurrentRow(int row) {
    if (!model() || row < 0 || row >= model()->rowCount())
        return;
    setCurrentIndex(model()->index(row, 0));
    selectRow(row);
}

void DeclarationGrid::keyPressEvent(QKeyEvent* event) {
    if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) && currentRow() >= 0) {
        Q_EMIT chosen();
        event->accept();
        return;
    }
    QTableView::keyPressEvent(event);
}

}  // namespace zem
