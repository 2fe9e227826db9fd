#include <gtest/gtest.h>

#include "annexes/AnnexEntry.h"
#include "annexes/AnnexRegister.h"
#include "annexes/PagCta.h"
#include "annexes/Registers.h"
#include "data/SeedCatalogue.h"
#include "declaration/FormSession.h"
#include "support/TestEnv.h"

namespace zem {
namespace {

using namespace Qt::StringLiterals;

class RegisterTest : public ::testing::Test {
protected:
    // A new declaration open, as the window opens it: its working tables emptied.
    RegisterTest() : form(env.session), declaration(form.declaration()) {
        EXPECT_TRUE(loadSeedCatalogue(env.db()));
        EXPECT_TRUE(form.open(OpenRequest::newDeclaration()));
    }

    std::unique_ptr<AnnexRegister> open(int box) {
        auto r = openRegister(env.session, form.editor(), box);
        EXPECT_TRUE(r);
        return r;
    }

    // Fills an entry field by field as the window does; every value must be taken.
    static void fill(AnnexEntry& e, const QList<QPair<QString, QString>>& values) {
        for (const auto& [column, text] : values)
            EXPECT_TRUE(e.setValue(column, text)) << column.toStdString();
    }

    // A payment of box 133 or 529 that passes every check.
    static QList<QPair<QString, QString>> payment(const QString& period, const QString& order,
                                                  const QString& amount) {
        return {{u"per_tri"_s, period},
                {u"num_for"_s, u"1662"_s},
                {u"num_ord"_s, order},
                {u"fec_pago"_s, u"15/02/2006"_s},
                {u"mto_trib"_s, amount}};
    }

    QStringList messages() const { return env.sink.texts(); }

