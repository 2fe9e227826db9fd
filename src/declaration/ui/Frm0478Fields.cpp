// The fields of the declaration window: one per box, made by the kind of the box, and the rows and sections
// that hold them.
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

#include "data/Documents.h"
#include "data/ui/CatalogueCombo.h"
#include "declaration/BoxTable.h"
#include "declaration/ui/BoxFields.h"
#include "declaration/ui/Frm0478.h"
#include "declaration/ui/OptionButtons.h"
#include "startup/Session.h"
#include "startup/Utility.h"

namespace zem {

using namespace Qt::StringLiterals;

namespace {

constexpr int kAmountWidth = 130;

bool isNameBox(int box) {
    return (box >= 801 && box <= 825) || box == 890;
}

bool isDeclarantName(int box) {
    return box >= 801 && box <= 803;
}

bool isFed(int box) {
    const BoxInfo* info = boxInfo(box);
    return info && (info->kind == BoxKind::Annex || info->kind == BoxKind::Assistant);
}

}  // namespace

QWidget* Frm0478::field(int box) {
    if (typeLists_.contains(box))
        return typeLists_.value(box);
    if (QLineEdit* existing = fields_.value(box))
        return existing;
    if (box == 25)
        return makeProfessionList();
    if (box == 234)
        return makeDateField();
    if (isNameBox(box) || isDocumentNumberBox(box) || box == 28 || box == 140)
        return makeTextField(box);
    return makeAmountField(box);
}

QLineEdit* Frm0478::makeAmountField(int box) {
    auto* f = new BoxAmountField(box, isFed(box), this);
    f->setKeepsText(box == 200 || box == 201);
    f->setFixedWidth(kAmountWidth);
    f->setText(form_.declaration().text(box));
    f->setToolTip(u"Casilla "_s + boxCode(box));
    connect(f, &QLineEdit::textEdited, this, [this, box](const QString& t) {
        startTyping(box);
        form_.declaration().setText(box, t);
    });
    connect(f, &BoxAmountField::entered, this, [this](int b) {
        showHelp(b);
        startTyping(b);
        form_.rules().enterBox(b);
    });
    connect(f, &BoxAmountField::left, this, [this](int b) {
        form_.rules().leaveBox(b);
        if (typingBox_ == b)
            finishTyping();
    });
    connect(f, &BoxAmountField::helpRequested, this, &Frm0478::showHelp);
    connect(f, &AmountField::openRequested, this, [this, box] { openFeeder(box); });
    fields_.insert(box, f);
    showState(box);
    return f;
}

BoxTextField* Frm0478::makeTextField(int box) {
    BoxTextField::KeyFilter filter;
    int length = 15;
    if (box == 140) {
        filter = [](int key) { return key == '1' || key == '2' ? key : 0; };
        length = 1;
    } else if (box == 28) {
        filter = util::FiltraCodigo;
        length = 9;
    } else if (isNameBox(box)) {
        // People's names hold letters only; the lessors, payers and Amazonía entities may be companies.
        const bool business = box >= 817 && box <= 825;
        filter = [business](int key) { return util::FiltraNombre(key, business); };
        // The declarant's names come whole from the contributor register; the others are typed.
        length = isDeclarantName(box) ? 32767 : 30;
    } else {
        filter = util::FiltraDocumento;
    }
    auto* f = new BoxTextField(box, filter, this);
    f->setRefusesDelete(box == 140);
    f->setMaxLength(length);
    if (box == 28)
        f->setObjectName(u"TxtTelefono"_s);
    if (box == 236)
        f->setObjectName(u"txtRucConyugue"_s);
    f->setMinimumWidth(box == 140 ? 40 : (isNameBox(box) ? 220 : 130));
    // A surname or given names of 32 capitals show whole.
    if (isDeclarantName(box))
        f->setMinimumWidth(f->fontMetrics().horizontalAdvance(QString(32, u'M')) + 16);
    if (box == 140)
        f->setFixedWidth(kAmountWidth);
    f->setText(form_.declaration().text(box));
    f->setToolTip(u"Casilla "_s + boxCode(box));
    connect(f, &QLineEdit::textEdited, this, [this, box](const QString& t) {
        startTyping(box);
        form_.declaration().setText(box, t);
    });
    connect(f, &BoxTextField::entered, this, [this](int b) {
        showHelp(b);
        startTyping(b);
        if (b != 28)
            form_.rules().enterBox(b);
    });
    connect(f, &BoxTextField::left, this, [this](int b) {
        if (b != 28)  // the telephone is no box of the rules: it is never formatted
            form_.rules().leaveBox(b);
        if (typingBox_ == b)
            finishTyping();
    });
    connect(f, &BoxTextField::helpRequested, this, &Frm0478::showHelp);
    fields_.insert(box, f);
    showState(box);
    return f;
}

QComboBox* Frm0478::makeTypeList(int typeBox, int numberBox, int usage) {
    auto* combo = new QComboBox(this);
    combo->setObjectName(u"cboTipoDoc"_s + boxCode(typeBox));
    combo->setToolTip(u"Casilla "_s + boxCode(typeBox));
    ui::fillDocumentTypes(*combo, documents::documentTypeList(session_.db(), usage));
    combo->insertItem(0, QString(), QString());  // no type chosen
    combo->setMinimumWidth(150);
    typeLists_.insert(typeBox, combo);
    numberOfType_.insert(typeBox, numberBox);
    connect(combo, &QComboBox::activated, this, [this, combo, typeBox] {
        showHelp(typeBox);
        form_.setField(typeBox, ui::selectedCode(*combo));
        showTypeList(typeBox);
    });
    showState(typeBox);
    return combo;
}

QComboBox* Frm0478::makeProfessionList() {
    cboProfesion_ = new QComboBox(this);
    cboProfesion_->setObjectName(u"cboProfesion"_s);
    ui::fillList(*cboProfesion_, catalogue::listEntries(session_.db(), u"979"_s, u"*"_s, 1, 36, true,
                                                        catalogue::ListOrder::ByDescription));
    cboProfesion_->setMinimumWidth(320);
    connect(cboProfesion_, &QComboBox::activated, this, [this] {
        showHelp(25);
        form_.setField(25, ui::selectedCode(*cboProfesion_));
    });
    showBox(25);
    showState(25);
    return cboProfesion_;
}

BoxDateField* Frm0478::makeDateField() {
    mkeFecNac_ = new BoxDateField(234, this);
    mkeFecNac_->setFixedWidth(kAmountWidth);
    mkeFecNac_->setToolTip(u"Casilla 234"_s);
    connect(mkeFecNac_, &BoxDateField::finished, this, &Frm0478::chooseDate);
    connect(mkeFecNac_, &BoxDateField::helpRequested, this, &Frm0478::showHelp);
    showBox(234);
    showState(234);
    return mkeFecNac_;
}

OptionButtons* Frm0478::makeOption(OptionGroup group, const QList<QPair<QString, QString>>& answers) {
    static const char16_t* const kNames[] = {
        u"optInmueble", u"optPor",       u"optSom",     u"OptElabora",    u"optCondomino",  u"optExonera",
        u"optInafecta", u"OptRectifica", u"OptGeneral", u"OptExtranjero", u"OptFideicomiso"};
    auto* buttons = new OptionButtons(QString::fromUtf16(kNames[static_cast<int>(group)]), answers, this);
    options_.insert(static_cast<int>(group), buttons);
    connect(buttons, &OptionButtons::chosen, this,
            [this, group](const QString& code) { chooseOption(group, code); });
    buttons->setCode(form_.declaration().option(group));
    return buttons;
}

QWidget* Frm0478::numbered(int box) {
    auto* cell = new QWidget(this);
    auto* layout = new QHBoxLayout(cell);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(4);
    auto* number = new QLabel(boxCode(box), cell);
    number->setObjectName(u"lblCasilla"_s + boxCode(box));
    number->setAlignment(Qt::AlignCenter);
    number->setFixedWidth(38);
    number->setStyleSheet(u"QLabel { border: 1px solid palette(mid); font-weight: bold; padding: 2px; }"_s);
    layout->addWidget(number);
    layout->addWidget(field(box), 1);
    return cell;
}

void Frm0478::addRow(QGridLayout* grid, int box, const QString& caption) {
    const int row = grid->rowCount();
    const BoxInfo* info = boxInfo(box);
    auto* label = new QLabel(caption.isEmpty() && info ? info->caption : caption, this);
    label->setWordWrap(true);
    label->setObjectName(u"lblCaption"_s + boxCode(box));
    if (box == 180) {  // the amount the declarant pays stands out, as on the printed form
        QFont bold = label->font();
        bold.setBold(true);
        label->setFont(bold);
    }
    grid->addWidget(label, row, 0);
    grid->addWidget(numbered(box), row, 1, Qt::AlignRight | Qt::AlignVCenter);
}

void Frm0478::addHeading(QGridLayout* grid, const QString& text) {
    auto* label = new QLabel(text, this);
    QFont bold = label->font();
    bold.setBold(true);
    label->setFont(bold);
    grid->addWidget(label, grid->rowCount(), 0, 1, 2);
}

QGridLayout* Frm0478::newSection(QVBoxLayout* page, const QString& title) {
    QWidget* frame = title.isEmpty() ? new QWidget(this) : new QGroupBox(title, this);
    auto* grid = new QGridLayout(frame);
    if (title.isEmpty())
        grid->setContentsMargins(0, 0, 0, 0);
    grid->setColumnStretch(0, 1);
    grid->setHorizontalSpacing(12);
    grid->setVerticalSpacing(4);
    page->addWidget(frame);
    return grid;
}

}  // namespace zem
