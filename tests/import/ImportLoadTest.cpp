// The records of each file checked and loaded into the working tables, in one transaction.
#include "ImportFixture.h"
#include "startup/Database.h"
#include "startup/Schema.h"
#include "startup/SqlDialect.h"

namespace zem::test {
namespace {

class ImportLoadTest : public ImportFixture {
protected:
    QString value(const QString& sql, const QString& column) {
        const QList<QSqlRecord> r = rows(sql);
        return r.isEmpty() ? u"<none>"_s : r.first().value(column).toString();
    }
};

TEST_F(ImportLoadTest, EveryRecordKindLandsInItsTableWithItsAgent) {
    ASSERT_EQ(importRecords(goodRecords()), PackageImport::Outcome::Imported);

    const QList<QSqlRecord> pagos = rows(u"SELECT * FROM TMP_F0480PAGOS ORDER BY casilla"_s);
    ASSERT_EQ(pagos.size(), 2);
    const QSqlRecord& p = pagos[0];
    EXPECT_EQ(p.value(u"casilla"_s).toString(), u"133"_s);
    EXPECT_EQ(p.value(u"per_tri"_s).toString(), u"200601"_s);
    EXPECT_EQ(p.value(u"fec_pago"_s).toString(), u"15/02/2006"_s);
    EXPECT_EQ(p.value(u"mto_trib"_s).toString(), u"1200.00"_s);
    EXPECT_EQ(p.value(u"mto_tot_pag"_s).toString(), u"1210.00"_s);
    EXPECT_EQ(p.value(u"mto_gravado"_s).toString(), u"10000.00"_s);
    EXPECT_EQ(p.value(u"ind_importa"_s).toString(), u"1"_s);
    EXPECT_EQ(pagos[1].value(u"casilla"_s).toString(), u"529"_s);

    const QString cta = u"SELECT * FROM TMP_F0480PAGCTA"_s;
    EXPECT_EQ(value(cta, u"mto_trib"_s), u"300.00"_s);  // credits and the payment without interest
    EXPECT_EQ(value(cta, u"mto_tot_pag"_s), u"305.00"_s);
    EXPECT_EQ(value(cta, u"fec_pago"_s), u"10/09/2006"_s);

    const QString receipt = u"SELECT * FROM TMP_F0480RETDET"_s;
    EXPECT_EQ(value(receipt, u"tip_doc_ret"_s), u"6"_s);  // "06" in the file
    EXPECT_EQ(value(receipt, u"num_serie_cp"_s), u"0001"_s);
    EXPECT_EQ(value(receipt, u"num_cp"_s), u"00000123"_s);
    EXPECT_EQ(value(receipt, u"fec_emision_cp"_s), u"10/04/2006"_s);
    EXPECT_EQ(value(receipt, u"mto_imp_cp"_s), u"1000.00"_s);
    EXPECT_EQ(count(u"TMP_F0480DETRTA"_s), 6);

    // Every agent has its header row, visible in its register: receipts, box 522 and all six withholding
    // files.
    QStringList boxes;
    for (const QSqlRecord& r : rows(u"SELECT * FROM TMP_F0482RETCAB ORDER BY CAST(casilla AS INTEGER)"_s)) {
        boxes << r.value(u"casilla"_s).toString();
        EXPECT_EQ(r.value(u"ind_importa"_s).toString(), u"1"_s);
        EXPECT_EQ(r.value(u"fec_donacion"_s).toString(), u"01/01/1899"_s);
    }
    EXPECT_EQ(boxes,
              (QStringList{u"106"_s, u"107"_s, u"108"_s, u"111"_s, u"129"_s, u"130"_s, u"131"_s, u"522"_s}));
    const QString person = u"SELECT * FROM TMP_F0482RETCAB WHERE casilla = '108'"_s;
    EXPECT_EQ(value(person, u"des_ape_pat"_s), u"PEREZ"_s);
    EXPECT_EQ(value(person, u"des_ape_mat"_s), u"GOMEZ"_s);
    EXPECT_EQ(value(person, u"des_nombres"_s), u"ANA MARIA"_s);
    EXPECT_EQ(value(person, u"mto_total"_s), u"80.00"_s);
    EXPECT_EQ(value(u"SELECT * FROM TMP_F0482RETCAB WHERE casilla = '522'"_s, u"des_razon"_s), u"BANCO SA"_s);

    EXPECT_EQ(count(u"tmp_f0480importa"_s), 1);
    EXPECT_EQ(totals.byBox.value(100), 1000000);
    EXPECT_EQ(totals.byBox.value(133), 120000);
    EXPECT_EQ(totals.byBox.value(131), 2000);
}

TEST_F(ImportLoadTest, BadRecordsAreSkippedAndBadLinesDamageTheFile) {
    QHash<QString, QStringList> records = goodRecords();
    const auto pay = [](const QString& per, const QString& form, const QString& order, const QString& date,
                        const QString& amount) {
        return line({per, form, order, date, amount, u"0"_s});
    };
    records[u"01"_s] << pay(u"200601"_s, u"9999"_s, u"1"_s, u"20060215"_s, u"10"_s)  // form not accepted
                     << pay(u"200513"_s, u"1662"_s, u"2"_s, u"20060215"_s, u"10"_s)  // month 13, year 2005
                     << pay(u"200701"_s, u"1662"_s, u"3"_s, u"20060215"_s, u"10"_s)  // after the year
                     << pay(u"200601"_s, u"1662"_s, u"123456789"_s, u"20060215"_s, u"10"_s)  // order too long
                     << pay(u"200601"_s, u"1662"_s, u"5"_s, u"20060231"_s, u"10"_s)          // no such date
                     << pay(u"200601"_s, u"1662"_s, u"6"_s, u"18991231"_s, u"10"_s)          // before 1900
                     << pay(u"200601"_s, u"1662"_s, u"7"_s, u"20060215"_s, u"12a"_s)         // not an amount
                     << pay(u"200601"_s, u"1662"_s, u"8"_s, u"20060215"_s, u"-5"_s)
                     << pay(u"200601"_s, u"1662"_s, u"9"_s, u"20060215"_s, u"1.234"_s)
                     << pay(u"200601"_s, u"1662"_s, u"10"_s, u"20060215"_s, u"12345678901"_s)
                     << pay(u"200601"_s, u"1662"_s, u"11"_s, u"20060215"_s, u"0"_s)
                     << pay(u"200602"_s, u"1662"_s, u"12"_s, u"20060315"_s, u"24,5"_s);  // taken: 24.50
    const auto agent = [](const QString& type, const QString& number) {
        return line({type, number, u"X"_s, u"200603"_s, u"1"_s});
    };
    records[u"09"_s] << agent(u"6"_s, u"2010007097"_s) << agent(u"00"_s, u"1234567"_s)
                     << agent(u"123"_s, u"12345678"_s) << agent(u"7"_s, u"AB-12345678901234"_s)
                     << agent(u"7"_s, u"000"_s) << agent(u"00"_s, u"AB123456"_s);  // the last one taken
    records[u"03"_s] << line({u"6"_s, u"20100070970"_s, u"X"_s, u"200604"_s, u"01"_s, u"1"_s, u"124"_s,
                              u"20060410"_s, u"1"_s})  // a factura is no fourth-category receipt
                     << line({u"6"_s, u"20100070970"_s, u"X"_s, u"200604"_s, u"02"_s, u"A1"_s, u"125"_s,
                              u"20060410"_s, u"1"_s})
                     << line({u"6"_s, u"20100070970"_s, u"X"_s, u"200604"_s, u"02"_s, u"1"_s, u"0"_s,
                              u"20060410"_s, u"1"_s});
    // An empty line ends a file: what follows is not looked at, damaged or not.
    records[u"10"_s] << u""_s << u"basura sin separadores"_s
                     << line({u"6"_s, u"20100070970"_s, u"Y"_s, u"200601"_s, u"999"_s});
    ASSERT_EQ(importRecords(records), PackageImport::Outcome::Imported);
    EXPECT_EQ(count(u"TMP_F0480PAGOS"_s), 3);
    EXPECT_EQ(rows(u"SELECT * FROM TMP_F0480PAGOS WHERE num_ord = '12'"_s).value(0).value(u"mto_trib"_s),
              u"24.50"_s);
    EXPECT_EQ(rows(u"SELECT * FROM TMP_F0480DETRTA WHERE casilla = '129'"_s).size(), 2);
    EXPECT_EQ(count(u"TMP_F0480RETDET"_s), 1);
    EXPECT_EQ(rows(u"SELECT * FROM TMP_F0480DETRTA WHERE casilla = '130'"_s).size(), 1);

    // Five values without the final "|", or one field too many, damage the file: nothing is loaded.
    for (const QString& bad : {u"6|20100070970|X|200603|1"_s, u"6|20100070970|X|200603|1|2|"_s}) {
        QHash<QString, QStringList> damaged = goodRecords();
        damaged[u"11"_s] << bad;
        EXPECT_EQ(importRecords(damaged), PackageImport::Outcome::Damaged);
        EXPECT_EQ(lastMessage(), u"El Archivo esta dañado"_s);
        EXPECT_EQ(count(u"TMP_F0480PAGOS"_s), 3);  // the earlier import stays as it was
    }
}

TEST_F(ImportLoadTest, ALoadThatFailsHalfWayLeavesNoRowBehind) {
    Db& db = env.db();
    ASSERT_TRUE(
        db.execute(u"INSERT INTO TMP_F0480PAGOS (casilla, per_tri, mto_trib, ind_importa) "
                   "VALUES ('133', '200605', '50.00', '0')"_s));
    // The payments on account come after the payments and withholdings: their table refusing the rows, the
    // load fails there.
    ASSERT_TRUE(db.execute(u"DROP TABLE TMP_F0480PAGCTA"_s));
    QStringList columns = annexByWorking(u"TMP_F0480PAGCTA"_s)->columns;
    for (QString& column : columns)
        column += u" TEXT"_s;
    columns[0] += u" CHECK (casilla <> '127')"_s;
    ASSERT_TRUE(db.execute(u"CREATE TEMP TABLE TMP_F0480PAGCTA ("_s + columns.join(u", "_s) +
                           entryOrderDefinition(db.dialect()) + u')'));
    EXPECT_EQ(importRecords(goodRecords()), PackageImport::Outcome::Database);
    EXPECT_EQ(count(u"TMP_F0480PAGOS"_s), 1);
    EXPECT_EQ(count(u"TMP_F0480DETRTA"_s), 0);
    EXPECT_EQ(count(u"TMP_F0482RETCAB"_s), 0);
    EXPECT_EQ(count(u"TMP_F0482DIFCAS"_s), 0);
    EXPECT_EQ(count(u"tmp_f0480importa"_s), 0);
    EXPECT_FALSE(totals.imported);
}

TEST_F(ImportLoadTest, ImportingAgainReplacesTheImportedRowsAndKeepsTheTypedOnes) {
    Db& db = env.db();
    // A payment and an agent with one line typed by the user; the agent is also in the package.
    ASSERT_TRUE(
        db.execute(u"INSERT INTO TMP_F0480PAGOS (casilla, per_tri, mto_trib, ind_importa) "
                   "VALUES ('133', '200605', '50.00', '0')"_s));
    ASSERT_TRUE(
        db.execute(u"INSERT INTO TMP_F0482RETCAB (casilla, tip_doc_ret, num_doc_ret, des_razon, "
                   "mto_total, ind_importa) VALUES ('129', '6', '20100070970', 'AGENTE', '7.00', '0')"_s));
    ASSERT_TRUE(
        db.execute(u"INSERT INTO TMP_F0480DETRTA (casilla, tip_doc_ret, num_ruc, per_tri, mto_retenido, "
                   "ind_importa) VALUES ('129', '6', '20100070970', '200612', '7.00', '0')"_s));
    for (int round = 0; round < 2; ++round) {
        ASSERT_EQ(importRecords(goodRecords()), PackageImport::Outcome::Imported);
        EXPECT_EQ(count(u"TMP_F0480PAGOS"_s), 3);
        EXPECT_EQ(count(u"TMP_F0480DETRTA"_s), 7);
        EXPECT_EQ(count(u"TMP_F0480RETDET"_s), 1);
        EXPECT_EQ(count(u"TMP_F0480PAGCTA"_s), 1);
        EXPECT_EQ(count(u"TMP_F0482RETCAB"_s), 8);
        EXPECT_EQ(count(u"tmp_f0480importa"_s), 1);
        // The typed agent keeps its row and its total is that of all its lines.
        const QList<QSqlRecord> agent = rows(u"SELECT * FROM TMP_F0482RETCAB WHERE casilla = '129'"_s);
        ASSERT_EQ(agent.size(), 1);
        EXPECT_EQ(agent[0].value(u"ind_importa"_s).toString(), u"0"_s);
        EXPECT_EQ(agent[0].value(u"mto_total"_s).toString(), u"47.00"_s);
        EXPECT_EQ(
            rows(u"SELECT * FROM TMP_F0482DIFCAS WHERE casilla = '129'"_s).value(0).value(u"mto_importa"_s),
            u"40"_s);
    }
    EXPECT_EQ(totals.before.value(129), 40);  // the first import's total, which the second replaced

    // A package without withholdings for 129 leaves the typed line only, and no imported total for 129.
    QHash<QString, QStringList> fewer = goodRecords();
    fewer.remove(u"09"_s);
    ASSERT_EQ(importRecords(fewer), PackageImport::Outcome::Imported);
    EXPECT_EQ(rows(u"SELECT * FROM TMP_F0482RETCAB WHERE casilla = '129'"_s).value(0).value(u"mto_total"_s),
              u"7.00"_s);
    EXPECT_TRUE(rows(u"SELECT * FROM TMP_F0482DIFCAS WHERE casilla = '129'"_s).isEmpty());
}

TEST_F(ImportLoadTest, ATypedBankOf522ReceivesTheImportedAmountOnceHoweverOftenImported) {
    // The user typed the bank of the package's box 522 record, with 100.00 withheld; 522 agents have no
    // lines, so what the import adds to the typed total is recorded and taken back by the next import.
    ASSERT_TRUE(env.db().execute(
        u"INSERT INTO TMP_F0482RETCAB (casilla, tip_doc_ret, num_doc_ret, des_razon, "
        "mto_total, ind_importa) VALUES ('522', '6', '20100070970', 'BANCO', '100.00', '0')"_s));
    const QString bank = u"SELECT * FROM TMP_F0482RETCAB WHERE casilla = '522'"_s;
    for (int round = 0; round < 2; ++round) {
        ASSERT_EQ(importRecords(goodRecords()), PackageImport::Outcome::Imported);
        ASSERT_EQ(rows(bank).size(), 1);
        EXPECT_EQ(rows(bank)[0].value(u"mto_total"_s).toString(), u"400.00"_s) << "round " << round;
        EXPECT_EQ(rows(bank)[0].value(u"ind_importa"_s).toString(), u"0"_s);
    }
    // Lowered by the user below the imported part: nothing of the typed amount is left, the package's 300
    // comes back.
    ASSERT_TRUE(env.db().execute(u"UPDATE TMP_F0482RETCAB SET mto_total = '250.00' WHERE casilla = '522'"_s));
    ASSERT_EQ(importRecords(goodRecords()), PackageImport::Outcome::Imported);
    EXPECT_EQ(rows(bank)[0].value(u"mto_total"_s).toString(), u"300.00"_s);
    // A package without box 522 leaves the typed part only.
    ASSERT_TRUE(env.db().execute(u"UPDATE TMP_F0482RETCAB SET mto_total = '350.00' WHERE casilla = '522'"_s));
    QHash<QString, QStringList> fewer = goodRecords();
    fewer.remove(u"06"_s);
    ASSERT_EQ(importRecords(fewer), PackageImport::Outcome::Imported);
    EXPECT_EQ(rows(bank)[0].value(u"mto_total"_s).toString(), u"50.00"_s);
    EXPECT_EQ(count(u"TMP_F0482RETIMP"_s), 0);
}

}  // namespace
}  // namespace zem::test
