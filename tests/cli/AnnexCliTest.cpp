#include <gtest/gtest.h>

#include "CliTool.h"

using namespace Qt::StringLiterals;

using zem::test::Outcome;
using zem::test::Tool;

namespace {

const QString kRuc = u"20100070970"_s;

// An installation with one taxpayer whose declaration has been saved with its identification answered.
void install(const Tool& zem) {
    zem::test::installDeclaration(zem, kRuc);
}

// The stored value of a box as show prints it, "" when the box is not stored.
QString shownBox(const Tool& zem, const QString& box) {
    const QString out = zem({u"show"_s, kRuc}).out;
    for (const QString& line : out.split(u'\n')) {
        if (line.startsWith(box + u'\t'))
            return line.mid(box.size() + 1);
    }
    return {};
}

Outcome add(const Tool& zem, const QString& box, const QStringList& columns) {
    return zem(QStringList{u"annex"_s, u"add"_s, kRuc, box} + columns);
}

}  // namespace

TEST(AnnexCli, PaymentsAddedListedAndDeletedMoveTheirBoxes) {
    Tool zem;
    install(zem);
    const Outcome first = add(zem, u"133"_s,
                              {u"per_tri=200601"_s, u"num_for=1662"_s, u"num_ord=123"_s,
                               u"fec_pago=15/02/2006"_s, u"mto_trib=1234.50"_s, u"mto_int=0"_s});
    ASSERT_LT(first.code, 2) << first.err.toStdString();
    EXPECT_TRUE(first.out.contains(u"grabada"_s)) << first.out.toStdString();
    EXPECT_EQ(shownBox(zem, u"133"_s), u"-1235"_s);  // a credit, in whole units
    EXPECT_EQ(shownBox(zem, u"100"_s), u"10288"_s);  // the income proposed at 12 %
    ASSERT_LT(add(zem, u"529"_s,
                  {u"per_tri=200602"_s, u"num_for=0121"_s, u"num_ord=7"_s, u"fec_pago=10/03/2006"_s,
                   u"mto_trib=500"_s})
                  .code,
              2);
    EXPECT_EQ(shownBox(zem, u"529"_s), u"500"_s);
    ASSERT_LT(add(zem, u"127"_s,
                  {u"per_tri=200603"_s, u"num_for=0651"_s, u"num_ord=5"_s, u"fec_pago=10/04/2006"_s,
                   u"mto_sal=100"_s, u"mto_sin_int=200"_s})
                  .code,
              2);
    EXPECT_EQ(shownBox(zem, u"127"_s), u"300"_s);

    // Refusals say what the window says, or what is wrong with the words, and change nothing.
    const QString before = zem({u"show"_s, kRuc}).out;
    const Outcome twice = add(zem, u"133"_s,
                              {u"per_tri=200601"_s, u"num_for=1662"_s, u"num_ord=123"_s,
                               u"fec_pago=15/02/2006"_s, u"mto_trib=1"_s});
    EXPECT_EQ(twice.code, 2);
    EXPECT_TRUE(twice.err.contains(u"Los datos que desea registrar ya fueron ingresados. "_s));
    const Outcome future = add(
        zem, u"529"_s,
        {u"per_tri=200612"_s, u"num_for=1662"_s, u"num_ord=8"_s, u"fec_pago=01/01/2999"_s, u"mto_trib=1"_s});
    EXPECT_EQ(future.code, 2);
    EXPECT_TRUE(future.err.contains(u"La fecha es mayor a la fecha del sistema"_s));
    EXPECT_EQ(add(zem, u"133"_s, {u"mto_tot_pag=5"_s}).code, 2);  // computed
    EXPECT_TRUE(add(zem, u"127"_s, {u"num_for=1662"_s, u"mto_sal=5"_s}).err.contains(u"formulario 1662"_s));
    EXPECT_EQ(add(zem, u"107"_s, {u"mto_trib=5"_s}).code, 2);  // no register here yet
    EXPECT_EQ(add(zem, u"133"_s, {u"bogus=1"_s}).code, 2);
    EXPECT_EQ(zem({u"show"_s, kRuc}).out, before);

    const Outcome all = zem({u"annex"_s, u"list"_s, kRuc});
    ASSERT_EQ(all.code, 0);
    const QStringList lines = all.out.split(u'\n', Qt::SkipEmptyParts);
    ASSERT_EQ(lines.size(), 3);
    EXPECT_TRUE(
        lines[0].startsWith(u"133\t1\tper_tri=200601\tnum_for=1662\tnum_ord=123\tfec_pago=15/02/2006\t"
                            "mto_trib=1234.50\tmto_int=0.00\tmto_tot_pag=1234.50\tmto_gravado=10287.50"_s))
        << lines[0].toStdString();
    EXPECT_TRUE(lines[2].startsWith(u"127\t1\t"_s));
    const Outcome json = zem({u"annex"_s, u"list"_s, kRuc, u"529"_s, u"--json"_s});
    EXPECT_TRUE(json.out.contains(u"\"fila\": 1"_s)) << json.out.toStdString();
    EXPECT_TRUE(json.out.contains(u"\"casilla\": \"529\""_s));

    // Deleting the only payment of box 133 empties it and box 100.
    ASSERT_LT(zem({u"annex"_s, u"delete"_s, kRuc, u"133"_s, u"1"_s}).code, 2);
    EXPECT_EQ(shownBox(zem, u"133"_s), QString());
    EXPECT_EQ(shownBox(zem, u"100"_s), QString());
    EXPECT_EQ(zem({u"annex"_s, u"delete"_s, kRuc, u"133"_s, u"1"_s}).code, 2);
    ASSERT_LT(zem({u"annex"_s, u"delete"_s, kRuc, u"127"_s, u"1"_s}).code, 2);
    EXPECT_EQ(shownBox(zem, u"127"_s), QString());
    EXPECT_EQ(zem({u"annex"_s, u"list"_s, kRuc}).out.count(u'\n'), 1);  // the payment of box 529 remains
}

