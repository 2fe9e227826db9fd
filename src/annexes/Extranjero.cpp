#include <QHash>

#include "annexes/Extranjero.h"

#include "data/Amounts.h"
#include "data/Format.h"
#include "startup/Session.h"

namespace zem {

using namespace Qt::StringLiterals;

namespace {

const QString kCompany = QStringLiteral("des_emp_ext");
const QString kCountry = QStringLiteral("ind_pais");
const QString kPost = QStringLiteral("ind_cargo");
const QString kOperation = QStringLiteral("ind_operacion");
const QString kBalance = QStringLiteral("mto_saldo");

RegisterDef extranjeroDef(const QString& year) {
    RegisterDef def;
    def.name = u"Grid_Extranjero"_s;
    def.table = u"TMP_F0476EXTRA"_s;
    def.boxColumn.clear();
    def.key = {kCompany, kCountry, kPost, kOperation};
    def.columns = {{kCompany, u"Empresa en el exterior"_s, {}},
                   {u"des_pais"_s, u"País o territorio"_s, {}},
                   {u"des_cargo"_s, u"Cargo, función o participación"_s, {}},
                   {u"des_operacion"_s, u"Tipo de operación"_s, {}},
                   {kBalance, u"Saldo al 31/12/"_s + year, u"###,###,###,##0"_s}};
    def.sumColumn = kBalance;
    def.caption = u"Inversiones en el  Extranjero"_s;
    def.frame = def.caption;
    def.deleteQuestion = u"¿Esta seguro de Eliminar?. Esta información no podrá ser recuperada"_s;
    def.duplicateMessage = u"Datos ya fueron ingresados. "_s;
    return def;
}

}  // namespace

ExtranjeroRegister::ExtranjeroRegister(Session& session, DeclarationEditor& editor, QObject* parent)
    : AnnexRegister(session, editor, 0, extranjeroDef(session.gAnio), parent),
      countries_(session.db(), u"976"_s, 60),
      posts_(session.db(), u"913"_s, 30),
      operations_(session.db(), u"919"_s, 50, 70) {}

std::unique_ptr<AnnexEntry> ExtranjeroRegister::newEntry() {
    return std::make_unique<ExtranjeroEntry>(*this);
}

const ParamChoices* ExtranjeroRegister::choicesOf(const QString& column) const {
    if (column == kCountry)
        return &countries_;
    if (column == kPost)
        return &posts_;
    if (column == kOperation)
        return &operations_;
    return nullptr;
}

ExtranjeroEntry::ExtranjeroEntry(ExtranjeroRegister& owner)
    : AnnexEntry(owner,
                 {{kCompany, u"Nombre o denominación de la empresa en el exterior"_s, EntryKind::Text, false},
                  {kCountry, u"País o territorio"_s, EntryKind::Code, false},
                  {kPost, u"Cargo, función o participación en la empresa"_s, EntryKind::Code, false},
                  {kOperation, u"Tipo de operación realizada"_s, EntryKind::Code, false},
                  {kBalance, u"Saldo al 31/12/"_s + owner.session().gAnio, EntryKind::Amount, false}}),
      extra_(owner) {}

QStringList ExtranjeroEntry::choices(const QString& column) const {
    const ParamChoices* c = extra_.choicesOf(column);
    return c ? c->codes() : QStringList();
}

QString ExtranjeroEntry::choiceText(const QString& column, const QString& code) const {
    const ParamChoices* c = extra_.choicesOf(column);
    return c ? c->description(code) : QString();
}

bool ExtranjeroEntry::Valida_Datos() {
    if (Vacio(kCompany))
        return refuse(kCompany, u"Debe registrar el nombre o la denominación de la empresa en el exterior"_s);
    if (!extra_.countries().contains(value(kCountry)))
        return refuse(kCountry, u"Debe selecionar el pais o territorio"_s);
    if (!extra_.posts().contains(value(kPost)))
        return refuse(kPost, u"Debe selecionar el cargo, función o participación en la empresa"_s);
    if (!extra_.operations().contains(value(kOperation)))
        return refuse(kOperation, u"Debe selecionar el tipo de operación realizada"_s);
    if (Vacio(kBalance))
        return refuse(kBalance, u"Debe registrar el saldo al 31/12/"_s + year());
    QString text = value(kBalance).trimmed();
    if (!validateAmount(text, 12, 2, {}, owner().session().sink))
        return refuse(kBalance, {}, {});
    return true;
}

int ExtranjeroEntry::decimals(const QString& column) const {
    return column == kBalance ? 0 : 2;
}

QString ExtranjeroEntry::storedValue(const QString& column) const {
    if (column == u"des_pais")
        return extra_.countries().description(value(kCountry));
    if (column == u"des_cargo")
        return extra_.posts().description(value(kPost));
    if (column == u"des_operacion")
        return extra_.operations().description(value(kOperation));
    if (column == kBalance) {
        QString amount = value(kBalance).trimmed();
        amount.remove(u',');
        return Format(Val(amount), u"###########0"_s);  // whole units
    }
    return AnnexEntry::storedValue(column);
}

QStringList ExtranjeroEntry::writtenColumns() const {
    return {u"des_pais"_s, u"des_cargo"_s, u"des_operacion"_s, kBalance};
}

QString ExtranjeroEntry::controlName(const QString& column) const {
    static const QHash<QString, QString> names = {{kCompany, u"txtEmpresa"_s},
                                                  {kCountry, u"cboPais"_s},
                                                  {kPost, u"CboCargo"_s},
                                                  {kOperation, u"cboOperacion"_s},
                                                  {kBalance, u"txtSaldo"_s}};
    return names.value(column);
}

}  // namespace zem
