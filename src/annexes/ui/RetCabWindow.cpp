#include "annexes/ui/RetCabWindow.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>

#include "annexes/Ret.h"
#include "annexes/RetCab.h"
#include "annexes/ui/RegisterEntryWindow.h"
#include "data/Documents.h"

namespace zem {

using namespace Qt::StringLiterals;

RetCabWindow::RetCabWindow(RetCabEntry& entry, QWidget* parent) : QDialog(parent), entry_(entry) {
    setWindowTitle(entry.caption());
    setObjectName(entry.windowName());
    setModal(true);
    const RetTexts& texts = entry.ret().texts();
    auto* layout = new QVBoxLayout(this);

    auto* payer = new QGroupBox(
        texts.payerFrame.isEmpty() ? u"Apellidos y nombres, denominación o razón social"_s : texts.payerFrame,
        this);
    auto* fields = new QGridLayout(payer);
    // CboTipo: the types of the box's payers, "06  -  REG. UNICO DE CONTRIBUYENTES".
    type_ = new QComboBox(payer);
    type_->setObjectName(u"CboTipo"_s);
    const int flag = rucOnlyPayer(entry.ret().boxNumber()) ? documents::usage::kWithholdingAgent
                                                           : documents::usage::kPayer;
    for (const documents::DocumentTypeEntry& e : documents::documentTypeList(entry.ret().db(), flag))
        type_->addItem(e.text, e.code.trimmed());
    type_->setCurrentIndex(-1);
    connect(type_, &QComboBox::currentIndexChanged, this, [this] {
        if (!showing_)
            entry_.setValue(u"tip_doc_ret"_s, type_->currentData().toString());
    });
    controls_.insert(u"tip_doc_ret"_s, type_);
    int line = 0;
    for (const EntryField& f : entry.fields()) {
        QWidget* control = type_;
        if (f.column != u"tip_doc_ret") {
            auto* edit = new QLineEdit(payer);
            edit->setMaxLength(f.column == u"num_doc_ret" ? 15 : 100);
            const QString column = f.column;
            connect(edit, &QLineEdit::textChanged, this, [this, column](const QString& text) {
                if (!showing_ && !entry_.setValue(column, text))
                    showValue(column);
            });
            control = edit;
            controls_.insert(f.column, edit);
        }
        control->setObjectName(f.column == u"tip_doc_ret" ? u"CboTipo"_s : u"Txt_"_s + f.column);
        auto* label = new QLabel(f.label, payer);
        labels_.insert(f.column, label);
        fields->addWidget(label, line, 0);
        fields->addWidget(control, line, 1);
        ++line;
    }
    layout->addWidget(payer);

    auto* detail = new QGroupBox(texts.detailFrame, this);
    auto* inner = new QVBoxLayout(detail);
    grid_ = new QTableView(detail);
    grid_->setObjectName(u"gridRet"_s);
    grid_->setModel(&entry.lines());
    grid_->setSelectionBehavior(QAbstractItemView::SelectRows);
    grid_->setSelectionMode(QAbstractItemView::SingleSelection);
    grid_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grid_->horizontalHeader()->setStretchLastSection(true);
    grid_->setMinimumSize(560, 180);
    inner->addWidget(grid_);
    count_ = new QLabel(detail);
    count_->setObjectName(u"LblCantidad"_s);
    inner->addWidget(count_);
    layout->addWidget(detail);
    connect(&entry.lines(), &AnnexRegister::summaryChanged, this, [this] {
        count_->setText(entry_.lines().countText());
        grid_->resizeColumnsToContents();
    });
    count_->setText(entry.lines().countText());

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    const QStringList captions = {u"&Nuevo"_s, u"&Modificar"_s, u"&Eliminar"_s, u"&Aceptar"_s, u"&Salir"_s};
    const std::function<void()> actions[] = {[this] { newLine(); }, [this] { modifyLine(); },
                                             [this] { deleteLine(); }, [this] { aceptar(); },
                                             [this] { reject(); }};
    for (int i = 0; i < captions.size(); ++i) {
        auto* b = new QPushButton(captions[i], this);
        b->setObjectName(u"cmddetalle"_s + QString::number(i));
        b->setAutoDefault(false);
        connect(b, &QPushButton::clicked, this, actions[i]);
        buttons->addWidget(b);
    }
    buttons->addStretch();
    layout->addLayout(buttons);
    connect(grid_, &QTableView::doubleClicked, this, [this] { modifyLine(); });

    connect(&entry, &AnnexEntry::valueChanged, this, [this](const QString& column) { showValue(column); });
    connect(&entry, &AnnexEntry::enabledChanged, this, [this](const QString& column) { showState(column); });
    connect(&entry, &AnnexEntry::modeChanged, this, [this] {
        for (const EntryField& f : entry_.fields())
            showState(f.column);
    });
    for (const EntryField& f : entry.fields()) {
        showValue(f.column);
        showState(f.column);
    }
}

void RetCabWindow::showValue(const QString& column) {
    showing_ = true;
    const QString v = entry_.value(column);
    if (column == u"tip_doc_ret") {
        type_->setCurrentIndex(type_->findData(v.trimmed()));
    } else if (auto* edit = qobject_cast<QLineEdit*>(controls_.value(column)); edit && edit->text() != v) {
        edit->setText(v);
    }
    showing_ = false;
}

void RetCabWindow::showState(const QString& column) {
    QWidget* w = controls_.value(column);
    if (!w)
        return;
    w->setEnabled(entry_.isEditable(column));
    // A RUC shows its business name, any other document the names of a person: the other fields are hidden.
    if (column == u"des_razon" || column.startsWith(u"des_ape") || column == u"des_nombres") {
        w->setVisible(entry_.isEnabled(column));
        labels_.value(column)->setVisible(entry_.isEnabled(column));
    }
}

int RetCabWindow::currentRow() const {
    const int row = grid_->currentIndex().row();
    return row < 0 ? 0 : row;
}

void RetCabWindow::newLine() {
    if (const std::unique_ptr<AnnexEntry> line = entry_.newLine()) {
        RegisterEntryWindow window(*line, this);
        window.exec();
    } else if (QWidget* w = controls_.value(entry_.failedColumn())) {
        w->setFocus();
    }
}

void RetCabWindow::modifyLine() {
    if (const std::unique_ptr<AnnexEntry> line = entry_.lineFor(currentRow())) {
        RegisterEntryWindow window(*line, this);
        window.exec();
    }
}

void RetCabWindow::deleteLine() {
    entry_.deleteLine(currentRow());
}

void RetCabWindow::aceptar() {
    if (entry_.accept()) {
        QDialog::accept();
    } else if (QWidget* w = controls_.value(entry_.failedColumn())) {
        w->setFocus();
    }
}

void RetCabWindow::reject() {
    if (entry_.leave())
        QDialog::reject();
}

}  // namespace zem