TEST(AnnexCli, AReceiptOfBox107CreatesItsPayerAndTheNextOneJoinsIt) {
    Tool zem;
    install(zem);
    const QStringList payer = {u"tip_doc_ret=01"_s, u"num_doc_ret=44556677"_s, u"des_ape_pat=ROJAS"_s,
                               u"des_nombres=LUIS"_s};
    const QStringList receipt = {u"per_tri=200604"_s, u"tip_cp=02"_s, u"num_serie_cp=1"_s,
                                 u"fec_emision_cp=30/04/2006"_s, u"mto_imp_cp=1500.50"_s};
    // The receipt's checks refuse with the window's texts, and nothing is written.
    const Outcome zero = add(zem, u"107"_s, payer + receipt + QStringList{u"num_cp=0"_s});
    EXPECT_EQ(zero.code, 2);
    EXPECT_TRUE(zero.err.contains(u"El número del  comprobante de pago no puede ser cero"_s))
        << zero.err.toStdString();
    EXPECT_TRUE(shownBox(zem, u"107"_s).isEmpty());

    const Outcome first = add(zem, u"107"_s, payer + receipt + QStringList{u"num_cp=345"_s});
    ASSERT_LT(first.code, 2) << first.err.toStdString();
    EXPECT_EQ(shownBox(zem, u"107"_s), u"1501"_s);
    EXPECT_FALSE(shownBox(zem, u"507"_s).isEmpty());  // the chain followed: the 20 % deduction
    const Outcome second =
        add(zem, u"107"_s,
            {u"tip_doc_ret=1"_s, u"num_doc_ret=44556677"_s, u"per_tri=200605"_s, u"tip_cp=02"_s,
             u"num_serie_cp=1"_s, u"num_cp=346"_s, u"fec_emision_cp=02/05/2006"_s, u"mto_imp_cp=500"_s});
    ASSERT_LT(second.code, 2) << second.err.toStdString();
    EXPECT_EQ(shownBox(zem, u"107"_s), u"2001"_s);

    // One payer, listed once per receipt with the payer's columns and the receipt's.
    const QStringList lines =
        zem({u"annex"_s, u"list"_s, kRuc, u"107"_s}).out.split(u'\n', Qt::SkipEmptyParts);
    ASSERT_EQ(lines.size(), 2);
    EXPECT_TRUE(lines[0].startsWith(u"107\t1\ttip_doc_ret=1\tnum_doc_ret=44556677\t"_s))
        << lines[0].toStdString();
    EXPECT_TRUE(lines[0].contains(u"\tnum_serie_cp=0001\tnum_cp=00000345\t"_s)) << lines[0].toStdString();
    EXPECT_TRUE(lines[1].startsWith(u"107\t1\t"_s));
    EXPECT_TRUE(lines[1].contains(u"mto_total=2000.50"_s)) << lines[1].toStdString();

    // The two lines carry the payer's number, the only one delete takes; the usage says so.
    const Outcome wrongRow = zem({u"annex"_s, u"delete"_s, kRuc, u"107"_s, u"2"_s});
    EXPECT_EQ(wrongRow.code, 2);
    EXPECT_TRUE(wrongRow.err.contains(
        u"La casilla 107 no tiene el pagador «2»; tiene 1 pagador(es), numerados como en «annex list»."_s))
        << wrongRow.err.toStdString();
    EXPECT_TRUE(zem({u"annex"_s, u"delete"_s, u"--help"_s})
                    .out.contains(u"se elimina el pagador con todas sus\nlíneas"_s));
    EXPECT_EQ(zem({u"annex"_s, u"list"_s, kRuc, u"107"_s}).out.count(u'\n'), 2);  // nothing deleted

    // Deleting the payer deletes its receipts and empties the box.
    ASSERT_LT(zem({u"annex"_s, u"delete"_s, kRuc, u"107"_s, u"1"_s}).code, 2);
    EXPECT_TRUE(zem({u"annex"_s, u"list"_s, kRuc, u"107"_s}).out.trimmed().isEmpty());
    EXPECT_TRUE(shownBox(zem, u"107"_s).isEmpty());
}

