#include <QHash>

#include "annexes/Amazonia.h"

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
const QString kAmount = QStringLiteral("mto_total");
const QString kDate = QStringLiteral("fec_donacion");
const QString kDescribe = QStringLiteral("describe");
const QString kFrame = QStringLiteral("Promoción de la Inversión en la Amazonía - Ley 27037");

RegisterDef amazoniaDef() {
    RegisterDef def;
    def.name = u"FrmAmazonia"_s;
    def.table = u"TMP_F0482RETCAB"_s;
    def.key = {u"casilla"_s, u"tip_doc_ret"_s, kRuc};
    def.columns = {{kRuc, u"RUC del beneficiario"_s, {}},
                   {kDescribe, u"Apellidos y nombres, denominación o razón social del beneficiario"_s, {}},
                   {kAmount, u"   Monto Invertido"_s, u"#,###,###,##0.00"_s}};
    def.sumColumn = kAmount;
    def.totalMask = u"###,###,###,##0.#0"_s;
    def.caption = u"Casilla  117- Promoción de la Inversión en la Amazonía - Ley 27037"_s;
    def.frame = kFrame;
    def.totalLabel = u"Total Monto Invertido"_s;
    // A deduction: in parentheses, rounded to whole units.
    def.boxMask = u"(###,###,###,###)"_s;
    def.deleteQuestion = u"¿Esta seguro de Eliminar?. Esta información no podrá ser recuperada"_s;
    return def;
}

}  // namespace

AmazoniaRegister::AmazoniaRegister(Session& session, DeclarationEditor& editor, QObject* parent)
    : AnnexRegister(session, editor, 117, amazoniaDef(), parent) {}

std::unique_ptr<AnnexEntry> AmazoniaRegister::newEntry() {
    return std::make_unique<AmazoniaEntry>(*this);
}

QString AmazoniaRegister::shown(int row, const RegisterColumn& column) const {
    if (column.name == kDescribe)
        return payerName(*this, row);
    return AnnexRegister::shown(row, column);
}

AmazoniaEntry::AmazoniaEntry(AnnexRegister& owner)
    : AnnexEntry(owner, {{kRuc, u"RUC del beneficiario"_s, EntryKind::Digits, true},
                         {kName, u"Razón social"_s, EntryKind::Text, false},
                         {kAmount, u"Monto Invertido :"_s, EntryKind::Amount, false}}) {}

QString AmazoniaEntry::caption() const {
    return u"Detalle de la Casilla 117 - Promoción de la Inversión en la Amazonía - Ley 27037"_s;
}

QString AmazoniaEntry::frameCaption() const {
    return kFrame;
}

bool AmazoniaEntry::Valida_Datos() {
    const QString label = field(kRuc)->label;
    const QString ruc = value(kRuc).trimmed();
    if (ruc.isEmpty())
        return refuse(kRuc, u"Registre el "_s + label);
    if (ruc.size() != 11)
        return refuse(kRuc, u"La longitud del "_s + label + u" debe ser de once dígitos"_s);
    if (ruc == owner().declaration().ruc().trimmed())
        return refuse(kRuc, u"El "_s + label + u" no debe ser igual al RUC del declarante "_s);
    if (!util::ValidaRuc(ruc))
        return refuse(kRuc, u"El "_s + label + u" no es válido"_s);
    if (Vacio(kName))
        return refuse(kName, u"Debe ingresar la razón social"_s);
    if (Vacio(kAmount))
        return refuse(kAmount, u"Debe registrar el "_s + field(kAmount)->label);
    QString text = value(kAmount).trimmed();
    if (!validateAmount(text, 10, 2, {}, owner().session().sink))
        return refuse(kAmount, {}, {});
    return true;
}

QString AmazoniaEntry::storedValue(const QString& column) const {
    if (column == u"tip_doc_ret")
        return u"6"_s;  // the beneficiaries are companies, identified by their RUC
    if (column == kDate)
        return u"01/01/1899"_s;  // the table's date of a record that has none
    if (column == kAmount) {
        QString amount = value(kAmount).trimmed();
        amount.remove(u',');
        return Format(Val(amount), u"#########0.00"_s);
    }
    return AnnexEntry::storedValue(column);
}

QStringList AmazoniaEntry::writtenColumns() const {
    return {kName, kAmount, kDate};
}

QString AmazoniaEntry::controlName(const QString& column) const {
    static const QHash<QString, QString> names = {
        {kRuc, u"TxtNumRUC"_s}, {kName, u"txtNombre"_s}, {kAmount, u"TxtMtoRetenido"_s}};
    return names.value(column);
}

}  // namespace zem
