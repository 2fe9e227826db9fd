#include <gtest/gtest.h>

#include <QSqlRecord>

#include "declaration/Checks.h"
#include "declaration/Declaration.h"
#include "declaration/Deletion.h"
#include "declaration/OrderNumber.h"
#include "declaration/Sending.h"
#include "declaration/Store.h"
#include "startup/IniFile.h"
#include "startup/Schema.h"
#include "startup/SqlDialect.h"
#include "support/Refusal.h"
#include "support/Taxpayers.h"
#include "support/TestEnv.h"

namespace zem {
namespace {

using namespace Qt::StringLiterals;

const QString kRuc = u"10123456789"_s;

class FakeChecks : public DeclarationChecks {
public:
    bool ident = true;
    bool consistent = true;
    bool ValIdent(const QString&, IdentScope) override { return ident; }
    bool ValidaTodo(const QString&) override { return consistent; }
};

class StoreTest : public ::testing::Test {
protected:
    StoreTest() : store(env.session, model) {
        EXPECT_TRUE(test::addTaxpayer(env.db(), {.ruc = kRuc,
                                                 .apellidoP = u"D'ONOFRIO"_s,
                                                 .apellidoM = u"QUISPE"_s,
                                                 .nombre2 = u"MARIA"_s,
                                                 .nombre = {},
                                                 .tipoIngreso = {},
                                                 .usuario = {}}));
        exec(u"INSERT INTO param (numero, argumento, funcion) VALUES ('976', '604', 'PERU      ')"_s);
    }

    void exec(const QString& sql, const QVariantList& params = {}) {
        ASSERT_TRUE(env.db().execute(sql, params));
    }

    // Every row of a query, each as its values joined with '|'.
    QStringList rows(const QString& sql, const QVariantList& params = {}) {
        QStringList out;
        QSqlQuery q = env.db().select(sql, params);
        while (q.next()) {
            QStringList values;
            for (int i = 0; i < q.record().count(); ++i) {
                // The server's entry-order counter moves on with every save, like the save counter.
                if (q.record().fieldName(i) != entryOrderColumn(env.db().dialect()))
                    values << q.value(i).toString();
            }
            out << values.join(u'|');
        }
        return out;
    }

    // Everything the database holds for declarations, stored and sent (but the save counter, which moves on
    // with every save).
    QStringList everything() {
        QStringList all = rows(
                              u"SELECT tip_doc_d, doc_id_d, periodo, formulario, semana, fec_pro, bcolibrad, "
                              "nrocheque, cheque, efectivo, rectifica, estado, cnumero FROM cab"_s) +
                          rows(u"SELECT * FROM det ORDER BY casilla"_s) + rows(u"SELECT * FROM hcab"_s) +
                          rows(u"SELECT * FROM hdet ORDER BY correl, casilla"_s) +
                          rows(u"SELECT * FROM f0480importa"_s);
        for (const AnnexTable& t : annexTables())
            all += rows(u"SELECT * FROM "_s + t.stored) + rows(u"SELECT * FROM "_s + t.history);
        return all;
    }

    QStringList workingRows() {
        QStringList all;
        for (const AnnexTable& t : annexTables())
            all += rows(u"SELECT * FROM "_s + t.working);
        return all + rows(u"SELECT * FROM tmp_f0480importa"_s);
    }

    void fillDeclaration() {
        ASSERT_TRUE(store.startNew());
        model.setRuc(kRuc);
        store.CargaNombre();
        model.setText(100, u"12,500"_s);
        model.setText(502, u"(2,500)"_s);
        model.setText(180, u"1234"_s);
        model.setText(302, u"01234567"_s);
        model.setText(840, u"1000"_s);
        model.setText(28, u"01-4567890"_s);
        model.setText(811, u"O'BRIAN"_s);
        model.setText(817, u"D'ONOFRIO CASTELLANOS DE LA PUENTE"_s);  // 34 characters
        model.setText(818, u"ABCDEFGHIJKLMNO PQRS"_s);                // a blank just after the cut
        model.setText(301, u"06"_s);
        model.setText(234, u"01/02/1970"_s);
        model.setText(25, u"07"_s);
        model.setOption(OptionGroup::optInmueble, u"1"_s);
        model.setOption(OptionGroup::optPor, u"2"_s);
        model.setOption(OptionGroup::OptRectifica, u"0"_s);
        model.setOption(OptionGroup::optCondomino, u"1"_s);
        model.setPaymentType(u"C"_s);
        model.setPaymentBank(u"0011"_s);
        model.setPaymentCheque(u"000123"_s);
        model.setPaymentAmount(u"1,500"_s);
        exec(
            u"INSERT INTO TMP_F0476DIVID VALUES ('20100047218', 'D''ONOFRIO S.A.', '01/05/2006', '100', '4')"_s);
        exec(u"INSERT INTO TMP_F0476EXTRA VALUES ('ACME', '604', '', '1', '', '2', '', '500')"_s);
        exec(u"INSERT INTO TMP_F0480CONDOMI VALUES ('01', '04567890'), ('06', '20100047218')"_s);
        exec(u"INSERT INTO TMP_F0482DIFCAS (casilla, mto_importa) VALUES ('100', '12000')"_s);
        exec(u"INSERT INTO tmp_f0480importa VALUES (6, ?, '2006', '0482')"_s, {kRuc});
    }

