#include <algorithm>

#include "data/Format.h"
#include "data/Masks.h"
#include "declaration/Rules.h"

// The income side of the form: first, second, fourth and fifth category, the net global income, the
// subtotals down to the taxable income 515, the total income 518, the losses of earlier years (115), the
// exempt (200) and non-taxable (201) income and the patrimonial total.
namespace zem {

using namespace Qt::StringLiterals;

void Rules::CalcularA() {
    if (allEmpty({100, 102}))
        return empty(501);
    put(501, Vale(100) + Vale(102));
}

void Rules::CalcularB() {
    if (Vacio(501))
        return empty(502);
    put(502, -0.20 * Vale(501));
}

void Rules::CalcularC() {
    if (allEmpty({501, 502}))
        return empty(503);
    put(503, Vale(501) - Vale(502));
}

void Rules::CalcularD() {
    if (allEmpty({520, 105, 106}))
        return empty(504);
    put(504, Vale(520) + Vale(105) + Vale(106));
}

void Rules::CalcularE() {
    if (Vacio(504))
        return empty(505);
    put(505, -0.10 * Vale(504));
}

void Rules::CalcularF() {
    if (allEmpty({504, 505}))
        return empty(506);
    put(506, Vale(504) - Vale(505));
}

void Rules::CalcularG() {
    if (Vacio(107))
        return empty(507);
    // 20 % of the fourth-category income, capped at 24 UIT (at equality both give the same amount).
    const double share = 0.20 * Vale(107);
    const double cap = 24 * uit();
    put(507, -(cap < share ? cap : share));
}

void Rules::CalcularH() {
    if (allEmpty({107, 507}))
        return empty(508);
    put(508, Vale(107) - Vale(507));
}

void Rules::CalcularI() {
    if (allEmpty({508, 108, 110}))
        return empty(509);
    put(509, Vale(508) + Vale(108) - Vale(110));
}

void Rules::CalcularJ() {
    if (allEmpty({509, 111}))
        return empty(510);
    put(510, Vale(509) + Vale(111));
}

void Rules::CalcularK() {
    if (Vacio(510))
        return empty(511);
    // 7 UIT, up to the income of box 510. A loss in 510 (the solidarity tax above the fourth-category
    // income) leaves nothing to deduct: a negative income would otherwise turn into a positive "deduction"
    // and double the loss in 512.
    const double income = std::max(Vale(510), 0.0);
    const double cap = 7 * uit();
    put(511, -(cap <= income ? cap : income));
}

void Rules::CalcularL() {
    if (allEmpty({510, 511}))
        return empty(512);
    put(512, Vale(510) - Vale(511));
}

void Rules::Calcular113() {
    if (allEmpty({503, 506, 512}))
        return empty(113);
    put(113, Vale(503) + Vale(506) + Vale(512));
}

void Rules::Calcular514() {
    if (allEmpty({113, 522, 519}))
        return empty(514);
    const double subtotal = Vale(113) - (Vale(522) + Vale(519));
    if (subtotal <= 0)
        return putText(514, u"0"_s);
    put(514, subtotal);
}

void Rules::Calcular513() {
    if (allEmpty({514, 114, 523}))
        return empty(513);
    put(513, Vale(514) - Vale(114) - Vale(523));
}

void Rules::Calcular528() {
    if (allEmpty({513, 116, 115}))
        return empty(528);
    const double subtotal = Vale(513) + Vale(116) - Vale(115);
    if (subtotal < 0)
        return putText(528, u"0"_s);
    put(528, subtotal);
}

void Rules::Calcular515() {
    if (allEmpty({528, 117}))
        return empty(515);
    put(515, Vale(528) - Vale(117));
}

void Rules::Calcular518() {
    if (allEmpty({113, 116, 200, 201, 203, 118}))
        return empty(518);
    put(518, Vale(113) + Vale(116) + Vale(200) + Vale(201) + Vale(203) + Vale(118));
}

void Rules::Calcular115() {
    if (allEmpty({555, 562, 526, 527}))
        return empty(115);
    const double losses = Vale(562) + Vale(526) + Vale(527) + Vale(555);
    if (!d_->displayFormat()) {
        // The box is being edited: it shows the plain sum.
        putText(115, Format(losses, masks::kPlainWhole));
    } else if (losses <= 0) {
        empty(115);
    } else {
        putText(115, Format(losses, masks::kNegative));
    }
}

void Rules::Calcular200() {
    in200_ = true;
    if (allEmpty({535, 536, 537, 538, 539})) {
        empty(200);
    } else {
        const double total = Vale(535) + Vale(536) + Vale(537) + Vale(538) + Vale(539);
        if (total < 0) {
            putText(200, u"0"_s);
        } else {
            put(200, total);
        }
    }
    in200_ = false;
}

void Rules::Calcular201() {
    in201_ = true;
    if (allEmpty({530, 531, 532, 533, 534, 540})) {
        empty(201);
    } else {
        const double total = Vale(530) + Vale(531) + Vale(532) + Vale(533) + Vale(534) + Vale(540);
        if (total < 0) {
            putText(201, u"0"_s);
        } else {
            put(201, total);
        }
    }
    in201_ = false;
}

void Rules::Calcular_Patrimonial() {
    bool anyFilled = false;
    double total = 0;
    for (int box = 840; box <= 853; ++box) {
        if (Vacio(box))
            continue;
        anyFilled = true;
        total += Vale(box);
    }
    if (!anyFilled)
        return d_->setPatrimonialTotal(QString());
    d_->setPatrimonialTotal(total < 0 ? Format(total, masks::kWhole) : Format(total, masks::kAmount));
}

}  // namespace zem
