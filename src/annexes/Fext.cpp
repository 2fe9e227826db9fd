#include <QHash>

#include "annexes/Fext.h"

#include "data/Amounts.h"
#include "data/Format.h"
#include "startup/Session.h"

namespace zem {

using namespace Qt::StringLiterals;

namespace {

const QString kCountry = QStringLiteral("cod_pais");
const QString kAmount = QStringLiteral("mto_retenido");
const QString kFrame = QStringLiteral("Crédito por Impuesto a la Renta de Fuente Extranjera");

RegisterDef fextDef() {
    RegisterDef def;
    def.name = u"frmFext"_s;
    def.table = u"TMP_F0480FEXT"_s;
    def.boxColumn.clear();  // every row is of box 122
    def.key = {kCountry};
    def.columns = {{kCountry, u"País o territorio"_s, {}},
                   {kAmount, u"Monto del Impuesto"_s, u"#,###,###,##0.00"_s}};
    def.sumColumn = kAmount;
    def.caption = u"Casilla 122 - "_s + kFrame;
    def.frame = u"Detalle de "_s + kFrame;
    def.totalLabel = u"Total Monto del Impuesto"_s;
    def.deleteQuestion = u"¿Esta seguro de Eliminar?. Esta información no podrá ser recuperada"_s;
    def.duplicateMessage = u"Datos ya fueron ingresados. "_s;
    return def;
}

}  // namespace

FextRegister::FextRegister(Session& session, DeclarationEditor& editor, QObject* parent)
    : AnnexRegister(session, editor, 122, fextDef(), parent),
      countries_(session.db(), u"976"_s, 60, 0, {kPeru}) {}

std::unique_ptr<AnnexEntry> FextRegister::newEntry() {
    return std::make_unique<FextEntry>(*this);
}

QString FextRegister::shown(int row, const RegisterColumn& column) const {
    if (column.name == kCountry) {
        const QString code = value(row, kCountry).trimmed();
        const QString description = countries_.description(code);
        return description.isEmpty() ? code : code + u" - "_s + description;
    }
    return AnnexRegister::shown(row, column);
}

FextEntry::FextEntry(FextRegister& owner)
    : AnnexEntry(owner, {{kCountry, u"País o territorio:"_s, EntryKind::Code, true},
                         {kAmount, u"Monto del Impuesto:"_s, EntryKind::Amount, false}}),
      fext_(owner) {}

QString FextEntry::caption() const {
    return u"Casilla 122 - Detalle de Crédito por Impuesto a la Renta de Fuente Extranjera "_s;
}

QString FextEntry::frameCaption() const {
    return kFrame;
}

QStringList FextEntry::choices(const QString& column) const {
    return column == kCountry ? fext_.countries().codes() : QStringList();
}

QString FextEntry::choiceText(const QString& column, const QString& code) const {
    return column == kCountry ? fext_.countries().description(code) : QString();
}

bool FextEntry::Valida_Datos() {
    // Only a country of the list: never Peru, whatever the batch tool is given.
    if (isNew() && !fext_.countries().contains(value(kCountry)))
        return refuse(kCountry, u"Debe selecionar el país o territorio"_s);
    if (Vacio(kAmount))
        return refuse(kAmount, u"Debe registrar el monto del impuesto"_s);
    QString text = value(kAmount).trimmed();
    if (!validateAmount(text, 10, 2, {}, owner().session().sink))
        return refuse(kAmount, {}, {});
    return true;
}

QString FextEntry::storedValue(const QString& column) const {
    if (column == u"casilla")
        return u"122"_s;
    if (column == kAmount) {
        QString amount = value(kAmount).trimmed();
        amount.remove(u',');
        return Format(Val(amount), u"###########0.#0"_s);
    }
    return AnnexEntry::storedValue(column);
}

QStringList FextEntry::writtenColumns() const {
    return {u"casilla"_s, kAmount};
}

QString FextEntry::controlName(const QString& column) const {
    static const QHash<QString, QString> names = {{kCountry, u"cboPais"_s}, {kAmount, u"TxtMtoRetenido"_s}};
    return names.value(column);
}

}  // namespace zem
