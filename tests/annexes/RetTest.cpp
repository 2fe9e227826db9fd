#include <gtest/gtest.h>

#include "annexes/AnnexEntry.h"
#include "annexes/Dividendos.h"
#include "annexes/Registers.h"
#include "annexes/Ret.h"
#include "annexes/RetCab.h"
#include "data/Format.h"
#include "data/SeedCatalogue.h"
#include "declaration/FormSession.h"
#include "startup/Database.h"
#include "support/Refusal.h"
#include "support/TestEnv.h"

namespace zem {
namespace {

using namespace Qt::StringLiterals;
using Values = QList<QPair<QString, QString>>;

// A RUC with its check digit: ten digits, then 11 - (weighted sum mod 11), 10 giving 0 and 11 giving 1.
QString ruc(const QString& ten) {
    static const int weights[] = {5, 4, 3, 2, 7, 6, 5, 4, 3, 2};
    int sum = 0;
    for (int i = 0; i < 10; ++i)
        sum += ten[i].digitValue() * weights[i];
    const int digit = (11 - sum % 11) % 10;
    return ten + QString::number(digit);
}

class RetTest : public ::testing::Test {
protected:
    // A new declaration open, as the window opens it, for the declarant.
    RetTest() : form(env.session), declaration(form.declaration()) {
        EXPECT_TRUE(loadSeedCatalogue(env.db()));
        EXPECT_TRUE(form.open(OpenRequest::newDeclaration()));
        declaration.setRuc(ruc(u"1012345678"_s));
    }

    std::unique_ptr<RetRegister> open(int box) {
        auto r = openRegister(env.session, form.editor(), box);
        EXPECT_TRUE(r);
        return std::unique_ptr<RetRegister>(static_cast<RetRegister*>(r.release()));
    }

    static void fill(AnnexEntry& e, const Values& values) {
        for (const auto& [column, text] : values)
            EXPECT_TRUE(e.setValue(column, text)) << column.toStdString();
    }

    int rows(const QString& table) { return env.db().scalar(u"SELECT COUNT(*) FROM "_s + table).toInt(); }
    QString lastMessage() const { return env.sink.texts().value(env.sink.texts().size() - 1); }

