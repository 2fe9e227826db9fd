#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStackedWidget>
#include <QTabWidget>
#include <QTableView>
#include <QTest>
#include <QTimer>

#include "annexes/AnnexEntry.h"
#include "annexes/AnnexRegister.h"
#include "annexes/Dividendos.h"
#include "annexes/Registers.h"
#include "annexes/RetCab.h"
#include "annexes/ui/AnnexWindows.h"
#include "annexes/ui/FrmCondominio.h"
#include "annexes/ui/RegisterEntryWindow.h"
#include "annexes/ui/RegisterListWindow.h"
#include "annexes/ui/RetCabWindow.h"
#include "data/SeedCatalogue.h"
#include "declaration/FormSession.h"
#include "declaration/ui/FeederRegistry.h"
#include "declaration/ui/Frm0478.h"
#include "support/Taxpayers.h"
#include "support/TestEnv.h"
#include "support/WindowSteps.h"

using namespace zem;
using namespace Qt::StringLiterals;

namespace {

using test::child;
using test::click;
using test::reveal;

const QString kRuc = u"10123456781"_s;

// Runs the steps on the next modal window of type T once it is shown (the caller then opens it).
template <typename T>
void whenShown(std::function<void(T&)> steps) {
    QTimer::singleShot(0, [steps] {
        auto* window = qobject_cast<T*>(QApplication::activeModalWidget());
        if (!window) {
            whenShown<T>(steps);
            return;
        }
        steps(*window);
    });
}

// One payment typed field by field as the user types it.
void typePayment(RegisterEntryWindow& d, const QString& month, const QString& order, const QString& amount) {
    auto* period = child<QLineEdit>(d, u"MkePeriodo"_s);
    period->setCursorPosition(0);
    QTest::keyClicks(period, month);
    auto* form = child<QComboBox>(d, u"CboFormulario"_s);
    form->setCurrentIndex(form->findText(u"1662"_s));
    QTest::keyClicks(child<QLineEdit>(d, u"txtOrden"_s), order);
    auto* date = child<QLineEdit>(d, u"MskFecPag"_s);
    date->setCursorPosition(0);
    QTest::keyClicks(date, u"15022006"_s);
    QTest::keyClicks(child<QLineEdit>(d, u"TxtMonto0"_s), amount);
}

// The rows of box 133 in the working table: period, payment and taxable income.
QList<QStringList> paymentRows(Session& session) {
    QList<QStringList> rows;
    QSqlQuery q = session.db().select(
        u"SELECT per_tri, mto_trib, mto_gravado FROM TMP_F0480PAGOS WHERE casilla = '133'"_s);
    while (q.next())
        rows << QStringList{q.value(u"per_tri"_s).toString(), q.value(u"mto_trib"_s).toString(),
                            q.value(u"mto_gravado"_s).toString()};
    return rows;
}

}  // namespace

