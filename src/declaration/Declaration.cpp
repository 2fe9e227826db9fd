#include "declaration/Declaration.h"

#include <algorithm>

namespace zem {

using namespace Qt::StringLiterals;

int optionBox(OptionGroup group) {
    switch (group) {
        case OptionGroup::optInmueble:
            return 27;
        case OptionGroup::optPor:
            return 552;
        case OptionGroup::optSom:
            return 554;
        case OptionGroup::OptElabora:
            return 556;
        case OptionGroup::optCondomino:
            return 559;
        case OptionGroup::optExonera:
            return 560;
        case OptionGroup::optInafecta:
            return 561;
        case OptionGroup::OptRectifica:
            return 5;
        default:
            return 0;
    }
}

QString boxCode(int box) {
    return QString::number(box).rightJustified(3, u'0');
}

int nameOfContinuation(int box) {
    switch (box) {
        case 891:
            return 818;
        case 892:
            return 820;
        case 827:
        case 829:
        case 831:
        case 832:
        case 833:
        case 834:
        case 835:
            return box - 10;
        default:
            return 0;
    }
}

int continuationOfName(int box) {
    switch (box) {
        case 818:
            return 891;
        case 820:
            return 892;
        default:
            return box >= 817 && box <= 825 ? box + 10 : 0;
    }
}

bool isDocumentTypeBox(int box) {
    return (box >= 204 && box <= 206) || (box >= 224 && box <= 227) || box == 301 || box == 235;
}

Declaration::Declaration(QObject* parent) : QObject(parent) {}

void Declaration::setText(int box, const QString& text) {
    auto it = texts_.find(box);
    const QString old = it == texts_.end() ? QString() : *it;
    if (old == text && (it != texts_.end() || text.isEmpty()))
        return;
    if (text.isEmpty()) {
        texts_.remove(box);
    } else {
        texts_.insert(box, text);
    }
    Q_EMIT boxChanged(box);
    setModified(true);
    if (!loading_ && changeHandler_)
        changeHandler_(box);
}

QList<int> Declaration::filledBoxes() const {
    QList<int> boxes = texts_.keys();
    std::sort(boxes.begin(), boxes.end());
    return boxes;
}

void Declaration::setStoredValue(int box, const QString& value) {
    switch (box) {
        case 2:
        case 7:
        case 721:
        case 871:
            return;  // derived when saving
        case 598:
            setPaymentAmount(value);
            return;
        case 599:
            setPaymentType(value.trimmed());
            return;
        case 15:
            setPaymentBank(value.trimmed());
            return;
        case 12:
            setPaymentCheque(value.trimmed());
            return;
        default:
            break;
    }
    if (continuationOfName(box) != 0) {
        nameHeads_.insert(box, value);
        setText(box, value + nameTails_.value(box));
        return;
    }
    if (const int name = nameOfContinuation(box); name != 0) {
        nameTails_.insert(name, value);
        setText(name, nameHeads_.value(name) + value);
        return;
    }
    for (int g = 0; g <= static_cast<int>(OptionGroup::OptFideicomiso); ++g) {
        const auto group = static_cast<OptionGroup>(g);
        if (optionBox(group) == box) {
            setOption(group, value.trimmed());
            return;
        }
    }
    setText(box, value);
}

void Declaration::setEnabled(int box, bool enabled) {
    if (enabled == isEnabled(box))
        return;
    if (enabled) {
        disabled_.remove(box);
    } else {
        disabled_.insert(box);
    }
    Q_EMIT boxStateChanged(box);
}

void Declaration::setLocked(int box, bool locked) {
    if (locked == isLocked(box))
        return;
    if (locked) {
        locked_.insert(box);
    } else {
        locked_.remove(box);
    }
    Q_EMIT boxStateChanged(box);
}

void Declaration::enableBox(int box) {
    setEnabled(box, true);
    setLocked(box, false);
}

void Declaration::disableBox(int box) {
    setText(box, QString());
    setEnabled(box, false);
    setLocked(box, true);
}

QString Declaration::option(OptionGroup group) const {
    return options_.value(group);
}

void Declaration::setOption(OptionGroup group, const QString& code) {
    if (options_.value(group) == code)
        return;
    if (code.isEmpty()) {
        options_.remove(group);
    } else {
        options_.insert(group, code);
    }
    Q_EMIT optionChanged(group);
    setModified(true);
}

void Declaration::setPaymentType(const QString& type) {
    if (paymentType_ == type)
        return;
    paymentType_ = type;
    Q_EMIT paymentChanged();
}

void Declaration::setPaymentBank(const QString& bank) {
    if (paymentBank_ == bank)
        return;
    paymentBank_ = bank;
    Q_EMIT paymentChanged();
}

void Declaration::setPaymentCheque(const QString& number) {
    if (paymentCheque_ == number)
        return;
    paymentCheque_ = number;
    Q_EMIT paymentChanged();
}

void Declaration::setPaymentAmount(const QString& amount) {
    if (paymentAmount_ == amount)
        return;
    paymentAmount_ = amount;
    Q_EMIT paymentChanged();
}

void Declaration::setRuc(const QString& ruc) {
    if (ruc_ == ruc)
        return;
    ruc_ = ruc;
    Q_EMIT identificationChanged();
}

void Declaration::setOrderNumber(const QString& number) {
    if (orderNumber_ == number)
        return;
    orderNumber_ = number;
    Q_EMIT orderNumberChanged();
}

void Declaration::setVerifyDigits(const QString& digits) {
    if (verifyDigits_ == digits)
        return;
    verifyDigits_ = digits;
    Q_EMIT orderNumberChanged();
}

void Declaration::setModified(bool modified) {
    if (modified_ == modified)
        return;
    modified_ = modified;
    Q_EMIT modifiedChanged(modified);
}

void Declaration::setPatrimonialTotal(const QString& total) {
    if (patrimonialTotal_ == total)
        return;
    patrimonialTotal_ = total;
    Q_EMIT patrimonialTotalChanged();
}

void Declaration::clear() {
    const bool wasLoading = loading_;
    loading_ = true;
    for (int box : filledBoxes())
        setText(box, QString());
    for (int box : QList<int>(disabled_.begin(), disabled_.end()))
        setEnabled(box, true);
    for (int box : QList<int>(locked_.begin(), locked_.end()))
        setLocked(box, false);
    for (OptionGroup g : options_.keys())
        setOption(g, QString());
    setPaymentType({});
    setPaymentBank({});
    setPaymentCheque({});
    setPaymentAmount({});
    setRuc({});
    setOrderNumber({});
    setVerifyDigits({});
    setPatrimonialTotal({});
    nameHeads_.clear();
    nameTails_.clear();
    entryMode_ = 1;
    sent_ = false;
    correl_.clear();
    orderChanged_ = false;
    displayFormat_ = true;
    loading_ = wasLoading;
    setModified(false);
}

}  // namespace zem
