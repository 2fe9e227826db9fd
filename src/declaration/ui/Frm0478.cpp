#include "declaration/ui/Frm0478.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTableView>
#include <QVBoxLayout>

#include "data/ui/CatalogueCombo.h"
#include "data/ui/SilentTeardown.h"
#include "declaration/BoxTable.h"
#include "declaration/ui/AnnexGridPanel.h"
#include "declaration/ui/BoxFields.h"
#include "declaration/ui/ConsistencyReport.h"
#include "declaration/ui/EditUndoStack.h"
#include "declaration/ui/FormaDePagoZEM.h"
#include "declaration/ui/OptionButtons.h"
#include "declaration/ui/ShownField.h"
#include "reports/ui/PrinterChoice.h"
#include "startup/MessageSink.h"
#include "startup/Session.h"
#include "startup/Utility.h"

namespace zem {

using namespace Qt::StringLiterals;

Frm0478::Frm0478(Session& session, const FeederRegistry& feeders, const OpenRequest& request, QWidget* parent)
    : QDialog(parent), session_(session), feeders_(feeders), form_(session) {
    setObjectName(u"Frm0478"_s);
    setWindowTitle(form_.caption());
    setWindowFlag(Qt::WindowMaximizeButtonHint, true);
    // The stack and the journal take every edit from the opening on, a recovered one included.
    undo_ = new EditUndoStack(form_, this);
    form_.keepJournal(true);
    opened_ = form_.open(request);

    auto* layout = new QVBoxLayout(this);
    tabs_ = new QTabWidget(this);
    tabs_->setObjectName(u"SSTab1"_s);
    tabs_->addTab(identificationPage(), u"Identificación"_s);
    tabs_->addTab(incomePage(), u"Determinación de la Renta Imponible"_s);
    tabs_->addTab(debtPage(), u"Determinación de la Deuda"_s);
    tabs_->addTab(complementaryPage(), u"Información Complementaria"_s);
    tabs_->addTab(additionalPage(), u"Información Adicional"_s);
    layout->addWidget(tabs_, 1);

    txtAyuda_ = new QPlainTextEdit(this);
    txtAyuda_->setObjectName(u"TxtAyuda"_s);
    txtAyuda_->setReadOnly(true);
    txtAyuda_->setFocusPolicy(Qt::NoFocus);
    txtAyuda_->setPlaceholderText(u"Aquí aparece la ayuda de la casilla en la que se encuentra."_s);
    txtAyuda_->setFixedHeight(txtAyuda_->fontMetrics().lineSpacing() * 3 + 12);
    layout->addWidget(txtAyuda_);

    auto* buttons = new QHBoxLayout;
    const QString texts[] = {u"&Grabar"_s, u"V&alidar"_s, u"&Salir"_s, u"Archivo personalizado"_s};
    for (int i = 0; i < 4; ++i) {
        auto* b = new QPushButton(texts[i], this);
        b->setObjectName(u"Cmdgeneral"_s + QString::number(i));
        b->setAutoDefault(false);
        b->setMinimumWidth(110);
        connect(b, &QPushButton::clicked, this, [this, i] { general(i); });
        commands_ << b;
    }
    buttons->addWidget(commands_[0]);
    buttons->addWidget(commands_[1]);
    buttons->addWidget(commands_[3]);
    buttons->addStretch(1);
    setupUndo(buttons);
    buttons->addWidget(commands_[2]);
    layout->addLayout(buttons);

    bindModel();
    showIdentification();
    for (int g = 0; g <= static_cast<int>(OptionGroup::OptFideicomiso); ++g)
        showOption(static_cast<OptionGroup>(g));
    showOptionDependents();
    for (int k = 0; k < 4; ++k)
        showSummary(static_cast<AnnexGridKind>(k));
    form_.validation().setReportViewer([this](const QString&) {
        const QStringList findings = form_.validation().findings();
        showConsistencyReport(this, form_.caption(), findings.join(u'\n'), [this, findings](QWidget* window) {
            reports::printFindings(window, findings, session_.clock.now(), session_.sink);
        });
    });
    connect(tabs_, &QTabWidget::currentChanged, this, &Frm0478::onTabChanged);
    resize(1120, 780);
}

Frm0478::~Frm0478() {
    silenceChildren(*this);
}

void Frm0478::bindModel() {
    Declaration& d = form_.declaration();
    connect(&d, &Declaration::boxChanged, this, &Frm0478::showBox);
    connect(&d, &Declaration::boxStateChanged, this, &Frm0478::showState);
    connect(&d, &Declaration::optionChanged, this, [this](OptionGroup g) {
        showOption(g);
        showOptionDependents();
    });
    connect(&d, &Declaration::identificationChanged, this, &Frm0478::showIdentification);
    connect(&d, &Declaration::orderNumberChanged, this, [this, &d] {
        if (txtOrden_->text() != d.orderNumber())
            txtOrden_->setText(d.orderNumber());
        if (txtVerifica_->text() != d.verifyDigits())
            txtVerifica_->setText(d.verifyDigits());
    });
    connect(&d, &Declaration::patrimonialTotalChanged, this,
            [this, &d] { txtTotal_->setText(d.patrimonialTotal()); });
    connect(&form_, &FormSession::entryModeChanged, this, &Frm0478::showIdentification);
    connect(&form_.grids(), &AnnexGrids::summaryChanged, this, &Frm0478::showSummary);
    txtOrden_->setText(d.orderNumber());
    txtVerifica_->setText(d.verifyDigits());
}

void Frm0478::showBox(int box) {
    const Declaration& d = form_.declaration();
    if (QLineEdit* f = fields_.value(box)) {
        const QString text = d.text(box);
        if (f->text() != text)
            f->setText(text);
        return;
    }
    if (typeLists_.contains(box)) {
        showTypeList(box);
    } else if (box == 25 && cboProfesion_) {
        ui::selectCode(*cboProfesion_, d.text(25), 2);
    } else if (box == 234 && mkeFecNac_) {
        mkeFecNac_->setText(d.text(234));
    }
}

void Frm0478::showState(int box) {
    const Declaration& d = form_.declaration();
    if (typeLists_.contains(box)) {
        typeLists_.value(box)->setEnabled(d.isEnabled(box));
        showTypeList(box);
        return;
    }
    if (box == 25 && cboProfesion_)
        cboProfesion_->setEnabled(d.isEnabled(25));
    if (box == 234 && mkeFecNac_)
        mkeFecNac_->setEnabled(d.isEnabled(234));
    QLineEdit* f = fields_.value(box);
    if (!f)
        return;
    const bool enabled = d.isEnabled(box) && !form_.waitsForType(box);
    const bool locked = d.isLocked(box);
    f->setEnabled(enabled);
    f->setReadOnly(locked);
    f->setFocusPolicy(locked ? Qt::NoFocus : Qt::StrongFocus);
    ui::paintComputed(f, locked);
}

void Frm0478::showTypeList(int typeBox) {
    QComboBox* combo = typeLists_.value(typeBox);
    if (!combo)
        return;
    const QString code = form_.declaration().text(typeBox).trimmed();
    {
        const QSignalBlocker block(combo);
        ui::selectCode(*combo, code, 2);
    }
    // The number box takes the length and the characters of the type.
    auto* number = qobject_cast<BoxTextField*>(fields_.value(numberOfType_.value(typeBox)));
    if (!number)
        return;
    const int length = combo->currentData(ui::LengthRole).toInt();
    number->setMaxLength(length > 0 ? length : 15);
    const QString kind = combo->currentData(ui::DataKindRole).toString();
    number->setKeyFilter(kind.isEmpty() || kind == u"0"_s ? util::FiltraDocumento : util::FiltraCodigo);
    showState(number->box());
}

void Frm0478::showOption(OptionGroup group) {
    if (OptionButtons* b = options_.value(static_cast<int>(group)))
        b->setCode(form_.declaration().option(group));
}

void Frm0478::showOptionDependents() {
    const Declaration& d = form_.declaration();
    const bool sent = form_.isSent();
    const auto yes = [&d](OptionGroup g) { return d.option(g) == u"1"_s; };
    for (OptionButtons* b : std::as_const(options_))
        b->setEnabled(!sent);
    commands_[3]->setEnabled(!sent && yes(OptionGroup::optSom));
    for (int k = 0; k < 4; ++k) {
        const auto kind = static_cast<AnnexGridKind>(k);
        AnnexGridPanel* p = gridPanel(kind);
        if (!p)
            continue;
        const bool on = FormOptions::gridOpen(d, kind);
        p->view()->setEnabled(on || kind == AnnexGridKind::Dividends);
        for (int i = 0; p->button(i); ++i)
            p->button(i)->setEnabled(on && !sent);
    }
}

void Frm0478::showIdentification() {
    const Declaration& d = form_.declaration();
    const bool choosing = form_.isNew() && !form_.isSent();
    cmbRuc_->setVisible(choosing);
    cmbRuc_->setEnabled(choosing && !form_.taxpayerLocked());
    txtNumRuc_->setVisible(!choosing);
    txtNumRuc_->setText(d.ruc());
    if (choosing && cmbRuc_->currentText().left(11).trimmed() != d.ruc()) {
        const int at = cmbRuc_->findData(d.ruc());
        cmbRuc_->setCurrentIndex(at < 0 ? 0 : at);
    }
    orderFrame_->setVisible(form_.isSent());
    payment_->setEnabled(!form_.isSent());
}

void Frm0478::showHelp(int box) {
    const BoxInfo* info = boxInfo(box);
    if (!info)
        return;
    const QString caption = box == 507 ? form_.caption507() : info->caption;
    txtAyuda_->setPlainText(u"Casilla "_s + boxCode(box) + u" - "_s + caption + u'\n' + info->help);
}

void Frm0478::showSummary(AnnexGridKind kind) {
    AnnexGridPanel* p = gridPanel(kind);
    if (!p)
        return;
    const AnnexGrids& g = form_.grids();
    p->setSummary(g.countText(kind), g.totalText(kind),
                  kind == AnnexGridKind::Dividends ? g.withheldText() : QString());
}

void Frm0478::chooseOption(OptionGroup group, const QString& code) {
    finishTyping();
    form_.setAnswer(group, code);
    showOption(group);  // an answer the user took back shows again
    showOptionDependents();
}

void Frm0478::chooseDate() {
    Declaration& d = form_.declaration();
    const QString date = mkeFecNac_->date();
    if (date == d.text(234))
        return;
    const FieldResult r = form_.setField(234, date);
    if (r)
        return;
    session_.sink.error(r.message, form_.caption());
    mkeFecNac_->setText(d.text(234));
}

void Frm0478::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        // Enter moves on as Tab does; on a button it presses it.
        if (auto* button = qobject_cast<QPushButton*>(focusWidget())) {
            button->click();
        } else {
            focusNextChild();
        }
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

void Frm0478::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (!opened_)
        QMetaObject::invokeMethod(
            this, [this] { QDialog::reject(); }, Qt::QueuedConnection);
}

}  // namespace zem
