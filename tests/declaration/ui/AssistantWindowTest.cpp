#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTimer>

#include "data/ui/AmountField.h"
#include "declaration/BoxAssistant.h"
#include "declaration/Declaration.h"
#include "declaration/Rules.h"
#include "declaration/ui/Assistants.h"
#include "declaration/ui/BoxAssistantDialog.h"
#include "declaration/ui/ConsistencyReport.h"
#include "declaration/ui/FeederRegistry.h"
#include "declaration/ui/FormaDePagoZEM.h"
#include "startup/Cp1252.h"
#include "support/TestEnv.h"

using namespace zem;
using namespace Qt::StringLiterals;

namespace {

struct Fixture {
    test::TestEnv env;
    Declaration d;
    Rules rules{d, u"3400"_s};
    FeederContext context{nullptr, env.session, d, rules};

    QHash<int, QString> boxes() const {
        QHash<int, QString> all;
        for (int box : d.filledBoxes())
            all.insert(box, d.text(box));
        return all;
    }
};

// Runs the action on the modal window once it is shown.
void onModal(std::function<void(QWidget*)> action) {
    QTimer::singleShot(0, qApp, [action] { action(QApplication::activeModalWidget()); });
}

}  // namespace

TEST(AssistantWindow, CancelLeavesEveryBoxUnchanged) {
    Fixture f;
    FeederRegistry registry;
    registerAssistants(registry);
    for (int box : {530, 535, 550, 551, 555, 557, 563})
        f.d.setText(box, u"1,000"_s);
    f.d.setText(520, u"0"_s);
    const auto before = f.boxes();

    QStringList captions;
    for (int box : {200, 201, 115, 520, 125, 102}) {
        onModal([&captions](QWidget* window) {
            ASSERT_NE(window, nullptr);
            captions << window->windowTitle();
            QApplication::setActiveWindow(window);
            auto* first = window->findChild<AmountField*>(u"TxtMonto0"_s);
            EXPECT_TRUE(first->hasFocus());
            QTest::keyClicks(first, u"99"_s);
            QTest::mouseClick(window->findChild<QPushButton*>(u"cmdCancelar"_s), Qt::LeftButton);
        });
        EXPECT_TRUE(registry.openBox(f.context, box));
        EXPECT_EQ(f.boxes(), before) << box;
    }
    EXPECT_EQ(captions,
              QStringList({u"Casilla 200 - Rentas exoneradas"_s, u"Casilla 201 - Rentas Inafectas"_s,
                           u"Casilla 115 - Pérdidas de Ejercicios Anteriores"_s,
                           u"Cálculo de la ganancia de capital neta."_s, u"Detalle Casilla 125"_s,
                           u"Detalle Casilla 102"_s}));
}

TEST(AssistantWindow, TypingEnterAndTheLegalNormsLine) {
    Fixture f;
    BoxAssistant model(AssistantKind::Exoneradas, f.rules, f.env.sink);
    BoxAssistantDialog dialog(model, f.env.sink);
    dialog.show();
    QApplication::setActiveWindow(&dialog);

    QTest::keyClicks(dialog.field(0), u"15a00"_s);
    EXPECT_EQ(dialog.totalField()->text(), u"1,500"_s);
    QTest::keyClick(dialog.field(0), Qt::Key_Return);
    EXPECT_TRUE(dialog.field(1)->hasFocus());
    EXPECT_EQ(dialog.field(0)->text(), u"1,500"_s);

    // Without the register the line cannot be fed: the user is told and nothing changes.
    dialog.field(4)->setFocus();
    QTest::keyClick(dialog.field(4), Qt::Key_7);
    EXPECT_TRUE(f.env.sink.contains(u"El registro de normas legales aún no está disponible."_s));
    EXPECT_TRUE(dialog.field(4)->text().isEmpty());

    QList<int> opened;
    dialog.setRegisterOpener([&](int box) {
        opened << box;
        f.d.setText(box, u"700"_s);
        return true;
    });
    QTest::keyClick(dialog.field(4), Qt::Key_Return);
    EXPECT_EQ(opened, QList<int>{539});
    EXPECT_EQ(dialog.field(4)->text(), u"700"_s);
    EXPECT_EQ(dialog.totalField()->text(), u"2,200"_s);

    QTest::mouseClick(dialog.acceptButton(), Qt::LeftButton);
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(f.d.text(535), u"1,500"_s);
    EXPECT_EQ(f.d.text(200), u"2,200"_s);
}

