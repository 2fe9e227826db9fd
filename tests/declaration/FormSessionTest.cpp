#include <gtest/gtest.h>

#include "data/SeedCatalogue.h"
#include "declaration/FormSession.h"
#include "declaration/OrderNumber.h"
#include "declaration/Sending.h"
#include "support/Taxpayers.h"
#include "support/TestEnv.h"

namespace zem {
namespace {

using namespace Qt::StringLiterals;

const QString kRuc = u"10123456781"_s;

class FormSessionTest : public ::testing::Test {
protected:
    FormSessionTest() {
        EXPECT_TRUE(loadSeedCatalogue(env.db()));
        EXPECT_TRUE(test::addTaxpayer(
            env.db(),
            {.ruc = kRuc, .apellidoM = u"D'ONOFRIO"_s, .nombre2 = u"MARIA"_s, .nombre = u"PEREZ ANA"_s}));
    }

    void exec(const QString& sql, const QVariantList& params = {}) {
        ASSERT_TRUE(env.db().execute(sql, params));
    }
    int count(const QString& table) { return env.db().scalar(u"SELECT count(*) FROM "_s + table).toInt(); }

    // A new declaration with its identification answered.
    void startIdentified(FormSession& form) {
        ASSERT_TRUE(form.open(OpenRequest::newDeclaration()));
        form.chooseTaxpayer(kRuc + u"   PEREZ ANA"_s);
        Declaration& d = form.declaration();
        d.setOption(OptionGroup::optPor, u"1"_s);
        d.setOption(OptionGroup::optSom, u"0"_s);
        d.setOption(OptionGroup::OptRectifica, u"0"_s);
    }

