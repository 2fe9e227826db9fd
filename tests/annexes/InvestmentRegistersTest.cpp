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
const QString kCompany = u"20100047218"_s;

using Values = QList<QPair<QString, QString>>;

// The investments abroad and in trusts that the declaration window lists in its grids.
class InvestmentRegistersTest : public ::testing::Test {
protected:
    InvestmentRegistersTest() : form(env.session) {
        EXPECT_TRUE(loadSeedCatalogue(env.db()));
        EXPECT_TRUE(form.open(OpenRequest::newDeclaration()));
        form.declaration().setRuc(kDeclarant);
    }

    std::unique_ptr<AnnexRegister> open(const QString& name) {
        auto r = openGridRegister(env.session, form.editor(), name);
        EXPECT_TRUE(r);
        return r;
    }

    // Fills and accepts an entry; the messages of a refusal, or "" when saved.
    QString accept(AnnexEntry& e, const Values& values) {
        env.sink.clear();
        for (const auto& [column, text] : values)
            EXPECT_TRUE(e.setValue(column, text)) << column.toStdString();
        return e.accept() ? QString() : env.sink.texts().join(u'|');
    }
    QString add(AnnexRegister& r, const Values& values) { return accept(*r.newEntry(), values); }

    static Values investment(const QString& company, const QString& post) {
        return {{u"des_emp_ext"_s, company},
                {u"ind_pais"_s, u"9286"_s},
                {u"ind_cargo"_s, post},
                {u"ind_operacion"_s, u"01"_s},
                {u"mto_saldo"_s, u"2500.60"_s}};
    }

    static Values trust(const QString& trustee, const QString& settlorType, const QString& settlor) {
        return {{u"tip_doc_fiduciario"_s, u"06"_s},
                {u"num_doc_fiduciario"_s, trustee},
                {u"tip_doc_fideicomitente"_s, settlorType},
                {u"num_doc_fideicomitente"_s, settlor},
                {u"tip_patrimonio"_s, u"1"_s},
                {u"tip_fideicomiso"_s, u"2"_s},
                {u"mto_saldo"_s, u"100.5"_s}};
    }

    test::TestEnv env;
    FormSession form;
};

TEST_F(InvestmentRegistersTest, InvestmentsAbroadDifferByPostAndAModifiedKeyMovesItsRow) {
    auto r = open(u"extranjero"_s);
    EXPECT_EQ(add(*r, {}), u"Debe registrar el nombre o la denominación de la empresa en el exterior"_s);
    EXPECT_EQ(add(*r, {{u"des_emp_ext"_s, u"ACME"_s}, {u"ind_pais"_s, u"9999"_s}}),
              u"Debe selecionar el pais o territorio"_s);
    EXPECT_EQ(add(*r, {{u"des_emp_ext"_s, u"ACME"_s}, {u"ind_pais"_s, u"9286"_s}}),
              u"Debe selecionar el cargo, función o participación en la empresa"_s);
    EXPECT_EQ(add(*r, {{u"des_emp_ext"_s, u"ACME"_s}, {u"ind_pais"_s, u"9286"_s}, {u"ind_cargo"_s, u"01"_s}}),
              u"Debe selecionar el tipo de operación realizada"_s);
    Values noBalance = investment(u"ACME"_s, u"01"_s);
    noBalance.removeLast();
    EXPECT_EQ(add(*r, noBalance), u"Debe registrar el saldo al 31/12/2006"_s);

    // The same company and country with another post is another investment.
    EXPECT_EQ(add(*r, investment(u"ACME"_s, u"01"_s)), QString());
    EXPECT_EQ(add(*r, investment(u"ACME"_s, u"02"_s)), QString());
    EXPECT_EQ(add(*r, investment(u"ACME"_s, u"02"_s)), u"Datos ya fueron ingresados. "_s);
    ASSERT_EQ(r->count(), 2);
    EXPECT_EQ(r->value(0, u"mto_saldo"_s), u"2501"_s);  // whole units
    EXPECT_EQ(r->value(0, u"des_pais"_s), u"ESTADOS UNIDOS DE AMÉRICA"_s);
    EXPECT_EQ(r->value(0, u"des_cargo"_s), u"ACCIONISTA"_s);

    // Modified, the key stays editable. Renamed to a key no row has, the row opened takes it ...
    auto e = r->entryFor(0);
    EXPECT_EQ(e->value(u"mto_saldo"_s), u"2,501"_s);
    EXPECT_TRUE(e->isEditable(u"des_emp_ext"_s));
    EXPECT_EQ(accept(*e, {{u"des_emp_ext"_s, u"ACME HOLDING"_s}}), QString());
    ASSERT_EQ(r->count(), 2);
    EXPECT_EQ(r->value(0, u"des_emp_ext"_s), u"ACME HOLDING"_s);
    // ... and with the key of another row on screen, that row is the one saved.
    e = r->entryFor(0);
    EXPECT_EQ(
        accept(*e, {{u"des_emp_ext"_s, u"ACME"_s}, {u"ind_cargo"_s, u"02"_s}, {u"mto_saldo"_s, u"7"_s}}),
        QString());
    EXPECT_EQ(env.db().scalar(u"SELECT mto_saldo FROM TMP_F0476EXTRA WHERE ind_cargo = '02'"_s).toString(),
              u"7"_s);
    EXPECT_EQ(env.db()
                  .scalar(u"SELECT mto_saldo FROM TMP_F0476EXTRA WHERE des_emp_ext = 'ACME HOLDING'"_s)
                  .toString(),
              u"2501"_s);
}

