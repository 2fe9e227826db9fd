#include <cmath>

#include "data/Format.h"
#include "data/Masks.h"
#include "declaration/Rules.h"

// The tax by the scale (120), the credits without refund (516), the balance (141/142) with the use of a
// balance in favour (140), the debt (146), the limit of the foreign-tax credit and the amount to pay.
namespace zem {

using namespace Qt::StringLiterals;

void Rules::Calcular120() {
    if (Vacio(515))
        return empty(120);
    const double t = Vale(515);
    const double u = uit();
    double tax;
    if (t <= 0) {
        // A taxable income wiped out (the Amazonía deduction above box 528) bears no tax, never a negative
        // one.
        tax = 0;
    } else if (t <= 27 * u) {
        tax = 0.15 * t;
    } else if (t <= 54 * u) {
        tax = 0.15 * 27 * u + 0.21 * (t - 27 * u);
    } else {
        tax = 0.15 * 27 * u + 0.21 * 27 * u + 0.30 * (t - 54 * u);
    }
    put(120, tax);
}

void Rules::CalcularP() {
    if (allEmpty({120, 122, 124}))
        return empty(516);
    const double net = Vale(120) - Vale(122) - Vale(124);
    if (net < 0)
        return putText(516, u"0"_s);
    put(516, net);
}

void Rules::Calcular141142() {
    if (allEmpty({516, 125, 127, 128, 129, 130, 131, 132, 133, 529})) {
        empty(141);
        empty(142);
        return;
    }
    const double paid = Vale(125) + Vale(127) + Vale(128) + Vale(129) + Vale(130) + Vale(131) + Vale(132) +
                        Vale(133) + Vale(529);
    const double balance = Vale(516) - paid;
    if (balance < 0) {
        // In favour of the taxpayer: its use (refund or application) may be chosen in box 140.
        put(141, balance);
        put(142, 0);
        d_->enableBox(140);
    } else {
        put(141, 0);
        put(142, balance);
        d_->disableBox(140);
    }
}

void Rules::Calcular146() {
    if (allEmpty({142, 144}))
        return empty(146);
    const double debt = Vale(142) - Vale(144) + Vale(145);
    if (debt < 0)
        return putText(146, u"0"_s);
    put(146, debt);
}

QString Rules::Calcular122() const {
    if (allEmpty({116, 120, 113, 115, 511}))
        return {};
    if (Vale(511) + Vale(115) + Vale(113) == 0)
        return {};
    // The share of the tax that falls on the foreign income.
    const double limit = std::fabs(Vale(120)) * std::fabs(Vale(116)) /
                         (std::fabs(Vale(113)) + std::fabs(Vale(115)) + std::fabs(Vale(511)));
    return Format(limit, masks::kDigits);
}

void Rules::CalcularImporteTotal() {
    d_->setPaymentAmount(formaText(180, d_->text(180)));
}

QString Rules::SaldoaPagar(const QString& debt, const QString& amount, const QString& concepto) {
    const QString excess = u"El importe a pagar "_s + concepto + u" tiene un exceso"_s + u'\n';
    const QString order = u"KELOR generará una orden de pago "_s + concepto + u'\n';
    const std::optional<double> owed = parseAmount(debt);
    const std::optional<double> paid = parseAmount(amount);
    QString message;
    if (owed && paid && !(amount.trimmed() == u"0"_s && *owed < 0)) {
        if (*owed < *paid) {
            message = excess;
        } else if (*paid < *owed) {
            message = order;
        }
    }
    if (debt.trimmed().isEmpty() && paid && *paid > 0)
        message = excess;
    return message;
}

}  // namespace zem