    test::TestEnv env;
};

TEST_F(FormSessionTest, NewDeclarationOpensWithItsSectionsClosedAndLeavesIdentificationOnlyWhenAnswered) {
    FormSession form(env.session);
    ASSERT_TRUE(form.open(OpenRequest::newDeclaration()));
    Declaration& d = form.declaration();
    EXPECT_TRUE(form.isNew());
    EXPECT_FALSE(d.isModified());
    EXPECT_EQ(form.caption507(),
              u"Deducción (20% del monto consignado en la casilla 107 - Máximo S/ 81,600)"_s);
    for (int box : {114, 140, 145, 200, 201, 819, 208, 215, 229, 840, 811})
        EXPECT_FALSE(d.isEnabled(box)) << box;
    for (int box : {501, 515, 146, 801, 557})
        EXPECT_TRUE(d.isLocked(box) && d.isEnabled(box)) << box;

    // The rules run with the year's tax unit: 100 opens box 114.
    d.setText(100, u"10000"_s);
    EXPECT_EQ(d.text(501), u"10,000"_s);
    EXPECT_TRUE(d.isEnabled(114));

    EXPECT_FALSE(form.leaveIdentification());
    EXPECT_EQ(form.validation().failedField(), IdentField::Declarant);
    form.chooseTaxpayer(kRuc + u"   PEREZ ANA"_s);
    EXPECT_EQ(d.text(802), u"D'ONOFRIO"_s);
    EXPECT_FALSE(form.leaveIdentification());
    EXPECT_EQ(form.validation().failedField(), IdentField::DeclarationType);
    d.setOption(OptionGroup::optPor, u"1"_s);
    d.setOption(OptionGroup::optSom, u"0"_s);
    d.setOption(OptionGroup::OptRectifica, u"0"_s);
    EXPECT_TRUE(form.leaveIdentification());
    EXPECT_TRUE(form.taxpayerLocked());
    form.chooseTaxpayer(u"20100123453"_s);
    EXPECT_EQ(d.ruc(), kRuc);
}

TEST_F(FormSessionTest, WithoutTheYearsTaxUnitTheWindowDoesNotOpen) {
    exec(u"DELETE FROM param WHERE numero = '404'"_s);
    FormSession form(env.session);
    EXPECT_FALSE(form.open(OpenRequest::newDeclaration()));
    EXPECT_EQ(
        env.sink.messages().last().text,
        u"El catálogo de parámetros no tiene la UIT del ejercicio 2006. Sin ella no se puede calcular la "
        "declaración."_s);
    EXPECT_EQ(count(u"cab"_s), 0);
}

TEST_F(FormSessionTest, SavedDeclarationSavesAgainAndReopensWithoutLosingStoredValues) {
    {
        FormSession form(env.session);
        startIdentified(form);
        Declaration& d = form.declaration();
        d.setText(107, u"50000"_s);
        form.rules().leaveBox(107);  // opens the fourth-category lines
        d.setText(215, u"10203040"_s);
        d.setText(107, QString());  // the lines stay as typed until the box is left again
        exec(u"INSERT INTO TMP_F0480CONDOMI (tip_doc_con, num_ruc) VALUES ('01', '40506070')"_s);
        ASSERT_TRUE(form.save());
        EXPECT_FALSE(form.isNew());
        d.setText(116, u"300"_s);
        ASSERT_TRUE(form.save()) << env.sink.texts().join(u'\n').toStdString();
    }
    DeclarationKey stored;
    stored.ruc = kRuc;
    FormSession form(env.session);
    ASSERT_TRUE(form.open(OpenRequest::existing(stored)));
    const Declaration& d = form.declaration();
    EXPECT_FALSE(form.isNew());
    EXPECT_EQ(d.text(116), u"300"_s);
    EXPECT_EQ(d.text(215), u"10203040"_s);
    EXPECT_FALSE(d.isEnabled(215));
    EXPECT_EQ(form.grids().countText(AnnexGridKind::CoOwners), u"1 Registro(s)"_s);
    EXPECT_FALSE(d.isModified());
}

TEST_F(FormSessionTest, ClosingAsksBeforeLosingChangesAndKeepsTheWindowOnCancel) {
    FormSession form(env.session);
    startIdentified(form);
    form.declaration().setModified(false);
    EXPECT_TRUE(form.closeRequested());
    EXPECT_TRUE(env.sink.messages().isEmpty());

    form.declaration().setText(116, u"300"_s);
    env.sink.setNextAnswer(MsgAnswer::Cancel);
    EXPECT_FALSE(form.closeRequested());
    env.sink.setNextAnswer(MsgAnswer::No);
    EXPECT_TRUE(form.closeRequested());
    EXPECT_EQ(count(u"cab"_s), 0);
    env.sink.setNextAnswer(MsgAnswer::Yes);
    EXPECT_TRUE(form.closeRequested());
    EXPECT_EQ(count(u"cab"_s), 1);
    EXPECT_EQ(env.sink.messages().first().text,
              u"¿El formulario ha sido modificado, desea guardar los cambios?"_s);

    // A grid changed by its entry window counts as a change; reading it again unchanged does not.
    form.declaration().setModified(false);
    form.gridEntryClosed(AnnexGridKind::Dividends);
    EXPECT_FALSE(form.declaration().isModified());
    exec(u"INSERT INTO TMP_F0476DIVID (num_ruc, mto_distribuido) VALUES ('20100123453', '700')"_s);
    form.gridEntryClosed(AnnexGridKind::Dividends);
    EXPECT_TRUE(form.declaration().isModified());
    EXPECT_EQ(form.declaration().text(118), u"700"_s);
}

TEST_F(FormSessionTest, PersonalisedFileOpensTheImportWithoutAskingForItButKeepsEveryOtherCheck) {
    FormSession form(env.session);
    startIdentified(form);
    form.declaration().setOption(OptionGroup::optSom, u"1"_s);
    int imports = 0;
    const auto startImport = [&imports] { ++imports; };
    EXPECT_FALSE(form.save());  // "&Grabar" still wants the file imported
    EXPECT_TRUE(
        env.sink.contains(u"Si indicó que utilizará la información proporcionada por KELOR debe importar "
                          "el archivo personalizado"_s));

    env.sink.clear();
    form.declaration().setText(28, u"123"_s);
    EXPECT_FALSE(form.personalisedFile(startImport));
    EXPECT_EQ(env.sink.texts(), QStringList{u"Ingrese correctamente el teléfono"_s});
    form.declaration().setText(28, QString());
    env.sink.clear();
    EXPECT_TRUE(form.personalisedFile(startImport));
    EXPECT_EQ(imports, 1);
    EXPECT_EQ(env.sink.messages().size(), 1);  // the save's own message
    EXPECT_EQ(count(u"cab"_s), 1);
}

TEST_F(FormSessionTest, SentDeclarationIsLockedAndItsOrderNumberIsCheckedBeforeClosing) {
    {
        FormSession form(env.session);
        startIdentified(form);
        Declaration& d = form.declaration();
        d.setOption(OptionGroup::optInmueble, u"2"_s);
        d.setOption(OptionGroup::OptElabora, u"1"_s);
        d.setOption(OptionGroup::optExonera, u"0"_s);
        d.setOption(OptionGroup::optInafecta, u"0"_s);
        d.setText(25, u"01"_s);
        d.setText(107, u"50000"_s);
        d.setText(180, u"0"_s);
        d.setPaymentType(u"E"_s);
        ASSERT_TRUE(form.save());
    }
    DeclarationKey key;
    key.ruc = kRuc;
    QString correl;
    ASSERT_TRUE(sendDeclaration(env.session, key, &correl)) << env.sink.texts().join(u'\n').toStdString();
    key.correl = correl;
    const QString control = env.db().scalar(u"SELECT control FROM hcab"_s).toString();

    FormSession form(env.session);
    ASSERT_TRUE(form.open(OpenRequest::sentCopy(key, control)));
    Declaration& d = form.declaration();
    EXPECT_TRUE(form.isSent());
    EXPECT_EQ(d.text(107), u"50,000"_s);
    for (int box : {107, 180, 302, 25})
        EXPECT_TRUE(!d.isEnabled(box) && d.isLocked(box)) << box;

    env.sink.clear();
    EXPECT_TRUE(form.closeRequested());  // nothing typed
    d.setOrderNumber(u"1234"_s);
    d.setOrderChanged(true);
    env.sink.setNextAnswer(MsgAnswer::Yes);
    EXPECT_FALSE(form.closeRequested());
    EXPECT_TRUE(env.sink.contains(u"El número de orden es incorrecto"_s));
    const QString right = orderVerificationDigits(control, u"12345678"_s);
    d.setOrderNumber(u"12345678"_s);
    d.setVerifyDigits(right == u"00"_s ? u"11"_s : u"00"_s);
    env.sink.setNextAnswer(MsgAnswer::Yes);
    EXPECT_FALSE(form.closeRequested());
    EXPECT_TRUE(env.sink.contains(u"Dígito verificador incorrecto"_s));
    d.setVerifyDigits(right);
    env.sink.setNextAnswer(MsgAnswer::Yes);
    EXPECT_TRUE(form.closeRequested());
    EXPECT_EQ(env.db().scalar(u"SELECT norden FROM hcab"_s).toString(), u"12345678"_s);
    env.sink.setNextAnswer(MsgAnswer::No);
    d.setOrderChanged(true);
    EXPECT_TRUE(form.closeRequested());
}

TEST_F(FormSessionTest, AnswersAskBeforeThrowingRegisteredInformationAway) {
    FormSession form(env.session);
    startIdentified(form);
    Declaration& d = form.declaration();
    FormOptions& options = form.options();

    // Co-ownership: No keeps the co-owners, Yes deletes them.
    ASSERT_TRUE(options.choose(OptionGroup::optCondomino, u"1"_s));
    for (const char16_t* n : {u"40506070", u"40506071", u"40506072"})
        exec(u"INSERT INTO TMP_F0480CONDOMI (tip_doc_con, num_ruc) VALUES ('01', ?)"_s,
             {QString::fromUtf16(n)});
    form.grids().Get_Condominos();
    env.sink.setNextAnswer(MsgAnswer::No);
    EXPECT_FALSE(options.choose(OptionGroup::optCondomino, u"0"_s));
    EXPECT_EQ(d.option(OptionGroup::optCondomino), u"1"_s);
    EXPECT_EQ(count(u"TMP_F0480CONDOMI"_s), 3);
    EXPECT_EQ(env.sink.messages().last().text,
              u"Ya ha registrado condóminos. Si cambia se borrará esta información. ¿Esta seguro?"_s);
    env.sink.setNextAnswer(MsgAnswer::Yes);
    EXPECT_TRUE(options.choose(OptionGroup::optCondomino, u"0"_s));
    EXPECT_EQ(count(u"TMP_F0480CONDOMI"_s), 0);
    EXPECT_EQ(form.grids().countText(AnnexGridKind::CoOwners), u"0 Registro(s)"_s);

    // Exempt income: the assistant's lines go with box 200.
    ASSERT_TRUE(options.choose(OptionGroup::optExonera, u"1"_s));
    EXPECT_TRUE(d.isEnabled(200));
    d.setText(535, u"1000"_s);
    EXPECT_EQ(d.text(200), u"1,000"_s);
    env.sink.setNextAnswer(MsgAnswer::No);
    EXPECT_FALSE(options.choose(OptionGroup::optExonera, u"0"_s));
    EXPECT_EQ(d.text(535), u"1000"_s);
    env.sink.setNextAnswer(MsgAnswer::Yes);
    EXPECT_TRUE(options.choose(OptionGroup::optExonera, u"0"_s));
    EXPECT_TRUE(d.text(535).isEmpty() && d.text(200).isEmpty());
    EXPECT_FALSE(d.isEnabled(200));

    // Trusts: both registers of trusts are emptied, so the answer stays No when the declaration reopens.
    ASSERT_TRUE(options.choose(OptionGroup::OptFideicomiso, u"1"_s));
    exec(
        u"INSERT INTO TMP_F0480FIDEI (tip_doc_fiduciario, num_doc_fiduciario, mto_saldo) VALUES ('6', "
        "'20100123453', '10.50')"_s);
    exec(u"INSERT INTO TMP_F0476FIDEI (tip_doc_fde) VALUES ('6')"_s);
    form.grids().Get_Fideicomiso();
    EXPECT_EQ(form.grids().totalText(AnnexGridKind::Trusts), u"10.50"_s);
    env.sink.setNextAnswer(MsgAnswer::Yes);
    EXPECT_TRUE(options.choose(OptionGroup::OptFideicomiso, u"0"_s));
    EXPECT_EQ(count(u"TMP_F0480FIDEI"_s) + count(u"TMP_F0476FIDEI"_s), 0);

    // The declarant's own data fill the representative's frame, which closes.
    EXPECT_TRUE(options.choose(OptionGroup::OptElabora, u"1"_s));
    EXPECT_EQ(d.text(812), u"D'ONOFRIO"_s);
    EXPECT_EQ(d.text(301), u"06"_s);
    EXPECT_EQ(d.text(302), kRuc);
    EXPECT_FALSE(d.isEnabled(811));
    EXPECT_TRUE(options.choose(OptionGroup::OptElabora, u"2"_s));
    EXPECT_TRUE(d.isEnabled(811) && d.text(811).isEmpty() && d.text(302).isEmpty());
}

TEST_F(FormSessionTest, GridsCountTotalAndDeleteOnlyTheChosenRowAfterConfirming) {
    FormSession form(env.session);
    startIdentified(form);
    AnnexGrids& grids = form.grids();
    Declaration& d = form.declaration();

    EXPECT_FALSE(grids.canModify(AnnexGridKind::Dividends));
    EXPECT_FALSE(grids.Eliminar_Dividendos(0));
    EXPECT_TRUE(env.sink.contains(u"No existen registros para eliminar"_s));

    exec(
        u"INSERT INTO TMP_F0476DIVID (num_ruc, des_entpagadora, fec_retenida, mto_distribuido, mto_retenido) "
        "VALUES ('20100123453', 'A', '10/05/2006', '1000', '41'), ('20100123453', 'A', '11/05/2006', '500', "
        "'20.5')"_s);
    grids.Get_Dividendos();
    EXPECT_EQ(grids.countText(AnnexGridKind::Dividends), u"Cantidad de Retenciones: 2"_s);
    EXPECT_EQ(grids.totalText(AnnexGridKind::Dividends), u"1,500"_s);
    EXPECT_EQ(grids.withheldText(), u"62"_s);
    EXPECT_EQ(d.text(118), u"1,500"_s);
    EXPECT_EQ(d.text(518), u"1,500"_s);  // the chain follows box 118

    env.sink.setNextAnswer(MsgAnswer::No);
    EXPECT_FALSE(grids.Eliminar_Dividendos(1));
    env.sink.setNextAnswer(MsgAnswer::Yes);
    EXPECT_TRUE(grids.Eliminar_Dividendos(1));
    EXPECT_EQ(grids.grid(AnnexGridKind::Dividends).value(0, u"fec_retenida"_s), u"10/05/2006"_s);
    EXPECT_EQ(d.text(118), u"1,000"_s);

    // Co-owners: a row must be chosen, and at most 50 may be added.
    exec(u"INSERT INTO TMP_F0480CONDOMI (tip_doc_con, num_ruc) VALUES ('6', '20100123453')"_s);
    grids.Get_Condominos();
    EXPECT_EQ(
        grids.grid(AnnexGridKind::CoOwners).data(grids.grid(AnnexGridKind::CoOwners).index(0, 0)).toString(),
        u"06 - RUC"_s);
    EXPECT_FALSE(grids.Eliminar_Condomino(-1));
    EXPECT_TRUE(env.sink.contains(u"Tiene que Seleccionar un registro"_s));
    for (int i = 1; i < AnnexGrids::kMaxCoOwners; ++i)
        exec(u"INSERT INTO TMP_F0480CONDOMI (tip_doc_con, num_ruc) VALUES ('1', ?)"_s, {QString::number(i)});
    EXPECT_FALSE(grids.canAddCoOwner());
    EXPECT_TRUE(env.sink.contains(u"¡No puede ingresar más condóminos!"_s));

    // Only a register's own table and column are summed.
    EXPECT_EQ(AnnexGrids::Suma_Retencion(env.db(), u"mto_distribuido"_s, u"F0476DIVIDEND"_s), u"0"_s);
    EXPECT_EQ(AnnexGrids::Suma_Retencion(env.db(), u"mto_retenido"_s, u"TMP_F0476DIVID"_s), u"41"_s);
    EXPECT_EQ(AnnexGrids::Suma_Retencion(env.db(), u"1) FROM cab; --"_s, u"TMP_F0476DIVID"_s), u"0"_s);
    exec(u"INSERT INTO TMP_F0480PAGOS (casilla, mto_trib) VALUES ('133', '10'), ('529', '5')"_s);
    EXPECT_EQ(AnnexGrids::Suma_Retencion(env.db(), u"mto_trib"_s, u"TMP_F0480PAGOS"_s, u"529"_s), u"5"_s);
}

}  // namespace
}  // namespace zem
