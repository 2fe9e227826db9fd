#include "reports/AnnexLayouts.h"

#include <QSqlRecord>
#include <QVariant>

namespace zem::reports {

using namespace Qt::StringLiterals;

namespace {

using Value = std::function<QString(const AnnexRow&)>;

QString field(const AnnexRow& q, const QString& column) {
    return q.value(column);
}

Value col(const QString& column) {
    return [column](const AnnexRow& q) { return field(q, column); };
}

Value period() {
    return [](const AnnexRow& q) { return shownPeriod(field(q, u"per_tri"_s)); };
}

AnnexColumn amount(const QString& label, const QString& column, int x = 0) {
    return {label, x, col(column), true, column};
}

}  // namespace

AnnexRow::AnnexRow(const QSqlQuery& query) : query_(query) {
    const QSqlRecord record = query.record();
    for (int i = 0; i < record.count(); ++i)
        index_.insert(record.fieldName(i).toLower(), i);
}

QString AnnexRow::value(const QString& column) const {
    const auto it = index_.constFind(column.toLower());
    return it == index_.constEnd() ? QString() : query_.value(*it).toString().trimmed();
}

QString shownPeriod(const QString& perTri) {
    const QString p = perTri.trimmed();
    if (p.size() == 6 && p.toInt() > 0)
        return p.mid(4, 2) + u'/' + p.left(4);
    return p;
}

AnnexLayout annexLayout(const QString& table, const QString& box, const AnnexLookups& lookups) {
    const QString t = table.toUpper();
    AnnexLayout l;
    auto document = [](const QString& typeColumn, const QString& numberColumn) -> Value {
        return [=](const AnnexRow& q) { return field(q, typeColumn) + u' ' + field(q, numberColumn); };
    };
    const Value payer = [lookups](const AnnexRow& q) {
        return lookups.payerName(field(q, q.has(u"num_ruc"_s) ? u"num_ruc"_s : u"num_doc_ret"_s));
    };
    auto described = [lookups](const QString& catalogue, const QString& column) -> Value {
        return [=](const AnnexRow& q) {
            const QString code = field(q, column);
            return code.isEmpty() ? code : code + u' ' + lookups.describe(catalogue, code);
        };
    };
    if (t == u"F0480PAGOS") {
        l.columns = {{u"Período"_s, 300, period()}, {u"Form."_s, 1100, col(u"num_for"_s)}};
        if (box == u"133") {
            l.columns += {{u"Nro Ord Ope"_s, 1700, col(u"num_ord"_s)},
                          {u"Fecha de pago"_s, 2900, col(u"fec_pago"_s)},
                          amount(u"Pag.sin Int."_s, u"mto_trib"_s, 5000),
                          amount(u"Intereses"_s, u"mto_int"_s, 6600),
                          amount(u"Pago Total"_s, u"mto_tot_pag"_s, 8000),
                          amount(u"Ing. Grav. Decl."_s, u"mto_gravado"_s, 9400)};
            l.totalColumn = u"mto_gravado"_s;
        } else {
            l.columns += {{u"N.Ord.Ope."_s, 1700, col(u"num_ord"_s)},
                          {u"Fec.Pago"_s, 3000, col(u"fec_pago"_s)},
                          amount(u"Pago Sin Interés"_s, u"mto_trib"_s, 4400),
                          amount(u"Interés"_s, u"mto_int"_s, 7800),
                          amount(u"Pago Total"_s, u"mto_tot_pag"_s, 9600)};
            l.totalColumn = u"mto_trib"_s;
        }
        l.totalLabel = u"Total :"_s;
    } else if (t == u"F0480PAGCTA") {
        l.columns = {{u"Período"_s, 300, period()},
                     {u"Form."_s, 1100, col(u"num_for"_s)},
                     {u"N. Ord."_s, 1700, col(u"num_ord"_s)},
                     {u"Fec.Pago"_s, 2700, col(u"fec_pago"_s)},
                     amount(u"Saldo"_s, u"mto_sal"_s, 4000),
                     amount(u"Exp."_s, u"mto_com"_s, 5000),
                     amount(u"Otr.Créd."_s, u"mto_otr"_s, 5700),
                     amount(u"P.Sin Int"_s, u"mto_sin_int"_s, 6700),
                     amount(u"Total"_s, u"mto_trib"_s, 8400),
                     amount(u"Int."_s, u"mto_int"_s, 9500),
                     amount(u"Pag.Tot."_s, u"mto_tot_pag"_s, 10400)};
        l.totalLabel = u"Totales :"_s;
        l.totalColumn = u"mto_trib"_s;
    } else if (t == u"F0480RETDET") {
        const Value receiptType = [lookups](const AnnexRow& q) {
            const QString code = field(q, u"tip_cp"_s);
            // "99" and "0" stand for no receipt type.
            if (code.isEmpty() || code == u"99" || code.toInt() == 0)
                return QString();
            return code + u' ' + lookups.describe(u"233"_s, code);
        };
        l.columns = {{u"Tipo   "_s, 300, col(u"tip_doc_ret"_s)},
                     {u"Num. Docum."_s, 1300, col(u"num_doc_ret"_s)},
                     {u"Apelli.,Nom./Raz. Soc."_s, 2600, payer},
                     {u"Período"_s, 5000, period()},
                     {u"Tipo"_s, 5900, receiptType},
                     {u"Serie"_s, 7000, col(u"num_serie_cp"_s)},
                     {u"Número"_s, 7700, col(u"num_cp"_s)},
                     {u"Fecha"_s, 8700, col(u"fec_emision_cp"_s)},
                     amount(u"Ing. Atribuido"_s, u"mto_imp_cp"_s, 9700)};
        l.totalLabel = u"Ingreso atribuido :"_s;
        l.totalColumn = u"mto_imp_cp"_s;
    } else if (t == u"F0482RETCAB") {
        const Value name = [](const AnnexRow& q) {
            const QString razon = field(q, u"des_razon"_s);
            if (!razon.isEmpty())
                return razon;
            return (field(q, u"des_ape_pat"_s) + u' ' + field(q, u"des_ape_mat"_s) + u' ' +
                    field(q, u"des_nombres"_s))
                .simplified();
        };
        if (box == u"522") {
            l.heading = u"Número de RUC    Razón Social                                   Monto Retenido"_s;
            l.columns = {{u"Número de RUC"_s, 0, col(u"num_doc_ret"_s)}, {u"Razón Social"_s, 0, name}};
            l.columns.append(amount(u"Monto Retenido"_s, u"mto_total"_s));
        } else {
            l.heading =
                box == u"117"
                    ? u"Tipo      Num. Docum.   Apellidos,Nombres/Razón Social                      Monto Invertido"_s
                    : u"Tipo      Num. Docum.   Apellidos,Nombres/Razón Social                      Monto retenido"_s;
            l.columns = {{u"Tipo"_s, 0, col(u"tip_doc_ret"_s)},
                         {u"Num. Docum."_s, 0, col(u"num_doc_ret"_s)},
                         {u"Apellidos"_s, 0, name}};
            l.columns.append(amount(u"Monto"_s, u"mto_total"_s));
        }
        l.totalLabel = u"Totales :"_s;
        l.totalColumn = u"mto_total"_s;
    } else if (t == u"F0480DETRTA") {
        if (box == u"129" || box == u"130" || box == u"131") {
            l.heading = u"Número de RUC    Razón Social                                   Monto Retenido"_s;
            l.columns = {{u"Número de RUC"_s, 0, col(u"num_ruc"_s)}, {u"Razón Social"_s, 0, payer}};
            l.columns.append(amount(u"Monto Retenido"_s, u"mto_retenido"_s));
        } else {
            l.heading =
                box == u"111"
                    ? u"Tipo      Num. Docum.   Apellidos,Nombres/Razón Social       Período      Remuner.  mensual"_s
                    : u"Tipo      Num. Docum.   Apellidos,Nombres/Razón Social       Período      Ingreso atribuido"_s;
            l.columns = {{u"Tipo"_s, 0, col(u"tip_doc_ret"_s)},
                         {u"Num. Docum."_s, 0, col(u"num_ruc"_s)},
                         {u"Apellidos"_s, 0, payer},
                         {u"Período"_s, 0, period()}};
            l.columns.append(amount(box == u"111" ? u"Remuner."_s : u"Ingreso"_s, u"mto_retenido"_s));
        }
        l.totalLabel = box == u"111" ? u"Total Remuneración :"_s : u"Total Monto atribuido :"_s;
        l.totalColumn = u"mto_retenido"_s;
    } else if (t == u"F0480FEXT") {
        l.heading =
            u"País                                                                         Monto del Impuesto"_s;
        l.columns = {{u"País"_s, 0, described(u"976"_s, u"cod_pais"_s)}};
        l.columns.append(amount(u"Monto del Impuesto"_s, u"mto_retenido"_s));
        l.amountMask = u"###,###,###,##0.#0"_s;
        l.totalLabel = u"Total Impuestos :"_s;
        l.totalColumn = u"mto_retenido"_s;
    } else if (t == u"F0480NORMAS") {
        l.heading = u"Tipo           Número                                                    Monto "_s;
        const Value norm = [](const AnnexRow& q) {
            return (field(q, u"num_nor"_s) + u' ' + field(q, u"anno_nor"_s) + u' ' + field(q, u"art_nor"_s))
                .simplified();
        };
        l.columns = {{u"Tipo"_s, 0, col(u"tip_nor"_s)}, {u"Número"_s, 0, norm}};
        l.columns.append(amount(u"Monto"_s, u"mto_retenido"_s));
        l.amountMask = u"##,###,###,##0.#0"_s;
        l.totalLabel = u"Total crédito :"_s;
        l.totalColumn = u"mto_retenido"_s;
    } else if (t == u"F0480CONDOMI") {
        l.heading = u"Tipo Documento       Número de Documento"_s;
        l.columns = {{u"Tipo Documento"_s, 0, described(u"044"_s, u"tip_doc_con"_s)},
                     {u"Número de Documento"_s, 0, col(u"num_ruc"_s)}};
    } else if (t == u"F0480FIDEI") {
        l.heading =
            u"Fiduciario            Fideicomitente      Tipo de Patrimonio      Tipo de Fideicomiso  Saldo 31/12/2006"_s;
        const Value heritage = [lookups](const AnnexRow& q) {
            const QString d = lookups.describe(u"678"_s, field(q, u"tip_patrimonio"_s));
            return d.isEmpty() ? field(q, u"des_tip_patrimonio"_s) : d;
        };
        const Value trustType = [lookups](const AnnexRow& q) {
            const QString d = lookups.describe(u"679"_s, field(q, u"tip_fideicomiso"_s));
            return d.isEmpty() ? field(q, u"des_tip_fideicomiso"_s) : d;
        };
        l.columns = {
            {u"Fiduciario"_s, 0, document(u"tip_doc_fiduciario"_s, u"num_doc_fiduciario"_s)},
            {u"Fideicomitente"_s, 0, document(u"tip_doc_fideicomitente"_s, u"num_doc_fideicomitente"_s)},
            {u"Tipo de Patrimonio"_s, 0, heritage},
            {u"Tipo de Fideicomiso"_s, 0, trustType}};
        l.columns.append(amount(u"Saldo"_s, u"mto_saldo"_s));
    } else if (t == u"F0476DIVIDEND") {
        l.columns = {{u"Entidad pagadora"_s, 300, col(u"des_entpagadora"_s)},
                     {u"Fecha de Pago Dividendo"_s, 5000, col(u"fec_retenida"_s)},
                     amount(u"Dividendo Percibido"_s, u"mto_distribuido"_s, 8000)};
        l.totalLabel = u"Totales :"_s;
        l.totalColumn = u"mto_distribuido"_s;
    }
    return l;
}

}  // namespace zem::reports
