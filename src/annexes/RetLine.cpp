#include "annexes/RetLine.h"

#include <QDate>

#include "annexes/Ret.h"
#include "annexes/RetCab.h"
#include "data/Amounts.h"
#include "startup/Session.h"
#include "startup/Utility.h"

namespace zem {

using namespace Qt::StringLiterals;

RetLineEntry::RetLineEntry(RetCabEntry& header, QList<EntryField> fields)
    : AnnexEntry(header.lines(), std::move(fields)), header_(header) {}

QString RetLineEntry::frameCaption() const {
    return header_.ret().texts().detailFrame;
}

QList<QPair<QString, QString>> RetLineEntry::shownAbove() const {
    QString name = header_.value(u"des_razon"_s).trimmed();
    for (const QString& part : {u"des_ape_pat"_s, u"des_ape_mat"_s, u"des_nombres"_s}) {
        if (!header_.value(part).trimmed().isEmpty())
            name += (name.isEmpty() ? QString() : u" "_s) + header_.value(part).trimmed();
    }
    return {{header_.field(u"num_doc_ret"_s)->label, header_.value(u"num_doc_ret"_s).trimmed()},
            {u"Apellidos y nombres, denominación o razón social"_s, name}};
}

QString RetLineEntry::caption() const {
    return header_.ret().texts().entryCaption;
}

QString RetLineEntry::storedValue(const QString& column) const {
    if (column == u"tip_doc_ret")
        return header_.typeCode();
    if (column == u"num_doc_ret" || column == u"num_ruc")
        return header_.value(u"num_doc_ret"_s).trimmed();
    return AnnexEntry::storedValue(column);
}

bool RetLineEntry::writeAlso() {
    return header_.storeWithLine();
}

MonthEntry::MonthEntry(RetCabEntry& header)
    : RetLineEntry(header, {{u"per_tri"_s, u"Período:"_s, EntryKind::Period, true},
                            {u"mto_retenido"_s, header.ret().texts().amountName, EntryKind::Amount, false}}) {
}

bool MonthEntry::Valida_Datos() {
    if (isNew()) {
        const QDate yearEnd(year().toInt(), 12, 31);
        if (!util::ValidaPeriodo(periodText(value(u"per_tri"_s)), u"01/"_s + year(), yearEnd))
            return refuse(u"per_tri"_s, u"¡El Período tributario no es Válido! "_s);
    }
    const QString label = field(u"mto_retenido"_s)->label;
    if (Vacio(u"mto_retenido"_s))
        return refuse(u"mto_retenido"_s, u"Debe registrar el "_s + label);
    QString text = value(u"mto_retenido"_s).trimmed();
    if (!validateAmount(text, 10, 2, {}, owner().sink()))
        return refuse(u"mto_retenido"_s, {}, {});
    return true;
}

}  // namespace zem
