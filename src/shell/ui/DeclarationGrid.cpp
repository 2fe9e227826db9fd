#include "shell/ui/DeclarationGrid.h"

#include <QDialog>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

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

DeclarationListParts buildDeclarationList(QDialog* window, const QString& frameCaption,
                                          const QString& instruction, QAbstractItemModel* model,
                                          const QString& mainCaption) {
    DeclarationListParts p;
    p.frame = new QGroupBox(frameCaption, window);
    p.label = new QLabel(instruction, p.frame);
    p.grid = new DeclarationGrid(p.frame);
    p.grid->setObjectName(u"grdContrib"_s);
    p.grid->setModel(model);
    auto* frameLayout = new QVBoxLayout(p.frame);
    frameLayout->addWidget(p.label);
    frameLayout->addWidget(p.grid);

    p.main = new QPushButton(mainCaption, window);
    p.main->setObjectName(u"cmdAccion0"_s);
    p.close = new QPushButton(u"&Salir"_s, window);
    p.close->setObjectName(u"cmdAccion1"_s);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    for (QPushButton* b : {p.main, p.close}) {
        b->setAutoDefault(false);
        buttons->addWidget(b);
    }
    auto* layout = new QVBoxLayout(window);
    layout->addWidget(p.frame);
    layout->addLayout(buttons);
    return p;
}

void fitDeclarationColumns(DeclarationGrid* grid) {
    QHeaderView* header = grid->horizontalHeader();
    header->setSectionResizeMode(QHeaderView::ResizeToContents);
    header->setSectionResizeMode(1, QHeaderView::Stretch);
    header->setStretchLastSection(false);
}

}  // namespace zem