TEST(RegisterWindows, PaymentsOfBox133EnteredFromTheDeclarationFeedItsBoxesAndSurviveASave) {
    test::TestEnv env;
    ASSERT_TRUE(loadSeedCatalogue(env.db()));
    test::addTaxpayer(env.db(), {.ruc = kRuc});
    FeederRegistry feeders;
    registerAnnexWindows(feeders);
    QList<QStringList> rows;
    {
        Frm0478 w(env.session, feeders, OpenRequest::newDeclaration());
        w.show();
        auto* ruc = child<QComboBox>(w, u"CmbRuc"_s);
        ruc->setCurrentIndex(ruc->findData(kRuc));
        Q_EMIT ruc->activated(ruc->currentIndex());
        for (const QString& option : {u"optPor0"_s, u"optSom1"_s, u"OptRectifica1"_s})
            QTest::mouseClick(reveal(child<QRadioButton>(w, option)), Qt::LeftButton);

        bool listSeen = false;
        whenShown<RegisterListWindow>([&](RegisterListWindow& list) {
            listSeen = true;
            EXPECT_EQ(list.windowTitle(),
                      u"Casilla 133 - Pagos Directos de Impto a la Rta de 1era Categoría"_s);
            EXPECT_EQ(list.objectName(), u"frmPagos"_s);  // the section of the help F1 opens
            whenShown<RegisterEntryWindow>([&](RegisterEntryWindow& d) {
                typePayment(d, u"01"_s, u"123"_s, u"1200"_s);
                // The payment proposes the income it was paid on.
                auto* income = child<QLineEdit>(d, u"TxtMonto3"_s);
                EXPECT_EQ(income->text(), u"10,000.00"_s);
                click(d, u"CmdITF0"_s);
                EXPECT_TRUE(d.isVisible());  // a new entry stays open for the next payment
                EXPECT_EQ(child<QLineEdit>(d, u"txtOrden"_s)->text(), QString());
                typePayment(d, u"02"_s, u"124"_s, u"600.40"_s);
                click(d, u"CmdITF0"_s);
                click(d, u"CmdITF1"_s);
            });
            click(list, u"CmdITF0"_s);
            EXPECT_EQ(child<QLabel>(list, u"LblCtd_ITF"_s)->text(), u"Cantidad de registros: 2"_s);
            EXPECT_EQ(child<QLabel>(list, u"lblTotal_ITF"_s)->text(), u"1,800"_s);

            // The second payment is modified: its key cannot be, its amount can.
            list.grid()->selectRow(1);
            whenShown<RegisterEntryWindow>([&](RegisterEntryWindow& d) {
                EXPECT_FALSE(child<QLineEdit>(d, u"MkePeriodo"_s)->isEnabled());
                EXPECT_FALSE(child<QComboBox>(d, u"CboFormulario"_s)->isEnabled());
                auto* amount = child<QLineEdit>(d, u"TxtMonto0"_s);
                amount->selectAll();
                QTest::keyClicks(amount, u"800"_s);
                click(d, u"CmdITF0"_s);
                EXPECT_FALSE(d.isVisible());
            });
            click(list, u"CmdITF1"_s);
            EXPECT_EQ(child<QLabel>(list, u"lblTotal_ITF"_s)->text(), u"2,000"_s);

            // The first one is deleted once the user confirms.
            list.grid()->selectRow(0);
            env.sink.setNextAnswer(MsgAnswer::Yes);
            click(list, u"CmdITF2"_s);
            EXPECT_EQ(child<QLabel>(list, u"LblCtd_ITF"_s)->text(), u"Cantidad de registros: 1"_s);
            click(list, u"CmdITF3"_s);
        });
        QLineEdit* box133 = qobject_cast<QLineEdit*>(reveal(w.TxtValor(133)));
        box133->setFocus();
        QTest::keyClick(box133, Qt::Key_5);
        ASSERT_TRUE(listSeen);

        EXPECT_EQ(w.TxtValor(133)->text(), u"(800)"_s);
        EXPECT_EQ(w.TxtValor(100)->text(), u"6,667"_s);  // 800 / 0.12, rounded
        EXPECT_EQ(w.TxtValor(120)->text(), u"800"_s);    // 15 % of 6,667 less its 20 %
        EXPECT_EQ(w.TxtValor(142)->text(), u"0"_s);      // the payment covers the tax

        rows = paymentRows(env.session);
        EXPECT_EQ(rows, (QList<QStringList>{{u"200602"_s, u"800.00"_s, u"6666.67"_s}}));
        click(w, u"Cmdgeneral0"_s);
        ASSERT_EQ(env.db().scalar(u"SELECT count(*) FROM cab"_s).toInt(), 1)
            << env.sink.texts().join(u'\n').toStdString();
    }
    DeclarationKey stored;
    stored.ruc = kRuc;
    Frm0478 again(env.session, feeders, OpenRequest::existing(stored));
    again.show();
    EXPECT_EQ(again.TxtValor(133)->text(), u"(800)"_s);
    EXPECT_EQ(again.TxtValor(100)->text(), u"6,667"_s);
    EXPECT_EQ(paymentRows(env.session), rows);
}

