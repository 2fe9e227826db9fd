#include "annexes/Dividendos.h"

#include <QDate>

#include "data/Format.h"
#include "declaration/Declaration.h"
#include "startup/MessageSink.h"
#include "startup/Session.h"
#include "startup/Utility.h"

namespace zem {

using namespace Qt::StringLiterals;

namespace {

const QString kRuc = QStringLiteral("num_ruc");
const QString kName = QStringLiteral("des_entpagadora");
const QString kDistributed = QStringLiteral("mto_distribuido");
const QString kWithheld = QStringLiteral("mto_retenido");
const QString kDate = QStringLiteral("fec_retenida");
const QString kWhole = QStringLiteral("###,###,###,##0");

RegisterDef dividendosDef() {
    RegisterDef def;
    def.name = u"Grid_Dividendos"_s;
    def.table = u"TMP_F0476DIVID"_s;
    def.boxColumn.clear();  // the dividends belong to no box of their own table
    def.key = {kRuc, kDate};
    def.columns = {{kRuc, u"Número de RUC"_s, {}},
                   {kName, u"Razón Social"_s, {}},
                   {kDate, u"Fecha de Pago"_s, {}},
                   {kDistributed, u"Dividendo Percibido"_s, kWhole},
                   {kWithheld, u"Retención"_s, kWhole}};
    def.sumColumn = kDistributed;
    def.secondSumColumn = kWithheld;
    def.caption = u"Dividendos Percibidos"_s;
    def.frame = u"Dividendos Percibidos"_s;
    def.totalLabel = u"Total Dividendos percibidos"_s;
    def.secondTotalLabel = u"Total Retenciones"_s;
    def.deleteQuestion = u"¿Esta seguro de Eliminar?. Esta información no podrá ser recuperada"_s;
    def.duplicateMessage = u"Datos ya fueron ingresados. "_s;
    def.writeEveryAction = true;  // box 118 is the distributed total
    return def;
}

}  // namespace

DividendosRegister::DividendosRegister(Session& session, DeclarationEditor& editor, QObject* parent)
    : AnnexRegister(session, editor, 118, dividendosDef(), parent) {}

std::unique_ptr<AnnexEntry> DividendosRegister::newEntry() {
    return std::make_unique<DividendosEntry>(*this);
}

DividendosEntry::DividendosEntry(AnnexRegister& owner)
    : AnnexEntry(owner, {{kRuc, u"RUC :"_s, EntryKind::Digits, true},
                         {kName, u"Razón Social"_s, EntryKind::Text, false},
                         {kDistributed, u"Dividendo Percibido:"_s, EntryKind::Amount, false},
                         {kWithheld, u"Retención :"_s, EntryKind::Amount, false},
                         {kDate, u"Fecha de Pago del Dividendo  "_s, EntryKind::Date, true}}) {}

QString DividendosEntry::caption() const {
    return u"Dividendos Percibidos"_s;
}

bool DividendosEntry::Valida_Datos() {
    const QString ruc = value(kRuc).trimmed();
    if (ruc.isEmpty())
        return refuse(kRuc, u"Debe registrar el número de RUC"_s);
    // Only companies distribute dividends, and a company's RUC begins with "20".
    if (!ruc.startsWith(u"20"))
        return refuse(kRuc, u"El número de RUC no aplica a la Distribución de dividendos"_s);
    if (!util::ValidaRuc(ruc))
        return refuse(kRuc, u"El número de RUC es inválido"_s);
    if (Vacio(kName))
        return refuse(kName, u"Debe registrar la razón social"_s);
    if (ruc.size() != 11)
        return refuse(kRuc, u"Verifique la longitud del número de RUC"_s);
    if (Vacio(kDistributed))
        return refuse(kDistributed, u"Debe registrar el Dividendo Percibido"_s);
    if (Vacio(kWithheld))
        return refuse(kWithheld, u"Debe registrar la retención"_s);
    for (const QString& column : {kDistributed, kWithheld}) {
        QString text = value(column).trimmed();
        if (!IsNumeric(text.remove(u',')))
            return refuse(column, u"El monto no es válido"_s);
    }
    return Valida_FechadeRetencion();
}

bool DividendosEntry::Valida_FechadeRetencion() {
    const QDate yearEnd(year().toInt(), 12, 31);
    if (!util::ValidaFecha(value(kDate).trimmed(), u"01/01/"_s + year(), yearEnd))
        return refuse(kDate, u"La Fecha de Pago del Dividendo no es válida"_s);
    return true;
}

QString DividendosEntry::storedValue(const QString& column) const {
    if (column == kDistributed || column == kWithheld) {
        QString amount = value(column).trimmed();
        amount.remove(u',');
        return Format(Val(amount), u"###########0"_s);  // whole units
    }
    return AnnexEntry::storedValue(column);
}

}  // namespace zem
