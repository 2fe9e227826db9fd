#include "shell/ui/FrmBancos.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>

#include "shell/ReferenceQueries.h"
#include "startup/Session.h"

namespace zem {

using namespace Qt::StringLiterals;

FrmBancos::FrmBancos(Session& session, int consulta, QWidget* parent) : QDialog(parent) {
    setObjectName(u"frmBancos"_s);
    const auto kind = static_cast<ReferenceKind>(consulta >= 1 && consulta <= 3 ? consulta : 2);
    setWindowTitle(referenceCaption(kind));

    grid_ = new QTableView(this);
    grid_->setObjectName(u"grdBancos"_s);
    grid_->setModel(new ReferenceModel(kind, referenceRows(session.db(), kind), grid_));
    grid_->setSelectionBehavior(QAbstractItemView::SelectRows);
    grid_->setSelectionMode(QAbstractItemView::SingleSelection);
    grid_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grid_->setAlternatingRowColors(true);
    grid_->verticalHeader()->setVisible(false);
    grid_->verticalHeader()->setDefaultSectionSize(grid_->fontMetrics().height() + 6);
    grid_->horizontalHeader()->setSectionResizeMode(0, QHeaderView::ResizeToContents);
    grid_->horizontalHeader()->setStretchLastSection(true);
    if (grid_->model()->rowCount() > 0)
        grid_->setCurrentIndex(grid_->model()->index(0, 0));
    else
        grid_->setEnabled(false);

    auto* close = new QPushButton(u"&Salir"_s, this);
    close->setObjectName(u"CmdSalir"_s);
    connect(close, &QPushButton::clicked, this, &QDialog::reject);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(close);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(grid_);
    layout->addLayout(buttons);
    resize(kind == ReferenceKind::Uit ? 320 : 460, 420);
}

}  // namespace zem
