// The declaration core without any window: opening, the one setter and what answers do, saving and
// reopening. This program links no Qt Widgets.
#include <gtest/gtest.h>

#include <QSqlQuery>
#include <QSqlRecord>

#include "data/SeedCatalogue.h"
#include "declaration/FormSession.h"
#include "support/Taxpayers.h"
#include "support/TestEnv.h"

namespace zem {
namespace {

using namespace Qt::StringLiterals;

const QString kRuc = u"10123456781"_s;

class EditorTest : public ::testing::Test {
protected:
    EditorTest() {
        EXPECT_TRUE(loadSeedCatalogue(env.db()));
        EXPECT_TRUE(test::addTaxpayer(
            env.db(),
            {.ruc = kRuc, .apellidoM = u"D'ONOFRIO"_s, .nombre2 = u"MARIA"_s, .nombre = u"PEREZ ANA"_s}));
    }

    void exec(const QString& sql, const QVariantList& params = {}) {
        ASSERT_TRUE(env.db().execute(sql, params)) << sql.toStdString();
    }
    int count(const QString& table) { return env.db().scalar(u"SELECT count(*) FROM "_s + table).toInt(); }
    QString rows(const QString& sql) {
        QStringList out;
        QSqlQuery q = env.db().select(sql);
        while (q.next()) {
            QStringList row;
            for (int i = 0; i < q.record().count(); ++i)
                row << q.value(i).toString();
            out << row.join(u'|');
        }
        return out.join(u'\n');
    }

    // Sets every field or fails the test with the refusal.
    void set(FormSession& form, const QList<QPair<int, QString>>& values) {
        for (const auto& [box, text] : values) {
            const FieldResult r = form.setField(box, text);
            EXPECT_TRUE(r.ok) << box << ": " << r.message.toStdString();
        }
    }

    // A new declaration for the taxpayer, with its identification answered.
    void openIdentified(FormSession& form) {
        ASSERT_TRUE(form.open(OpenRequest::newDeclaration(kRuc)));
        EXPECT_EQ(form.declaration().text(801), u"PEREZ"_s);
        set(form, {{552, u"1"_s},
                   {554, u"0"_s},
                   {5, u"0"_s},
                   {27, u"2"_s},
                   {556, u"1"_s},
                   {560, u"0"_s},
                   {561, u"0"_s},
                   {599, u"E"_s}});
    }