TEST_F(InvestmentRegistersTest, TrustsRefuseTheDeclarantAsTrusteeAndTheSameDocumentTwice) {
    auto r = open(u"fideicomiso"_s);
    auto e = r->newEntry();
    EXPECT_TRUE(e->choices(u"tip_doc_fiduciario"_s).contains(u"06"_s));
    EXPECT_FALSE(e->isEditable(u"des_tip_patrimonio"_s));  // only for the type "other"
    EXPECT_EQ(add(*r, {}), u"Debe selecionar el tipo documento del Fiduciario"_s);
    EXPECT_EQ(add(*r, trust(kDeclarant, u"01"_s, u"12345678"_s)),
              u"El número de documento del Fiduciario no puede ser igual al del declarante"_s);
    Values noSettlorType = trust(kCompany, {}, u"12345678"_s);
    noSettlorType.removeAt(2);
    EXPECT_EQ(add(*r, noSettlorType), u"Debe selecionar el tipo de documento del Fideicomitente"_s);
    EXPECT_EQ(add(*r, trust(u"20100047219"_s, u"01"_s, u"12345678"_s)),
              u"El número de documento del Fiduciario no es válido"_s);
    EXPECT_EQ(add(*r, trust(kCompany, u"01"_s, u"1234567"_s)),
              u"El número de documento del Fideicomitente no es válido"_s);
    EXPECT_EQ(add(*r, trust(kCompany, u"06"_s, kCompany)),
              u"El tipo y número de documento del fiduciario y del fideicomitente no pueden ser iguales"_s);
    Values other = trust(kCompany, u"01"_s, u"12345678"_s);
    other << QPair{u"tip_patrimonio"_s, u"7"_s};
    EXPECT_EQ(add(*r, other), u"Debe ingresar la descripción del tipo de Patrimonio"_s);
    EXPECT_EQ(r->count(), 0);

    other << QPair{u"des_tip_patrimonio"_s, u"REGALÍAS"_s};
    EXPECT_EQ(add(*r, other), QString());
    EXPECT_EQ(add(*r, other), u"Datos ya fueron ingresados. "_s);
    ASSERT_EQ(r->count(), 1);
    EXPECT_EQ(r->value(0, u"des_tip_patrimonio"_s), u"REGALÍAS"_s);
    EXPECT_EQ(r->value(0, u"des_tip_fideicomiso"_s), u"FIDEICOMISO DE GARANTÍA"_s);
    EXPECT_EQ(r->value(0, u"mto_saldo"_s), u"100.50"_s);

    // Modified, the six key fields are locked and the row is found by them.
    e = r->entryFor(0);
    for (const QString& key : r->def().key)
        EXPECT_FALSE(e->isEditable(key)) << key.toStdString();
    EXPECT_TRUE(e->isEditable(u"des_tip_patrimonio"_s));
    EXPECT_EQ(e->value(u"des_tip_patrimonio"_s), u"REGALÍAS"_s);
    EXPECT_EQ(accept(*e, {{u"mto_saldo"_s, u"200"_s}}), QString());
    EXPECT_EQ(r->value(0, u"mto_saldo"_s), u"200.00"_s);
}

}  // namespace
}  // namespace zem