TEST(AssistantWindow, RefusedTotalKeepsTheWindowOpen) {
    Fixture f;
    BoxAssistant model(AssistantKind::EjercicioAnt, f.rules, f.env.sink);
    BoxAssistantDialog dialog(model, f.env.sink);
    dialog.show();
    QTest::keyClicks(dialog.field(0), u"100"_s);
    QTest::keyClicks(dialog.field(1), u"120"_s);
    EXPECT_EQ(dialog.totalField()->text(), u"(20)"_s);
    QTest::mouseClick(dialog.acceptButton(), Qt::LeftButton);
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_TRUE(f.env.sink.contains(u"El monto total no puede ser menor a cero."_s));
    EXPECT_TRUE(f.d.filledBoxes().isEmpty());
}

TEST(PaymentComponent, FollowsTheDeclarationBothWays) {
    Fixture f;
    for (const auto& [code, name] : {std::pair{u"02"_s, u"BANCO DE CRÉDITO"_s}, {u"11"_s, u"BBVA"_s}})
        ASSERT_TRUE(f.env.db().execute(u"INSERT INTO param (numero, argumento, funcion) VALUES (?, ?, ?)"_s,
                                       {u"004"_s, code, name}));
    f.d.setPaymentType(u"C"_s);
    f.d.setPaymentBank(u"11"_s);
    f.d.setPaymentCheque(u"123"_s);
    FormaDePagoZEM payment(f.env.session);
    payment.bind(f.d);
    payment.show();
    auto* cash = payment.findChild<QRadioButton*>(u"OptEfectivo"_s);
    auto* cheque = payment.findChild<QRadioButton*>(u"OptCheque"_s);
    auto* banks = payment.findChild<QComboBox*>(u"CboBanco"_s);
    auto* number = payment.findChild<QLineEdit*>(u"TxtNumCheque"_s);
    EXPECT_TRUE(cheque->isChecked());
    EXPECT_TRUE(banks->currentText().startsWith(u"11"_s));
    EXPECT_EQ(number->text(), u"123"_s);

    // The model follows the user and is marked modified.
    f.d.setModified(false);
    QTest::keyClick(banks, Qt::Key_Up);
    EXPECT_EQ(f.d.paymentBank(), u"02"_s);
    QTest::keyClicks(number, u"4x5"_s);
    EXPECT_EQ(f.d.paymentCheque(), u"12345"_s);
    EXPECT_TRUE(f.d.isModified());
    QTest::mouseClick(cash, Qt::LeftButton);
    EXPECT_EQ(f.d.paymentType(), u"E"_s);
    EXPECT_FALSE(banks->isEnabled());
    EXPECT_FALSE(number->isEnabled());

    // The widget follows the model: box 180 gives the amount, a load the type.
    f.d.setText(180, u"2500"_s);
    EXPECT_EQ(payment.amount(), u"2,500"_s);
    f.d.setPaymentType(QString());
    EXPECT_FALSE(cash->isChecked() || cheque->isChecked());
    payment.setPaymentType(u"X"_s);
    EXPECT_EQ(f.d.paymentType(), QString());
}

TEST(ConsistencyReport, ShowsTheMessageFileReadOnly) {
    test::TestEnv env;
    QFile file(env.path(u"Mens.txt"_s));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(cp1252::encode(u"Ingrese la ocupación del declarante \r\nIngrese el importe a pagar\r\n"_s));
    file.close();
    const QString findings = readFindings(file.fileName());
    EXPECT_EQ(findings, u"Ingrese la ocupación del declarante \nIngrese el importe a pagar\n"_s);
    EXPECT_TRUE(readFindings(env.path(u"missing.txt"_s)).isEmpty());

    FrmConsist window(QString(), findings);
    EXPECT_EQ(window.windowTitle(), u"Inconsistencias detectadas"_s);
    EXPECT_TRUE(window.findingsView()->isReadOnly());
    EXPECT_EQ(window.findingsView()->toPlainText(), findings);
    EXPECT_FALSE(window.printButton()->isEnabled());
    window.show();
    QTest::mouseClick(window.closeButton(), Qt::LeftButton);
    EXPECT_FALSE(window.isVisible());
}
