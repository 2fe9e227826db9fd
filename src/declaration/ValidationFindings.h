#pragma once

#include <QString>
#include <QStringList>

#include "declaration/Validation.h"

namespace zem {

// The failures of one validation run. In silent mode the first failure stops the run; in collecting mode
// every failure becomes one line: the message followed by the place of the box on the form.
class Validation::Findings {
public:
    explicit Findings(bool silent) : silent_(silent) {}

    // Records a failed check; true when the run must stop here.
    bool fail(const QString& message, const QString& hint) {
        failed_ = true;
        lines_.append(message + hint);
        return silent_;
    }
    bool failed() const { return failed_; }
    const QStringList& lines() const { return lines_; }

private:
    bool silent_;
    bool failed_ = false;
    QStringList lines_;
};

// Where a box lies on the form, as the message lines say it.
namespace hint {
inline const QString kTaxableIncome =
    QStringLiteral(" ( casilla ubicada en el rubro Determinación de la Renta imponible - Renta Imponible ) ");
inline const QString kDebt = QStringLiteral(" ( casilla ubicada en el rubro Determinación de la deuda ) ");
inline const QString kPayment = QStringLiteral("( dato ubicado en el rubro Determinación de la deuda )");
inline const QString kIdentification = QStringLiteral("( dato ubicado en el rubro Identificación )");
inline const QString kDeclarant = QStringLiteral(" ( casilla Datos Contri./Rep. Legal/Cónyuge) ");
inline const QString kRepresentative = QStringLiteral(
    " ( casilla ubicada en el rubro Información Complementaria  - Datos Contri./Rep. Legal/Cónyuge)");
inline const QString kSpouse = QStringLiteral(
    " ( casilla ubicada en el rubro Información Complementaria  - Datos del Representante legal / "
    "Cónyuge...)");
inline const QString kOtherIncome = QStringLiteral(" (Información complementaria - Otros ingresos) ");
// The rent-paid question sits on its own page, the co-ownership question above the list of co-owners.
inline const QString kRentPaid =
    QStringLiteral(" ( dato ubicado en el rubro Información Complementaria  - Alquileres Pagados)");
inline const QString kCoOwnership =
    QStringLiteral(" ( dato ubicado en el rubro Información Adicional  - Condóminos)");
inline const QString kRentalsPaid = QStringLiteral(
    " (casilla ubicada en el rubro Información Complementaria  - Detalle de alquileres pagados..)");
inline const QString kIncome =
    QStringLiteral("( casillas ubicadas en el rubro Determinación de la Renta imponible )");
inline const QString kSecondCategory = QStringLiteral(
    "( casillas ubicadas en el rubro Determinación de la renta imponible - Segunda categoría)");
inline const QString kFourthCategory = QStringLiteral(
    "( casillas ubicadas en el rubro Determinación de la renta imponible - Cuarta categoría )");
inline const QString kFifthCategory =
    QStringLiteral("( casilla ubicada en el rubro Determinación de la renta imponible - Quinta categoría)");
}  // namespace hint

// A document type that stands for the RUC ("06", or "6" written without its zero).
bool isRucType(const QString& type);

}  // namespace zem