TEST(AnnexCli, PayersWithoutDocumentAndDividendsFromTheBatchTool) {
    Tool zem;
    install(zem);
    const Outcome noDoc = add(zem, u"108"_s,
                              {u"tip_doc_ret=99"_s, u"des_ape_pat=QUISPE"_s, u"des_nombres=ROSA"_s,
                               u"per_tri=200602"_s, u"mto_retenido=80"_s});
    ASSERT_LT(noDoc.code, 2) << noDoc.err.toStdString();
    EXPECT_TRUE(zem({u"annex"_s, u"list"_s, kRuc, u"108"_s}).out.contains(u"num_doc_ret=C0000001"_s));
    EXPECT_EQ(shownBox(zem, u"108"_s), u"80"_s);
    // Its number names it for its next month; a number no payer has is refused, and without a number a
    // second payer gets the next one.
    const QStringList month = {u"tip_doc_ret=99"_s, u"per_tri=200603"_s, u"mto_retenido=20"_s};
    const Outcome joined = add(zem, u"108"_s, month + QStringList{u"num_doc_ret=C0000001"_s});
    ASSERT_LT(joined.code, 2) << joined.err.toStdString();
    const Outcome unknown = add(zem, u"108"_s, month + QStringList{u"num_doc_ret=C0000009"_s});
    EXPECT_EQ(unknown.code, 2);
    EXPECT_TRUE(unknown.err.contains(u"C0000009"_s)) << unknown.err.toStdString();
    ASSERT_LT(add(zem, u"108"_s, month + QStringList{u"des_ape_pat=ROJAS"_s, u"des_nombres=JUAN"_s}).code, 2);
    const QStringList rows =
        zem({u"annex"_s, u"list"_s, kRuc, u"108"_s}).out.split(u'\n', Qt::SkipEmptyParts);
    ASSERT_EQ(rows.size(), 3);  // one row per month: two of the first payer, one of the second
    EXPECT_TRUE(rows[1].startsWith(u"108\t1\ttip_doc_ret=99\tnum_doc_ret=C0000001\t"_s))
        << rows[1].toStdString();
    EXPECT_TRUE(rows[2].contains(u"num_doc_ret=C0000002"_s)) << rows[2].toStdString();
    EXPECT_EQ(shownBox(zem, u"108"_s), u"120"_s);
    // A withholding agent's fixed type may be given as it is.
    const Outcome agent = add(zem, u"130"_s,
                              {u"tip_doc_ret=06"_s, u"num_doc_ret=20100070970"_s, u"des_razon=ESTUDIO"_s,
                               u"per_tri=200601"_s, u"mto_retenido=10"_s});
    EXPECT_TRUE(agent.err.contains(u"El RUC es igual al del declarante"_s)) << agent.err.toStdString();

    const Outcome person = add(zem, u"118"_s,
                               {u"num_ruc=10447788990"_s, u"des_entpagadora=X"_s, u"mto_distribuido=10"_s,
                                u"mto_retenido=1"_s, u"fec_retenida=01/02/2006"_s});
    EXPECT_EQ(person.code, 2);
    EXPECT_TRUE(person.err.contains(u"El número de RUC no aplica a la Distribución de dividendos"_s));
}

