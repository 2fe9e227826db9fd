#include "annexes/ui/RegisterListWindow.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QTableView>
#include <QVBoxLayout>

#include "annexes/AnnexEntry.h"
#include "annexes/AnnexRegister.h"
#include "annexes/ui/RegisterEntryWindow.h"

namespace zem {

using namespace Qt::StringLiterals;

namespace {

QLabel* boldLabel(const QString& text, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    QFont bold = label->font();
    bold.setBold(true);
    label->setFont(bold);
    return label;
}

QLabel* amountLabel(const QString& name, QWidget* parent) {
    auto* label = new QLabel(parent);
    label->setObjectName(name);
    label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    label->setFrameShape(QFrame::Panel);
    label->setFrameShadow(QFrame::Sunken);
    label->setMinimumWidth(150);
    return label;
}

}  // namespace

RegisterListWindow::RegisterListWindow(AnnexRegister& model, QWidget* parent)
    : QDialog(parent), model_(model) {
    const RegisterDef& def = model.def();
    setObjectName(def.name);
    setWindowTitle(def.caption);
    setModal(true);
    openEntry_ = [](AnnexEntry& entry, QWidget* p) {
        RegisterEntryWindow window(entry, p);
        window.exec();
    };

    auto* layout = new QVBoxLayout(this);
    auto* frame = new QGroupBox(def.frame, this);
    auto* inner = new QVBoxLayout(frame);
    grid_ = new QTableView(frame);
    grid_->setObjectName(u"Grid_ITF"_s);
    grid_->setModel(&model);
    grid_->setSelectionBehavior(QAbstractItemView::SelectRows);
    grid_->setSelectionMode(QAbstractItemView::SingleSelection);
    grid_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grid_->verticalHeader()->setDefaultSectionSize(grid_->fontMetrics().height() + 6);
    grid_->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    grid_->horizontalHeader()->setStretchLastSection(true);
    grid_->setMinimumHeight(220);
    inner->addWidget(grid_);

    auto* totals = new QGridLayout;
    count_ = new QLabel(frame);
    count_->setObjectName(u"LblCtd_ITF"_s);
    totals->addWidget(count_, 0, 0);
    totals->setColumnStretch(0, 1);
    totals->addWidget(boldLabel(def.totalLabel, frame), 0, 1, Qt::AlignRight);
    total_ = amountLabel(u"lblTotal_ITF"_s, frame);
    totals->addWidget(total_, 0, 2);
    secondCaption_ = boldLabel(def.secondTotalLabel, frame);
    secondCaption_->setObjectName(u"Label100"_s);
    secondTotal_ = amountLabel(u"lblTotal_trib"_s, frame);
    totals->addWidget(secondCaption_, 1, 1, Qt::AlignRight);
    totals->addWidget(secondTotal_, 1, 2);
    const bool second = !def.secondSumColumn.isEmpty();
    secondCaption_->setVisible(second);
    secondTotal_->setVisible(second);
    inner->addLayout(totals);
    layout->addWidget(frame);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    const QStringList captions = {u"&Nuevo"_s, u"&Modificar"_s, u"&Eliminar"_s, u"&Salir"_s};
    const std::function<void()> actions[] = {[this] { nuevo(); }, [this] { modificar(); },
                                             [this] { eliminar(); }, [this] { salir(); }};
    for (int i = 0; i < captions.size(); ++i) {
        auto* b = new QPushButton(captions[i], this);
        b->setObjectName(u"CmdITF"_s + QString::number(i));
        b->setAutoDefault(false);
        b->setMinimumWidth(100);
        connect(b, &QPushButton::clicked, this, actions[i]);
        buttons->addWidget(b);
        if (i == 0)
            nuevo_ = b;
    }
    buttons->addStretch();
    layout->addLayout(buttons);

    connect(grid_, &QTableView::doubleClicked, this, [this] { modificar(); });
    connect(&model, &AnnexRegister::summaryChanged, this, [this] { showSummary(); });
    showSummary();
    if (model.count() > 0)
        grid_->selectRow(0);
    fitColumns();
}

void RegisterListWindow::fitColumns() {
    // Wide enough for every column of the register, within the screen's reach.
    grid_->resizeColumnsToContents();
    const int width = grid_->horizontalHeader()->length() + grid_->verticalHeader()->sizeHint().width() +
                      2 * grid_->frameWidth() + grid_->verticalScrollBar()->sizeHint().width() + 40;
    grid_->setMinimumWidth(qBound(600, width, 1200));
}

void RegisterListWindow::showSummary() {
    count_->setText(model_.countText());
    total_->setText(model_.totalText());
    secondTotal_->setText(model_.secondTotalText());
}

int RegisterListWindow::currentRow() const {
    const int row = grid_->currentIndex().row();
    return row < 0 ? 0 : row;
}

void RegisterListWindow::nuevo() {
    // A register may refuse a new record (box 519 holds at most 50 donors); it has said why.
    const std::unique_ptr<AnnexEntry> entry = model_.newEntry();
    if (entry)
        openEntry_(*entry, this);
}

void RegisterListWindow::modificar() {
    if (!model_.canModify())
        return;
    const int row = currentRow();
    const std::unique_ptr<AnnexEntry> entry = model_.entryFor(row);
    openEntry_(*entry, this);
    if (model_.count() > 0)
        grid_->selectRow(qMin(row, model_.count() - 1));
}

void RegisterListWindow::eliminar() {
    const int row = currentRow();
    model_.Eliminar_ITF(row);
    if (model_.count() == 0) {
        nuevo_->setFocus();
    } else {
        grid_->selectRow(qMin(row, model_.count() - 1));
    }
}

void RegisterListWindow::salir() {
    if (model_.leave())
        QDialog::accept();
}

void RegisterListWindow::reject() {
    salir();
}

}  // namespace zem
