#include <gtest/gtest.h>

#include <QFile>

#include "declaration/Declaration.h"
#include "declaration/FormCaption.h"
#include "declaration/Rules.h"
#include "declaration/Validation.h"
#include "startup/Cp1252.h"
#include "support/TestEnv.h"

using namespace zem;
using namespace Qt::StringLiterals;

namespace {

const QString kRuc = u"10401234565"_s;
const QString kOtherRuc = u"20100070970"_s;
const QString kNoInconsistency = u"La información de la declaración no presenta inconsistencias."_s;

// A consistent declaration: fourth-category income of 50,000 (tax 2,430), paid in cash in full.
class ValidationTest : public ::testing::Test {
protected:
    ValidationTest() {
        d.setRuc(kRuc);
        d.setEntryMode(2);
        d.setOption(OptionGroup::optInmueble, u"2"_s);
        d.setOption(OptionGroup::optPor, u"1"_s);
        d.setOption(OptionGroup::optSom, u"0"_s);
        d.setOption(OptionGroup::OptRectifica, u"0"_s);
        d.setOption(OptionGroup::OptElabora, u"1"_s);
        d.setOption(OptionGroup::optExonera, u"0"_s);
        d.setOption(OptionGroup::optInafecta, u"0"_s);
        d.setText(301, u"06"_s);
        d.setText(302, kRuc);
        d.setText(25, u"01"_s);
        d.setText(107, u"50000"_s);
        d.setText(180, u"2,430"_s);
        d.setPaymentType(u"E"_s);
        QFile::remove(validation.messageFilePath());
    }

    QStringList messageFileLines() const {
        QFile file(validation.messageFilePath());
        if (!file.open(QIODevice::ReadOnly))
            return {};
        const QByteArray bytes = file.readAll();
        EXPECT_FALSE(bytes.isEmpty() || !bytes.endsWith("\r\n")) << bytes.constData();
        return cp1252::decode(bytes).split(u"\r\n"_s, Qt::SkipEmptyParts);
    }

