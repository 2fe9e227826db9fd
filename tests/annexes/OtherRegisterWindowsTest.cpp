#include <gtest/gtest.h>

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QTableView>

#include "annexes/ui/AnnexWindows.h"
#include "annexes/ui/RegisterEntryWindow.h"
#include "annexes/ui/RegisterListWindow.h"
#include "data/SeedCatalogue.h"
#include "declaration/BoxTable.h"
#include "declaration/Declaration.h"
#include "declaration/ui/AnnexGridPanel.h"
#include "declaration/ui/Assistants.h"
#include "declaration/ui/FeederRegistry.h"
#include "declaration/ui/Frm0478.h"
#include "startup/Database.h"
#include "support/Taxpayers.h"
#include "support/TestEnv.h"
#include "support/WindowSteps.h"

using namespace zem;
using namespace zem::test;
using namespace Qt::StringLiterals;

namespace {

const QString kRuc = u"10123456781"_s;
const QString kCompany = u"20100047218"_s;

// A new declaration of a registered taxpayer in the declaration window, with every window that feeds it.
struct Fixture {
    Fixture() {
        EXPECT_TRUE(loadSeedCatalogue(env.db()));
        test::addTaxpayer(env.db(), {.ruc = kRuc});
        registerAssistants(feeders);
        registerAnnexWindows(feeders);
        w = std::make_unique<Frm0478>(env.session, feeders, OpenRequest::newDeclaration());
        w->show();
        auto* ruc = child<QComboBox>(*w, u"CmbRuc"_s);
        ruc->setCurrentIndex(ruc->findData(kRuc));
        Q_EMIT ruc->activated(ruc->currentIndex());
        for (const QString& option :
             {u"optPor0"_s, u"optSom1"_s, u"OptRectifica1"_s, u"OptExtranjero0"_s, u"OptFideicomiso0"_s,
              u"optCondomino0"_s, u"optExonera0"_s, u"optInafecta0"_s})
            click(*w, option);
    }

    // The user asks for the detail of a box (Enter in its field).
    void openBox(int box) {
        auto* f = qobject_cast<QLineEdit*>(reveal(w->TxtValor(box)));
        ASSERT_TRUE(f) << box;
        f->setFocus();
        QTest::keyClick(f, Qt::Key_Return);
    }

    test::TestEnv env;
    FeederRegistry feeders;
    std::unique_ptr<Frm0478> w;
};

void chooseData(QWidget* w, const QString& code) {
    auto* combo = qobject_cast<QComboBox*>(w);
    ASSERT_TRUE(combo);
    const int at = combo->findData(code);
    ASSERT_GE(at, 0) << code.toStdString();
    combo->setCurrentIndex(at);
}

}  // namespace

TEST(OtherRegisterWindows, EveryFedBoxAndGridButtonOfTheDeclarationOpensARealWindow) {
    Fixture f;
    // A row in each grid, for "&Modificar".
    for (const char16_t* sql :
         {u"INSERT INTO TMP_F0476DIVID (num_ruc, des_entpagadora, fec_retenida, mto_distribuido, "
          "mto_retenido) VALUES ('20100047218', 'MINERA SA', '15/03/2006', '1000', '41')",
          u"INSERT INTO TMP_F0476EXTRA (des_emp_ext, ind_pais, des_pais, ind_cargo, des_cargo, "
          "ind_operacion, des_operacion, mto_saldo) VALUES ('ACME LLC', '9027', 'X', '01', 'X', '01', 'X', "
          "'500')",
          u"INSERT INTO TMP_F0480FIDEI (tip_doc_fiduciario, num_doc_fiduciario, tip_doc_fideicomitente, "
          "num_doc_fideicomitente, tip_patrimonio, des_tip_patrimonio, tip_fideicomiso, "
          "des_tip_fideicomiso, mto_saldo) VALUES ('06', '20100047218', '01', '12345678', '1', 'X', '1', "
          "'X', '10.00')"})
        ASSERT_TRUE(f.env.db().execute(QString::fromUtf16(sql)));
    f.w->form().grids().refreshAll();

    QStringList opened;
    const auto expectWindow = [&](const QString& what, const std::function<void()>& open) {
        f.env.sink.clear();
        QString seen;
        auto waiting = whenShown<QDialog>([&](QDialog& d) {
            seen = d.objectName();
            d.reject();
            if (d.isVisible())  // a register's list is left as "&Salir" leaves it
                d.accept();
        });
        open();
        *waiting = false;
        EXPECT_FALSE(seen.isEmpty()) << what.toStdString() << ": "
                                     << f.env.sink.texts().join(u'|').toStdString();
        opened << seen;
    };
    for (const BoxInfo& info : boxTable()) {
        if (info.feeder == Feeder::None || info.feeder == Feeder::Dividends)
            continue;  // box 118 brings the dividends grid to front
        expectWindow(u"casilla "_s + QString::number(info.box), [&] { f.openBox(info.box); });
    }
    // The last lines of the exempt and non-taxable income assistants open the legal norms.
    const FeederContext context{f.w.get(), f.env.session, f.w->form().declaration(), f.w->form().rules(),
                                &f.w->form().editor()};
    for (int box : {539, 540}) {
        expectWindow(u"casilla "_s + QString::number(box),
                     [&] { EXPECT_TRUE(f.feeders.openFeeder(Feeder::Norms, context, box)); });
    }
    for (const QString& button :
         {u"CmdDividendos0"_s, u"CmdDividendos1"_s, u"CmdExtranjero0"_s, u"CmdExtranjero1"_s,
          u"cmdFideicomisos0"_s, u"cmdFideicomisos1"_s, u"cmdCondominio0"_s}) {
        f.w->gridPanel(AnnexGridKind::Dividends)->view()->selectRow(0);
        expectWindow(button, [&] { click(*f.w, button); });
    }
    for (const QString& name :
         {u"frmFext"_s, u"frmNorma"_s, u"FrmAmazonia"_s, u"FrmExtranjero"_s, u"FrmFide480"_s,
          u"frmCondominio"_s, u"FrmRetenciones"_s, u"frmPagos"_s, u"frmRet"_s})
        EXPECT_TRUE(opened.contains(name)) << name.toStdString();
}