    DeclarationKey key(bool sent = false, const QString& correl = {}) {
        DeclarationKey k;
        k.ruc = kRuc;
        k.sent = sent;
        k.correl = correl;
        return k;
    }

    test::TestEnv env;
    Declaration model;
    DeclarationStore store;
    FakeChecks checks;
};

TEST_F(StoreTest, SaveAndOpenGiveBackTheDeclaration) {
    fillDeclaration();
    ASSERT_TRUE(store.GrabarForm(checks));
    EXPECT_TRUE(env.sink.contains(u"Toda la información del formulario fue grabada satisfactoriamente."_s));
    EXPECT_FALSE(model.isModified());
    EXPECT_EQ(rows(u"SELECT fec_pro, bcolibrad, nrocheque, cheque, efectivo, rectifica, estado FROM cab"_s),
              QStringList{u"15/03/2007|0011|000123|1500||0|0"_s});
    const QStringList det = rows(u"SELECT casilla, i_valor, idcasilla FROM det ORDER BY casilla"_s);
    for (const QString& row :
         {u"100|12500|01"_s, u"502|-2500|01"_s, u"180|1234|05"_s, u"302|01234567|01"_s,
          u"028|01-4567890|01"_s, u"301|6|01"_s, u"015|11|01"_s, u"005|0|01"_s, u"871|0|01"_s,
          u"817|D'ONOFRIO CASTE|01"_s, u"827|LLANOS DE LA PU|01"_s, u"891| PQRS|01"_s, u"400|01|01"_s,
          u"401|04567890|01"_s, u"403|20100047218|01"_s, u"721|1.0|01"_s})
        EXPECT_TRUE(det.contains(row)) << row.toStdString();
    EXPECT_EQ(rows(u"SELECT mto_importa, mto_declar, ind_diferen FROM f0482difcas"_s),
              QStringList{u"12000|12500|1"_s});
    EXPECT_EQ(rows(u"SELECT count(*) FROM f0480importa"_s), QStringList{u"1"_s});
    for (const QString& cnumero : rows(u"SELECT cnumero FROM det"_s))
        EXPECT_EQ(cnumero.size(), 6);

    // Saving again rewrites the same rows.
    const QStringList first = everything();
    ASSERT_TRUE(store.GrabarForm(checks));
    EXPECT_EQ(everything(), first);
    // A declaration that replaces another says so in its header too.
    model.setOption(OptionGroup::OptRectifica, u"1"_s);
    ASSERT_TRUE(store.GrabarForm(checks));
    EXPECT_EQ(rows(u"SELECT rectifica FROM cab"_s), QStringList{u"1"_s});
    model.setOption(OptionGroup::OptRectifica, u"0"_s);
    ASSERT_TRUE(store.GrabarForm(checks));

    // Opening empties the working tables and refills them; the model comes back with the load flag lowered.
    const QStringList working = workingRows();
    exec(u"INSERT INTO TMP_F0480PAGOS (casilla) VALUES ('133')"_s);
    model.clear();
    ASSERT_TRUE(store.open(key()));
    EXPECT_FALSE(model.isLoading());
    EXPECT_FALSE(model.isModified());
    QStringList expected = working;
    expected.replace(expected.indexOf(u"ACME|604||1||2||500"_s), u"ACME|604|PERU|1||2||500"_s);
    EXPECT_EQ(workingRows(), expected);
    const QList<QPair<int, QString>> boxes = {{100, u"12500"_s},
                                              {502, u"-2500"_s},
                                              {180, u"1234"_s},
                                              {302, u"01234567"_s},
                                              {28, u"01-4567890"_s},
                                              {811, u"O'BRIAN"_s},
                                              {817, u"D'ONOFRIO CASTELLANOS DE LA PU"_s},
                                              {818, u"ABCDEFGHIJKLMNO PQRS"_s},
                                              {301, u"06"_s},
                                              {234, u"01/02/1970"_s},
                                              {25, u"07"_s},
                                              {801, u"D'ONOFRIO"_s},
                                              {803, u"ANA MARIA"_s}};
    for (const auto& [box, text] : boxes)
        EXPECT_EQ(model.text(box), text) << box;
    EXPECT_TRUE(model.text(827).isEmpty());
    EXPECT_TRUE(model.text(400).isEmpty());
    EXPECT_EQ(model.option(OptionGroup::optInmueble), u"1"_s);
    EXPECT_EQ(model.option(OptionGroup::optPor), u"2"_s);
    EXPECT_EQ(model.option(OptionGroup::OptRectifica), u"0"_s);
    EXPECT_EQ(model.option(OptionGroup::OptGeneral), u"1"_s);
    EXPECT_EQ(model.option(OptionGroup::OptExtranjero), u"1"_s);
    EXPECT_EQ(model.option(OptionGroup::OptFideicomiso), u"0"_s);
    EXPECT_EQ(model.paymentType(), u"C"_s);
    EXPECT_EQ(model.paymentBank(), u"0011"_s);
    EXPECT_EQ(model.paymentCheque(), u"000123"_s);
    EXPECT_EQ(model.paymentAmount(), u"1500"_s);
    EXPECT_EQ(model.entryMode(), 2);

    // Saving the opened declaration gives back the same rows, but for the description the catalogue
    // completed.
    ASSERT_TRUE(store.GrabarForm(checks));
    const auto withoutForeign = [](QStringList all) {
        all.removeIf([](const QString& row) { return row.contains(u"|ACME|"_s); });
        return all;
    };
    EXPECT_EQ(withoutForeign(everything()), withoutForeign(first));
    EXPECT_EQ(rows(u"SELECT des_pais FROM f0476extranj"_s), QStringList{u"PERU"_s});
}

TEST_F(StoreTest, RefusedOrInconsistentSaves) {
    fillDeclaration();
    checks.ident = false;
    EXPECT_FALSE(store.GrabarForm(checks));
    EXPECT_EQ(store.lastFailure(), DeclarationStore::Failure::Identification);
    EXPECT_TRUE(everything().isEmpty());

    checks.ident = true;
    checks.consistent = false;
    model.setPaymentType(u"E"_s);
    ASSERT_TRUE(store.GrabarForm(checks));
    EXPECT_TRUE(
        env.sink.contains(u"La información del formulario fue grabada con inconsistencias.\n"
                          "En estas condiciones no podrá ser enviado a KELOR."_s));
    EXPECT_EQ(rows(u"SELECT bcolibrad, nrocheque, cheque, efectivo, estado FROM cab"_s),
              QStringList{u" | | |1500|9"_s});
    // A cash payment comes back as cash.
    ASSERT_TRUE(store.open(key()));
    EXPECT_EQ(model.paymentType(), u"E"_s);

    // An inconsistent declaration cannot be sent, nor one whose state was never written.
    EXPECT_FALSE(sendDeclaration(env.session, key(), nullptr));
    env.db().execute(u"UPDATE cab SET estado = NULL"_s);
    EXPECT_FALSE(sendDeclaration(env.session, key(), nullptr));
    EXPECT_TRUE(rows(u"SELECT * FROM hcab"_s).isEmpty());
    DeclarationKey missing = key();
    missing.ruc = u"20999999999"_s;
    EXPECT_FALSE(sendDeclaration(env.session, missing, nullptr));
    EXPECT_EQ(env.sink.messages().size(), 4);
}

TEST_F(StoreTest, FailedStatementLeavesThePreviousDeclaration) {
    fillDeclaration();
    ASSERT_TRUE(store.GrabarForm(checks));
    const QStringList before = everything();

    model.setText(100, u"99"_s);
    exec(u"DELETE FROM TMP_F0476DIVID"_s);
    ASSERT_TRUE(test::refuseWrites(env.db(), u"refuse"_s, u"INSERT"_s, u"f0480condomi"_s, u"disco lleno"_s));
    env.sink.clear();
    EXPECT_FALSE(store.GrabarForm(checks));
    EXPECT_EQ(store.lastFailure(), DeclarationStore::Failure::Database);
    EXPECT_EQ(everything(), before);
    ASSERT_EQ(env.sink.messages().size(), 1);
    EXPECT_EQ(env.sink.messages().first().title, u"Mensaje"_s);
    EXPECT_TRUE(env.sink.messages().first().detail.contains(u"disco lleno"_s));
    EXPECT_TRUE(model.isModified());
}

TEST_F(StoreTest, SendRegisterOrderNumberAndDelete) {
    fillDeclaration();
    ASSERT_TRUE(store.GrabarForm(checks));
    QString first, second;
    ASSERT_TRUE(sendDeclaration(env.session, key(), &first));
    ASSERT_TRUE(sendDeclaration(env.session, key(), &second));
    EXPECT_EQ(first, u"1"_s);
    EXPECT_EQ(second, u"2"_s);
    const QStringList sent =
        rows(u"SELECT correl, estado, fec_env, length(control), norden FROM hcab ORDER BY correl"_s);
    EXPECT_EQ(sent, (QStringList{u"1|1|15/03/2007|8|"_s, u"2|1|15/03/2007|8|"_s}));
    EXPECT_EQ(rows(u"SELECT count(*) FROM hdet WHERE correl = '1'"_s), rows(u"SELECT count(*) FROM det"_s));
    EXPECT_EQ(rows(u"SELECT correl, num_ruc FROM hf0480condomi ORDER BY correl"_s),
              (QStringList{u"1|04567890"_s, u"1|20100047218"_s, u"2|04567890"_s, u"2|20100047218"_s}));

    // A sent declaration opens from the history tables and saves only its order number.
    ASSERT_TRUE(store.open(key(true, u"1"_s)));
    EXPECT_TRUE(model.isSent());
    EXPECT_EQ(rows(u"SELECT num_ruc FROM TMP_F0480CONDOMI"_s),
              (QStringList{u"04567890"_s, u"20100047218"_s}));
    const QString control = rows(u"SELECT control FROM hcab WHERE correl = '1'"_s).first();
    model.setOrderNumber(u"0001234"_s);
    EXPECT_FALSE(store.GrabarForm(checks));
    EXPECT_EQ(store.lastFailure(), DeclarationStore::Failure::OrderNumber);
    EXPECT_TRUE(env.sink.contains(u"     El número de orden no es válido"_s));
    model.setOrderNumber(u"00012345"_s);
    const QString digits = orderVerificationDigits(control, u"00012345"_s);
    model.setVerifyDigits(digits == u"00" ? u"01"_s : u"00"_s);
    EXPECT_FALSE(store.GrabarForm(checks));
    EXPECT_TRUE(env.sink.contains(u"     El dígito Verificador es incorrecto"_s));
    model.setVerifyDigits(digits);
    ASSERT_TRUE(store.GrabarForm(checks));
    EXPECT_TRUE(env.sink.contains(
        u"El número de orden y el dígito verificador fueron grabados satisfactoriamente."_s));
    ASSERT_TRUE(store.open(key(true, u"1"_s)));
    EXPECT_EQ(model.orderNumber(), u"00012345"_s);

    // A sending without its sequence is no choice at all: refused, nothing deleted.
    const QStringList sentRows = rows(u"SELECT * FROM hdet"_s);
    env.sink.clear();
    EXPECT_FALSE(deleteDeclaration(env.session, key(true, u" "_s)));
    EXPECT_EQ(env.sink.texts(), QStringList{u"No ha seleccionado ninguna declaración."_s});
    EXPECT_EQ(rows(u"SELECT * FROM hdet"_s), sentRows);

    // Deleting one sending leaves the other and the declaration in preparation.
    const QStringList other = rows(u"SELECT * FROM hdet WHERE correl = '2'"_s);
    ASSERT_TRUE(deleteDeclaration(env.session, key(true, u"1"_s)));
    EXPECT_EQ(rows(u"SELECT correl FROM hcab"_s), QStringList{u"2"_s});
    EXPECT_EQ(rows(u"SELECT * FROM hdet"_s), other);
    EXPECT_EQ(rows(u"SELECT DISTINCT correl FROM hf0480condomi"_s), QStringList{u"2"_s});
    EXPECT_EQ(rows(u"SELECT count(*) FROM f0480importa"_s), QStringList{u"1"_s});

    // Deleting the declaration in preparation takes its import marker and annexes, not its sendings.
    ASSERT_TRUE(deleteDeclaration(env.session, key()));
    for (const QString& table :
         {u"cab"_s, u"det"_s, u"f0480importa"_s, u"f0480condomi"_s, u"f0476dividend"_s})
        EXPECT_EQ(rows(u"SELECT count(*) FROM "_s + table), QStringList{u"0"_s}) << table.toStdString();
    EXPECT_EQ(rows(u"SELECT count(*) FROM hcab"_s), QStringList{u"1"_s});
}

// A second window on the same declaration: another connection to the same file, with its own working tables.
struct OtherWindow {
    explicit OtherWindow(test::TestEnv& env) : session(sink, env.clock), store(session, model) {
        session.settings = env.session.settings;
        opened = openConnection(session, IniFile(env.path(u"QW000.INI"_s)), 200) &&
                 createWorkingTables(session.db());
    }
    RecordingMessageSink sink;
    Session session;
    Declaration model;
    DeclarationStore store;
    bool opened = false;
};

TEST_F(StoreTest, ASaveWritesOnlyOverTheVersionItOpened) {
    fillDeclaration();
    ASSERT_TRUE(store.GrabarForm(checks));
    OtherWindow other(env);
    ASSERT_TRUE(other.opened);
    ASSERT_TRUE(other.store.open(key()));

    // This window saves twice while the other one still shows what it opened.
    model.setText(100, u"200"_s);
    ASSERT_TRUE(store.GrabarForm(checks));
    model.setText(114, u"7"_s);
    ASSERT_TRUE(store.GrabarForm(checks));
    const QStringList saved = everything();

    // The other window's save would put box 100 back and drop box 114: refused, nothing written.
    other.model.setText(116, u"5"_s);
    EXPECT_FALSE(other.store.GrabarForm(checks));
    EXPECT_EQ(other.store.lastFailure(), DeclarationStore::Failure::Database);
    ASSERT_EQ(other.sink.messages().size(), 1);
    EXPECT_EQ(other.sink.messages()[0].text, u"Registro ha sido modificado o eliminado por otro usuario"_s);
    EXPECT_EQ(other.sink.messages()[0].title, u"Mensaje"_s);
    EXPECT_EQ(everything(), saved);

    // Opened again it sees both changes and saves over them.
    ASSERT_TRUE(other.store.open(key()));
    other.model.setText(116, u"5"_s);
    ASSERT_TRUE(other.store.GrabarForm(checks));
    EXPECT_EQ(rows(u"SELECT casilla || '=' || i_valor FROM det WHERE casilla IN ('100', '114', '116') "
                   "ORDER BY casilla"_s),
              (QStringList{u"100=200"_s, u"114=7"_s, u"116=5"_s}));

    // Deleted by the other window meanwhile: this one does not bring it back.
    ASSERT_TRUE(store.open(key()));
    ASSERT_TRUE(deleteDeclaration(other.session, key()));
    env.sink.clear();
    EXPECT_FALSE(store.GrabarForm(checks));
    EXPECT_TRUE(env.sink.contains(u"Registro ha sido modificado o eliminado por otro usuario"_s));
    EXPECT_TRUE(rows(u"SELECT * FROM cab"_s).isEmpty());

    // Two windows that both start it as new: the second one finds it there.
    fillDeclaration();
    ASSERT_TRUE(other.store.startNew());
    other.model.setRuc(kRuc);
    ASSERT_TRUE(store.GrabarForm(checks));
    other.sink.clear();
    EXPECT_FALSE(other.store.GrabarForm(checks));
    EXPECT_EQ(other.sink.messages().value(0).text, u"Registro ya existe lo ingresaron en ese momento"_s);
}

TEST(OrderNumberTest, CheckDigitsAndVerification) {
    EXPECT_EQ(checkDigitExtension(u"12345678"_s), u"123456785"_s);
    EXPECT_EQ(checkDigitExtension(u"0"_s), u"01"_s);    // remainder 0: 11 becomes 1
    EXPECT_EQ(checkDigitExtension(u"6"_s), u"60"_s);    // remainder 1: 10 becomes 0
    EXPECT_EQ(checkDigitExtension(u"A5"_s), u"A51"_s);  // a letter counts 0
    EXPECT_EQ(checkDigitExtension(u" 12345678901234567890 "_s), u"123456789012345673"_s);
    EXPECT_EQ(checkDigitExtension(u"  "_s), QString());

    EXPECT_EQ(orderVerificationDigits(u"12345678"_s, u"00012345"_s), u"54"_s);
    EXPECT_EQ(verifyOrderNumber(u"12345678"_s, u"00012345"_s, u"54"_s), OrderNumberCheck::Valid);
    EXPECT_EQ(verifyOrderNumber(u"12345678"_s, u"00012345"_s, u"45"_s), OrderNumberCheck::WrongDigits);
    EXPECT_EQ(verifyOrderNumber(u"12345678"_s, u"0001234"_s, u"54"_s), OrderNumberCheck::TooShort);
}

}  // namespace
}  // namespace zem
