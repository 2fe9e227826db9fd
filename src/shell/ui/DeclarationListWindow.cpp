#include "shell/ui/DeclarationListWindow.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "declaration/Opening.h"
#include "shell/ui/DeclarationGrid.h"
#include "shell/ui/ModalWindow.h"
#include "shell/ui/WindowFactory.h"
#include "shell/ui/ZemStatBar.h"
#include "startup/Session.h"

namespace zem {

using namespace Qt::StringLiterals;

DeclarationListWindow::DeclarationListWindow(Session& session, const WindowFactory& windows,
                                             ZemStatBar* statusBar, DeclarationList list,
                                             const QString& frameCaption, const QString& instruction,
                                             const QString& mainCaption, QWidget* parent)
    : QDialog(parent), session_(session), windows_(windows), statusBar_(statusBar) {
    model_ = new DeclarationListModel(list, this);
    auto* frame = new QGroupBox(frameCaption, this);
    grid_ = new DeclarationGrid(frame);
    grid_->setObjectName(u"grdContrib"_s);
    grid_->setModel(model_);
    auto* frameLayout = new QVBoxLayout(frame);
    frameLayout->addWidget(new QLabel(instruction, frame));
    frameLayout->addWidget(grid_);

    auto* main = new QPushButton(mainCaption, this);
    main->setObjectName(u"cmdAccion0"_s);
    auto* close = new QPushButton(u"&Salir"_s, this);
    close->setObjectName(u"cmdAccion1"_s);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    for (QPushButton* b : {main, close}) {
        b->setAutoDefault(false);
        buttons->addWidget(b);
    }
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(frame);
    layout->addLayout(buttons);

    connect(main, &QPushButton::clicked, this, &DeclarationListWindow::act);
    connect(close, &QPushButton::clicked, this, &QDialog::reject);
    connect(grid_, &DeclarationGrid::chosen, this, &DeclarationListWindow::act);
    connect(grid_, &DeclarationGrid::rowChanged, this, &DeclarationListWindow::showRowInStatusBar);

    reload();
    // The columns fit their contents; the name takes the free width.
    QHeaderView* header = grid_->horizontalHeader();
    header->setSectionResizeMode(QHeaderView::ResizeToContents);
    header->setSectionResizeMode(1, QHeaderView::Stretch);
    header->setStretchLastSection(false);
    grid_->setFocus();
}

void DeclarationListWindow::reload() {
    const DeclarationRow* current = chosen();
    const DeclarationRow before = current ? *current : DeclarationRow{};
    model_->setRows(declarationRows(session_.db(), sessionFilter(session_, model_->list())));
    const int row = current ? model_->rowOf(before) : -1;
    grid_->setCurrentRow(row >= 0 ? row : 0);
}

const DeclarationRow* DeclarationListWindow::chosen() const {
    return model_->rowAt(grid_->currentRow());
}

void DeclarationListWindow::openDeclaration(const OpenRequest& request) {
    WaitCursor wait;
    showModal(windows_.createDeclarationWindow(session_, request, this), &wait);
    reload();
}

void DeclarationListWindow::showRowInStatusBar(int row) {
    if (const DeclarationRow* r = model_->rowAt(row); r && statusBar_)
        statusBar_->showDeclaration(*r);
}

}  // namespace zem