TEST(OtherRegisterWindows, ANormAnAmazonInvestmentAndATaxPaidAbroadReachTheirBoxes) {
    Fixture f;
    // Box 124: one norm.
    whenShown<RegisterListWindow>([&](RegisterListWindow& list) {
        EXPECT_EQ(list.windowTitle(), u"Casilla 124 - Otros Créditos sin derecho a devolución"_s);
        whenShown<RegisterEntryWindow>([&](RegisterEntryWindow& d) {
            EXPECT_EQ(d.objectName(), u"frmNormaDet"_s);
            chooseData(child<QComboBox>(d, u"cboNorma"_s), u"1"_s);
            EXPECT_EQ(child<QComboBox>(d, u"cboNorma"_s)->currentText(), u"1 - LEY"_s);
            typeInto(child<QLineEdit>(d, u"txtnumero"_s), u"27037"_s);
            typeInto(child<QLineEdit>(d, u"TxtMtoRetenido"_s), u"1500"_s);
            shoot(d, u"frmNormaDet"_s);
            click(d, u"CmdITF0"_s);
            click(d, u"CmdITF1"_s);
        });
        click(list, u"CmdITF0"_s);
        EXPECT_EQ(child<QLabel>(list, u"lblTotal_ITF"_s)->text(), u"1,500"_s);
        shoot(list, u"frmNorma"_s);
        click(list, u"CmdITF3"_s);
    });
    f.openBox(124);
    EXPECT_EQ(f.w->TxtValor(124)->text(), u"1,500"_s);

    // Box 117: the declarant is refused, a company taken.
    whenShown<RegisterListWindow>([&](RegisterListWindow& list) {
        EXPECT_EQ(list.windowTitle(),
                  u"Casilla  117- Promoción de la Inversión en la Amazonía - Ley 27037"_s);
        whenShown<RegisterEntryWindow>([&](RegisterEntryWindow& d) {
            EXPECT_EQ(d.objectName(), u"FrmDetAmazonia"_s);
            typeInto(child<QLineEdit>(d, u"TxtNumRUC"_s), kRuc);
            typeInto(child<QLineEdit>(d, u"txtNombre"_s), u"SELVA SAC"_s);
            typeInto(child<QLineEdit>(d, u"TxtMtoRetenido"_s), u"1234.50"_s);
            click(d, u"CmdITF0"_s);
            EXPECT_TRUE(
                f.env.sink.contains(u"El RUC del beneficiario no debe ser igual al RUC del declarante "_s));
            EXPECT_EQ(d.focusWidget(), d.control(u"num_doc_ret"_s));
            child<QLineEdit>(d, u"TxtNumRUC"_s)->clear();
            typeInto(child<QLineEdit>(d, u"TxtNumRUC"_s), kCompany);
            shoot(d, u"FrmDetAmazonia"_s);
            click(d, u"CmdITF0"_s);
            click(d, u"CmdITF1"_s);
        });
        click(list, u"CmdITF0"_s);
        EXPECT_EQ(list.grid()->model()->index(0, 1).data().toString(), u"SELVA SAC"_s);
        EXPECT_EQ(child<QLabel>(list, u"lblTotal_ITF"_s)->text(), u"1,234.50"_s);
        shoot(list, u"FrmAmazonia"_s);
        click(list, u"CmdITF3"_s);
    });
    f.openBox(117);
    EXPECT_EQ(f.w->TxtValor(117)->text(), u"(1,235)"_s);

    // Box 122: Peru is not offered; leaving with a typed amount asks.
    whenShown<RegisterListWindow>([&](RegisterListWindow& list) {
        whenShown<RegisterEntryWindow>([&](RegisterEntryWindow& d) {
            auto* country = child<QComboBox>(d, u"cboPais"_s);
            EXPECT_EQ(country->findData(u"9589"_s), -1);
            chooseData(country, u"9027"_s);
            typeInto(child<QLineEdit>(d, u"TxtMtoRetenido"_s), u"100"_s);
            shoot(d, u"frmFextdet"_s);
            click(d, u"CmdITF0"_s);
            typeInto(child<QLineEdit>(d, u"TxtMtoRetenido"_s), u"5"_s);
            f.env.sink.setNextAnswer(MsgAnswer::Cancel);
            click(d, u"CmdITF1"_s);
            EXPECT_TRUE(d.isVisible());
            f.env.sink.setNextAnswer(MsgAnswer::No);
            click(d, u"CmdITF1"_s);
            EXPECT_FALSE(d.isVisible());
        });
        click(list, u"CmdITF0"_s);
        shoot(list, u"frmFext"_s);
        click(list, u"CmdITF3"_s);
    });
    f.openBox(122);
    EXPECT_TRUE(f.env.sink.contains(u"La información ha sido modificada. ¿Desea guardar los cambios?"_s));
    EXPECT_EQ(f.w->TxtValor(122)->text(), u"100"_s);
}