TEST(RegisterWindows, TheDetailOf127OpensItsCreditsOnlyForCreditFormsAndEnterMovesOn) {
    test::TestEnv env;
    ASSERT_TRUE(loadSeedCatalogue(env.db()));
    FormSession opened(env.session);
    ASSERT_TRUE(opened.open(OpenRequest::newDeclaration()));
    const auto model = openRegister(env.session, opened.editor(), 127);
    const auto entry = model->newEntry();
    RegisterEntryWindow d(*entry);
    d.show();
    QApplication::setActiveWindow(&d);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&d));
    EXPECT_EQ(d.windowTitle(),
              u"Casilla 127 - Detalle de Pagos Directos de Impto a la Rta de 4ta Categoría  -  Indep."_s);
    EXPECT_EQ(d.objectName(), u"frmPagCtaDet"_s);

    auto* credit = child<QLineEdit>(d, u"TxtMonto0"_s);
    auto* total = child<QLineEdit>(d, u"TxtMonto4"_s);
    auto* form = child<QComboBox>(d, u"CboFormulario"_s);
    EXPECT_EQ(form->count(), 11);
    EXPECT_FALSE(credit->isEnabled());
    form->setCurrentIndex(form->findText(u"0651"_s));
    ASSERT_TRUE(credit->isEnabled());
    QTest::keyClicks(credit, u"100"_s);
    EXPECT_EQ(total->text(), u"100.00"_s);
    form->setCurrentIndex(form->findText(u"1662"_s));
    EXPECT_FALSE(credit->isEnabled());
    EXPECT_TRUE(credit->text().isEmpty());
    EXPECT_TRUE(total->text().isEmpty());

    // Enter moves from the order number to the date, as Tab would; the order number takes only digits.
    auto* order = child<QLineEdit>(d, u"txtOrden"_s);
    order->setFocus();
    QTest::keyClicks(order, u"12a3"_s);
    EXPECT_EQ(order->text(), u"123"_s);
    QTest::keyClick(order, Qt::Key_Return);
    EXPECT_EQ(QApplication::focusWidget(), child<QLineEdit>(d, u"MskFecPag"_s));
}

namespace {

// Under Xvfb, with ZEM_SHOTS naming a folder, each window is kept there as a picture for a look.
void shoot(QWidget& w, const QString& name) {
    const QString dir = qEnvironmentVariable("ZEM_SHOTS");
    if (!dir.isEmpty())
        w.grab().save(dir + u'/' + name + u".png"_s);
}

void typeInto(QWidget* w, const QString& text) {
    auto* edit = qobject_cast<QLineEdit*>(w);
    ASSERT_TRUE(edit);
    edit->setFocus();
    edit->setCursorPosition(0);
    QTest::keyClicks(edit, text);
}

}  // namespace