    test::TestEnv env;
    FormSession form;
    Declaration& declaration;
};

TEST_F(RetTest, TheFiftyFirstDonationIsRefusedInTheListAndInTheEntry) {
    auto r = open(519);
    const QString entity = ruc(u"2010000000"_s);
    auto e = r->newEntry();
    fill(*e,
         {{u"num_doc_ret"_s, entity}, {u"des_razon"_s, u"HOGAR D'ONOFRIO"_s}, {u"mto_total"_s, u"100"_s}});
    // The donation must be dated in the year.
    fill(*e, {{u"fec_donacion"_s, u"31/12/2005"_s}});
    EXPECT_FALSE(e->accept());
    EXPECT_EQ(lastMessage(), u"La Fecha de donación no es válida"_s);
    const QDate first(2006, 1, 1);
    for (int i = 0; i < RetRegister::kMaxDonors; ++i) {
        fill(*e, {{u"num_doc_ret"_s, entity},
                  {u"des_razon"_s, u"HOGAR D'ONOFRIO"_s},
                  {u"fec_donacion"_s, first.addDays(i).toString(u"dd/MM/yyyy"_s)},
                  {u"mto_total"_s, u"100"_s}});
        ASSERT_TRUE(e->accept()) << lastMessage().toStdString();
    }
    EXPECT_EQ(r->count(), 50);
    EXPECT_EQ(r->value(0, u"des_razon"_s), u"HOGAR D'ONOFRIO"_s);
    // The box follows every action of the list, not only leaving it.
    EXPECT_EQ(declaration.text(519), u"5,000"_s);

    env.sink.clear();
    EXPECT_FALSE(r->canAdd());
    EXPECT_EQ(env.sink.texts(), QStringList{u"Sólo se permite registrar hasta 50 donantes"_s});
    fill(*e, {{u"num_doc_ret"_s, entity},
              {u"des_razon"_s, u"OTRA"_s},
              {u"fec_donacion"_s, u"01/12/2006"_s},
              {u"mto_total"_s, u"1"_s}});
    EXPECT_FALSE(e->accept());
    EXPECT_EQ(lastMessage(), u"Sólo se permite registrar hasta 50 donantes"_s);
    EXPECT_EQ(r->count(), 50);

    // Deleting one makes room again.
    ASSERT_TRUE(r->remove(0));
    EXPECT_TRUE(r->canAdd());
    EXPECT_EQ(declaration.text(519), u"4,900"_s);
}

TEST_F(RetTest, APayerOfBox130IsDeletedWithItsMonthsAndTheBoxFollows) {
    auto r = open(130);
    auto h = r->newEntry();
    auto* header = dynamic_cast<RetCabEntry*>(h.get());
    ASSERT_TRUE(header);
    // Withholding agents are identified by their RUC only.
    EXPECT_EQ(header->choices(u"tip_doc_ret"_s), QStringList{u"06"_s});
    EXPECT_FALSE(header->isEditable(u"tip_doc_ret"_s));
    EXPECT_FALSE(header->newLine());  // the header is checked before any line
    EXPECT_EQ(lastMessage(), u"La longitud del RUC no es válida"_s);
    fill(*header, {{u"num_doc_ret"_s, declaration.ruc()}, {u"des_razon"_s, u"ESTUDIO SAC"_s}});
    EXPECT_FALSE(header->newLine());
    EXPECT_EQ(lastMessage(), u"El RUC es igual al del declarante"_s);
    fill(*header, {{u"num_doc_ret"_s, ruc(u"2050000000"_s)}});

    auto month = header->newLine();
    ASSERT_TRUE(month);
    fill(*month, {{u"per_tri"_s, u"200613"_s}, {u"mto_retenido"_s, u"100"_s}});
    EXPECT_FALSE(month->accept());
    EXPECT_EQ(lastMessage(), u"¡El Período tributario no es Válido! "_s);
    EXPECT_EQ(rows(u"TMP_F0482RETCAB"_s), 0);  // nothing stored by a refused line
    for (const QString& m : {u"01"_s, u"02"_s, u"03"_s}) {
        fill(*month, {{u"per_tri"_s, u"2006"_s + m}, {u"mto_retenido"_s, u"100.25"_s}});
        ASSERT_TRUE(month->accept()) << lastMessage().toStdString();
    }
    // The header was stored with its first line and its key is locked from then on.
    EXPECT_EQ(header->mode(), u"MODIFICA"_s);
    EXPECT_FALSE(header->isEditable(u"num_doc_ret"_s));
    EXPECT_EQ(header->lines().countText(), u"Cantidad de registros : 3"_s);
    ASSERT_TRUE(header->accept());
    EXPECT_EQ(r->countText(), u"Cantidad de registros: 1"_s);
    EXPECT_EQ(r->value(0, u"mto_total"_s), u"300.75"_s);
    EXPECT_EQ(r->totalText(), u"301"_s);
    EXPECT_EQ(declaration.text(130), u"301"_s);
    EXPECT_EQ(rows(u"TMP_F0480DETRTA"_s), 3);

    // The payer and its months go together or not at all: months that cannot be deleted keep the payer.
    ASSERT_TRUE(
        test::refuseWrites(env.db(), u"keep_months"_s, u"DELETE"_s, u"TMP_F0480DETRTA"_s, u"locked"_s));
    EXPECT_FALSE(r->remove(0));
    EXPECT_EQ(rows(u"TMP_F0482RETCAB"_s), 1);
    EXPECT_EQ(rows(u"TMP_F0480DETRTA"_s), 3);
    EXPECT_EQ(declaration.text(130), u"301"_s);
    ASSERT_TRUE(test::dropRefusal(env.db(), u"keep_months"_s, u"TMP_F0480DETRTA"_s));

    env.sink.setNextAnswer(MsgAnswer::Yes);
    ASSERT_TRUE(r->Eliminar_ITF(0));
    EXPECT_EQ(lastMessage(), u"¿Esta seguro de Eliminar?. Esta información no podrá ser recuperada. "_s);
    EXPECT_EQ(rows(u"TMP_F0482RETCAB"_s), 0);
    EXPECT_EQ(rows(u"TMP_F0480DETRTA"_s), 0);
    EXPECT_TRUE(declaration.text(130).isEmpty());
}

TEST_F(RetTest, PayersWithoutDocumentAreNumberedOnlyWhenStored) {
    auto r = open(108);
    auto addPayer = [&](const QString& surname) -> QString {
        auto h = r->newEntry();
        auto* header = dynamic_cast<RetCabEntry*>(h.get());
        fill(*header, {{u"tip_doc_ret"_s, u"99"_s}});
        EXPECT_FALSE(header->isEditable(u"num_doc_ret"_s));
        const QString number = header->value(u"num_doc_ret"_s);
        fill(*header, {{u"des_ape_pat"_s, surname}, {u"des_nombres"_s, u"ANA"_s}});
        // Accepting without lines is refused and takes no number.
        EXPECT_FALSE(header->accept());
        EXPECT_EQ(lastMessage(), u"Debe ingresar al menos un registro"_s);
        EXPECT_EQ(header->GeneraNumeroDeDocumento(), number);
        auto month = header->newLine();
        fill(*month, {{u"per_tri"_s, u"200605"_s}});
        EXPECT_FALSE(month->accept());  // no amount: refused, still no number taken
        EXPECT_EQ(lastMessage(), u"Debe registrar el Ingreso atribuido"_s);
        EXPECT_EQ(header->GeneraNumeroDeDocumento(), number);
        fill(*month, {{u"mto_retenido"_s, u"50"_s}});
        EXPECT_TRUE(month->accept());
        EXPECT_TRUE(header->accept());
        return number;
    };
    EXPECT_EQ(addPayer(u"PEREZ"_s), u"C0000001"_s);
    EXPECT_EQ(addPayer(u"QUISPE"_s), u"C0000002"_s);
    EXPECT_EQ(r->count(), 2);
    EXPECT_EQ(r->data(r->index(1, 1)).toString(), u"QUISPE  ANA"_s);
    // Type "00" cannot be entered here.
    auto h = r->newEntry();
    fill(*h, {{u"tip_doc_ret"_s, u"00"_s}});
    EXPECT_EQ(lastMessage(), u"No se permite registrar este tipo de documento de modo interactivo"_s);
    EXPECT_TRUE(h->value(u"tip_doc_ret"_s).isEmpty());
}

TEST_F(RetTest, ReceiptsOfBox107AreCheckedInOrderAndFilled) {
    auto r = open(107);
    auto h = r->newEntry();
    auto* header = dynamic_cast<RetCabEntry*>(h.get());
    // The number takes what its type allows: a passport letters up to 12, an identity card 8 digits.
    fill(*header, {{u"tip_doc_ret"_s, u"07"_s}});
    EXPECT_TRUE(header->setValue(u"num_doc_ret"_s, u"AB1234567890"_s));
    EXPECT_FALSE(header->setValue(u"num_doc_ret"_s, u"AB12345678901"_s));
    fill(*header, {{u"tip_doc_ret"_s, u"01"_s}});
    EXPECT_FALSE(header->setValue(u"num_doc_ret"_s, u"4455667A"_s));
    EXPECT_FALSE(header->setValue(u"num_doc_ret"_s, u"445566778"_s));
    fill(*header, {{u"num_doc_ret"_s, u"4455667"_s}});
    EXPECT_FALSE(header->newLine());
    EXPECT_EQ(lastMessage(), u"La longitud del documento  no es válida"_s);
    fill(*header, {{u"num_doc_ret"_s, u"44556677"_s}});
    EXPECT_FALSE(header->newLine());
    EXPECT_EQ(lastMessage(), u"Debe ingresar el apellido paterno o el apellido materno"_s);
    fill(*header, {{u"des_ape_mat"_s, u"ROJAS"_s}, {u"des_nombres"_s, u"LUIS"_s}});
    auto receipt = header->newLine();
    ASSERT_TRUE(receipt);
    EXPECT_TRUE(receipt->choices(u"tip_cp"_s).contains(u"02"_s));
    EXPECT_FALSE(receipt->choices(u"tip_cp"_s).contains(u"01"_s));  // invoices are not fourth-category

    // Enter in an empty series or number does not move on.
    EXPECT_FALSE(receipt->enterField(u"num_serie_cp"_s));
    EXPECT_EQ(lastMessage(), u"Debe ingresar el Número de Serie"_s);
    EXPECT_FALSE(receipt->enterField(u"num_cp"_s));
    EXPECT_EQ(lastMessage(), u"Debe ingresar el número del comprobante de pago"_s);
    // A credit note's income takes one integer digit fewer.
    fill(*receipt, {{u"tip_cp"_s, u"07"_s}});
    EXPECT_EQ(receipt->integerDigits(u"mto_imp_cp"_s), 11);
    fill(*receipt, {{u"tip_cp"_s, u"02"_s}});
    EXPECT_EQ(receipt->integerDigits(u"mto_imp_cp"_s), 12);
    fill(*receipt, {{u"tip_cp"_s, QString()}});

    fill(*receipt, {{u"per_tri"_s, u"200604"_s}, {u"num_serie_cp"_s, u"1A"_s}});
    EXPECT_FALSE(receipt->leaveField(u"num_serie_cp"_s));
    EXPECT_EQ(lastMessage(), u"La Serie contiene letra(s)"_s);
    fill(*receipt, {{u"num_serie_cp"_s, u"1"_s}, {u"num_cp"_s, u"345"_s}});
    EXPECT_TRUE(receipt->leaveField(u"num_serie_cp"_s));
    EXPECT_TRUE(receipt->leaveField(u"num_cp"_s));
    EXPECT_EQ(receipt->value(u"num_serie_cp"_s), u"0001"_s);
    EXPECT_EQ(receipt->value(u"num_cp"_s), u"00000345"_s);

    const QList<QPair<Values, QString>> refusals = {
        {{{u"per_tri"_s, u"200513"_s}}, u"¡El Período  no es Válido! "_s},
        {{{u"per_tri"_s, u"200604"_s}}, u"Elija el tipo del comprobante de pago"_s},
        {{{u"tip_cp"_s, u"02"_s}, {u"num_cp"_s, u"0"_s}},
         u"El número del  comprobante de pago no puede ser cero"_s},
        {{{u"num_cp"_s, u"345"_s}, {u"fec_emision_cp"_s, u"16/03/2007"_s}},
         u"La fecha es mayor a la fecha del sistema"_s},
        {{{u"fec_emision_cp"_s, u"31/04/2006"_s}}, u"La fecha no es válida"_s},
        {{{u"fec_emision_cp"_s, u"01/05/2006"_s}},
         u"La fecha del comprobante de pago no puede ser mayor al período tributario"_s},
        {{{u"fec_emision_cp"_s, u"30/04/2006"_s}}, u"Ingrese el valor total del comprobante de pago"_s},
        {{{u"mto_imp_cp"_s, u"0"_s}}, u"El valor total del comprobante de pago debe ser mayor a cero"_s},
    };
    for (const auto& [values, message] : refusals) {
        fill(*receipt, values);
        EXPECT_FALSE(receipt->accept());
        EXPECT_EQ(lastMessage(), message);
    }
    fill(*receipt, {{u"mto_imp_cp"_s, u"1500.50"_s}});
    ASSERT_TRUE(receipt->accept()) << lastMessage().toStdString();
    EXPECT_EQ(header->lines().value(0, u"num_cp"_s), u"00000345"_s);
    // The same receipt again.
    fill(*receipt, {{u"per_tri"_s, u"200604"_s},
                    {u"tip_cp"_s, u"02"_s},
                    {u"num_serie_cp"_s, u"0001"_s},
                    {u"num_cp"_s, u"00000345"_s},
                    {u"fec_emision_cp"_s, u"30/04/2006"_s},
                    {u"mto_imp_cp"_s, u"1"_s}});
    EXPECT_FALSE(receipt->accept());
    EXPECT_EQ(lastMessage(), u"Ya se ingresó este comprobante de pago"_s);
    // Leaving with that receipt typed asks first: Cancel stays, No drops it.
    env.sink.setNextAnswer(MsgAnswer::Cancel);
    EXPECT_FALSE(receipt->closeRequested());
    EXPECT_EQ(lastMessage(), u"¿La información ha sido modificada, desea guardar los cambios?"_s);
    env.sink.setNextAnswer(MsgAnswer::No);
    EXPECT_TRUE(receipt->closeRequested());
    ASSERT_TRUE(header->accept());
    EXPECT_EQ(declaration.text(107), u"1,501"_s);
    EXPECT_FALSE(declaration.text(507).isEmpty());  // the chain followed: the 20 % deduction

    // Leaving a payer whose lines were all deleted deletes it after asking.
    auto again = r->entryFor(0);
    auto* payer = dynamic_cast<RetCabEntry*>(again.get());
    env.sink.setNextAnswer(MsgAnswer::Yes);
    ASSERT_TRUE(payer->deleteLine(0));
    env.sink.setNextAnswer(MsgAnswer::Yes);
    EXPECT_TRUE(payer->leave());
    EXPECT_EQ(lastMessage(),
              u"No ha ingresado detalle de la casilla, Si sale se borrará este registro. ¿Esta seguro?"_s);
    EXPECT_EQ(r->count(), 0);
    EXPECT_TRUE(declaration.text(107).isEmpty());
}

TEST_F(RetTest, ItfShowsTheBankMovementAndDividendsNeedACompanyRuc) {
    auto itf = open(522);
    auto e = itf->newEntry();
    fill(*e, {{u"mto_total"_s, u"8.00"_s}});
    EXPECT_EQ(Val(e->value(u"movimiento"_s).remove(u',')), 10000);
    fill(*e, {{u"num_doc_ret"_s, ruc(u"2010055555"_s)}, {u"des_razon"_s, u"BANCO"_s}});
    ASSERT_TRUE(e->accept()) << lastMessage().toStdString();
    EXPECT_EQ(itf->data(itf->index(0, 3)).toString(), u"10,000.00"_s);
    EXPECT_EQ(itf->headerData(3, Qt::Horizontal).toString(), u"Movimiento al 31/12/2006"_s);
    EXPECT_EQ(declaration.text(522), u"8"_s);

    auto dividends = openRegister(env.session, form.editor(), 118);
    auto d = dividends->newEntry();
    fill(*d, {{u"num_ruc"_s, ruc(u"1010055555"_s)},
              {u"des_entpagadora"_s, u"MINERA"_s},
              {u"mto_distribuido"_s, u"1000"_s},
              {u"mto_retenido"_s, u"41"_s},
              {u"fec_retenida"_s, u"10/06/2006"_s}});
    EXPECT_FALSE(d->accept());
    EXPECT_EQ(lastMessage(), u"El número de RUC no aplica a la Distribución de dividendos"_s);
    fill(*d, {{u"num_ruc"_s, ruc(u"2010055555"_s)}, {u"fec_retenida"_s, u"10/06/2007"_s}});
    EXPECT_FALSE(d->accept());
    EXPECT_EQ(lastMessage(), u"La Fecha de Pago del Dividendo no es válida"_s);
    fill(*d, {{u"fec_retenida"_s, u"10/06/2006"_s}});
    ASSERT_TRUE(d->accept()) << lastMessage().toStdString();
    EXPECT_EQ(dividends->value(0, u"mto_distribuido"_s), u"1000"_s);
    EXPECT_EQ(declaration.text(118), u"1,000"_s);
    fill(*d, {{u"num_ruc"_s, ruc(u"2010055555"_s)},
              {u"des_entpagadora"_s, u"MINERA"_s},
              {u"mto_distribuido"_s, u"5"_s},
              {u"mto_retenido"_s, u"0"_s},
              {u"fec_retenida"_s, u"10/06/2006"_s}});
    EXPECT_FALSE(d->accept());
    EXPECT_EQ(lastMessage(), u"Datos ya fueron ingresados. "_s);
    // Closing with it typed asks; Yes tries to save it and stays when refused.
    env.sink.setNextAnswer(MsgAnswer::Yes);
    EXPECT_FALSE(d->closeRequested());
    EXPECT_TRUE(env.sink.contains(u"La información ha sido modificada. ¿Desea guardar los cambios?"_s));
}

}  // namespace
}  // namespace zem