TEST(OtherRegisterWindows, InvestmentsAbroadAndInTrustsJoinTheirGrids) {
    Fixture f;
    whenShown<RegisterEntryWindow>([&](RegisterEntryWindow& d) {
        EXPECT_EQ(d.windowTitle(), u"Inversiones en el  Extranjero"_s);
        typeInto(child<QLineEdit>(d, u"txtEmpresa"_s), u"ACME LLC"_s);
        chooseData(child<QComboBox>(d, u"cboPais"_s), u"9027"_s);
        chooseData(child<QComboBox>(d, u"CboCargo"_s), u"01"_s);
        chooseData(child<QComboBox>(d, u"cboOperacion"_s), u"01"_s);
        typeInto(child<QLineEdit>(d, u"txtSaldo"_s), u"2500"_s);
        shoot(d, u"FrmExtranjero"_s);
        click(d, u"CmdITF0"_s);
        click(d, u"CmdITF1"_s);
    });
    click(*f.w, u"CmdExtranjero0"_s);
    EXPECT_EQ(child<QLabel>(*f.w, u"grdExtranjeroCantidad"_s)->text(), u"Cantidad de registros: 1"_s);

    // Modified, its key stays editable: the company renamed is the same investment.
    whenShown<RegisterEntryWindow>([&](RegisterEntryWindow& d) {
        auto* company = child<QLineEdit>(d, u"txtEmpresa"_s);
        EXPECT_TRUE(company->isEnabled());
        EXPECT_EQ(company->text(), u"ACME LLC"_s);
        company->selectAll();
        QTest::keyClicks(company, u"ACME HOLDING"_s);
        click(d, u"CmdITF0"_s);
        EXPECT_FALSE(d.isVisible());
    });
    click(*f.w, u"CmdExtranjero1"_s);
    EXPECT_EQ(f.env.db().scalar(u"SELECT COUNT(*) FROM TMP_F0476EXTRA"_s).toInt(), 1);
    EXPECT_EQ(f.env.db().scalar(u"SELECT des_emp_ext FROM TMP_F0476EXTRA"_s).toString(), u"ACME HOLDING"_s);

    whenShown<RegisterEntryWindow>([&](RegisterEntryWindow& d) {
        EXPECT_EQ(d.windowTitle(), u"Inversiones en Fideicomisos"_s);
        chooseData(child<QComboBox>(d, u"cboTipDocFiduciario"_s), u"06"_s);
        typeInto(child<QLineEdit>(d, u"txtNumDocFiduciario"_s), kCompany);
        chooseData(child<QComboBox>(d, u"cboTipDocFideicomitente"_s), u"01"_s);
        typeInto(child<QLineEdit>(d, u"txtNumDocFideicomitente"_s), u"12345678"_s);
        auto* other = child<QLineEdit>(d, u"txtDesOtros0"_s);
        EXPECT_FALSE(other->isEnabled());
        chooseData(child<QComboBox>(d, u"cboPatrimonio"_s), u"7"_s);
        EXPECT_TRUE(other->isEnabled());
        typeInto(other, u"REGALÍAS"_s);
        chooseData(child<QComboBox>(d, u"cboFideicomiso"_s), u"1"_s);
        typeInto(child<QLineEdit>(d, u"txtSaldo"_s), u"750.25"_s);
        shoot(d, u"FrmFide480"_s);
        click(d, u"CmdITF0"_s);
        click(d, u"CmdITF1"_s);
    });
    click(*f.w, u"cmdFideicomisos0"_s);
    EXPECT_EQ(child<QLabel>(*f.w, u"grdFideicomisoCantidad"_s)->text(), u"Cantidad de registros: 1"_s);
    EXPECT_EQ(f.env.db().scalar(u"SELECT des_tip_patrimonio FROM TMP_F0480FIDEI"_s).toString(),
              u"REGALÍAS"_s);
    shoot(*f.w, u"Frm0478"_s);
}