TEST(RegisterWindows, AReceiptOfBox107WalksFromTheDeclarationToItsBoxAndTheChain) {
    test::TestEnv env;
    ASSERT_TRUE(loadSeedCatalogue(env.db()));
    test::addTaxpayer(env.db(), {.ruc = kRuc});
    FeederRegistry feeders;
    registerAnnexWindows(feeders);
    Frm0478 w(env.session, feeders, OpenRequest::newDeclaration());
    w.show();
    auto* ruc = child<QComboBox>(w, u"CmbRuc"_s);
    ruc->setCurrentIndex(ruc->findData(kRuc));
    Q_EMIT ruc->activated(ruc->currentIndex());

    bool receiptSeen = false;
    whenShown<RegisterListWindow>([&](RegisterListWindow& list) {
        EXPECT_EQ(list.objectName(), u"frmRet"_s);
        EXPECT_EQ(
            list.windowTitle(),
            u" 107 - Renta bruta obtenida por el ejercicio individual (Profesión,arte,ciencia u oficio)"_s);
        whenShown<RetCabWindow>([&](RetCabWindow& payer) {
            auto* type = qobject_cast<QComboBox*>(payer.control(u"tip_doc_ret"_s));
            type->setCurrentIndex(type->findData(u"01"_s));
            EXPECT_TRUE(type->currentText().startsWith(u"01  -  DOC. NACIONAL DE IDENTIDAD"_s));
            EXPECT_FALSE(payer.control(u"des_razon"_s)->isEnabled());  // a person has names
            typeInto(payer.control(u"num_doc_ret"_s), u"44556677"_s);
            typeInto(payer.control(u"des_ape_pat"_s), u"ROJAS"_s);
            typeInto(payer.control(u"des_nombres"_s), u"LUIS"_s);
            whenShown<RegisterEntryWindow>([&](RegisterEntryWindow& d) {
                receiptSeen = true;
                EXPECT_EQ(d.objectName(), u"frmRetDet"_s);
                // The payer is shown above the receipt, not typed again.
                EXPECT_EQ(child<QLineEdit>(d, u"TxtCab0"_s)->text(), u"44556677"_s);
                EXPECT_EQ(child<QLineEdit>(d, u"TxtCab1"_s)->text(), u"ROJAS LUIS"_s);
                typeInto(d.control(u"per_tri"_s), u"04"_s);
                auto* cdp = qobject_cast<QComboBox*>(d.control(u"tip_cp"_s));
                cdp->setCurrentIndex(cdp->findData(u"02"_s));
                EXPECT_EQ(cdp->currentText(), u"02 - RECIBO POR HONORARIOS"_s);
                // Enter in an empty series stays there with its message.
                QWidget* series = d.control(u"num_serie_cp"_s);
                d.activateWindow();
                ASSERT_TRUE(QTest::qWaitForWindowActive(&d));
                series->setFocus();
                QTest::keyClick(series, Qt::Key_Return);
                EXPECT_TRUE(env.sink.contains(u"Debe ingresar el Número de Serie"_s));
                EXPECT_EQ(QApplication::focusWidget(), series);
                typeInto(d.control(u"num_serie_cp"_s), u"1"_s);
                typeInto(d.control(u"num_cp"_s), u"345"_s);
                typeInto(d.control(u"fec_emision_cp"_s), u"30042006"_s);
                typeInto(d.control(u"mto_imp_cp"_s), u"1500.50"_s);
                shoot(d, u"frmRetDet"_s);
                click(d, u"CmdITF0"_s);
                EXPECT_EQ(qobject_cast<QLineEdit*>(d.control(u"num_cp"_s))->text(), QString());  // cleared
                click(d, u"CmdITF1"_s);
            });
            click(payer, u"cmddetalle0"_s);
            EXPECT_EQ(child<QLabel>(payer, u"LblCantidad"_s)->text(), u"Cantidad de registros : 1"_s);
            EXPECT_EQ(payer.grid()->model()->index(0, 2).data().toString(), u"00000345"_s);
            EXPECT_FALSE(payer.control(u"num_doc_ret"_s)->isEnabled());  // stored with its first line
            shoot(payer, u"frmRetCab"_s);
            click(payer, u"cmddetalle3"_s);
            EXPECT_FALSE(payer.isVisible());
        });
        click(list, u"CmdITF0"_s);
        EXPECT_EQ(child<QLabel>(list, u"LblCtd_ITF"_s)->text(), u"Cantidad de registros: 1"_s);
        EXPECT_EQ(child<QLabel>(list, u"lblTotal_ITF"_s)->text(), u"1,501"_s);
        EXPECT_EQ(list.grid()->model()->index(0, 1).data().toString(), u"ROJAS  LUIS"_s);
        shoot(list, u"frmRet"_s);
        click(list, u"CmdITF3"_s);
    });
    QLineEdit* box107 = qobject_cast<QLineEdit*>(reveal(w.TxtValor(107)));
    box107->setFocus();
    QTest::keyClick(box107, Qt::Key_5);
    ASSERT_TRUE(receiptSeen);
    EXPECT_EQ(w.TxtValor(107)->text(), u"1,501"_s);
    EXPECT_EQ(w.TxtValor(507)->text(), u"(300)"_s);  // its 20 % deduction
    EXPECT_FALSE(w.TxtValor(113)->text().isEmpty());
}

