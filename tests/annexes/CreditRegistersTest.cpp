#include <gtest/gtest.h>

#include "annexes/AnnexEntry.h"
#include "annexes/AnnexRegister.h"
#include "annexes/Registers.h"
#include "data/SeedCatalogue.h"
#include "declaration/Declaration.h"
#include "declaration/FormSession.h"
#include "startup/Database.h"
#include "support/TestEnv.h"

namespace zem {
namespace {

using namespace Qt::StringLiterals;

const QString kDeclarant = u"10123456781"_s;
const QString kCompany = u"20100047218"_s;  // a valid company RUC

// The registers of the legal norms (124, 132, 539, 540), the Amazon investment (117) and the tax paid
// abroad (122).
class CreditRegistersTest : public ::testing::Test {
protected:
    // A new declaration open, as the window opens it, for the declarant.
    CreditRegistersTest() : form(env.session), declaration(form.declaration()) {
        EXPECT_TRUE(loadSeedCatalogue(env.db()));
        EXPECT_TRUE(form.open(OpenRequest::newDeclaration()));
        declaration.setRuc(kDeclarant);
    }

    std::unique_ptr<AnnexRegister> open(int box) {
        auto r = openRegister(env.session, form.editor(), box);
        EXPECT_TRUE(r);
        return r;
    }

    // Fills and accepts a new entry; the messages of a refusal, or "" when saved.
    QString add(AnnexRegister& r, const QList<QPair<QString, QString>>& values) {
        env.sink.clear();
        auto e = r.newEntry();
        for (const auto& [column, text] : values)
            EXPECT_TRUE(e->setValue(column, text)) << column.toStdString();
        return e->accept() ? QString() : env.sink.texts().join(u'|');
    }

    int rows(const QString& sql) { return env.db().scalar(sql).toInt(); }

