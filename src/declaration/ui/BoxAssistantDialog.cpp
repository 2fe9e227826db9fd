#include "declaration/ui/BoxAssistantDialog.h"

#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "data/ui/AmountField.h"
#include "declaration/BoxAssistant.h"
#include "declaration/ui/ShownField.h"
#include "startup/MessageSink.h"

namespace zem {

using namespace Qt::StringLiterals;

namespace {

constexpr int kFieldWidth = 140;
constexpr int kCaptionWidth = 430;

}  // namespace

BoxAssistantDialog::BoxAssistantDialog(BoxAssistant& model, MessageSink& sink, QWidget* parent)
    : QDialog(parent), model_(model), sink_(sink) {
    const AssistantDef& def = model.def();
    setObjectName(def.name);
    setWindowTitle(def.caption);
    setModal(true);

    auto* layout = new QVBoxLayout(this);
    if (!def.heading.isEmpty()) {
        auto* heading = new QLabel(def.heading, this);
        QFont bold = heading->font();
        bold.setBold(true);
        heading->setFont(bold);
        layout->addWidget(heading);
    }

    auto* grid = new QGridLayout;
    grid->setColumnStretch(0, 1);
    grid->setHorizontalSpacing(12);
    for (int i = 0; i < model.lineCount(); ++i) {
        const AssistantLine& line = def.lines[i];
        auto* caption = new QLabel(line.caption, this);
        caption->setWordWrap(true);
        caption->setMinimumWidth(kCaptionWidth);
        caption->setTextFormat(Qt::PlainText);
        const bool fed = i == def.normsLine;
        auto* field = new AmountField(fed ? AmountField::Kind::AssistantBox : AmountField::Kind::Box, this);
        field->setObjectName(u"TxtMonto"_s + QString::number(i));
        field->setFixedWidth(kFieldWidth);
        field->setText(model.line(i));
        field->setToolTip(u"Casilla "_s + QString::number(line.box));
        caption->setBuddy(field);
        grid->addWidget(caption, i, 0);
        grid->addWidget(field, i, 1, Qt::AlignTop);
        fields_ << field;

        connect(field, &QLineEdit::textChanged, this,
                [this, i](const QString& text) { model_.setLine(i, text); });
        if (fed)
            connect(field, &AmountField::openRequested, this, [this, i] { openRegisterFor(i); });
    }
    layout->addLayout(grid);

    auto* rule = new QFrame(this);
    rule->setFrameShape(QFrame::HLine);
    rule->setFrameShadow(QFrame::Sunken);
    layout->addWidget(rule);

    auto* totalRow = new QHBoxLayout;
    auto* totalLabel = new QLabel(def.totalLabel, this);
    QFont bold = totalLabel->font();
    bold.setBold(true);
    totalLabel->setFont(bold);
    total_ = new QLineEdit(model.total(), this);
    total_->setObjectName(u"TxtTotal"_s);
    ui::makeShownOnly(total_);
    total_->setFixedWidth(kFieldWidth);
    totalRow->addWidget(totalLabel, 1, Qt::AlignRight);
    totalRow->addWidget(total_);
    layout->addLayout(totalRow);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    accept_ = new QPushButton(u"&Aceptar"_s, this);
    accept_->setObjectName(u"CmdGrabar"_s);
    cancel_ = new QPushButton(u"&Cancelar"_s, this);
    cancel_->setObjectName(u"cmdCancelar"_s);
    buttons->addWidget(accept_);
    buttons->addWidget(cancel_);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    connect(&model_, &BoxAssistant::totalChanged, total_, &QLineEdit::setText);
    connect(&model_, &BoxAssistant::lineChanged, this,
            [this](int i) { fields_[i]->setText(model_.line(i)); });
    connect(accept_, &QPushButton::clicked, this, &BoxAssistantDialog::onAccept);
    connect(cancel_, &QPushButton::clicked, this, &QDialog::reject);

    if (!fields_.isEmpty())
        fields_.front()->setFocus();
}

void BoxAssistantDialog::openRegisterFor(int index) {
    const int box = model_.def().lines[index].box;
    if (!openRegister_ || !openRegister_(box)) {
        sink_.info(u"El registro de normas legales aún no está disponible."_s, windowTitle());
        return;
    }
    model_.reloadLine(index);
}

void BoxAssistantDialog::onAccept() {
    if (model_.accept())
        accept();
}

}  // namespace zem
