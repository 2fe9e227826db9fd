#include <cmath>

#include "data/Format.h"
#include "data/Masks.h"
#include "declaration/BoxTable.h"
#include "declaration/Rules.h"

namespace zem {

using namespace Qt::StringLiterals;

Rules::Rules(Declaration& declaration, const QString& uit, QObject* parent)
    : QObject(parent), d_(&declaration), uit_(uit) {
    declaration.setChangeHandler([this](int box) { onChange(box); });
    connect(&declaration, &Declaration::optionChanged, this, &Rules::onOptionChanged);
}

Rules::~Rules() {
    if (d_)
        d_->setChangeHandler({});
}

double Rules::uit() const {
    return Val(uit_);
}

bool Rules::isAbsoluteBox(int box) {
    switch (box) {
        case 110:
        case 114:
        case 115:
        case 117:
        case 122:
        case 124:
        case 125:
        case 127:
        case 128:
        case 129:
        case 130:
        case 131:
        case 132:
        case 133:
        case 141:
        case 144:
        case 502:
        case 505:
        case 507:
        case 511:
        case 519:
        case 522:
        case 523:
        case 529:
            return true;
        default:
            return false;
    }
}

bool Rules::Vacio(int box) const {
    return d_->text(box).trimmed().isEmpty();
}

double Rules::Vale(int box) const {
    const QString text = d_->text(box);
    if (text.trimmed().isEmpty())
        return 0;
    const double value = Val(Format(text, masks::kWhole));
    return isAbsoluteBox(box) ? std::fabs(value) : value;
}

QString Rules::formaText(int box, const QString& text) {
    // Boxes of other forms of the family that keep their own text or precision.
    if (box == 876 || box == 877 || box == 878 || box == 880)
        return text;
    if (!IsNumeric(text))
        return {};
    if (box == 173)
        return Format(text, masks::kRate);
    if (Val(text) < 0)
        return Format(std::fabs(Val(text)), masks::kNegative);
    return Format(text, masks::kAmount);
}

void Rules::Forma(int box) {
    d_->setText(box, formaText(box, d_->text(box)));
}

bool Rules::allEmpty(std::initializer_list<int> boxes) const {
    for (int box : boxes) {
        if (!Vacio(box))
            return false;
    }
    return true;
}

void Rules::put(int box, double value) {
    // The rule's exact result, shown as Forma shows it (and so rounded half away from zero).
    const QString text = value < 0 ? Format(-value, masks::kNegative) : Format(value, masks::kAmount);
    d_->setText(box, text);
}

void Rules::putText(int box, const QString& text) {
    d_->setText(box, text);
}

void Rules::empty(int box) {
    d_->setText(box, QString());
}

bool Rules::isTextBox(int box) {
    return box == 140 || box == 200 || box == 201 || isDocumentNumberBox(box) || (box >= 811 && box <= 825) ||
           (box >= 827 && box <= 835) || (box >= 890 && box <= 892);
}

void Rules::enterBox(int box) {
    d_->setDisplayFormat(false);
    if (box == 115 && !d_->isLocked(box))
        Calcular115();
}

void Rules::leaveBox(int box) {
    if (d_->isLocked(box))
        return;
    if (d_->isEnabled(box)) {
        d_->setDisplayFormat(true);
        if (box == 115) {
            Calcular115();  // back from the plain sum to the deduction in parentheses
        } else if (!isTextBox(box)) {
            Forma(box);
        }
        if (box == 107 || box == 108)
            seccionCuarta();
        if (box == 100 || box == 102)
            seccion114();
    }
}

QString Rules::caption507() const {
    return u"Deducción (20% del monto consignado en la casilla 107 - Máximo S/ "_s +
           Format(24 * uit(), masks::kCaptionAmount) + u')';
}

QString Rules::printedCaption507() const {
    return u"Deducción  (20% del monto consignado en la casilla 107- Máximo S/. "_s +
           Format(24 * uit(), masks::kCaptionAmount) + u')';
}

}  // namespace zem
