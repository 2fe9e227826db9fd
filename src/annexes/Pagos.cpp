#include "annexes/Pagos.h"

#include "data/Amounts.h"
#include "data/Format.h"
#include "startup/Session.h"

namespace zem {

using namespace Qt::StringLiterals;

namespace {

const QString kShown = QStringLiteral("###,###,###,##0.#0");

RegisterDef pagosDef(int box) {
    RegisterDef def;
    def.name = u"frmPagos"_s;
    def.table = u"TMP_F0480PAGOS"_s;
    def.key = {u"casilla"_s, u"per_tri"_s, u"num_for"_s, u"num_ord"_s};
    def.columns = {{u"per_tri"_s, u"Período"_s, u"0#/####"_s},
                   {u"num_for"_s, u"Formulario"_s, {}},
                   {u"num_ord"_s, u"Orden/Operación"_s, {}},
                   {u"fec_pago"_s, u"Fecha de Pago"_s, {}},
                   {u"mto_trib"_s, u"Pago sin Intereses"_s, u"#,###,###,##0.00"_s},
                   {u"mto_int"_s, u"Intereses"_s, u"#,###,###,##0.00"_s},
                   {u"mto_tot_pag"_s, u"Pago Total"_s, u"#,###,###,##0.#0"_s}};
    def.sumColumn = u"mto_trib"_s;
    def.deleteQuestion = u"¿Esta seguro de Eliminar?. Esta información no podrá ser recuperada"_s;
    if (box == 133) {
        def.columns << RegisterColumn{u"mto_gravado"_s, u"Monto Gravado"_s, u"#,###,###,##0.#0"_s};
        def.caption = u"Casilla 133 - Pagos Directos de Impto a la Rta de 1era Categoría"_s;
        def.frame = u"Detalle de Pagos Directos de Impto a la Rta de 1era Categoría"_s;
        def.totalLabel = u"Total pagos sin intereses"_s;
        def.secondSumColumn = u"mto_gravado"_s;
        def.secondTotalLabel = u"Total Monto Gravado:"_s;
        // Box 133 is a credit: its amount in parentheses, whole units; box 100 the taxable income declared.
        def.boxMask = u"(###,###,###,##0)"_s;
        def.secondBox = 100;
        def.secondBoxMask = u"###,###,###,##0"_s;
        def.deleteQuestion =
            u"¿Esta seguro de Eliminar?. La suma total del monto gravado será diferente a la casilla 100. "
            "Esta información no podrá ser recuperada"_s;
    } else {
        def.caption = u"Casilla 529 - Pagos Directos de Impto a la Rta de 2da Categoría"_s;
        def.frame = u"Detalle de Pagos Directos de Impto a la Rta de 2da Categoría"_s;
        def.totalLabel = u"Total monto pagado"_s;
    }
    return def;
}

QList<EntryField> pagosAmounts(int box) {
    QList<EntryField> amounts = {{u"mto_trib"_s, u"Pago sin intereses"_s, EntryKind::Amount, false},
                                 {u"mto_int"_s, u"Intereses"_s, EntryKind::Amount, false},
                                 {u"mto_tot_pag"_s, u"Pago Total:"_s, EntryKind::Computed, false}};
    if (box == 133)
        amounts << EntryField{u"mto_gravado"_s, u"Ingresos gravados declarados"_s, EntryKind::Amount, false};
    return amounts;
}

}  // namespace

PagosRegister::PagosRegister(Session& session, DeclarationEditor& editor, int box, QObject* parent)
    : AnnexRegister(session, editor, box, pagosDef(box), parent) {}

std::unique_ptr<AnnexEntry> PagosRegister::newEntry() {
    return std::make_unique<PagosEntry>(*this);
}

PagosEntry::PagosEntry(AnnexRegister& owner) : PaymentEntry(owner, pagosAmounts(owner.boxNumber())) {}

bool PagosEntry::firstCategory() const {
    return owner().boxNumber() == 133;
}

QString PagosEntry::caption() const {
    return firstCategory()
               ? u"Detalle de la Casilla 133 - Pagos Directos de Impto a la Rta de 1era. Categoría"_s
               : u"Detalle de la Casilla 529 - Pagos Directos de Impto a la Rta de 2da Categoría"_s;
}

void PagosEntry::CalcularMontoTotal() {
    const bool empty = Vacio(u"mto_trib"_s) && Vacio(u"mto_int"_s);
    put(u"mto_tot_pag"_s, empty ? QString() : Format(Vale(u"mto_trib"_s) + Vale(u"mto_int"_s), kShown));
}

void PagosEntry::CalcularMontoPago() {
    if (!firstCategory())
        return;
    // The tax of the first category is 12 % of the income: the payment proposes the income it was paid on.
    put(u"mto_gravado"_s, Vacio(u"mto_trib"_s) ? QString() : Format(Vale(u"mto_trib"_s) / 0.12, kShown));
}

void PagosEntry::changed(const QString& column, const QString& before) {
    if (column != u"mto_trib" && column != u"mto_int")
        return;
    CalcularMontoTotal();
    // The proposal follows only a new amount: reformatting the same amount keeps what the user wrote.
    const QString now = value(column);
    if (column == u"mto_trib" && (!IsNumeric(now) || !IsNumeric(before) || Val(now) != Val(before)))
        CalcularMontoPago();
}

bool PagosEntry::Valida_Datos() {
    if (!validaClaveYFecha(u"¡El Período tributario no es Válido! "_s))
        return false;
    QStringList amounts = {u"mto_trib"_s, u"mto_int"_s};
    if (firstCategory())
        amounts << u"mto_gravado"_s;
    for (const QString& column : amounts) {
        const QString label = field(column)->label;
        if (column == u"mto_gravado" && Vacio(column))
            return refuse(column, u"Debe registrar los "_s + label);
        if (column == u"mto_trib") {
            if (Vacio(column))
                return refuse(column, u"Debe registrar el "_s + label);
            if (Vale(column) == 0)
                return refuse(column, u"El "_s + label + u" debe ser mayor a cero"_s);
        }
        QString text = value(column).trimmed();
        if (!validateAmount(text, 10, 2, {}, owner().session().sink))
            return refuse(column, {}, {});
    }
    return true;
}

}  // namespace zem