    test::TestEnv env;
};

TEST_F(EditorTest, RefusedValuesNameTheBoxAndChangeNothing) {
    FormSession form(env.session);
    openIdentified(form);
    set(form, {{107, u"340,000"_s}});
    Declaration& d = form.declaration();
    EXPECT_EQ(d.text(107), u"340,000"_s);
    const QString tax = d.text(120);
    const auto refused = [&](int box, const QString& text, const QString& says) {
        const FieldResult r = form.setField(box, text);
        EXPECT_FALSE(r.ok) << box << " " << text.left(20).toStdString();
        EXPECT_TRUE(r.message.contains(says)) << r.message.toStdString();
    };
    refused(107, u"34O000"_s, u"Casilla 107: «34O000» no es un importe"_s);
    refused(107, u"3.5"_s, u"sin decimales"_s);
    refused(107, u"12345678901"_s, u"como máximo 10 dígitos"_s);
    refused(102, u"123456789012345678"_s, u"como máximo 17 dígitos"_s);
    refused(180, u"-1"_s, u"no puede ser negativo"_s);
    refused(515, u"1000"_s, u"La casilla 515 no se registra"_s);
    refused(27, u"3"_s, u"registre uno de los códigos 1, 2"_s);
    refused(5, u""_s, u"Casilla 005"_s);
    refused(25, u"ZZ"_s, u"la profesión u oficio"_s);
    refused(15, u"99"_s, u"el banco"_s);
    refused(301, u"99"_s, u"tipo de documento"_s);
    refused(208, u"12345678"_s, u"elija primero el tipo de documento (casilla 204)"_s);
    refused(234, u"31/02/1970"_s, u"entre el 01/01/1850 y el 01/01/2500"_s);
    refused(28, u"12345678901"_s, u"como máximo 9 dígitos"_s);
    refused(811, u"ANA\tMARIA"_s, u"Casilla 811"_s);
    refused(999, u"1"_s, u"no existe"_s);
    EXPECT_EQ(d.text(107), u"340,000"_s);
    EXPECT_EQ(d.text(120), tax);
    EXPECT_EQ(d.option(OptionGroup::optInmueble), u"2"_s);

    // A document number takes its type's length and characters, after the type.
    set(form, {{27, u"1"_s}, {204, u"1"_s}});
    EXPECT_EQ(d.text(204), u"01"_s);
    refused(208, u"123456789"_s, u"como máximo 8 caracteres"_s);
    refused(208, u"1234567A"_s, u"solo admite dígitos"_s);
    set(form, {{208, u"40506070"_s}, {819, u"rojas luna"_s}, {234, u"01/02/1970"_s}});
    EXPECT_EQ(d.text(819), u"ROJAS LUNA"_s);

    // A box fed by a register is set directly only while the register has no rows for it.
    exec(
        u"INSERT INTO TMP_F0482RETCAB (casilla, tip_doc_ret, num_doc_ret, mto_total) "
        "VALUES ('107', '06', '20100070970', '1000.00')"_s);
    refused(107, u"5000"_s, u"zem0482 annex"_s);
    set(form, {{108, u"5000"_s}});
}

TEST_F(EditorTest, SecondCategoryIncomeIsDeductedTenPercent) {
    FormSession form(env.session);
    openIdentified(form);
    Declaration& d = form.declaration();
    set(form, {{105, u"10000"_s}});
    EXPECT_EQ(d.text(504), u"10,000"_s);
    EXPECT_EQ(d.text(505), u"(1,000)"_s);
    EXPECT_EQ(d.text(506), u"9,000"_s);
    EXPECT_EQ(d.text(113), u"9,000"_s);
    set(form, {{106, u"5001"_s}});
    EXPECT_EQ(d.text(504), u"15,001"_s);
    EXPECT_EQ(d.text(505), u"(1,500)"_s);  // 1,500.1
    EXPECT_EQ(d.text(506), u"13,501"_s);
    set(form, {{105, u""_s}, {106, u""_s}});
    EXPECT_TRUE(d.text(504).isEmpty() && d.text(505).isEmpty() && d.text(506).isEmpty());
}

TEST_F(EditorTest, AnswersDoWhatTheyDoInTheWindow) {
    FormSession form(env.session);
    openIdentified(form);
    Declaration& d = form.declaration();

    // "Sí" opens box 200 to its assistant; "No" empties the assistant after asking, and closes the box.
    set(form, {{560, u"1"_s}, {535, u"1234"_s}});
    EXPECT_EQ(d.text(200), u"1,234"_s);
    EXPECT_TRUE(d.isEnabled(200));
    env.sink.setNextAnswer(MsgAnswer::No);
    EXPECT_FALSE(form.setField(560, u"0"_s).ok);  // the user kept the data
    EXPECT_EQ(d.text(535), u"1234"_s);
    env.sink.setNextAnswer(MsgAnswer::Yes);
    set(form, {{560, u"0"_s}});
    EXPECT_TRUE(d.text(535).isEmpty());
    EXPECT_TRUE(d.text(200).isEmpty());
    EXPECT_FALSE(d.isEnabled(200));

    // "Contribuyente" copies the declarant into the representative's boxes.
    set(form, {{556, u"2"_s}, {811, u"ROJAS"_s}, {301, u"01"_s}, {302, u"40506070"_s}});
    set(form, {{556, u"1"_s}});
    EXPECT_EQ(d.text(811), u"PEREZ"_s);
    EXPECT_EQ(d.text(301), u"06"_s);
    EXPECT_EQ(d.text(302), kRuc);

    // Investments abroad go with a "No", once the user confirms; a command line's answer is its own
    // confirmation.
    ASSERT_TRUE(form.editor().setAnswer(OptionGroup::OptExtranjero, u"1"_s).ok);
    EXPECT_TRUE(FormOptions::gridOpen(d, AnnexGridKind::ForeignInvestments));
    exec(
        u"INSERT INTO TMP_F0476EXTRA (des_emp_ext, ind_pais, ind_cargo, ind_operacion, mto_saldo) "
        "VALUES ('ACME', '840', '01', '01', '1000')"_s);
    form.grids().Get(AnnexGridKind::ForeignInvestments);
    env.sink.setNextAnswer(MsgAnswer::No);
    EXPECT_FALSE(form.editor().setAnswer(OptionGroup::OptExtranjero, u"0"_s).ok);
    EXPECT_EQ(count(u"TMP_F0476EXTRA"_s), 1);
    form.editor().setConfirmed(true);
    EXPECT_TRUE(form.editor().setAnswer(OptionGroup::OptExtranjero, u"0"_s).ok);
    EXPECT_EQ(count(u"TMP_F0476EXTRA"_s), 0);
    EXPECT_EQ(form.grids().grid(AnnexGridKind::ForeignInvestments).count(), 0);
    EXPECT_FALSE(FormOptions::gridOpen(d, AnnexGridKind::ForeignInvestments));
}

TEST_F(EditorTest, AnUnchangedDeclarationOpenedAndSavedAgainKeepsEveryRow) {
    {
        FormSession form(env.session);
        openIdentified(form);
        set(form, {{107, u"340000"_s}, {180, u"52428"_s}, {840, u"5000"_s}, {28, u"4445566"_s}});
        exec(
            u"INSERT INTO TMP_F0480PAGOS (casilla, per_tri, num_for, num_ord, fec_pago, mto_trib, mto_int, "
            "mto_tot_pag, mto_gravado, ind_importa) VALUES ('133', '200605', '1662', '123', '15/06/2006', "
            "'150.00', '0.00', '150.00', '1000.00', '0')"_s);
        exec(u"INSERT INTO TMP_F0480CONDOMI (tip_doc_con, num_ruc) VALUES ('01', '40506070')"_s);
        ASSERT_TRUE(form.save()) << env.sink.texts().join(u'\n').toStdString();
    }
    const QString snapshot = u"SELECT * FROM det ORDER BY casilla"_s;
    const auto all = [&] {
        return rows(snapshot) + rows(u"SELECT * FROM f0480pagos"_s) + rows(u"SELECT * FROM f0480condomi"_s) +
               rows(u"SELECT estado, cnumero, efectivo, cheque FROM cab"_s);
    };
    const QString before = all();
    EXPECT_TRUE(before.contains(u"|840|5000|"_s));
    DeclarationKey key;
    key.ruc = kRuc;
    FormSession form(env.session);
    ASSERT_TRUE(form.open(OpenRequest::existing(key)));
    EXPECT_EQ(form.declaration().patrimonialTotal(), u"5,000"_s);
    EXPECT_FALSE(form.declaration().isModified());
    ASSERT_TRUE(form.save());
    EXPECT_EQ(all(), before);
}

}  // namespace
}  // namespace zem
