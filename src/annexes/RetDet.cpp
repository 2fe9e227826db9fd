#include "annexes/RetDet.h"

#include <QDate>

#include "annexes/AnnexRegister.h"
#include "data/Catalogue.h"
#include "data/Format.h"
#include "declaration/Declaration.h"
#include "startup/MessageSink.h"
#include "startup/Session.h"
#include "startup/Utility.h"

namespace zem {

using namespace Qt::StringLiterals;

namespace {

const QString kPeriod = QStringLiteral("per_tri");
const QString kType = QStringLiteral("tip_cp");
const QString kSeries = QStringLiteral("num_serie_cp");
const QString kNumber = QStringLiteral("num_cp");
const QString kDate = QStringLiteral("fec_emision_cp");
const QString kAmount = QStringLiteral("mto_imp_cp");

bool digitsOnly(const QString& text) {
    for (const QChar c : text) {
        if (!c.isDigit())
            return false;
    }
    return !text.isEmpty();
}

}  // namespace

RetDetEntry::RetDetEntry(RetCabEntry& header)
    : RetLineEntry(header, {{kPeriod, u"Período:"_s, EntryKind::Period, true},
                            {kType, u"Tipo de CDP :"_s, EntryKind::Code, true},
                            {kSeries, u"Serie CDP:"_s, EntryKind::Document, true},
                            {kNumber, u"Nro. de CDP:"_s, EntryKind::Digits, true},
                            {kDate, u"Fecha de emisión:"_s, EntryKind::Date, true},
                            {kAmount, u"Ingreso Atribuido:"_s, EntryKind::Amount, false}}) {}

QStringList RetDetEntry::choices(const QString& column) const {
    QStringList codes;
    if (column == kType) {
        // CargaCombo233
        for (const catalogue::ListEntry& e : catalogue::listEntriesWithFlag(
                 owner().db(), u"233"_s, u"*"_s, 1, 40, false, catalogue::ListOrder::ByCode, 68))
            codes << e.code.trimmed();
    }
    return codes;
}

QString RetDetEntry::choiceText(const QString& column, const QString& code) const {
    if (column != kType)
        return {};
    return catalogue::descriptionByKey(owner().db(), u"233"_s, code, 1, 40).trimmed();
}

int RetDetEntry::integerDigits(const QString& column) const {
    if (column != kAmount)
        return RetLineEntry::integerDigits(column);
    // "###########0.#0" holds 15 characters: 12 integer digits, one fewer for a credit note.
    return value(kType).trimmed() == u"07" ? 11 : 12;
}

bool RetDetEntry::enterField(const QString& column) {
    if (column == kSeries && Vacio(kSeries))
        return refuse(column, u"Debe ingresar el Número de Serie"_s);
    if (column == kNumber && Vacio(kNumber))
        return refuse(column, u"Debe ingresar el número del comprobante de pago"_s);
    return true;
}

bool RetDetEntry::closeRequested() {
    if (!owner().isModified() || owner().declaration().isSent())
        return true;
    switch (owner().sink().ask(u"¿La información ha sido modificada, desea guardar los cambios?"_s, caption(),
                               MsgButtons::YesNoCancel, MsgAnswer::Yes)) {
        case MsgAnswer::Yes:
            return accept();
        case MsgAnswer::No:
            return true;
        default:
            return false;
    }
}

void RetDetEntry::fill(const QString& column) {
    const QString v = value(column).trimmed();
    if (v.isEmpty() || !digitsOnly(v))
        return;
    if (column == kSeries)
        put(column, util::RellenaIzquierda(v, 4));
    if (column == kNumber)
        put(column, util::RellenaIzquierda(v, value(kType).trimmed() == u"99" ? 15 : 8));
}

bool RetDetEntry::leaveField(const QString& column) {
    const QString v = value(column).trimmed();
    if (column == kSeries && !v.isEmpty() && !digitsOnly(v))
        return refuse(column, u"La Serie contiene letra(s)"_s);
    if (column == kDate && !v.isEmpty()) {
        const QDate d = util::parseDate(v);
        if (!d.isValid() || d < QDate(1850, 1, 1))
            return refuse(column, u"La fecha de emisión no es válida "_s);
    }
    fill(column);
    return true;
}

bool RetDetEntry::Valida_Datos() {
    if (isNew()) {
        fill(kSeries);
        fill(kNumber);
        const int n = owner().countWithKey(keyValues());
        if (n != 0)
            return refuse(kType, n > 0 ? u"Ya se ingresó este comprobante de pago"_s : QString());
        const QDate yearEnd(year().toInt(), 12, 31);
        if (!util::ValidaPeriodo(periodText(value(kPeriod)), u"01/"_s + year(), yearEnd))
            return refuse(kPeriod, u"¡El Período  no es Válido! "_s);
        if (!choices(kType).contains(value(kType).trimmed()))
            return refuse(kType, u"Elija el tipo del comprobante de pago"_s);
        const QString series = value(kSeries).trimmed();
        if (!digitsOnly(series) || series.size() > 4)
            return refuse(kSeries, u"El número de serie del comprobante de pago no es válido"_s);
        const QString number = value(kNumber).trimmed();
        if (!digitsOnly(number) || number.size() > 15)
            return refuse(kNumber, u"El número del comprobante de pago no es válido"_s);
        if (Val(number) == 0)
            return refuse(kNumber, u"El número del  comprobante de pago no puede ser cero"_s);
        const QDate issued = util::parseDate(value(kDate).trimmed());
        if (issued.isValid() && issued > owner().session().clock.today())
            return refuse(kDate, u"La fecha es mayor a la fecha del sistema"_s);
        if (!issued.isValid() || issued < QDate(1900, 1, 1))
            return refuse(kDate, u"La fecha no es válida"_s);
        const QString perTri = value(kPeriod).trimmed();
        const QDate periodStart(perTri.left(4).toInt(), perTri.mid(4, 2).toInt(), 1);
        if (issued > periodStart.addMonths(1).addDays(-1))
            return refuse(kDate,
                          u"La fecha del comprobante de pago no puede ser mayor al período tributario"_s);
    }
    if (Vacio(kAmount))
        return refuse(kAmount, u"Ingrese el valor total del comprobante de pago"_s);
    QString amount = value(kAmount).trimmed();
    amount.remove(u',');
    if (!IsNumeric(amount))
        return refuse(kAmount, u"El valor total del comprobante de pago es invalido"_s);
    if (Val(amount) <= 0)
        return refuse(kAmount, u"El valor total del comprobante de pago debe ser mayor a cero"_s);
    // A credit note ("07") has one character less for its amount.
    const int longest = value(kType).trimmed() == u"07" ? 14 : 15;
    if (Format(Val(amount), u"###########0.#0"_s).size() > longest)
        return refuse(kAmount, u"El valor total del comprobante de pago es invalido"_s);
    return true;
}

QString RetDetEntry::storedValue(const QString& column) const {
    if (column == kAmount) {
        QString amount = value(kAmount).trimmed();
        amount.remove(u',');
        return Format(Val(amount), u"###########0.00"_s);
    }
    return RetLineEntry::storedValue(column);
}

}  // namespace zem