TEST(AnnexCli, CoOwnersAreAddedOnceAndNeverTheDeclarantHimself) {
    Tool zem;
    install(zem);
    const Outcome own = add(zem, u"condominio"_s, {u"tip_doc_con=06"_s, u"num_ruc="_s + kRuc});
    EXPECT_EQ(own.code, 2);
    EXPECT_TRUE(own.err.contains(u"El RUC es igual al del declarante"_s)) << own.err.toStdString();
    const Outcome first = add(zem, u"condominio"_s, {u"tip_doc_con=1"_s, u"num_ruc=12345678"_s});
    ASSERT_LT(first.code, 2) << first.err.toStdString();
    const Outcome again = add(zem, u"condominio"_s, {u"tip_doc_con=01"_s, u"num_ruc=12345678"_s});
    EXPECT_EQ(again.code, 2);
    EXPECT_TRUE(again.err.contains(u"Ya se ingresó este condómino"_s));
    EXPECT_EQ(add(zem, u"condominio"_s, {u"mto_trib=5"_s}).code, 2);
}

TEST(AnnexCli, ForeignTaxNormsAmazoniaAndInvestmentsFromTheBatchTool) {
    Tool zem;
    install(zem);
    const Outcome peru = add(zem, u"122"_s, {u"cod_pais=9589"_s, u"mto_retenido=10"_s});
    EXPECT_EQ(peru.code, 2);
    EXPECT_TRUE(peru.err.contains(u"Debe selecionar el país o territorio"_s)) << peru.err.toStdString();
    ASSERT_LT(add(zem, u"122"_s, {u"cod_pais=9027"_s, u"mto_retenido=99.60"_s}).code, 2);
    EXPECT_EQ(shownBox(zem, u"122"_s), u"100"_s);
    ASSERT_LT(add(zem, u"132"_s, {u"tip_nor=1"_s, u"num_nor=27037"_s, u"mto_retenido=300"_s}).code, 2);
    EXPECT_EQ(shownBox(zem, u"132"_s), u"300"_s);
    const Outcome again = add(zem, u"132"_s, {u"tip_nor=1"_s, u"num_nor=27037"_s, u"mto_retenido=5"_s});
    EXPECT_TRUE(again.err.contains(u"ya fueron ingresados"_s)) << again.err.toStdString();
    const Outcome own = add(zem, u"117"_s, {u"num_doc_ret="_s + kRuc, u"des_razon=YO"_s, u"mto_total=5"_s});
    EXPECT_TRUE(own.err.contains(u"no debe ser igual al RUC del declarante"_s)) << own.err.toStdString();
    ASSERT_LT(add(zem, u"extranjero"_s,
                  {u"des_emp_ext=ACME LLC"_s, u"ind_pais=9286"_s, u"ind_cargo=01"_s, u"ind_operacion=01"_s,
                   u"mto_saldo=2500"_s})
                  .code,
              2);
    const QString listed = zem({u"annex"_s, u"list"_s, kRuc}).out;
    EXPECT_TRUE(listed.contains(u"extranjero\t1\tdes_emp_ext=ACME LLC"_s)) << listed.toStdString();
    EXPECT_TRUE(listed.contains(u"des_pais=ESTADOS UNIDOS DE AMÉRICA"_s)) << listed.toStdString();
    ASSERT_LT(zem({u"annex"_s, u"delete"_s, kRuc, u"extranjero"_s, u"1"_s}).code, 2);
    EXPECT_FALSE(zem({u"annex"_s, u"list"_s, kRuc}).out.contains(u"ACME"_s));
}
