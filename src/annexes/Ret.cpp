#include "annexes/Ret.h"

#include "annexes/DonationEntry.h"
#include "annexes/RetCab.h"
#include "data/Format.h"
#include "startup/MessageSink.h"
#include "startup/Session.h"

namespace zem {

using namespace Qt::StringLiterals;

namespace {

const QString kAmountMask = QStringLiteral("###,###,###,##0.#0");

// The amount as the entry names it, without its closing colon or period, heads the amount column.
QString heading(QString name) {
    while (name.endsWith(u':') || name.endsWith(u'.'))
        name.chop(1);
    return name.trimmed();
}

RegisterDef retDef(int box, const RetTexts& t, const QString& year) {
    RegisterDef def;
    def.name = u"frmRet"_s;
    def.table = u"TMP_F0482RETCAB"_s;
    def.key = {u"casilla"_s, u"tip_doc_ret"_s, u"num_doc_ret"_s};
    def.caption = t.listCaption;
    def.frame = t.listCaption;
    def.totalLabel = t.totalLabel;
    def.deleteQuestion = u"¿Esta seguro de Eliminar?. Esta información no podrá ser recuperada. "_s;
    def.boxMask = u"###,###,###,##0"_s;  // whole units; a register with rows always writes its box
    def.writeEveryAction = true;
    const RegisterColumn amount{u"mto_total"_s, heading(t.amountName), kAmountMask};
    if (box == 519) {
        // A donor may give more than once: each donation is its own record.
        def.key << u"fec_donacion"_s;
        def.columns = {{u"num_doc_ret"_s, u"RUC de la entidad beneficiaria"_s, {}},
                       {u"nombre"_s, u"Nombre o denominación de la entidad beneficiaria"_s, {}},
                       amount,
                       {u"fec_donacion"_s, u"Fecha de la donación"_s, {}}};
    } else if (box == 522) {
        def.columns = {{u"num_doc_ret"_s, u"Número de RUC"_s, {}},
                       {u"nombre"_s, u"Razón Social"_s, {}},
                       amount,
                       {u"movimiento"_s, u"Movimiento al 31/12/"_s + year, kAmountMask}};
    } else {
        def.columns = {{u"num_doc_ret"_s, u"Número de Documento"_s, {}},
                       {u"nombre"_s, u"Apellidos y Nombres / Razón social"_s, {}},
                       amount};
    }
    if (oneLevelBox(box)) {
        def.sumColumn = u"mto_total"_s;
    } else if (box == 107) {
        def.sumColumn = u"mto_imp_cp"_s;
        def.sumTable = u"TMP_F0480RETDET"_s;
        def.details = {{u"TMP_F0480RETDET"_s,
                        {{u"casilla"_s, u"casilla"_s},
                         {u"tip_doc_ret"_s, u"tip_doc_ret"_s},
                         {u"num_doc_ret"_s, u"num_doc_ret"_s}}}};
    } else {
        def.sumColumn = u"mto_retenido"_s;
        def.sumTable = u"TMP_F0480DETRTA"_s;
        def.details = {{u"TMP_F0480DETRTA"_s,
                        {{u"casilla"_s, u"casilla"_s},
                         {u"tip_doc_ret"_s, u"tip_doc_ret"_s},
                         {u"num_doc_ret"_s, u"num_ruc"_s}}}};
    }
    return def;
}

RegisterDef linesDef(int box, const RetTexts& t) {
    RegisterDef def;
    def.name = u"gridRet"_s;
    def.caption = t.headerCaption;
    def.frame = t.detailFrame;
    def.countCaption = u"Cantidad de registros : "_s;
    def.totalMask = kAmountMask;
    def.deleteQuestion = u"¿Esta seguro de Eliminar?. Esta información no podrá ser recuperada"_s;
    if (box == 107) {
        def.table = u"TMP_F0480RETDET"_s;
        def.key = {u"casilla"_s, u"tip_doc_ret"_s,  u"num_doc_ret"_s, u"per_tri"_s,
                   u"tip_cp"_s,  u"num_serie_cp"_s, u"num_cp"_s,      u"fec_emision_cp"_s};
        def.columns = {{u"tip_cp"_s, u"Tipo de CDP"_s, {}},
                       {u"num_serie_cp"_s, u"Serie"_s, {}},
                       {u"num_cp"_s, u"Número CDP"_s, {}},
                       {u"fec_emision_cp"_s, u"Fecha de emisión"_s, {}},
                       {u"mto_imp_cp"_s, u"Ingreso Atribuido"_s, kAmountMask},
                       {u"per_tri"_s, u"Periodo"_s, u"0#/####"_s}};
        def.sumColumn = u"mto_imp_cp"_s;
    } else {
        def.table = u"TMP_F0480DETRTA"_s;
        def.key = {u"casilla"_s, u"tip_doc_ret"_s, u"num_ruc"_s, u"per_tri"_s};
        def.columns = {{u"per_tri"_s, u"Periodo"_s, u"0#/####"_s},
                       {u"mto_retenido"_s, t.headerAmount, kAmountMask}};
        def.sumColumn = u"mto_retenido"_s;
    }
    return def;
}

}  // namespace

QString payerName(const AnnexRegister& r, int row) {
    return (r.value(row, u"des_razon"_s) + r.value(row, u"des_ape_pat"_s) + u' ' +
            r.value(row, u"des_ape_mat"_s) + u' ' + r.value(row, u"des_nombres"_s))
        .trimmed();
}

RetRegister::RetRegister(Session& session, DeclarationEditor& editor, int box, QObject* parent)
    : AnnexRegister(session, editor, box, retDef(box, retTexts(box, session.gAnio), session.gAnio), parent),
      texts_(retTexts(box, session.gAnio)) {}

bool RetRegister::canAdd() {
    if (boxNumber() == 519 && count() >= kMaxDonors) {
        sink().error(u"Sólo se permite registrar hasta 50 donantes"_s, def().caption);
        return false;
    }
    return true;
}

std::unique_ptr<AnnexEntry> RetRegister::newEntry() {
    if (!canAdd())
        return nullptr;
    if (oneLevelBox(boxNumber()))
        return std::make_unique<DonationEntry>(*this);
    return std::make_unique<RetCabEntry>(*this);
}

QString RetRegister::shown(int row, const RegisterColumn& column) const {
    if (column.name == u"nombre")
        return payerName(*this, row);
    if (column.name == u"movimiento") {
        // The ITF is 0.08 % of the movement it was withheld on.
        const QString amount = value(row, u"mto_total"_s).trimmed();
        return amount.isEmpty() ? QString() : Format(Val(amount) / 0.0008, column.mask);
    }
    return AnnexRegister::shown(row, column);
}

RetLinesRegister::RetLinesRegister(Session& session, DeclarationEditor& editor, int box, QObject* parent)
    : AnnexRegister(session, editor, box, linesDef(box, retTexts(box, session.gAnio)), parent) {}

QString RetLinesRegister::payerColumn() const {
    return boxNumber() == 107 ? u"num_doc_ret"_s : u"num_ruc"_s;
}

QString RetLinesRegister::shown(int row, const RegisterColumn& column) const {
    const QString v = value(row, column.name).trimmed();
    if (column.mask != kAmountMask || v.isEmpty())
        return AnnexRegister::shown(row, column);
    // Amounts the entry would not accept (none above zero) stand out between parentheses.
    return Val(v) > 0 ? Format(Val(v), u"###,###,##0.#0"_s) : Format(std::abs(Val(v)), u"(##,###,##0.#0)"_s);
}

}  // namespace zem
