#include "declaration/ui/AnnexGridPanel.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>

#include "declaration/AnnexGrids.h"

namespace zem {

using namespace Qt::StringLiterals;

AnnexGridPanel::AnnexGridPanel(AnnexGrid& grid, const QString& gridName, const QString& buttonName,
                               const QStringList& buttonTexts, QWidget* parent)
    : QWidget(parent),
      view_(new QTableView(this)),
      count_(new QLabel(this)),
      total_(new QLabel(this)),
      withheld_(new QLabel(this)),
      totalCaption_(u"Total: "_s) {
    view_->setObjectName(gridName);
    view_->setModel(&grid);
    view_->setSelectionBehavior(QAbstractItemView::SelectRows);
    view_->setSelectionMode(QAbstractItemView::SingleSelection);
    view_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    view_->setAlternatingRowColors(true);
    view_->verticalHeader()->setDefaultSectionSize(view_->fontMetrics().height() + 6);
    view_->verticalHeader()->hide();
    view_->horizontalHeader()->setStretchLastSection(true);
    view_->horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
    view_->horizontalHeader()->setMinimumSectionSize(90);
    view_->resizeColumnsToContents();
    // A new reading keeps the first row current, as the grid's own cursor would, and fits the columns.
    connect(&grid, &QAbstractItemModel::modelReset, view_, [this] {
        view_->resizeColumnsToContents();
        if (view_->model()->rowCount() > 0)
            view_->selectRow(0);
    });

    auto* buttons = new QVBoxLayout;
    for (int i = 0; i < buttonTexts.size(); ++i) {
        auto* b = new QPushButton(buttonTexts[i], this);
        b->setObjectName(buttonName + QString::number(i));
        b->setAutoDefault(false);
        b->setMinimumWidth(96);
        connect(b, &QPushButton::clicked, this, [this, i] { Q_EMIT command(i); });
        buttons->addWidget(b);
        buttons_ << b;
    }
    buttons->addStretch(1);

    count_->setObjectName(gridName + u"Cantidad"_s);
    total_->setObjectName(gridName + u"Total"_s);
    withheld_->setObjectName(gridName + u"Retenido"_s);
    auto* labels = new QHBoxLayout;
    labels->addWidget(count_);
    labels->addStretch(1);
    labels->addWidget(total_);
    labels->addSpacing(24);
    labels->addWidget(withheld_);

    auto* left = new QVBoxLayout;
    left->addWidget(view_, 1);
    left->addLayout(labels);
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addLayout(left, 1);
    layout->addLayout(buttons);
    total_->hide();
    withheld_->hide();
}

int AnnexGridPanel::currentRow() const {
    const QModelIndex current = view_->currentIndex();
    return current.isValid() ? current.row() : -1;
}

void AnnexGridPanel::setTotalCaptions(const QString& total, const QString& withheld) {
    totalCaption_ = total;
    withheldCaption_ = withheld;
}

void AnnexGridPanel::setSummary(const QString& count, const QString& total, const QString& withheld) {
    count_->setText(count);
    total_->setText(totalCaption_ + total);
    total_->setVisible(!totalCaption_.isEmpty());
    withheld_->setText(withheldCaption_ + withheld);
    withheld_->setVisible(!withheldCaption_.isEmpty());
}

}  // namespace zem
