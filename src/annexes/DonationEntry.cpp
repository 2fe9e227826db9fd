#include "annexes/DonationEntry.h"

#include <QDate>

#include "annexes/Ret.h"
#include "data/Amounts.h"
#include "data/Format.h"
#include "declaration/Declaration.h"
#include "startup/Session.h"
#include "startup/Utility.h"

namespace zem {

using namespace Qt::StringLiterals;

namespace {

const QString kRuc = QStringLiteral("num_doc_ret");
const QString kName = QStringLiteral("des_razon");
const QString kDate = QStringLiteral("fec_donacion");
const QString kAmount = QStringLiteral("mto_total");
const QString kMovement = QStringLiteral("movimiento");

QList<EntryField> donationFields(const RetRegister& r) {
    if (r.boxNumber() == 519) {
        return {{kRuc, u"RUC de la entidad beneficiaria"_s, EntryKind::Digits, true},
                {kName, u"Nombre o denominación de la entidad beneficiaria"_s, EntryKind::Text, false},
                {kDate, u"Fecha de donación"_s, EntryKind::Date, true},
                {kAmount, r.texts().amountName, EntryKind::Amount, false}};
    }
    return {{kRuc, u"Número de RUC"_s, EntryKind::Digits, true},
            {kName, u"Razón Social"_s, EntryKind::Text, false},
            {kAmount, r.texts().amountName, EntryKind::Amount, false},
            {kMovement, u"Movimiento bancario"_s, EntryKind::Computed, false}};
}

}  // namespace

DonationEntry::DonationEntry(RetRegister& owner) : AnnexEntry(owner, donationFields(owner)), ret_(owner) {}

bool DonationEntry::donation() const {
    return ret_.boxNumber() == 519;
}

QString DonationEntry::caption() const {
    return ret_.texts().entryCaption;
}

QString DonationEntry::frameCaption() const {
    return donation() ? u"Detalle de la Entidad Beneficiaria"_s
                      : u"Detalle de la Entidad Bancaria/Financiera"_s;
}

void DonationEntry::Calcularitf() {
    if (donation())
        return;
    put(kMovement, Vacio(kAmount) ? QString() : Format(Vale(kAmount) / 0.0008, u"###,###,###,##0.00"_s));
}

void DonationEntry::changed(const QString&, const QString&) {
    Calcularitf();
}

bool DonationEntry::Valida_FechadeDonacion() {
    const QDate yearEnd(year().toInt(), 12, 31);
    if (!util::ValidaFecha(value(kDate).trimmed(), u"01/01/"_s + year(), yearEnd))
        return refuse(kDate, u"La Fecha de donación no es válida"_s);
    return true;
}

bool DonationEntry::Valida_Datos() {
    if (donation() && isNew() && ret_.count() >= RetRegister::kMaxDonors)
        return refuse(kRuc, u"Sólo se permite registrar hasta 50 donantes"_s);
    const QString label = field(kRuc)->label;
    const QString ruc = value(kRuc).trimmed();
    if (ruc.isEmpty())
        return refuse(kRuc, u"Registre el "_s + label);
    if (ruc.size() != 11)
        return refuse(kRuc, u"La longitud del "_s + label + u" debe ser de once dígitos"_s);
    if (!util::ValidaRuc(ruc))
        return refuse(kRuc, u"El número de RUC no es válido"_s);
    if (ruc == ret_.declaration().ruc().trimmed()) {
        return refuse(kRuc, donation() ? u"El "_s + label + u" no debe ser igual al RUC del declarante "_s
                                       : u"El RUC"_s +
                                             u" de la Entidad Bancaria / Financiera no debe ser igual "
                                             "al RUC del declarante "_s);
    }
    if (Vacio(kName))
        return refuse(kName, u"Debe registrar la "_s + field(kName)->label);
    if (Vacio(kAmount))
        return refuse(kAmount, u"Debe registrar el "_s + field(kAmount)->label);
    QString text = value(kAmount).trimmed();
    if (!validateAmount(text, 10, 2, {}, ret_.sink()))
        return refuse(kAmount, {}, {});
    return !donation() || Valida_FechadeDonacion();
}

QString DonationEntry::storedValue(const QString& column) const {
    if (column == u"tip_doc_ret")
        return u"6"_s;  // the entities are identified by their RUC
    if (column == kDate && !donation())
        return u"01/01/1899"_s;
    if (column == kAmount) {
        QString amount = value(kAmount).trimmed();
        amount.remove(u',');
        return Format(Val(amount), u"###########0.#0"_s);
    }
    return AnnexEntry::storedValue(column);
}

QStringList DonationEntry::writtenColumns() const {
    QStringList columns = {kName, kAmount};
    if (!donation())
        columns << kDate;
    return columns;
}

}  // namespace zem
