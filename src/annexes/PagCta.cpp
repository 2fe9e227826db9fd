#include "annexes/PagCta.h"

#include "data/Amounts.h"
#include "data/Format.h"
#include "data/SeedCatalogue.h"
#include "startup/MessageSink.h"
#include "startup/Session.h"

namespace zem {

using namespace Qt::StringLiterals;

namespace {

const QString kShown = QStringLiteral("###,###,###,##0.#0");
constexpr char16_t kCaption[] =
    u"Casilla 127 - Detalle de Pagos Directos de Impto a la Rta de 4ta Categoría  -  Indep.";
const QStringList kCredits = {u"mto_sal"_s, u"mto_com"_s, u"mto_otr"_s};

RegisterDef pagCtaDef() {
    RegisterDef def;
    def.name = u"frmPagCta"_s;
    def.table = u"TMP_F0480PAGCTA"_s;
    def.key = {u"casilla"_s, u"per_tri"_s, u"num_for"_s, u"num_ord"_s};
    const QString amount = u"#,###,###,##0.00"_s;
    def.columns = {
        {u"per_tri"_s, u"Período"_s, u"0#/####"_s},  {u"num_for"_s, u"Formulario"_s, {}},
        {u"num_ord"_s, u"Orden/Operación"_s, {}},    {u"fec_pago"_s, u"Fecha de Pago"_s, {}},
        {u"mto_sal"_s, u"Saldo a Favor"_s, amount},  {u"mto_com"_s, u"Compensación"_s, amount},
        {u"mto_otr"_s, u"Otros Créditos"_s, amount}, {u"mto_sin_int"_s, u"Pagos sin intereses"_s, amount},
        {u"mto_trib"_s, u"Total"_s, amount},         {u"mto_int"_s, u"Intereses"_s, amount},
        {u"mto_tot_pag"_s, u"Pago Total"_s, amount}};
    // mto_trib is the total including the credits applied.
    def.sumColumn = u"mto_trib"_s;
    def.caption = QString::fromUtf16(kCaption);
    def.frame = u"Detalle de Pagos Directos de Impto a la Rta de 4ta Categoría  -  Indep."_s;
    def.totalLabel = u"Total monto pagado"_s;
    def.deleteQuestion = u"¿Esta seguro de Eliminar?. Esta información no podrá ser recuperada"_s;
    return def;
}

const QList<EntryField> kAmounts = {
    {u"mto_sal"_s, u"Saldo a favor aplicado"_s, EntryKind::Amount, false},
    {u"mto_com"_s, u"Saldo a favor del exportador aplicado"_s, EntryKind::Amount, false},
    {u"mto_otr"_s, u"Otros créditos aplicados"_s, EntryKind::Amount, false},
    {u"mto_sin_int"_s, u"Pago sin Intereses"_s, EntryKind::Amount, false},
    {u"mto_trib"_s, u"Total"_s, EntryKind::Computed, false},
    {u"mto_int"_s, u"Intereses:"_s, EntryKind::Amount, false},
    {u"mto_tot_pag"_s, u"Pago Total:"_s, EntryKind::Computed, false}};

}  // namespace

PagCtaRegister::PagCtaRegister(Session& session, DeclarationEditor& editor, QObject* parent)
    : AnnexRegister(session, editor, 127, pagCtaDef(), parent) {}

std::unique_ptr<AnnexEntry> PagCtaRegister::newEntry() {
    return std::make_unique<PagCtaEntry>(*this);
}

PagCtaEntry::PagCtaEntry(AnnexRegister& owner) : PaymentEntry(owner, kAmounts) {
    // No form chosen yet: the credits stay closed until a credit-application form is.
    for (const QString& c : kCredits)
        setEnabled(c, false);
}

QString PagCtaEntry::caption() const {
    return QString::fromUtf16(kCaption);
}

bool PagCtaEntry::isCreditApplication(const QString& form) {
    const QString code = form.trimmed();
    if (code.isEmpty())
        return false;
    const QStringList credits = creditApplicationFormCodes();
    return credits.contains(code) || credits.contains(u'0' + code);
}

void PagCtaEntry::CalcularMontoTotal() {
    const QStringList parts = kCredits + QStringList{u"mto_sin_int"_s};
    double total = 0;
    bool empty = true;
    for (const QString& c : parts) {
        empty = empty && Vacio(c);
        total += Vale(c);
    }
    put(u"mto_trib"_s, empty ? QString() : Format(total, kShown));
}

void PagCtaEntry::CalcularMontoPago() {
    const bool empty = Vacio(u"mto_trib"_s) && Vacio(u"mto_int"_s);
    put(u"mto_tot_pag"_s, empty ? QString() : Format(Vale(u"mto_trib"_s) + Vale(u"mto_int"_s), kShown));
}

void PagCtaEntry::changed(const QString& column, const QString&) {
    if (column == u"num_for") {
        const bool credit = isCreditApplication(value(column));
        for (const QString& c : kCredits) {
            put(c, QString());
            setEnabled(c, credit);
        }
    } else if (!field(column) || field(column)->kind != EntryKind::Amount) {
        return;
    }
    CalcularMontoTotal();
    CalcularMontoPago();
}

bool PagCtaEntry::Valida_Datos() {
    if (!validaClaveYFecha(u"¡El Período tributario no es Válido!"_s))
        return false;
    const QString payment = u"mto_sin_int"_s;
    const bool credit = isCreditApplication(value(u"num_for"_s));
    if (Vacio(payment) || (!credit && Vale(payment) == 0))
        return refuse(payment, u"Debe registrar el "_s + field(payment)->label);
    RecordingMessageSink quiet;  // this window says which amount, in its own words
    for (const EntryField& f : fields()) {
        if (f.kind == EntryKind::Date || f.column == u"mto_trib" || !f.column.startsWith(u"mto_"))
            continue;
        QString text = value(f.column).trimmed();
        if (!validateAmount(text, 10, 2, {}, quiet))
            return refuse(f.column, u"El "_s + f.label + u" no es válido"_s);
    }
    return true;
}

}  // namespace zem
