#include "declaration/ui/OptionButtons.h"

#include <QButtonGroup>
#include <QHBoxLayout>
#include <QRadioButton>

namespace zem {

using namespace Qt::StringLiterals;

OptionButtons::OptionButtons(const QString& name, const QList<Answer>& answers, QWidget* parent)
    : QWidget(parent), group_(new QButtonGroup(this)), answers_(answers) {
    setObjectName(name);
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(18);
    // Exclusive by hand: with no answer chosen no button is checked.
    group_->setExclusive(false);
    for (int i = 0; i < answers.size(); ++i) {
        auto* b = new QRadioButton(answers[i].second, this);
        b->setObjectName(name + QString::number(i));
        b->setAutoExclusive(false);
        group_->addButton(b, i);
        layout->addWidget(b);
        buttons_ << b;
    }
    layout->addStretch(1);
    connect(group_, &QButtonGroup::idClicked, this, [this](int id) {
        const QString code = answers_[id].first;
        setCode(code_);  // the owner decides; the buttons follow the answer it keeps
        if (code != code_)
            Q_EMIT chosen(code);
    });
}

void OptionButtons::setCode(const QString& code) {
    code_ = code;
    for (int i = 0; i < buttons_.size(); ++i) {
        const bool on = !code.isEmpty() && answers_[i].first == code;
        if (buttons_[i]->isChecked() != on)
            buttons_[i]->setChecked(on);
    }
}

QRadioButton* OptionButtons::button(int index) const {
    return index >= 0 && index < buttons_.size() ? buttons_[index] : nullptr;
}

}  // namespace zem