TEST(RegisterWindows, DonationsItfAndDividendsOpenTheirEntries) {
    test::TestEnv env;
    ASSERT_TRUE(loadSeedCatalogue(env.db()));
    FormSession opened(env.session);
    ASSERT_TRUE(opened.open(OpenRequest::newDeclaration()));
    for (int box : {519, 522}) {
        const auto model = openRegister(env.session, opened.editor(), box);
        const auto entry = model->newEntry();
        RegisterEntryWindow d(*entry);
        d.show();
        typeInto(d.control(u"mto_total"_s), u"8.00"_s);
        if (box == 522) {
            EXPECT_EQ(qobject_cast<QLineEdit*>(d.control(u"movimiento"_s))->text(), u"10,000.00"_s);
        }
        shoot(d, u"frmOtrasdet"_s + QString::number(box));
        RegisterListWindow list(*model);
        list.show();
        shoot(list, u"frmRet"_s + QString::number(box));
    }
    // A withholding agent of box 130 and the entry of one of its months, which shows the agent.
    opened.declaration().setRuc(kRuc);
    const auto agents = openRegister(env.session, opened.editor(), 130);
    const auto agent = agents->newEntry();
    auto& header = static_cast<RetCabEntry&>(*agent);
    ASSERT_TRUE(header.setValue(u"num_doc_ret"_s, u"20100070970"_s));
    ASSERT_TRUE(header.setValue(u"des_razon"_s, u"ESTUDIO SAC"_s));
    RetCabWindow payer(header);
    payer.show();
    EXPECT_EQ(qobject_cast<QComboBox*>(payer.control(u"tip_doc_ret"_s))->currentText().left(2), u"06"_s);
    shoot(payer, u"frmRetCab130"_s);
    const auto month = header.newLine();
    ASSERT_TRUE(month);
    RegisterEntryWindow monthWindow(*month);
    monthWindow.show();
    EXPECT_EQ(child<QLineEdit>(monthWindow, u"TxtCab1"_s)->text(), u"ESTUDIO SAC"_s);
    shoot(monthWindow, u"frmOtrasdet130"_s);

    DividendosRegister dividends(env.session, opened.editor());
    const auto entry = dividends.newEntry();
    RegisterEntryWindow d(*entry);
    d.show();
    EXPECT_EQ(d.objectName(), u"FrmRetenciones"_s);
    // Dividends are whole units, shown with their thousands once the field is left.
    d.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&d));
    typeInto(d.control(u"mto_distribuido"_s), u"1234567"_s);
    d.control(u"mto_retenido"_s)->setFocus();
    EXPECT_EQ(qobject_cast<QLineEdit*>(d.control(u"mto_distribuido"_s))->text(), u"1,234,567"_s);
    shoot(d, u"FrmRetenciones"_s);
}

TEST(RegisterWindows, ACoOwnerAddedFromTheDeclarationWindowJoinsItsGrid) {
    test::TestEnv env;
    ASSERT_TRUE(loadSeedCatalogue(env.db()));
    test::addTaxpayer(env.db(), {.ruc = kRuc});
    FeederRegistry feeders;
    registerAnnexWindows(feeders);
    Frm0478 w(env.session, feeders, OpenRequest::newDeclaration());
    w.show();
    auto* ruc = child<QComboBox>(w, u"CmbRuc"_s);
    ruc->setCurrentIndex(ruc->findData(kRuc));
    Q_EMIT ruc->activated(ruc->currentIndex());
    for (const QString& option : {u"optPor0"_s, u"optSom1"_s, u"OptRectifica1"_s, u"optCondomino0"_s})
        QTest::mouseClick(reveal(child<QRadioButton>(w, option)), Qt::LeftButton);

    bool seen = false;
    whenShown<FrmCondominio>([&](FrmCondominio& d) {
        seen = true;
        EXPECT_EQ(d.windowTitle(), u"Condóminos"_s);
        auto* type = child<QComboBox>(d, u"cboTipo"_s);
        type->setCurrentIndex(type->findText(u"06"_s));
        QTest::keyClicks(child<QLineEdit>(d, u"txtNumero"_s), kRuc);  // the declarant himself
        click(d, u"cmddetalle0"_s);
        EXPECT_TRUE(env.sink.contains(u"El RUC es igual al del declarante"_s));
        type->setCurrentIndex(type->findText(u"01"_s));
        auto* number = child<QLineEdit>(d, u"txtNumero"_s);
        number->clear();
        QTest::keyClicks(number, u"12345678"_s);
        click(d, u"cmddetalle0"_s);
        EXPECT_TRUE(number->text().isEmpty());  // cleared for the next co-owner
        click(d, u"cmddetalle1"_s);             // nothing typed since: leaves without asking
        EXPECT_FALSE(d.isVisible());
    });
    click(w, u"cmdCondominio0"_s);
    ASSERT_TRUE(seen);
    EXPECT_EQ(child<QLabel>(w, u"grdCondominosCantidad"_s)->text(), u"1 Registro(s)"_s);
    EXPECT_EQ(env.db().scalar(u"SELECT num_ruc FROM TMP_F0480CONDOMI"_s).toString(), u"12345678"_s);
}