    test::TestEnv env;
    Declaration d;
    Rules rules{d, u"3400"_s};
    Validation validation{env.session, d, rules};
};

TEST_F(ValidationTest, ConsistentDeclarationPassesBothModes) {
    ASSERT_EQ(d.text(146), u"2,430"_s);
    EXPECT_TRUE(validation.ValidaTodo(u"2"_s));
    EXPECT_FALSE(QFile::exists(validation.messageFilePath()));
    EXPECT_TRUE(env.sink.messages().isEmpty());

    EXPECT_TRUE(validation.ValidaTodo(u"0"_s));
    EXPECT_TRUE(env.sink.contains(kNoInconsistency));
    EXPECT_EQ(env.sink.messages().last().title, QString::fromUtf16(kFormCaption));
    EXPECT_TRUE(QFile::exists(validation.messageFilePath()));
    EXPECT_FALSE(validation.inconsistent());
}

TEST_F(ValidationTest, CollectingModeWritesEveryFailureInOrderAndSilentModeStopsAtTheFirst) {
    d.setText(25, {});
    d.setText(180, {});
    d.setPaymentType(u"C"_s);
    d.setPaymentBank(u"XX"_s);
    d.setPaymentAmount(u"0"_s);
    d.setPaymentCheque(u"000"_s);
    QString shown;
    validation.setReportViewer([&](const QString& path) { shown = path; });

    EXPECT_FALSE(validation.ValidaTodo(u"2"_s));
    EXPECT_TRUE(validation.inconsistent());
    EXPECT_FALSE(QFile::exists(validation.messageFilePath()));
    EXPECT_TRUE(shown.isEmpty());

    EXPECT_FALSE(validation.ValidaTodo(u"1"_s));
    const QStringList expected = {
        u"Ingrese la ocupación del declarante ( dato ubicado en el rubro Identificación )"_s,
        u"Ingrese el importe a pagar ( casilla ubicada en el rubro Determinación de la deuda ) "_s,
        u"Ingrese el banco( dato ubicado en el rubro Determinación de la deuda )"_s,
        u"No puede girar un cheque con monto cero( dato ubicado en el rubro Determinación de la deuda )"_s,
        u"El número de cheque no puede ser cero( dato ubicado en el rubro Determinación de la deuda )"_s,
    };
    EXPECT_EQ(validation.findings(), expected);
    EXPECT_EQ(messageFileLines(), expected);
    EXPECT_EQ(shown, validation.messageFilePath());
    EXPECT_FALSE(env.sink.contains(kNoInconsistency));

    // Paid in cash, a zero amount is no fault.
    d.setPaymentType(u"E"_s);
    d.setText(25, u"01"_s);
    d.setText(180, u"0"_s);
    EXPECT_TRUE(validation.ValidaTodo(u"1"_s));
    EXPECT_TRUE(validation.findings().isEmpty());
    EXPECT_TRUE(env.sink.contains(u"KELOR generará una orden de pago por impuesto a la renta \n"_s));
}

TEST_F(ValidationTest, AdviceOnTheAmountAndTheSpouseAgeAreNoInconsistencies) {
    d.setText(180, u"3,000"_s);
    d.setOption(OptionGroup::optPor, u"2"_s);
    d.setText(814, u"PEREZ"_s);
    d.setText(890, u"ANA"_s);
    d.setText(235, u"06"_s);
    d.setText(236, kOtherRuc);
    d.setText(234, u"01/01/2010"_s);  // later than today
    EXPECT_TRUE(validation.ValidaTodo(u"0"_s));
    EXPECT_TRUE(env.sink.contains(u"El importe a pagar por impuesto a la renta  tiene un exceso\n"_s));
    EXPECT_TRUE(env.sink.contains(u"Verifique la fecha de nacimiento de su cónyuge"_s));
    EXPECT_TRUE(env.sink.contains(kNoInconsistency));

    d.setText(236, kRuc);
    d.setText(234, u"31/02/1970"_s);
    EXPECT_FALSE(validation.ValidaTodo(u"0"_s));
    const QString spouse =
        u" ( casilla ubicada en el rubro Información Complementaria  - Datos del Representante legal / Cónyuge...)"_s;
    EXPECT_EQ(validation.findings(),
              QStringList({u"El número de RUC del cónyuge no puede ser igual al del declarante"_s + spouse,
                           u"La fecha de nacimiento del Cónyuge no es valida"_s + spouse}));
}

TEST_F(ValidationTest, LimitsOfTheDeductionsAndCreditsFallOnTheirEdges) {
    // 107 = 50,000: 113 = 528 = 515 = 16,200 and 511 = 23,800.
    const QString income =
        u" ( casilla ubicada en el rubro Determinación de la Renta imponible - Renta Imponible ) "_s;
    const auto findings = [this] {
        validation.ValidaTodo(u"0"_s);
        return validation.findings();
    };

    // The financial-transactions tax up to the net global income; with fifth-category income beyond its
    // deduction, up to the Peruvian income without it (503 + 506 + 509 = 40,000).
    d.setText(522, u"16200"_s);
    EXPECT_TRUE(findings().isEmpty());
    d.setText(522, u"16201"_s);
    EXPECT_EQ(findings(),
              QStringList{u"El valor ingresado en la casilla 522(ITF) no puede ser mayor a la Renta "
                          "Neta Global (Casilla 113) : 16,200"_s +
                          income});
    // Fifth-category income equal to its deduction is not beyond it: 113 = 40,000 is still the limit.
    d.setText(111, u"23800"_s);
    d.setText(522, u"40001"_s);
    EXPECT_EQ(findings(),
              QStringList{u"El valor ingresado en la casilla 522(ITF) no puede ser mayor a la Renta "
                          "Neta Global (Casilla 113) : 40,000"_s +
                          income});
    d.setText(111, u"30000"_s);
    d.setText(106, u"1000"_s);  // 506 = 900
    d.setText(522, u"50000"_s);
    EXPECT_EQ(
        findings(),
        QStringList{u"El valor ingresado en la casilla 522(ITF) no puede ser mayor a la Renta Neta Global de "
                    "Fte. Peruana excluyendo la Rta. de 5ta. Categoría : 40,900"_s +
                    income});
    for (int box : {111, 106, 522})
        d.setText(box, {});

    // The Amazonía deduction up to 20 % and the donations up to 10 % of 528; a fractional limit is stated
    // with its decimals, not rounded up to an amount that fails too.
    d.setText(116, u"3"_s);  // 528 = 16,203
    d.setText(117, u"3240"_s);
    EXPECT_TRUE(findings().isEmpty());
    d.setText(117, u"3241"_s);
    EXPECT_EQ(findings(),
              QStringList{u"El valor ingresado en la casilla 117 no puede ser mayor al 20% del valor "
                          "consignado en la casilla 528 : 3,240.6"_s +
                          income});
    d.setText(117, {});
    d.setText(519, u"1473"_s);  // 528 = 14,730
    EXPECT_TRUE(findings().isEmpty());
    d.setText(519, u"1474"_s);  // 528 = 14,729
    EXPECT_EQ(findings(),
              QStringList{u"El valor ingresado en la casilla 519 no puede ser mayor al 10% del valor "
                          "consignado en la casilla 528 --> 1,472.9"_s +
                          income});
    d.setText(519, {});

    // The foreign-tax credit up to the tax's share of the foreign income: 2,580 x 1,000 / 40,000 = 64.5,
    // which the limit rounds to 65.
    d.setText(116, u"1000"_s);
    d.setText(122, u"65"_s);
    EXPECT_TRUE(findings().isEmpty());
    d.setText(122, u"66"_s);
    EXPECT_EQ(
        findings(),
        QStringList{u"El valor de la casilla 122 no puede ser mayor a S/.65 ( casilla ubicada en el rubro "
                    "Determinación de la deuda ) "_s});
    // Without foreign income there is no credit for its tax.
    d.setText(116, {});
    EXPECT_EQ(findings(),
              QStringList{u"Si ha ingresado crédito por fuente extranjera debe ingresar un valor en "
                          "la casilla 116 ( casilla ubicada en el rubro Determinación de la deuda ) "_s});
    d.setText(122, {});
}

TEST_F(ValidationTest, RegistersAndSectionsNeedTheirData) {
    d.setText(100, u"12000"_s);
    d.setOption(OptionGroup::optCondomino, u"1"_s);
    d.setOption(OptionGroup::optInmueble, u"1"_s);
    d.setText(819, u"INMOBILIARIA SAC"_s);
    d.setText(204, u"06"_s);
    d.setText(208, u"20100070971"_s);  // wrong check digit
    d.setText(212, u"0"_s);
    d.setText(820, u"OTRO"_s);  // a second lessor line begun
    d.setOption(OptionGroup::OptExtranjero, u"1"_s);
    d.setText(180, u"3,870"_s);
    EXPECT_FALSE(validation.ValidaTodo(u"0"_s));
    const QString rentals =
        u" (casilla ubicada en el rubro Información Complementaria  - Detalle de alquileres pagados..)"_s;
    const QStringList expected = {
        u"Debe indicar los condóminos ( dato ubicado en el rubro Información Adicional  - Condóminos)"_s,
        u"El número de RUC de la casilla 208  no es válido"_s + rentals,
        u"El Monto anual del alquiler de la casilla 212 debe ser mayor a cero"_s + rentals,
        u"Ingrese el tipo de documento casilla 205"_s + rentals,
        u"Ingrese el número de documento casilla 209"_s + rentals,
        u"Ingrese el monto anual del alquiler casilla 213"_s + rentals,
        u"Debe registrar información en el rubro de Inversión en el extranjero - (Información Adicional - "
        u"Inversión - "
        "Extranjero )"_s,
    };
    EXPECT_EQ(validation.findings(), expected);

    env.db().execute(u"INSERT INTO TMP_F0480CONDOMI (tip_doc_con, num_ruc) VALUES ('06', ?)"_s, {kOtherRuc});
    env.db().execute(u"INSERT INTO TMP_F0476EXTRA (des_emp_ext, mto_saldo) VALUES ('ACME', '10')"_s);
    d.setText(208, kOtherRuc);
    d.setText(212, u"6000"_s);
    d.setText(820, {});
    EXPECT_TRUE(validation.ValidaTodo(u"0"_s)) << validation.findings().join(u'\n').toStdString();
}

TEST_F(ValidationTest, IdentificationStopsAtTheFirstFaultAndNamesTheField) {
    d.setText(28, u"12345"_s);
    EXPECT_FALSE(validation.ValIdent(u"1"_s));
    EXPECT_EQ(validation.failedField(), IdentField::Telephone);
    EXPECT_EQ(env.sink.texts(), QStringList{u"Ingrese correctamente el teléfono"_s});

    // The collecting mode ends with the identification fault: no findings, no final message.
    EXPECT_FALSE(validation.ValidaTodo(u"0"_s));
    EXPECT_TRUE(validation.findings().isEmpty());
    EXPECT_FALSE(env.sink.contains(kNoInconsistency));

    struct Phone {
        const char16_t* number;
        bool ok;
    };
    for (const Phone& p : {Phone{u"12345678", false}, Phone{u"912345", false}, Phone{u"91234567", true},
                           Phone{u"4123456", true}, Phone{u"", true}}) {
        d.setText(28, QString::fromUtf16(p.number));
        EXPECT_EQ(validation.ValIdent(u"1"_s), p.ok) << QString::fromUtf16(p.number).toStdString();
    }

    d.setOption(OptionGroup::optSom, u"1"_s);
    EXPECT_FALSE(validation.ValIdent(u"1"_s));
    EXPECT_EQ(validation.failedField(), IdentField::PersonalisedFile);
    env.db().execute(u"INSERT INTO tmp_f0480importa VALUES (6, ?, '2006', '0482')"_s, {kRuc});
    EXPECT_TRUE(validation.ValIdent(u"1"_s));
    EXPECT_EQ(validation.failedField(), IdentField::None);

    // A new declaration for a taxpayer who already has one.
    d.setEntryMode(1);
    env.db().execute(
        u"INSERT INTO cab (tip_doc_d, doc_id_d, periodo, formulario, semana) VALUES (6, ?, '2006', '0482', 0)"_s,
        {kRuc});
    EXPECT_FALSE(validation.ValIdent2(u"1"_s));
    EXPECT_EQ(validation.failedField(), IdentField::Declarant);
    d.setOption(OptionGroup::optPor, {});
    d.setEntryMode(2);
    EXPECT_FALSE(validation.ValIdent(u"1"_s));
    EXPECT_EQ(validation.failedField(), IdentField::DeclarationType);
}

}  // namespace
