#include "data/Format.h"
#include "data/Masks.h"
#include "declaration/Declaration.h"
#include "declaration/Rules.h"
#include "declaration/ValidationFindings.h"
#include "startup/Session.h"
#include "startup/Utility.h"

// Checks 1 to 43: the income and tax boxes, the declarant and representative, the exempt and non-taxable
// income, the co-owners, the documents of the detail lines, and the spouse.
namespace zem {

using namespace Qt::StringLiterals;

namespace {

QString amount(double value) {
    return Format(value, masks::kAmount);
}

// A percentage limit as the message states it: a whole amount with its separators, a fractional one with its
// decimals. Rounded to whole units, 20 % of 16,203 would read 3,241, an amount that itself fails the check.
QString limitText(double value) {
    QString text = Format(value, masks::kTwoDecimals);
    while (text.endsWith(u'0') && text.contains(u'.'))
        text.chop(1);
    if (text.endsWith(u'.'))
        text.chop(1);
    return text;
}

}  // namespace

bool Validation::checkIncome(Findings& f) {
    using namespace hint;
    if (d_.option(OptionGroup::optInmueble).isEmpty() &&
        f.fail(u"Señale si ha pagado usted alquiler por algún bien mueble o inmueble durante el ejercicio"_s,
               kRentPaid))
        return false;
    if ((filled(107) || filled(108)) && !filled(25) &&
        f.fail(u"Ingrese la ocupación del declarante "_s, kIdentification))
        return false;

    // The financial-transactions tax (522) is limited by the net global income, or, when there is
    // fifth-category income beyond its 7-UIT deduction, by the Peruvian income other than the fifth category.
    const bool fifthBeyondDeduction = filled(111) && vale(111) != 0 && vale(111) > vale(511);
    if (filled(522) && !fifthBeyondDeduction && vale(522) > vale(113) &&
        f.fail(
            u"El valor ingresado en la casilla 522(ITF) no puede ser mayor a la Renta Neta Global (Casilla 113) : "_s +
                d_.text(113),
            kTaxableIncome))
        return false;
    const double withoutFifth = vale(503) + vale(506) + vale(509);
    if (filled(522) && fifthBeyondDeduction && vale(522) > withoutFifth &&
        f.fail(u"El valor ingresado en la casilla 522(ITF) no puede ser mayor a la Renta Neta Global de Fte. "
               u"Peruana "
               "excluyendo la Rta. de 5ta. Categoría : "_s +
                   amount(withoutFifth),
               kTaxableIncome))
        return false;
    if (filled(528) && filled(117) && vale(117) > 0.20 * vale(528) &&
        f.fail(
            u"El valor ingresado en la casilla 117 no puede ser mayor al 20% del valor consignado en la casilla 528 : "_s +
                limitText(0.20 * vale(528)),
            kTaxableIncome))
        return false;
    if (filled(515) && vale(515) >= 0 && filled(122) && filled(116)) {
        const QString limit = rules_.Calcular122();
        if (vale(122) > Val(limit) && f.fail(u"El valor de la casilla 122 no puede ser mayor a S/."_s +
                                                 (limit.isEmpty() ? u"0"_s : limit),
                                             kDebt))
            return false;
    }
    if (filled(122) && !filled(116) &&
        f.fail(u"Si ha ingresado crédito por fuente extranjera debe ingresar un valor en la casilla 116"_s,
               kDebt))
        return false;
    if (filled(519) && !filled(515) &&
        f.fail(u"Si ha ingresado gastos por donaciones debe ingresar un valor en la casilla 515"_s,
               kTaxableIncome))
        return false;
    if (filled(141) && vale(141) > 0 && !filled(140) &&
        f.fail(u"Seleccione Indicador de Utilización de Saldo a Favor casilla 140"_s, kDebt))
        return false;
    if (filled(528) && filled(519) && vale(519) > 0 && vale(519) > 0.10 * vale(528) &&
        f.fail(
            u"El valor ingresado en la casilla 519 no puede ser mayor al 10% del valor consignado en la casilla 528 --> "_s +
                limitText(0.10 * vale(528)),
            kTaxableIncome))
        return false;
    if (!filled(180) && f.fail(u"Ingrese el importe a pagar"_s, kDebt))
        return false;
    return true;
}

bool Validation::checkDeclarant(Findings& f) {
    using namespace hint;
    const QString ruc = d_.ruc().trimmed();
    const QString elabora = d_.option(OptionGroup::OptElabora);
    if (elabora.isEmpty() && f.fail(u"Indique datos del declarante"_s, kDeclarant))
        return false;

    // The legal representative (for the taxpayer himself, boxes 301/302 hold his own RUC).
    const bool representative = elabora == u"2"_s;
    if (representative) {
        if (!filled(301) &&
            f.fail(u"Ingrese el tipo de documento del Representante Legal"_s, kRepresentative))
            return false;
        if (filled(301) && filled(302) && !isRucType(text(301)) && !validDocument(text(301), text(302)) &&
            f.fail(u"El número de documento del Representante Legal no es válido"_s, kRepresentative))
            return false;
    }
    if (isRucType(text(301)) && filled(302) && !util::ValidaRuc(text(302)) &&
        f.fail(u"El número de RUC del Representante Legal no es válido"_s, kRepresentative))
        return false;
    if (representative) {
        if (!filled(302) && f.fail(u"Ingrese número de documento del Representante Legal"_s, kRepresentative))
            return false;
        if (filled(302) && text(302) == ruc &&
            f.fail(u"El número de documento del representante legal no puede ser igual al del declarante"_s,
                   kRepresentative))
            return false;
        if (!filled(811) && !filled(812) &&
            f.fail(u"Ingrese Apellido Paterno o Apellido Materno del Representante Legal"_s, kRepresentative))
            return false;
        if (!filled(813) && f.fail(u"Ingrese Nombres del Representante Legal"_s, kRepresentative))
            return false;
    }

    // Exempt and non-taxable income, and the co-owners of the first-category income.
    const QString exonera = d_.option(OptionGroup::optExonera);
    const QString inafecta = d_.option(OptionGroup::optInafecta);
    if (exonera.isEmpty() && f.fail(u"Indique si tiene rentas exoneradas"_s, kOtherIncome))
        return false;
    if (inafecta.isEmpty() && f.fail(u"Indique si tiene rentas Inafectas"_s, kOtherIncome))
        return false;
    if (exonera == u"1"_s && !filled(200) && f.fail(u"Debe ingresar la casilla 200"_s, kOtherIncome))
        return false;
    if (inafecta == u"1"_s && !filled(201) && f.fail(u"Debe ingresar la casilla 201"_s, kOtherIncome))
        return false;
    const QString condomino = d_.option(OptionGroup::optCondomino);
    if ((vale(100) > 0 || vale(102) > 0) && condomino.isEmpty() &&
        f.fail(
            u"Debe indicar si las rentas declaradas de primera categoría, incluyen la obtenida en condominio"_s,
            kCoOwnership))
        return false;
    const int coOwners = rowCount(u"TMP_F0480CONDOMI"_s);
    if (condomino == u"1"_s && coOwners == 0 && f.fail(u"Debe indicar los condóminos"_s, kCoOwnership))
        return false;
    if (!filled(100) && !filled(102) && coOwners > 0 &&
        f.fail(u"No debe indicar condóminos ya que no ha ingresado información de primera categoría"_s,
               kCoOwnership))
        return false;

    // The fourth-category detail lines: no line for the declarant himself, no document twice.
    if (isRucType(text(224)) && filled(215) && text(215) == ruc &&
        f.fail(u"El número de RUC de la casilla 215 no puede ser igual al del declarante"_s, kFourthCategory))
        return false;
    for (const auto& [other, otherType] : {std::pair{217, 225}, {218, 226}, {219, 227}}) {
        if (filled(215) && text(215) == text(other) && text(224) == text(otherType) &&
            f.fail(u"Los números de documentos de la casilla 215 y la casilla "_s + QString::number(other) +
                       u" no pueden ser iguales"_s,
                   kFourthCategory))
            return false;
    }

    // The lessors: no document twice, none for the declarant himself.
    auto same = [this](int a, int typeA, int b, int typeB) {
        return filled(a) && text(a) == text(b) && text(typeA) == text(typeB);
    };
    auto declarant = [this, &ruc](int number, int type) {
        return isRucType(text(type)) && filled(number) && text(number) == ruc;
    };
    if (same(208, 204, 209, 205) &&
        f.fail(u"Los números de documento de la casilla 208 y la casilla 209 no pueden ser iguales"_s,
               kRentalsPaid))
        return false;
    if (same(208, 204, 211, 206) &&
        f.fail(u"Los números de documento de la casilla 208 y la casilla 211 no pueden ser iguales"_s,
               kRentalsPaid))
        return false;
    if (declarant(208, 204) &&
        f.fail(u"El número de RUC de la casilla 208 no puede ser igual al del declarante"_s, kRentalsPaid))
        return false;
    if (same(209, 205, 211, 206) &&
        f.fail(u"Los números de documento de la casilla 209 y la casilla 211 no pueden ser iguales"_s,
               kRentalsPaid))
        return false;
    if (declarant(209, 205) &&
        f.fail(u"El número de RUC de la casilla 209 no puede ser igual al del declarante"_s, kRentalsPaid))
        return false;
    if (declarant(211, 206) &&
        f.fail(u"El número de RUC de la casilla 211 no puede ser igual al del declarante"_s, kRentalsPaid))
        return false;

    // The spouse: required for a conjugal partnership, or as soon as any of its data is given.
    const QString birth = text(234);
    const bool birthGiven = !birth.isEmpty() && birth != u"__/__/____"_s;
    const bool spouse = d_.option(OptionGroup::optPor) == u"2"_s || filled(814) || filled(815) ||
                        filled(890) || filled(236) || filled(235) || birthGiven;
    if (spouse) {
        if (!filled(814) && !filled(815) &&
            f.fail(u"Ingrese Apellido Paterno o el Apellido Materno del Cónyuge"_s, kSpouse))
            return false;
        if (!filled(890) && f.fail(u"Ingrese Nombres del cónyuge"_s, kSpouse))
            return false;
        if (!filled(235) && f.fail(u"Ingrese el tipo de documento del cónyuge"_s, kSpouse))
            return false;
    }
    if (declarant(236, 235) &&
        f.fail(u"El número de RUC del cónyuge no puede ser igual al del declarante"_s, kSpouse))
        return false;
    if (spouse && !filled(236) && f.fail(u"Ingrese número de documento del cónyuge"_s, kSpouse))
        return false;
    if (filled(235) && filled(236)) {
        if (isRucType(text(235))) {
            if (!util::ValidaRuc(text(236)) &&
                f.fail(u"El número de RUC del cónyuge no es válido"_s, kSpouse))
                return false;
        } else if (!validDocument(text(235), text(236)) &&
                   f.fail(u"El número de documento del cónyuge no es válido"_s, kSpouse)) {
            return false;
        }
    }
    if (birthGiven && !util::ValidaFecha(birth, u"01/01/1850"_s, QDate(2500, 1, 1)) &&
        f.fail(u"La fecha de nacimiento del Cónyuge no es valida"_s, kSpouse))
        return false;
    return true;
}

}  // namespace zem
