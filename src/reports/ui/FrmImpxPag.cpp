#include "reports/ui/FrmImpxPag.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QVBoxLayout>

#include "reports/PageRangeCheck.h"
#include "startup/MessageSink.h"

namespace zem::reports {

using namespace Qt::StringLiterals;

namespace {

QLineEdit* pageBox(QWidget* parent, const QString& name) {
    auto* box = new QLineEdit(u"1"_s, parent);
    box->setObjectName(name);
    // Digits, "." and blanks, as the page boxes have always taken them.
    box->setValidator(new QRegularExpressionValidator(QRegularExpression(u"[0-9. ]*"_s), box));
    box->setMaxLength(5);
    return box;
}

}  // namespace

frmImpxPag::frmImpxPag(int totalPages, MessageSink& sink, QWidget* parent)
    : QDialog(parent), totalPages_(totalPages), sink_(sink) {
    setObjectName(u"frmImpxPag"_s);
    setWindowTitle(u"Impresión de "_s + QString::number(totalPages) + u" páginas"_s);
    setModal(true);

    auto* layout = new QVBoxLayout(this);
    auto* advice = new QLabel(
        u"Los reportes de más de 10 páginas pueden agotar la memoria del computador; imprímalos o "
        "visualícelos en rangos de 10 páginas como máximo."_s,
        this);
    advice->setWordWrap(true);
    layout->addWidget(advice);

    auto* form = new QFormLayout;
    desde_ = pageBox(this, u"txtPagDesde"_s);
    hasta_ = pageBox(this, u"txtPagHasta"_s);
    total_ = new QLineEdit(QString::number(totalPages), this);
    total_->setObjectName(u"txtTotPaginas"_s);
    total_->setReadOnly(true);
    form->addRow(u"Desde la página:"_s, desde_);
    form->addRow(u"Hasta la página:"_s, hasta_);
    form->addRow(u"Total de páginas:"_s, total_);
    layout->addLayout(form);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    preliminar_ = new QPushButton(u"&Preliminar"_s, this);
    preliminar_->setObjectName(u"cmdAccion0"_s);
    cancelar_ = new QPushButton(u"&Cancelar"_s, this);
    cancelar_->setObjectName(u"cmdAccion1"_s);
    for (QPushButton* b : {preliminar_, cancelar_}) {
        b->setAutoDefault(false);  // Enter moves between the fields
        buttons->addWidget(b);
    }
    layout->addLayout(buttons);

    connect(desde_, &QLineEdit::returnPressed, this, [this] { hasta_->setFocus(); });
    connect(hasta_, &QLineEdit::returnPressed, this, [this] { preliminar_->setFocus(); });
    connect(preliminar_, &QPushButton::clicked, this, &frmImpxPag::check);
    connect(cancelar_, &QPushButton::clicked, this, &QDialog::reject);
    desde_->setFocus();
    desde_->selectAll();
}

void frmImpxPag::check() {
    const PageRangeCheck result = checkPageRange(desde_->text(), hasta_->text(), totalPages_);
    if (!result.ok()) {
        sink_.error(result.error, windowTitle());
        return;
    }
    range_ = result.range;
    accept();
}

}  // namespace zem::reports