    test::TestEnv env;
    FormSession form;
    Declaration& declaration;
};

TEST_F(CreditRegistersTest, ANormIsADuplicateByBoxTypeAndNumberAndStoresNoYearOrArticle) {
    auto r = open(124);
    EXPECT_EQ(r->def().caption, u"Casilla 124 - Otros Créditos sin derecho a devolución"_s);
    EXPECT_EQ(add(*r, {}), u"Debe selecionar la norma"_s);
    EXPECT_EQ(add(*r, {{u"tip_nor"_s, u"1"_s}}), u"Debe ingresar el número  de la norma"_s);
    EXPECT_EQ(add(*r, {{u"tip_nor"_s, u"1"_s}, {u"num_nor"_s, u"27037"_s}}), u"Debe registrar el Monto "_s);
    EXPECT_EQ(add(*r, {{u"tip_nor"_s, u"1"_s}, {u"num_nor"_s, u"27037"_s}, {u"mto_retenido"_s, u"0"_s}}),
              u"Monto  debe ser mayor a 0 "_s);
    EXPECT_EQ(
        add(*r, {{u"tip_nor"_s, u"1"_s}, {u"num_nor"_s, u"27037"_s}, {u"mto_retenido"_s, u"1,500.40"_s}}),
        QString());
    ASSERT_EQ(r->count(), 1);
    EXPECT_EQ(r->value(0, u"anno_nor"_s), u"0"_s);
    EXPECT_EQ(r->value(0, u"art_nor"_s), u"0"_s);
    EXPECT_EQ(r->value(0, u"mto_retenido"_s), u"1500.40"_s);
    EXPECT_EQ(r->data(r->index(0, 0)).toString(), u"1 - LEY"_s);

    // The same norm and number cited for another article (a row loaded with its year and article) is the
    // same credit; in another box it is a different one.
    ASSERT_TRUE(env.db().execute(u"UPDATE TMP_F0480NORMAS SET anno_nor = '1998', art_nor = '12'"_s));
    r->Get_RET();
    EXPECT_EQ(add(*r, {{u"tip_nor"_s, u"1"_s}, {u"num_nor"_s, u"27037"_s}, {u"mto_retenido"_s, u"10"_s}}),
              u"Los datos que desea registrar ya fueron ingresados. "_s);
    auto other = open(132);
    EXPECT_EQ(add(*other, {{u"tip_nor"_s, u"1"_s}, {u"num_nor"_s, u"27037"_s}, {u"mto_retenido"_s, u"10"_s}}),
              QString());

    // Modified, the loaded row is found by its whole key and keeps its year and article.
    auto e = r->entryFor(0);
    EXPECT_FALSE(e->isEditable(u"tip_nor"_s));
    EXPECT_FALSE(e->isEditable(u"num_nor"_s));
    ASSERT_TRUE(e->setValue(u"mto_retenido"_s, u"2000"_s));
    ASSERT_TRUE(e->accept()) << env.sink.texts().join(u'|').toStdString();
    EXPECT_EQ(r->value(0, u"mto_retenido"_s), u"2000.00"_s);
    EXPECT_EQ(r->value(0, u"art_nor"_s), u"12"_s);
    ASSERT_TRUE(r->leave());
    EXPECT_EQ(declaration.text(124), u"2,000"_s);

    // Deleting finds the row by all five columns and leaves the other box's norm.
    ASSERT_TRUE(r->remove(0));
    EXPECT_EQ(rows(u"SELECT COUNT(*) FROM TMP_F0480NORMAS WHERE casilla = '132'"_s), 1);
    ASSERT_TRUE(r->leave());
    EXPECT_TRUE(declaration.text(124).isEmpty());
}

TEST_F(CreditRegistersTest, AmazonBeneficiariesAreCompaniesOtherThanTheDeclarantAndStayInBox117) {
    // A withholding payer of box 107 with the same RUC shares the table.
    ASSERT_TRUE(env.db().execute(
        u"INSERT INTO TMP_F0482RETCAB (casilla, tip_doc_ret, num_doc_ret, des_razon, mto_total, ind_importa) "
        "VALUES ('107', '6', ?, 'PAGADOR', '500.00', '0')"_s,
        {kCompany}));
    auto r = open(117);
    EXPECT_EQ(r->count(), 0);
    const QString label = u"RUC del beneficiario"_s;
    EXPECT_EQ(add(*r, {}), u"Registre el "_s + label);
    EXPECT_EQ(add(*r, {{u"num_doc_ret"_s, u"2010004721"_s}}),
              u"La longitud del "_s + label + u" debe ser de once dígitos"_s);
    EXPECT_EQ(add(*r, {{u"num_doc_ret"_s, kDeclarant}}),
              u"El "_s + label + u" no debe ser igual al RUC del declarante "_s);
    EXPECT_EQ(add(*r, {{u"num_doc_ret"_s, u"20100047219"_s}}), u"El "_s + label + u" no es válido"_s);
    EXPECT_EQ(add(*r, {{u"num_doc_ret"_s, kCompany}}), u"Debe ingresar la razón social"_s);
    EXPECT_EQ(add(*r, {{u"num_doc_ret"_s, kCompany}, {u"des_razon"_s, u"SELVA SAC"_s}}),
              u"Debe registrar el Monto Invertido :"_s);
    EXPECT_EQ(rows(u"SELECT COUNT(*) FROM TMP_F0482RETCAB"_s), 1);
    EXPECT_EQ(
        add(*r,
            {{u"num_doc_ret"_s, kCompany}, {u"des_razon"_s, u"SELVA SAC"_s}, {u"mto_total"_s, u"1234.50"_s}}),
        QString());
    ASSERT_EQ(r->count(), 1);
    EXPECT_EQ(r->value(0, u"tip_doc_ret"_s), u"6"_s);
    EXPECT_EQ(r->value(0, u"fec_donacion"_s), u"01/01/1899"_s);
    EXPECT_EQ(r->data(r->index(0, 1)).toString(), u"SELVA SAC"_s);
    EXPECT_EQ(r->totalText(), u"1,234.50"_s);
    EXPECT_EQ(add(*r, {{u"num_doc_ret"_s, kCompany}, {u"des_razon"_s, u"X"_s}, {u"mto_total"_s, u"1"_s}}),
              u"Los datos que desea registrar ya fueron ingresados. "_s);
    ASSERT_TRUE(r->leave());
    EXPECT_EQ(declaration.text(117), u"(1,235)"_s);

    // An investment of less than one unit leaves nothing to deduct: the box is empty, not "()".
    auto e = r->entryFor(0);
    ASSERT_TRUE(e->setValue(u"mto_total"_s, u"0.40"_s));
    ASSERT_TRUE(e->accept());
    ASSERT_TRUE(r->leave()) << env.sink.texts().join(u'|').toStdString();
    EXPECT_EQ(declaration.text(117), QString());

    ASSERT_TRUE(r->remove(0));
    EXPECT_EQ(rows(u"SELECT COUNT(*) FROM TMP_F0482RETCAB WHERE casilla = '107'"_s), 1);
    EXPECT_EQ(rows(u"SELECT COUNT(*) FROM TMP_F0482RETCAB"_s), 1);
    ASSERT_TRUE(r->leave());
    EXPECT_TRUE(declaration.text(117).isEmpty());
}

TEST_F(CreditRegistersTest, TaxPaidAbroadIsOnePerCountryNeverPeru) {
    auto r = open(122);
    auto e = r->newEntry();
    const QStringList countries = e->choices(u"cod_pais"_s);
    EXPECT_FALSE(countries.contains(u"9589"_s));
    EXPECT_TRUE(countries.contains(u"9013"_s));
    EXPECT_EQ(e->choiceText(u"cod_pais"_s, u"9013"_s), u"AFGANISTÁN"_s);
    EXPECT_EQ(add(*r, {{u"cod_pais"_s, u"9589"_s}, {u"mto_retenido"_s, u"10"_s}}),
              u"Debe selecionar el país o territorio"_s);
    EXPECT_EQ(add(*r, {{u"cod_pais"_s, u"9013"_s}}), u"Debe registrar el monto del impuesto"_s);
    EXPECT_EQ(add(*r, {{u"cod_pais"_s, u"9013"_s}, {u"mto_retenido"_s, u"99.5"_s}}), QString());
    EXPECT_EQ(add(*r, {{u"cod_pais"_s, u"9013"_s}, {u"mto_retenido"_s, u"1"_s}}),
              u"Datos ya fueron ingresados. "_s);
    ASSERT_EQ(r->count(), 1);
    EXPECT_EQ(r->value(0, u"casilla"_s), u"122"_s);
    EXPECT_EQ(r->value(0, u"mto_retenido"_s), u"99.50"_s);
    EXPECT_EQ(r->data(r->index(0, 0)).toString(), u"9013 - AFGANISTÁN"_s);
    ASSERT_TRUE(r->leave());
    EXPECT_EQ(declaration.text(122), u"100"_s);

    // Closing with unsaved changes asks; Cancel stays, No drops them.
    auto open = r->newEntry();
    ASSERT_TRUE(open->setValue(u"mto_retenido"_s, u"5"_s));
    env.sink.setNextAnswer(MsgAnswer::Cancel);
    EXPECT_FALSE(open->closeRequested());
    EXPECT_TRUE(env.sink.contains(u"La información ha sido modificada. ¿Desea guardar los cambios?"_s));
    env.sink.setNextAnswer(MsgAnswer::No);
    EXPECT_TRUE(open->closeRequested());
    declaration.setSent(true);  // a sent declaration never asks
    env.sink.clear();
    EXPECT_TRUE(open->closeRequested());
    EXPECT_TRUE(env.sink.texts().isEmpty());
    declaration.setSent(false);

    ASSERT_TRUE(r->remove(0));
    ASSERT_TRUE(r->leave());
    EXPECT_TRUE(declaration.text(122).isEmpty());
}

}  // namespace
}  // namespace zem
