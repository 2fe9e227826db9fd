#include "reports/ui/FrmImprimir.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QPushButton>
#include <QRadioButton>
#include <QTableView>
#include <QVBoxLayout>
#include <algorithm>

#include "reports/PrintJob.h"
#include "reports/ReportPages.h"
#include "reports/ui/FrmImpxPag.h"
#include "reports/ui/FrmPreview.h"
#include "reports/ui/PrinterChoice.h"
#include "startup/MessageSink.h"
#include "startup/Session.h"

namespace zem::reports {

using namespace Qt::StringLiterals;

namespace {

enum Command { kPreliminar = 0, kImprimir = 1, kSalir = 2 };

}  // namespace

frmImprimir::frmImprimir(Session& session, bool sent, QWidget* parent)
    : QDialog(parent),
      session_(session),
      list_(sent ? DeclarationList::Sent : DeclarationList::InPreparation) {
    setObjectName(u"frmImprimir"_s);
    setWindowTitle(sent ? u"Imprimir Formularios enviados"_s : u"Imprimir "_s);
    setModal(true);

    auto* layout = new QVBoxLayout(this);
    auto* frame = new QGroupBox(sent ? u"Declaraciones Enviadas"_s : u"Declaraciones"_s, this);
    frame->setObjectName(u"Frame1"_s);
    auto* frameLayout = new QVBoxLayout(frame);
    model_ = new DeclarationListModel(list_, this);
    model_->setRows(declarationRows(session.db(), sessionFilter(session, list_)));
    grid_ = new QTableView(frame);
    grid_->setObjectName(u"grdContrib"_s);
    grid_->setModel(model_);
    grid_->setSelectionBehavior(QAbstractItemView::SelectRows);
    grid_->setSelectionMode(QAbstractItemView::SingleSelection);
    grid_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grid_->verticalHeader()->hide();
    grid_->resizeColumnsToContents();
    grid_->horizontalHeader()->setSectionResizeMode(1, QHeaderView::Stretch);
    if (model_->rowCount() > 0)
        grid_->selectRow(0);
    frameLayout->addWidget(grid_);
    layout->addWidget(frame, 1);

    auto* options = new QGroupBox(u"Imprimir"_s, this);
    options->setObjectName(u"FrameOpciones"_s);
    auto* optionsLayout = new QHBoxLayout(options);
    for (const QString& text : {u"Declaración"_s, u"Anexos"_s, u"Declaración y anexos"_s}) {
        auto* o = new QRadioButton(text, options);
        o->setObjectName(u"OptImp"_s + QString::number(options_.size()));
        options_ << o;
        optionsLayout->addWidget(o);
        connect(o, &QRadioButton::toggled, this, [this](bool on) {
            if (on)
                onOption();
        });
    }
    layout->addWidget(options);

    auto* annexFrame = new QGroupBox(u"Anexos"_s, this);
    annexFrame->setObjectName(u"FrameAnexos"_s);
    auto* annexLayout = new QGridLayout(annexFrame);
    const QList<AnnexGroup>& groups = annexGroups();
    for (qsizetype g = 0; g < groups.size(); ++g) {
        auto* c = new QCheckBox(groups[g].name, annexFrame);
        c->setObjectName(u"chkanexos480_"_s + QString::number(g));
        annexes_ << c;
        annexLayout->addWidget(c, static_cast<int>(g / 3), static_cast<int>(g % 3));
    }
    layout->addWidget(annexFrame);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    for (const QString& text : {u"&Preliminar"_s, u"&Imprimir"_s, u"&Salir"_s}) {
        auto* b = new QPushButton(text, this);
        const int index = static_cast<int>(commands_.size());
        b->setObjectName(u"CmdImprimir"_s + QString::number(index));
        commands_ << b;
        buttons->addWidget(b);
        connect(b, &QPushButton::clicked, this, [this, index] { onCommand(index); });
    }
    layout->addLayout(buttons);

    options_[0]->setChecked(true);
    resize(760, 560);
}

PrintOption frmImprimir::option() const {
    if (options_[1]->isChecked())
        return PrintOption::Anexos;
    if (options_[2]->isChecked())
        return PrintOption::DeclaracionYAnexos;
    return PrintOption::Declaracion;
}

void frmImprimir::onOption() {
    const bool annexes = withAnnexes(option());
    for (QCheckBox* c : annexes_) {
        if (!annexes)
            c->setChecked(false);
        c->setEnabled(annexes);
    }
}

PrintoutChoice frmImprimir::choice() const {
    QList<int> ticked;
    for (qsizetype g = 0; g < annexes_.size(); ++g) {
        if (annexes_[g]->isChecked())
            ticked << static_cast<int>(g);
    }
    return printoutChoice(option(), ticked);
}

std::optional<SpoolFile> frmImprimir::escribirReporte() {
    const bool anyAnnex =
        std::any_of(annexes_.begin(), annexes_.end(), [](auto* c) { return c->isChecked(); });
    if (withAnnexes(option()) && !anyAnnex) {
        session_.sink.error(u"Debe seleccionar algún anexo"_s, u"Error"_s);
        return std::nullopt;
    }
    const QModelIndexList selected = grid_->selectionModel()->selectedRows();
    const DeclarationRow* row = selected.isEmpty() ? nullptr : model_->rowAt(selected.first().row());
    if (!row) {
        reportPrintError(session_.sink, kNothingToPrint);
        return std::nullopt;
    }
    return imprimirDeclaracion(session_, declarationKey(*row, list_), choice());
}

void frmImprimir::onCommand(int index) {
    if (index == kSalir) {
        reject();
        return;
    }
    const std::optional<SpoolFile> file = escribirReporte();
    if (!file)
        return;
    if (index == kImprimir) {
        printReportFile(this, file->path, {}, session_.sink);
        return;
    }
    // The page count the report declares is that of the declaration pages only; its annex pages count too.
    ReportPages pages;
    if (!pages.open(file->path, {}, session_.sink))
        return;
    const int total = std::max(NumRegistros(file->path), pages.pageNumber(pages.count() - 1) + 1);
    frmImpxPag range(total, session_.sink, this);
    if (range.exec() == QDialog::Accepted)
        showPreview(this, file->path, range.range(), session_.sink);
}

}  // namespace zem::reports
