#include "annexes/PaymentEntry.h"

#include <QDate>

#include "annexes/AnnexRegister.h"
#include "data/Format.h"
#include "data/SeedCatalogue.h"
#include "startup/MessageSink.h"
#include "startup/Session.h"
#include "startup/Utility.h"

namespace zem {

using namespace Qt::StringLiterals;

namespace {

QList<EntryField> paymentFields(const QList<EntryField>& amounts) {
    return QList<EntryField>{
               {u"per_tri"_s, u"Periodo tributario :"_s, EntryKind::Period, true},
               {u"num_for"_s, u"Número de Formulario"_s, EntryKind::Code, true},
               {u"num_ord"_s, u"Número de Orden o Número de Operación"_s, EntryKind::Digits, true},
               {u"fec_pago"_s, u"Fecha de Pago"_s, EntryKind::Date, false}} +
           amounts;
}

}  // namespace

PaymentEntry::PaymentEntry(AnnexRegister& owner, const QList<EntryField>& amounts)
    : AnnexEntry(owner, paymentFields(amounts)) {}

QStringList PaymentEntry::choices(const QString& column) const {
    // Carga_Combo_Formulario: the payment forms accepted for the box.
    return column == u"num_for" ? paymentFormCodes(owner().box()) : QStringList{};
}

bool PaymentEntry::validaClaveYFecha(const QString& periodMessage) {
    if (isNew()) {
        const QDate yearEnd(year().toInt(), 12, 31);
        if (!util::ValidaPeriodo(periodText(value(u"per_tri"_s)), u"01/"_s + year(), yearEnd))
            return refuse(u"per_tri"_s, periodMessage);
        if (!choices(u"num_for"_s).contains(value(u"num_for"_s).trimmed()))
            return refuse(u"num_for"_s, u"Debe seleccionar el número de formulario"_s);
        if (value(u"num_ord"_s).trimmed().isEmpty())
            return refuse(u"num_ord"_s, u"Debe registrar el número de orden del formulario"_s);
        if (Val(value(u"num_ord"_s)) == 0)
            return refuse(u"num_ord"_s, u"El número de orden no puede ser cero"_s);
    }
    const QString date = value(u"fec_pago"_s).trimmed();
    const QDate today = owner().session().clock.today();
    if (!util::ValidaFecha(date, u"01/01/1900"_s, today)) {
        const QDate d = util::parseDate(date);
        const QString message = d.isValid() && d > today ? u"La fecha es mayor a la fecha del sistema"_s
                                                         : u"La fecha de pago no es válida"_s;
        return refuse(u"fec_pago"_s, message, caption());
    }
    return true;
}

}  // namespace zem
