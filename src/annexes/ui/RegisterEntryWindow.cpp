#include "annexes/ui/RegisterEntryWindow.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QVBoxLayout>

#include "annexes/AnnexEntry.h"
#include "annexes/AnnexRegister.h"
#include "data/Format.h"
#include "data/ui/AmountField.h"
#include "data/ui/SilentTeardown.h"
#include "declaration/ui/ShownField.h"
#include "startup/Session.h"

namespace zem {

using namespace Qt::StringLiterals;

namespace {

constexpr int kFieldWidth = 150;
// Names, and lists that show a description beside each code.
constexpr int kWideFieldWidth = 340;
// The captions inside the frames of field groups, so that the fields of all groups line up.
constexpr int kLabelWidth = 180;

QString controlName(const EntryField& f, int amountIndex) {
    switch (f.kind) {
        case EntryKind::Period:
            return u"MkePeriodo"_s;
        case EntryKind::Code:
            return u"CboFormulario"_s;
        case EntryKind::Digits:
            return u"txtOrden"_s;
        case EntryKind::Date:
            return u"MskFecPag"_s;
        case EntryKind::Document:
        case EntryKind::Text:
            return u"Txt_"_s + f.column;
        default:
            return u"TxtMonto"_s + QString::number(amountIndex);
    }
}

}  // namespace

RegisterEntryWindow::RegisterEntryWindow(AnnexEntry& entry, QWidget* parent)
    : QDialog(parent), entry_(entry) {
    setObjectName(entry.windowName());
    setWindowTitle(entry.caption());
    setModal(true);
    auto* layout = new QVBoxLayout(this);
    auto* frame = new QGroupBox(entry.frameCaption(), this);
    auto* grid = new QGridLayout(frame);
    grid->setColumnStretch(0, 1);
    MessageSink& sink = entry.owner().session().sink;
    int amountIndex = 0;
    int line = 0;
    QGroupBox* groupFrame = nullptr;
    QGridLayout* groupGrid = nullptr;
    // What the entry reads from elsewhere (the payer of a line), shown and never typed.
    for (const auto& [caption, value] : entry.shownAbove()) {
        auto* shown = new QLineEdit(value, frame);
        shown->setObjectName(u"TxtCab"_s + QString::number(line));
        shown->setReadOnly(true);
        shown->setFocusPolicy(Qt::NoFocus);
        shown->setMinimumWidth(kFieldWidth);
        ui::paintComputed(shown);
        grid->addWidget(new QLabel(caption, frame), line, 0);
        grid->addWidget(shown, line, 1);
        ++line;
    }
    for (const EntryField& f : entry.fields()) {
        QWidget* control = nullptr;
        const QString column = f.column;
        switch (f.kind) {
            case EntryKind::Period:
            case EntryKind::Digits:
            case EntryKind::Document:
            case EntryKind::Text:
            case EntryKind::Date: {
                auto* edit = new QLineEdit(frame);
                if (f.kind == EntryKind::Period)
                    edit->setInputMask(periodInputMask(entry.owner().session().gAnio));
                if (f.kind == EntryKind::Date)
                    edit->setInputMask(u"99/99/9999;_"_s);
                if (f.kind == EntryKind::Digits) {
                    edit->setValidator(
                        new QRegularExpressionValidator(QRegularExpression(u"[0-9]{0,20}"_s), edit));
                }
                if (f.kind == EntryKind::Document) {
                    edit->setValidator(
                        new QRegularExpressionValidator(QRegularExpression(u"[0-9A-Za-z-]{0,15}"_s), edit));
                }
                if (f.kind == EntryKind::Text)
                    edit->setMaxLength(100);
                connect(edit, &QLineEdit::textChanged, this, [this, column] {
                    if (!showing_)
                        entry_.setValue(column, controlText(column));
                });
                // Leaving the field fills it or refuses it (the series and number of a receipt).
                connect(edit, &QLineEdit::editingFinished, this, [this, column, edit] {
                    if (!showing_ && edit->isModified() && !entry_.leaveField(column))
                        edit->setFocus();
                    edit->setModified(false);
                });
                control = edit;
                break;
            }
            case EntryKind::Code: {
                auto* combo = new QComboBox(frame);
                // A code with its description when the list has them ("9589 - PERÚ"); the code is the value.
                for (const QString& code : entry.choices(column)) {
                    const QString text = entry.choiceText(column, code);
                    combo->addItem(text.isEmpty() ? code : code + u" - "_s + text, code);
                }
                combo->setCurrentIndex(-1);
                connect(combo, &QComboBox::currentIndexChanged, this, [this, column] {
                    if (!showing_)
                        entry_.setValue(column, controlText(column));
                });
                control = combo;
                break;
            }
            case EntryKind::Amount:
            case EntryKind::Computed: {
                auto* amount = new AmountField(AmountField::Kind::Annex, frame);
                if (entry.decimals(column) == 0) {
                    amount->setEditMask(u"###########0"_s);
                    amount->setDisplayMask(u"###,###,###,##0"_s);
                    amount->setEditMaxLength(12);
                    amount->setWholeUnits(true);
                }
                amount->setLimits(entry.integerDigits(column), entry.decimals(column), &sink);
                amount->setReadOnly(f.kind == EntryKind::Computed);
                amount->setFocusPolicy(f.kind == EntryKind::Computed ? Qt::NoFocus : Qt::StrongFocus);
                amount->setAlignment(Qt::AlignRight);
                connect(amount, &QLineEdit::textChanged, this, [this, column] {
                    if (!showing_)
                        entry_.setValue(column, controlText(column));
                });
                control = amount;
                ++amountIndex;
                break;
            }
        }
        const QString name = entry.controlName(column);
        control->setObjectName(name.isEmpty() ? controlName(f, amountIndex - 1) : name);
        // A list whose items carry their descriptions is as wide as they are; names take a wide field.
        control->setFixedWidth(qobject_cast<QComboBox*>(control)
                                   ? std::max(kFieldWidth, control->sizeHint().width())
                               : f.kind == EntryKind::Text ? kWideFieldWidth
                                                           : kFieldWidth);
        if (f.kind != EntryKind::Amount && f.kind != EntryKind::Computed)
            control->installEventFilter(this);
        auto* label = new QLabel(f.label, frame);
        label->setBuddy(control);
        // Fields of a group (the trustee's document type and number) go in a frame of their own.
        const QString group = entry.fieldGroup(column);
        if (group.isEmpty()) {
            grid->addWidget(label, line, 0);
            grid->addWidget(control, line, 1);
            ++line;
        } else {
            if (!groupGrid || groupFrame->title() != group) {
                groupFrame = new QGroupBox(group, frame);
                groupGrid = new QGridLayout(groupFrame);
                groupGrid->setColumnStretch(2, 1);  // the fields of every group start at one line
                grid->addWidget(groupFrame, line, 0, 1, 2);
                ++line;
            }
            label->setMinimumWidth(kLabelWidth);
            const int at = groupGrid->rowCount();
            groupGrid->addWidget(label, at, 0);
            groupGrid->addWidget(control, at, 1);
        }
        controls_.insert(column, control);
    }
    layout->addWidget(frame);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    auto* ok = new QPushButton(u"&Aceptar"_s, this);
    ok->setObjectName(u"CmdITF0"_s);
    auto* leave = new QPushButton(u"&Salir"_s, this);
    leave->setObjectName(u"CmdITF1"_s);
    for (QPushButton* b : {ok, leave}) {
        b->setAutoDefault(false);
        b->setMinimumWidth(100);
        buttons->addWidget(b);
    }
    layout->addLayout(buttons);
    connect(ok, &QPushButton::clicked, this, [this] { aceptar(); });
    connect(leave, &QPushButton::clicked, this, &QDialog::reject);

    connect(&entry, &AnnexEntry::valueChanged, this, [this, &sink](const QString& column) {
        showValue(column);
        // An amount's length may follow another field (the type of a receipt).
        for (const EntryField& f : entry_.fields()) {
            if (auto* amount = qobject_cast<AmountField*>(controls_.value(f.column));
                amount && f.column != column)
                amount->setLimits(entry_.integerDigits(f.column), entry_.decimals(f.column), &sink);
        }
    });
    connect(&entry, &AnnexEntry::enabledChanged, this, [this](const QString& column) { showState(column); });
    for (const EntryField& f : entry.fields()) {
        showValue(f.column);
        showState(f.column);
    }
}

RegisterEntryWindow::~RegisterEntryWindow() {
    silenceChildren(*this);
}

QString RegisterEntryWindow::controlText(const QString& column) const {
    QWidget* w = controls_.value(column);
    if (auto* combo = qobject_cast<QComboBox*>(w))
        return combo->currentIndex() < 0 ? QString() : combo->currentData().toString();
    auto* edit = qobject_cast<QLineEdit*>(w);
    if (!edit)
        return {};
    const EntryField* f = entry_.field(column);
    if (f && f->kind == EntryKind::Period)
        return AnnexEntry::perTriOf(edit->text());
    if (f && f->kind == EntryKind::Date && edit->text() == u"//")
        return {};
    return edit->text();
}

void RegisterEntryWindow::showValue(const QString& column) {
    QWidget* w = controls_.value(column);
    const EntryField* f = entry_.field(column);
    if (!w || !f || controlText(column) == entry_.value(column))
        return;
    showing_ = true;
    const QString v = entry_.value(column);
    if (auto* combo = qobject_cast<QComboBox*>(w)) {
        combo->setCurrentIndex(combo->findData(v));
    } else if (auto* edit = qobject_cast<QLineEdit*>(w)) {
        if (v.isEmpty()) {
            edit->clear();
        } else {
            edit->setText(f->kind == EntryKind::Period ? AnnexEntry::periodText(v) : v);
        }
    }
    showing_ = false;
}

void RegisterEntryWindow::showState(const QString& column) {
    QWidget* w = controls_.value(column);
    const EntryField* f = entry_.field(column);
    if (!w || !f)
        return;
    const bool locked = f->key && !entry_.isNew();
    w->setEnabled(entry_.isEnabled(column) && !locked);
    // A locked key is painted grey and still read; a closed amount, and a computed one, take the
    // button-face colour.
    QPalette palette = w->palette();
    const QColor face = palette.color(QPalette::Active, QPalette::Button);
    const QColor base = locked ? QColor(0xC0, 0xC0, 0xC0)
                        : !entry_.isEnabled(column) || f->kind == EntryKind::Computed ? face
                                                                                      : QColor(Qt::white);
    for (const auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
        palette.setColor(group, QPalette::Base, base);
        palette.setColor(group, QPalette::Button, locked ? base : face);
    }
    if (locked) {
        const QColor text = palette.color(QPalette::Active, QPalette::Text);
        palette.setColor(QPalette::Disabled, QPalette::Text, text);
        palette.setColor(QPalette::Disabled, QPalette::ButtonText, text);
    }
    w->setPalette(palette);
}

void RegisterEntryWindow::aceptar() {
    if (!entry_.accept()) {
        if (QWidget* w = controls_.value(entry_.failedColumn()); w && w->isEnabled())
            w->setFocus();
        return;
    }
    if (!entry_.isNew()) {
        accept();
        return;
    }
    if (!entry_.fields().isEmpty()) {
        if (QWidget* first = controls_.value(entry_.fields().first().column))
            first->setFocus();
    }
}

void RegisterEntryWindow::reject() {
    if (entry_.closeRequested())
        QDialog::reject();
}

bool RegisterEntryWindow::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            // Enter moves on as Tab does, once the field lets it go.
            const QString column = controls_.key(qobject_cast<QWidget*>(watched));
            if (!column.isEmpty() && !entry_.enterField(column))
                return true;
            focusNextChild();
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

}  // namespace zem
