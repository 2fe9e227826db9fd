#include "data/Format.h"
#include "declaration/Declaration.h"
#include "declaration/ValidationFindings.h"
#include "startup/Utility.h"

// Checks 44 to 75: the lessors of the rent paid, the income that the payments and withholdings need, the
// additional information, and the payment method.
namespace zem {

using namespace Qt::StringLiterals;

namespace {

// The boxes of one lessor line, and the spacing of its RUC message as the form has always written it.
struct LessorLine {
    int type;
    int number;
    int rent;
    const char16_t* rucGap;
};

constexpr LessorLine kFirst{204, 208, 212, u"  "};
constexpr LessorLine kSecond{205, 209, 213, u" "};
constexpr LessorLine kThird{206, 211, 214, u"  "};

}  // namespace

bool Validation::checkLessors(Findings& f) {
    using namespace hint;
    // One lessor line: its document type and number (valid for the type) and an annual rent above zero.
    auto line = [&](const LessorLine& l) {
        const QString number = QString::number(l.number);
        const QString rent = QString::number(l.rent);
        if (!filled(l.type) &&
            f.fail(u"Ingrese el tipo de documento casilla "_s + QString::number(l.type), kRentalsPaid))
            return false;
        if (!filled(l.number) && f.fail(u"Ingrese el número de documento casilla "_s + number, kRentalsPaid))
            return false;
        if (filled(l.type) && filled(l.number)) {
            if (!isRucType(text(l.type))) {
                if (!validDocument(text(l.type), text(l.number)) &&
                    f.fail(u"El número de documento de la casilla "_s + number + u" no es válido"_s,
                           kRentalsPaid))
                    return false;
            } else if (!util::ValidaRuc(text(l.number)) &&
                       f.fail(u"El número de RUC de la casilla "_s + number + QString::fromUtf16(l.rucGap) +
                                  u"no es válido"_s,
                              kRentalsPaid)) {
                return false;
            }
        }
        if (!filled(l.rent) && f.fail(u"Ingrese el monto anual del alquiler casilla "_s + rent, kRentalsPaid))
            return false;
        if (filled(l.rent) && vale(l.rent) <= 0 &&
            f.fail(u"El Monto anual del alquiler de la casilla "_s + rent + u" debe ser mayor a cero"_s,
                   kRentalsPaid))
            return false;
        return true;
    };
    auto started = [this](std::initializer_list<int> boxes) {
        for (int box : boxes) {
            if (filled(box))
                return true;
        }
        return false;
    };

    const bool rentPaid = d_.option(OptionGroup::optInmueble) == u"1"_s;
    if (rentPaid) {
        if (!filled(819) &&
            f.fail(u"Ingrese el nombre o razón social en detalle de alquileres"_s, kRentalsPaid))
            return false;
        if (!line(kFirst))
            return false;
        if (!started({819, 820, 821, 208, 209, 211, 212, 213, 214, 204, 205, 206}) &&
            f.fail(u"Ingrese detalle de Alquileres de Bienes Inmuebles "_s, kRentalsPaid))
            return false;
    }
    if (started({820, 205, 209, 213}) && !line(kSecond))
        return false;

    // The income that the declared payments and withholdings belong to.
    if (!started({100, 102, 520, 106, 107, 108, 116}) &&
        f.fail(
            u"Ingrese información por lo menos en una de estas casillas 100, 102, 520,  106, 107, 108 y 116"_s,
            kIncome))
        return false;
    if ((filled(529) || filled(129)) && !filled(106) && !filled(520) &&
        f.fail(u"Ingrese información en las casillas 106 o 520(550 y 551)"_s, kSecondCategory))
        return false;
    if ((filled(127) || filled(130)) && !filled(107) && !filled(108) &&
        f.fail(u"Ingrese información en las casillas 107 o 108"_s, kFourthCategory))
        return false;
    if (filled(131) && !filled(111) && f.fail(u"Ingrese información en las casillas 111"_s, kFifthCategory))
        return false;

    if (started({821, 206, 211, 214}) && !line(kThird))
        return false;
    return true;
}

bool Validation::checkPayment(Findings& f) {
    using namespace hint;
    // The additional information: an answer "yes" needs its data.
    if (d_.option(OptionGroup::OptGeneral) == u"1"_s && d_.patrimonialTotal().trimmed().isEmpty() &&
        f.fail(u"Debe registrar información en el rubro de información general - (Información Adicional - "
               "Información general )"_s,
               QString()))
        return false;
    if (d_.option(OptionGroup::OptExtranjero) == u"1"_s && rowCount(u"TMP_F0476EXTRA"_s) == 0 &&
        f.fail(u"Debe registrar información en el rubro de Inversión en el extranjero - (Información "
               u"Adicional - "
               "Inversión - Extranjero )"_s,
               QString()))
        return false;
    if (d_.option(OptionGroup::OptFideicomiso) == u"1"_s && rowCount(u"TMP_F0480FIDEI"_s) == 0 &&
        f.fail(
            u"Debe registrar información en el rubro de inversión en Fideicomisos - (Información Adicional - "
            "Inversión - Fideicomiso)"_s,
            QString()))
        return false;

    // The payment method.
    const QString type = d_.paymentType().trimmed();
    if (type != u"E"_s && type != u"C"_s && f.fail(u"Ingrese la Forma de pago"_s, kPayment))
        return false;
    if (type == u"C"_s) {
        const QString bank = d_.paymentBank().trimmed();
        const QString cheque = d_.paymentCheque().trimmed();
        const QString chequeAmount = d_.paymentAmount().trimmed();
        if ((bank.isEmpty() || bank == u"XX"_s) && f.fail(u"Ingrese el banco"_s, kPayment))
            return false;
        if (cheque.isEmpty() && f.fail(u"Ingrese el Número del cheque"_s, kPayment))
            return false;
        if (IsNumeric(chequeAmount) && Val(chequeAmount) == 0 &&
            f.fail(u"No puede girar un cheque con monto cero"_s, kPayment))
            return false;
        if (IsNumeric(cheque) && Val(cheque) == 0 &&
            f.fail(u"El número de cheque no puede ser cero"_s, kPayment))
            return false;
    }
    return true;
}

}  // namespace zem