    test::TestEnv env;
    FormSession form;
    Declaration& declaration;
};

TEST_F(RegisterTest, PaymentsOf133FeedBoxes133And100RoundedAsShownAndEmptyWhenNoneRemain) {
    auto r = open(133);
    auto e = r->newEntry();
    EXPECT_EQ(e->mode(), u"NUEVO"_s);
    fill(*e, payment(u"200601"_s, u"123"_s, u"1234.50"_s));
    // The payment proposes the income it was paid on (12 %), and the total paid adds the interest.
    EXPECT_EQ(e->value(u"mto_gravado"_s), u"10,287.50"_s);
    fill(*e, {{u"mto_int"_s, u"10"_s}});
    EXPECT_EQ(e->value(u"mto_tot_pag"_s), u"1,244.50"_s);
    EXPECT_FALSE(e->setValue(u"mto_tot_pag"_s, u"5"_s));  // computed, never typed
    ASSERT_TRUE(e->accept()) << messages().join(u'|').toStdString();
    EXPECT_TRUE(env.sink.contains(u"La información fue grabada satisfactoriamente. "_s));
    // A new entry stays open, cleared for the next payment.
    EXPECT_TRUE(e->value(u"per_tri"_s).isEmpty());
    EXPECT_TRUE(e->value(u"mto_gravado"_s).isEmpty());

    // The same period, form and order again is refused before anything is added.
    env.sink.clear();
    fill(*e, payment(u"200601"_s, u"123"_s, u"50"_s));
    EXPECT_FALSE(e->accept());
    EXPECT_EQ(messages(), QStringList{u"Los datos que desea registrar ya fueron ingresados. "_s});
    EXPECT_EQ(r->count(), 1);

    fill(*e, {{u"num_ord"_s, u"124"_s}, {u"mto_trib"_s, u"0.20"_s}, {u"mto_gravado"_s, u"3"_s}});
    ASSERT_TRUE(e->accept());
    EXPECT_EQ(r->countText(), u"Cantidad de registros: 2"_s);
    EXPECT_EQ(r->totalText(), u"1,235"_s);  // 1234.70 in whole units
    EXPECT_EQ(r->value(1, u"mto_gravado"_s), u"3.00"_s);
    EXPECT_EQ(r->value(1, u"ind_importa"_s), u"0"_s);

    ASSERT_TRUE(r->leave());
    EXPECT_EQ(declaration.text(133), u"(1,235)"_s);
    EXPECT_EQ(declaration.text(100), u"10,291"_s);
    // The chain followed: box 100 is first-category income.
    EXPECT_FALSE(declaration.text(501).isEmpty());

    env.sink.setNextAnswer(MsgAnswer::Yes);
    ASSERT_TRUE(r->Eliminar_ITF(0));
    EXPECT_TRUE(
        messages().last().startsWith(u"¿Esta seguro de Eliminar?. La suma total del monto gravado"_s));
    EXPECT_EQ(declaration.text(133), u"(1,235)"_s);  // deleting leaves the box until the list is left
    ASSERT_TRUE(r->remove(0));
    EXPECT_EQ(r->countText(), QString());
    ASSERT_TRUE(r->leave());
    EXPECT_TRUE(declaration.text(133).isEmpty());
    EXPECT_TRUE(declaration.text(100).isEmpty());
    EXPECT_TRUE(declaration.text(501).isEmpty());
}

TEST_F(RegisterTest, AModifiedPaymentKeepsItsKeyAndImportedRowsAreEditedLikeAnyOther) {
    ASSERT_TRUE(env.db().execute(
        u"INSERT INTO TMP_F0480PAGOS (casilla, per_tri, num_for, num_ord, fec_pago, mto_trib, mto_int, "
        "mto_tot_pag, mto_gravado, ind_importa) VALUES ('529', '200603', '1662', '77', '10/04/2006', "
        "'100.00', '0.00', '100.00', NULL, '1')"_s));
    auto r = open(529);
    ASSERT_EQ(r->count(), 1);
    auto e = r->entryFor(0);
    EXPECT_EQ(e->mode(), u"MODIFICA"_s);
    EXPECT_EQ(e->value(u"mto_trib"_s), u"100.00"_s);
    EXPECT_TRUE(e->value(u"mto_int"_s).isEmpty());  // 0 shows as empty
    for (const QString& key : {u"per_tri"_s, u"num_for"_s, u"num_ord"_s}) {
        EXPECT_FALSE(e->isEditable(key));
        EXPECT_FALSE(e->setValue(key, u"1"_s));
    }
    fill(*e, {{u"mto_trib"_s, u"250"_s}, {u"fec_pago"_s, u"11/04/2006"_s}});
    ASSERT_TRUE(e->accept()) << messages().join(u'|').toStdString();
    ASSERT_EQ(r->count(), 1);
    EXPECT_EQ(r->value(0, u"mto_trib"_s), u"250.00"_s);
    EXPECT_EQ(r->value(0, u"fec_pago"_s), u"11/04/2006"_s);
    EXPECT_EQ(r->value(0, u"ind_importa"_s), u"0"_s);  // saved by the user now
    ASSERT_TRUE(r->leave());
    EXPECT_EQ(declaration.text(529), u"250"_s);
    EXPECT_TRUE(declaration.text(100).isEmpty());
}

TEST_F(RegisterTest, ChecksRunInOrderWithTheirTexts) {
    auto r = open(133);
    auto e = r->newEntry();
    const auto refused = [&](const QString& column, const QString& text) {
        env.sink.clear();
        EXPECT_FALSE(e->accept());
        EXPECT_EQ(e->failedColumn(), column);
        EXPECT_EQ(messages(), QStringList{text});
    };
    refused(u"per_tri"_s, u"¡El Período tributario no es Válido! "_s);
    fill(*e, {{u"per_tri"_s, u"200701"_s}});  // a period after the year's end
    refused(u"per_tri"_s, u"¡El Período tributario no es Válido! "_s);
    fill(*e, {{u"per_tri"_s, u"200612"_s}, {u"num_for"_s, u"9999"_s}});  // not a form of the list
    refused(u"num_for"_s, u"Debe seleccionar el número de formulario"_s);
    fill(*e, {{u"num_for"_s, u"0146"_s}});
    refused(u"num_ord"_s, u"Debe registrar el número de orden del formulario"_s);
    EXPECT_FALSE(e->setValue(u"num_ord"_s, u"12a"_s));  // digits only
    fill(*e, {{u"num_ord"_s, u"000"_s}});
    refused(u"num_ord"_s, u"El número de orden no puede ser cero"_s);
    fill(*e, {{u"num_ord"_s, u"5"_s}, {u"fec_pago"_s, u"16/03/2007"_s}});  // the day after today
    refused(u"fec_pago"_s, u"La fecha es mayor a la fecha del sistema"_s);
    fill(*e, {{u"fec_pago"_s, u"31/02/2006"_s}});
    refused(u"fec_pago"_s, u"La fecha de pago no es válida"_s);
    fill(*e, {{u"fec_pago"_s, u"31/01/2007"_s}});  // December's tax is paid in January
    refused(u"mto_trib"_s, u"Debe registrar el Pago sin intereses"_s);
    fill(*e, {{u"mto_trib"_s, u"0"_s}});
    EXPECT_EQ(e->value(u"mto_gravado"_s), u"0.00"_s);  // 0 proposes 0
    refused(u"mto_trib"_s, u"El Pago sin intereses debe ser mayor a cero"_s);
    fill(*e, {{u"mto_trib"_s, u"12345678901"_s}});
    refused(u"mto_trib"_s, u"Registre como máximo 10 enteros y 2 decimales"_s);
    fill(*e, {{u"mto_trib"_s, u"120"_s}, {u"mto_gravado"_s, u""_s}});
    refused(u"mto_gravado"_s, u"Debe registrar los Ingresos gravados declarados"_s);
    EXPECT_EQ(r->count(), 0);  // nothing written by any refusal
}

TEST_F(RegisterTest, TheListOf529HasNoTaxableIncomeColumn) {
    const auto headers = [](const AnnexRegister& r) {
        QStringList h;
        for (int c = 0; c < r.columnCount(); ++c)
            h << r.headerData(c, Qt::Horizontal).toString();
        return h;
    };
    EXPECT_EQ(headers(*open(133)).last(), u"Monto Gravado"_s);
    EXPECT_FALSE(headers(*open(529)).contains(u"Monto Gravado"_s));
    EXPECT_EQ(headers(*open(529)).size(), 7);
    const auto r529 = open(529);  // the entry refers to its register, which must outlive it
    auto e = r529->newEntry();
    EXPECT_FALSE(e->field(u"mto_gravado"_s));
    EXPECT_EQ(e->choices(u"num_for"_s).size(), 9);
}

TEST_F(RegisterTest, PaymentsOnAccountOpenTheCreditsOnlyForCreditApplicationForms) {
    auto r = open(127);
    auto e = r->newEntry();
    EXPECT_FALSE(e->isEditable(u"mto_sal"_s));
    fill(*e, {{u"per_tri"_s, u"200605"_s},
              {u"num_for"_s, u"0651"_s},
              {u"num_ord"_s, u"9"_s},
              {u"fec_pago"_s, u"12/06/2006"_s},
              {u"mto_sal"_s, u"100"_s},
              {u"mto_otr"_s, u"50.5"_s}});
    EXPECT_EQ(e->value(u"mto_trib"_s), u"150.50"_s);
    // A credit-application form may carry no payment, but not an empty one.
    env.sink.clear();
    EXPECT_FALSE(e->accept());
    EXPECT_EQ(messages(), QStringList{u"Debe registrar el Pago sin Intereses"_s});
    fill(*e, {{u"mto_sin_int"_s, u"0"_s}, {u"mto_int"_s, u"2"_s}});
    EXPECT_EQ(e->value(u"mto_tot_pag"_s), u"152.50"_s);
    ASSERT_TRUE(e->accept()) << messages().join(u'|').toStdString();

    // Any other form clears and closes the credits: the total is then the payment.
    fill(*e, {{u"per_tri"_s, u"200605"_s}, {u"num_for"_s, u"0651"_s}, {u"mto_sal"_s, u"7"_s}});
    fill(*e, {{u"num_for"_s, u"1662"_s}});
    EXPECT_TRUE(e->value(u"mto_sal"_s).isEmpty());
    EXPECT_FALSE(e->setValue(u"mto_sal"_s, u"7"_s));
    fill(*e, {{u"num_ord"_s, u"10"_s}, {u"fec_pago"_s, u"12/06/2006"_s}, {u"mto_sin_int"_s, u"300"_s}});
    EXPECT_EQ(e->value(u"mto_trib"_s), u"300.00"_s);
    ASSERT_TRUE(e->accept());
    EXPECT_TRUE(PagCtaEntry::isCreditApplication(u"652"_s));
    EXPECT_EQ(r->totalText(), u"451"_s);
    ASSERT_TRUE(r->leave());
    EXPECT_EQ(declaration.text(127), u"451"_s);
}

TEST_F(RegisterTest, ATotalTooLargeForTheBoxIsRefusedAndTheBoxKept) {
    declaration.setText(529, u"7"_s);
    for (int i = 1; i <= 2; ++i) {
        ASSERT_TRUE(
            env.db().execute(u"INSERT INTO TMP_F0480PAGOS (casilla, per_tri, num_for, num_ord, mto_trib) "
                             "VALUES ('529', '200601', '1662', ?, '9999999999999.00')"_s,
                             {QString::number(i)}));
    }
    auto r = open(529);
    EXPECT_FALSE(r->leave());
    EXPECT_TRUE(env.sink.contains(u"El total es demasiado grande. Debe modificar alguno de los montos. "_s));
    EXPECT_EQ(declaration.text(529), u"7"_s);
}

TEST_F(RegisterTest, DeletingARowTouchesOnlyItsBoxAndImportedRowsGoLikeAnyOther) {
    // The same period, form and order on both boxes, one of them loaded from the authority's package.
    for (const char16_t* box : {u"133", u"529"}) {
        ASSERT_TRUE(env.db().execute(
            u"INSERT INTO TMP_F0480PAGOS (casilla, per_tri, num_for, num_ord, mto_trib, ind_importa) "
            "VALUES (?, '200601', '1662', '1', '10.00', '1')"_s,
            {QString::fromUtf16(box)}));
    }
    auto r529 = open(529);
    env.sink.setNextAnswer(MsgAnswer::No);
    EXPECT_FALSE(r529->Eliminar_ITF(0));  // No keeps it
    EXPECT_EQ(r529->count(), 1);
    env.sink.setNextAnswer(MsgAnswer::Yes);
    ASSERT_TRUE(r529->Eliminar_ITF(0));
    EXPECT_EQ(env.sink.messages().last().text,
              u"¿Esta seguro de Eliminar?. Esta información no podrá ser recuperada"_s);
    EXPECT_EQ(r529->count(), 0);
    EXPECT_FALSE(r529->Eliminar_ITF(0));
    EXPECT_EQ(env.sink.texts().last(), u"No existen registros para eliminar"_s);
    EXPECT_FALSE(r529->canModify());
    EXPECT_EQ(open(133)->count(), 1);
}

TEST_F(RegisterTest, PaymentsOnAccountSayWhichAmountIsWrongInTheirOwnWords) {
    const auto r = open(127);
    auto e = r->newEntry();
    const auto refusal = [&] {
        env.sink.clear();
        EXPECT_FALSE(e->accept());
        return messages().join(u'|');
    };
    fill(*e, {{u"per_tri"_s, u"200613"_s}});
    EXPECT_EQ(refusal(), u"¡El Período tributario no es Válido!"_s);  // no trailing blank here
    fill(*e, {{u"per_tri"_s, u"200612"_s},
              {u"num_for"_s, u"1662"_s},
              {u"num_ord"_s, u"4"_s},
              {u"fec_pago"_s, u"10/01/2007"_s},
              {u"mto_sin_int"_s, u"0"_s}});
    EXPECT_EQ(refusal(), u"Debe registrar el Pago sin Intereses"_s);  // 0 is no payment on this form
    fill(*e, {{u"mto_sin_int"_s, u"10"_s}, {u"mto_int"_s, u"1.234"_s}});
    EXPECT_EQ(refusal(), u"El Intereses: no es válido"_s);
    EXPECT_EQ(e->failedColumn(), u"mto_int"_s);
}

}  // namespace
}  // namespace zem
