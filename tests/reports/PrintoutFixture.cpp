#include "PrintoutFixture.h"

#include <QStringList>
#include <stdexcept>

#include "startup/Database.h"
#include "support/Taxpayers.h"

namespace zem::test {

using namespace Qt::StringLiterals;

namespace {

void exec(Db& db, const QString& sql, const QVariantList& params = {}) {
    if (!db.execute(sql, params))
        throw std::runtime_error(sql.toStdString());
}

// One row of a stored annex table: the declaration key and the given columns.
void annex(Db& db, const QString& table, const QStringList& columns, const QVariantList& values) {
    QStringList marks(columns.size() + 4, u"?"_s);
    QVariantList params = {6, kPrintRuc, u"2006"_s, u"0482"_s};
    params += values;
    exec(db,
         u"INSERT INTO "_s + table + u" (tip_doc_d, doc_id_d, periodo, formulario, "_s +
             columns.join(u", "_s) + u") VALUES ("_s + marks.join(u", "_s) + u')',
         params);
}

}  // namespace

void storePrintableDeclaration(Db& db) {
    if (!addTaxpayer(db, {.ruc = kPrintRuc,
                          .apellidoP = u"D'ONOFRIO"_s,
                          .apellidoM = u"QUISPE"_s,
                          .nombre = u"D'ONOFRIO QUISPE ANA MARÍA"_s,
                          .tipoIngreso = {}}))
        throw std::runtime_error("taxpayer");
    const QList<QStringList> params = {
        {u"404"_s, u"20060101"_s, u"3400"_s},
        {u"044"_s, u"6"_s, u"RUC"_s},
        {u"044"_s, u"1"_s, u"DNI"_s},
        {u"979"_s, u"13"_s, u"INGENIERO"_s},
        {u"004"_s, u"002"_s, u"BANCO DE CRÉDITO"_s},
        {u"976"_s, u"604"_s, u"PERÚ"_s},
        {u"976"_s, u"032"_s, u"ARGENTINA"_s},
        {u"233"_s, u"02"_s, u"RECIBO POR HONORARIOS"_s},
        {u"833"_s, u"01"_s, u"LEY"_s},
        {u"678"_s, u"1"_s, u"INMUEBLES"_s},
        {u"679"_s, u"2"_s, u"DE GARANTÍA"_s},
    };
    for (const QStringList& p : params)
        exec(db, u"INSERT INTO param (numero, argumento, funcion) VALUES (?, ?, ?)"_s, {p[0], p[1], p[2]});
    exec(db,
         u"INSERT INTO cab (tip_doc_d, doc_id_d, periodo, formulario, semana, fec_pro, bcolibrad, nrocheque, "
         "cheque, efectivo, rectifica, estado) VALUES (6, ?, '2006', '0482', 0, '14/03/2007', '002', "
         "'00451278', "
         "'1', '0', '0', 0)"_s,
         {kPrintRuc});
    const QList<QPair<int, QString>> boxes = {
        {5, u"0"_s},
        {25, u"13"_s},
        {27, u"1"_s},
        {28, u"4217788"_s},
        {100, u"12000"_s},
        {501, u"12000"_s},
        {502, u"-2400"_s},
        {503, u"9600"_s},
        {106, u"5000"_s},
        {504, u"5000"_s},
        {505, u"-500"_s},
        {506, u"4500"_s},
        {107, u"340000"_s},
        {507, u"-68000"_s},
        {508, u"272000"_s},
        {108, u"1500"_s},
        {509, u"273500"_s},
        {111, u"48000"_s},
        {510, u"321500"_s},
        {511, u"-23800"_s},
        {512, u"297700"_s},
        {113, u"311800"_s},
        {522, u"-1200"_s},
        {519, u"-800"_s},
        {514, u"309800"_s},
        {513, u"309800"_s},
        {116, u"7000"_s},
        {528, u"316800"_s},
        {117, u"-1000"_s},
        {515, u"315800"_s},
        {120, u"63160"_s},
        {122, u"-350"_s},
        {124, u"-120"_s},
        {516, u"62690"_s},
        {127, u"-3000"_s},
        {131, u"-5200"_s},
        {132, u"-75"_s},
        {133, u"-900"_s},
        {529, u"-150"_s},
        {130, u"-6800"_s},
        {129, u"-400"_s},
        {142, u"46165"_s},
        {146, u"46165"_s},
        {180, u"46165"_s},
        {200, u"2500"_s},
        {201, u"1800"_s},
        {535, u"1000"_s},
        {539, u"1500"_s},
        {530, u"800"_s},
        {540, u"1000"_s},
        {118, u"3000"_s},
        {518, u"326100"_s},
        {526, u"0"_s},
        {552, u"1"_s},
        {554, u"0"_s},
        {556, u"1"_s},
        {559, u"1"_s},
        {560, u"1"_s},
        {561, u"1"_s},
        {301, u"01"_s},
        {302, u"40404040"_s},
        {811, u"D'ONOFRIO"_s},
        {812, u"QUISPE"_s},
        {813, u"ANA MARÍA"_s},
        {819, u"PEÑA ALVARADO L"_s},
        {829, u"UIS"_s},
        {204, u"01"_s},
        {208, u"07654321"_s},
        {212, u"6000"_s},
        {721, u"999999"_s},
        {722, u"888888"_s},
    };
    for (const auto& [box, value] : boxes) {
        exec(db,
             u"INSERT INTO det (tip_doc_d, doc_id_d, periodo, formulario, semana, casilla, i_valor) "
             "VALUES (6, ?, '2006', '0482', 0, ?, ?)"_s,
             {kPrintRuc, QString::number(box).rightJustified(3, u'0'), value});
    }
    const QStringList retcab = {u"casilla"_s,     u"tip_doc_ret"_s, u"num_doc_ret"_s, u"des_razon"_s,
                                u"des_ape_pat"_s, u"des_ape_mat"_s, u"des_nombres"_s, u"mto_total"_s};
    annex(db, u"F0482RETCAB"_s, retcab,
          {u"522"_s, u"6"_s, u"20100047218"_s, u"BANCO DEL ANDE S.A."_s, {}, {}, {}, u"1200"_s});
    annex(db, u"F0482RETCAB"_s, retcab,
          {u"519"_s, u"6"_s, u"20504030201"_s, u"ASOCIACIÓN NIÑOS DEL SUR"_s, {}, {}, {}, u"800"_s});
    annex(db, u"F0482RETCAB"_s, retcab,
          {u"117"_s, u"1"_s, u"08080808"_s, {}, u"ÑAHUI"_s, u"ROJAS"_s, u"JOSÉ"_s, u"1000"_s});
    annex(db, u"F0482RETCAB"_s, retcab,
          {u"111"_s, u"6"_s, u"20330033003"_s, u"MINERA CÓNDOR S.A.C."_s, {}, {}, {}, {}});
    annex(db, u"F0482RETCAB"_s, retcab,
          {u"107"_s, u"6"_s, u"20600600601"_s, u"ESTUDIO ÁLVAREZ"_s, {}, {}, {}, {}});
    const QStringList detrta = {u"casilla"_s, u"tip_doc_ret"_s, u"num_ruc"_s, u"per_tri"_s,
                                u"mto_retenido"_s};
    annex(db, u"F0480DETRTA"_s, detrta, {u"106"_s, u"6"_s, u"20330033003"_s, u"200612"_s, u"5000"_s});
    annex(db, u"F0480DETRTA"_s, detrta, {u"108"_s, u"6"_s, u"20600600601"_s, u"200606"_s, u"1500"_s});
    annex(db, u"F0480DETRTA"_s, detrta, {u"111"_s, u"6"_s, u"20330033003"_s, u"200601"_s, u"24000"_s});
    annex(db, u"F0480DETRTA"_s, detrta, {u"111"_s, u"6"_s, u"20330033003"_s, u"200602"_s, u"24000"_s});
    annex(db, u"F0480DETRTA"_s, detrta, {u"129"_s, u"6"_s, u"20100047218"_s, u"200612"_s, u"400"_s});
    annex(db, u"F0480DETRTA"_s, detrta, {u"130"_s, u"6"_s, u"20600600601"_s, u"200612"_s, u"6800"_s});
    annex(db, u"F0480DETRTA"_s, detrta, {u"131"_s, u"6"_s, u"20330033003"_s, u"200612"_s, u"5200"_s});
    const QStringList retdet = {u"casilla"_s, u"tip_doc_ret"_s,    u"num_doc_ret"_s,
                                u"per_tri"_s, u"tip_cp"_s,         u"num_serie_cp"_s,
                                u"num_cp"_s,  u"fec_emision_cp"_s, u"mto_imp_cp"_s};
    annex(db, u"F0480RETDET"_s, retdet,
          {u"107"_s, u"6"_s, u"20600600601"_s, u"200603"_s, u"02"_s, u"0001"_s, u"000123"_s, u"15/03/2006"_s,
           u"170000"_s});
    annex(db, u"F0480RETDET"_s, retdet,
          {u"107"_s, u"6"_s, u"20600600601"_s, u"200609"_s, u"99"_s, u"0001"_s, u"000187"_s, u"20/09/2006"_s,
           u"170000"_s});
    annex(db, u"F0480FEXT"_s, {u"casilla"_s, u"cod_pais"_s, u"mto_retenido"_s},
          {u"122"_s, u"032"_s, u"350.5"_s});
    const QStringList normas = {u"casilla"_s,  u"tip_nor"_s, u"num_nor"_s,
                                u"anno_nor"_s, u"art_nor"_s, u"mto_retenido"_s};
    annex(db, u"F0480NORMAS"_s, normas, {u"124"_s, u"01"_s, u"27037"_s, u"1998"_s, u"12"_s, u"120"_s});
    annex(db, u"F0480NORMAS"_s, normas, {u"132"_s, u"01"_s, u"28194"_s, u"2004"_s, u"3"_s, u"75"_s});
    annex(db, u"F0480NORMAS"_s, normas, {u"539"_s, u"01"_s, u"26361"_s, u"1994"_s, u"3"_s, u"1500"_s});
    annex(db, u"F0480NORMAS"_s, normas, {u"540"_s, u"01"_s, u"27356"_s, u"2000"_s, u"1"_s, u"1000"_s});
    const QStringList pagos = {u"casilla"_s,  u"per_tri"_s, u"num_for"_s,     u"num_ord"_s,    u"fec_pago"_s,
                               u"mto_trib"_s, u"mto_int"_s, u"mto_tot_pag"_s, u"mto_gravado"_s};
    annex(db, u"F0480PAGOS"_s, pagos,
          {u"133"_s, u"200603"_s, u"1683"_s, u"88001"_s, u"12/04/2006"_s, u"450"_s, u"0"_s, u"450"_s,
           u"6000"_s});
    annex(db, u"F0480PAGOS"_s, pagos,
          {u"133"_s, u"200609"_s, u"1683"_s, u"88002"_s, u"13/10/2006"_s, u"450"_s, u"12"_s, u"462"_s,
           u"6000"_s});
    annex(db, u"F0480PAGOS"_s, pagos,
          {u"529"_s, u"200611"_s, u"1665"_s, u"88003"_s, u"12/12/2006"_s, u"150"_s, u"0"_s, u"150"_s, {}});
    annex(db, u"F0480PAGCTA"_s,
          {u"casilla"_s, u"per_tri"_s, u"num_for"_s, u"num_ord"_s, u"fec_pago"_s, u"mto_sal"_s, u"mto_com"_s,
           u"mto_otr"_s, u"mto_sin_int"_s, u"mto_trib"_s, u"mto_int"_s, u"mto_tot_pag"_s},
          {u"127"_s, u"200605"_s, u"0616"_s, u"77001"_s, u"14/06/2006"_s, u"0"_s, u"0"_s, u"0"_s, u"3000"_s,
           u"3000"_s, u"0"_s, u"3000"_s});
    annex(db, u"F0480CONDOMI"_s, {u"tip_doc_con"_s, u"num_ruc"_s}, {u"1"_s, u"09090909"_s});
    annex(db, u"F0480CONDOMI"_s, {u"tip_doc_con"_s, u"num_ruc"_s}, {u"6"_s, u"10090909091"_s});
    annex(db, u"F0480FIDEI"_s,
          {u"tip_doc_fiduciario"_s, u"num_doc_fiduciario"_s, u"tip_doc_fideicomitente"_s,
           u"num_doc_fideicomitente"_s, u"tip_patrimonio"_s, u"des_tip_patrimonio"_s, u"tip_fideicomiso"_s,
           u"des_tip_fideicomiso"_s, u"mto_saldo"_s},
          {u"6"_s, u"20100047218"_s, u"1"_s, u"40404040"_s, u"1"_s, {}, u"2"_s, {}, u"25000"_s});
    const QStringList dividend = {u"num_ruc"_s, u"des_entpagadora"_s, u"fec_retenida"_s, u"mto_distribuido"_s,
                                  u"mto_retenido"_s};
    annex(db, u"F0476DIVIDEND"_s, dividend,
          {u"20100047218"_s, u"BANCO DEL ANDE S.A."_s, u"20/05/2006"_s, u"2000"_s, u"80"_s});
    annex(db, u"F0476DIVIDEND"_s, dividend,
          {u"20330033003"_s, u"MINERA CÓNDOR S.A.C."_s, u"18/08/2006"_s, u"1000"_s, u"40"_s});
}

void addDirectPayments(Db& db, int count) {
    const QStringList pagos = {u"casilla"_s,  u"per_tri"_s, u"num_for"_s,     u"num_ord"_s,    u"fec_pago"_s,
                               u"mto_trib"_s, u"mto_int"_s, u"mto_tot_pag"_s, u"mto_gravado"_s};
    db.transaction([&] {
        for (int i = 0; i < count; ++i) {
            const int month = i % 12 + 1;
            annex(db, u"F0480PAGOS"_s, pagos,
                  {u"133"_s, u"2006"_s + QString::number(month).rightJustified(2, u'0'), u"1683"_s,
                   QString::number(100000 + i),
                   u"12/"_s + QString::number(month).rightJustified(2, u'0') + u"/2006"_s,
                   QString::number(100 + i), QString::number(i % 7), QString::number(100 + i + i % 7),
                   QString::number(1000 + 10 * i)});
        }
        return true;
    });
}

}  // namespace zem::test
