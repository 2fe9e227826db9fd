#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStackedWidget>
#include <QTabWidget>
#include <QTableView>
#include <QTest>

#include "data/SeedCatalogue.h"
#include "declaration/ValidationFindings.h"
#include "declaration/ui/AnnexGridPanel.h"
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

struct Fixture {
    Fixture() {
        EXPECT_TRUE(loadSeedCatalogue(env.db()));
        test::addTaxpayer(env.db(), {.ruc = kRuc});
    }

    // A window shown and active, so that the focus moves as the user moves it.
    std::unique_ptr<Frm0478> window(const OpenRequest& request = OpenRequest::newDeclaration()) {
        auto w = std::make_unique<Frm0478>(env.session, feeders, request);
        w->show();
        QApplication::setActiveWindow(w.get());
        EXPECT_TRUE(QTest::qWaitForWindowActive(w.get()));
        return w;
    }

    test::TestEnv env;
    FeederRegistry feeders;
};

QString shown(const Frm0478& w, int box) {
    return w.TxtValor(box)->text();
}

QLineEdit* field(const Frm0478& w, int box) {
    return qobject_cast<QLineEdit*>(reveal(w.TxtValor(box)));
}

void chooseTaxpayer(const Frm0478& w) {
    auto* ruc = child<QComboBox>(w, u"CmbRuc"_s);
    ruc->setCurrentIndex(ruc->findData(kRuc));
    Q_EMIT ruc->activated(ruc->currentIndex());
}

// The taxpayer and the answers without which a new declaration cannot leave its identification.
void identify(const Frm0478& w) {
    chooseTaxpayer(w);
    click(w, u"optPor0"_s);
    click(w, u"optSom1"_s);
    click(w, u"OptRectifica1"_s);
}

}  // namespace

TEST(Frm0478, TypingInBox107ShowsEveryDependentTotalAndFedBoxesKeepTheirText) {
    Fixture f;
    QList<int> asked;
    // The withholding register writes its total into the box it was opened for.
    f.feeders.setBoxOpener(Feeder::Withholdings, [&asked](const FeederContext& c, int box) {
        asked << box;
        c.declaration.setText(box, u"100000"_s);
    });
    f.feeders.setBoxOpener(Feeder::DirectPayments, [&asked](const FeederContext&, int box) { asked << box; });
    auto w = f.window();
    EXPECT_EQ(w->windowTitle(), u"0482  ZEM - Declaración Pago Anual Impuesto a la Renta 1.0"_s);
    EXPECT_EQ(child<QLabel>(*w, u"lblCaption507"_s)->text(),
              u"Deducción (20% del monto consignado en la casilla 107 - Máximo S/ 81,600)"_s);

    QTest::keyClick(w->TxtValor(107), Qt::Key_1);
    EXPECT_EQ(asked, QList<int>{107});
    const QList<QPair<int, QString>> expected = {
        {507, u"(20,000)"_s}, {508, u"80,000"_s}, {509, u"80,000"_s}, {510, u"80,000"_s},
        {511, u"(23,800)"_s}, {512, u"56,200"_s}, {113, u"56,200"_s}, {514, u"56,200"_s},
        {513, u"56,200"_s},   {528, u"56,200"_s}, {515, u"56,200"_s}, {120, u"8,430"_s},
        {516, u"8,430"_s},    {141, u"0"_s},      {142, u"8,430"_s},  {146, u"8,430"_s}};
    for (const auto& [box, text] : expected)
        EXPECT_EQ(shown(*w, box), text) << box;
    EXPECT_TRUE(w->TxtValor(145)->isEnabled());
    EXPECT_FALSE(w->TxtValor(140)->isEnabled());

    // Delete and Backspace leave a fed box alone; a digit in box 133 asks for its register.
    const QString total = shown(*w, 107);
    QTest::keyClick(w->TxtValor(107), Qt::Key_Delete);
    QTest::keyClick(w->TxtValor(107), Qt::Key_Backspace);
    EXPECT_EQ(shown(*w, 107), total);
    QTest::keyClick(w->TxtValor(133), Qt::Key_5);
    EXPECT_EQ(asked, (QList<int>{107, 133}));
    EXPECT_TRUE(shown(*w, 133).isEmpty());

    // A box without a window to feed it says so and stays as it was.
    QTest::keyClick(w->TxtValor(117), Qt::Key_Return);
    EXPECT_TRUE(
        f.env.sink.contains(u"El detalle de la casilla 117 aún no puede registrarse en esta versión."_s));
}

TEST(Frm0478, EnteredBoxesFormatOnLeavingAndTextBoxesFilterTheirKeys) {
    Fixture f;
    auto w = f.window();
    Declaration& d = w->form().declaration();

    QLineEdit* first = w->TxtValor(100);
    int tabWhenTold = -1;
    f.env.sink.setObserver([&](const Message&) { tabWhenTold = w->tabs()->currentIndex(); });
    w->tabs()->setCurrentIndex(1);  // leaving identification asks for it first, over the identification
    f.env.sink.setObserver({});
    EXPECT_EQ(tabWhenTold, 0);
    EXPECT_EQ(w->tabs()->currentIndex(), 0);
    EXPECT_TRUE(f.env.sink.contains(u"Debe seleccionar un declarante"_s));

    // With the identification answered the tab changes and the taxpayer can no longer change.
    identify(*w);
    w->tabs()->setCurrentIndex(1);
    EXPECT_EQ(w->tabs()->currentIndex(), 1);
    EXPECT_FALSE(child<QComboBox>(*w, u"CmbRuc"_s)->isEnabled());

    first->setFocus();
    QTest::keyClicks(first, u"12a34.5"_s);
    EXPECT_EQ(first->text(), u"12345"_s);
    EXPECT_EQ(d.text(501), u"12,345"_s);
    QTest::keyClick(first, Qt::Key_Return);  // Enter moves on as Tab does
    EXPECT_FALSE(first->hasFocus());
    EXPECT_EQ(first->text(), u"12,345"_s);
    EXPECT_TRUE(w->TxtValor(114)->isEnabled());

    // Names in upper case and letters only; nothing is pasted.
    click(*w, u"OptElabora1"_s);
    QLineEdit* name = field(*w, 811);
    name->setFocus();
    QApplication::clipboard()->setText(u"PEGADO"_s);
    QTest::keyClick(name, Qt::Key_Insert, Qt::ShiftModifier);
    QTest::keyClicks(name, u"d'onofrio 2"_s);
    EXPECT_EQ(d.text(811), u"D'ONOFRIO "_s);
    EXPECT_TRUE(QApplication::clipboard()->text().isEmpty());

    // A date that does not exist is refused with a message and the box keeps its value.
    auto* birth = qobject_cast<QLineEdit*>(reveal(child<QLineEdit>(*w, u"MkeFecNac"_s)));
    birth->setFocus();
    QTest::keyClicks(birth, u"31022006"_s);
    QTest::keyClick(birth, Qt::Key_Return);
    EXPECT_TRUE(d.text(234).isEmpty());
    EXPECT_TRUE(f.env.sink.contains(
        u"La fecha de nacimiento no es válida: registre una fecha entre el 01/01/1850 y el 01/01/2500."_s));
    birth->setFocus();
    birth->selectAll();
    QTest::keyClicks(birth, u"12041970"_s);
    QTest::keyClick(birth, Qt::Key_Tab);
    EXPECT_EQ(d.text(234), u"12/04/1970"_s);

    // Box 140 takes "1" or "2" only.
    d.enableBox(140);
    QLineEdit* use = field(*w, 140);
    QTest::keyClicks(use, u"3a2"_s);
    EXPECT_EQ(use->text(), u"2"_s);
    QTest::keyClick(use, Qt::Key_Home);
    QTest::keyClick(use, Qt::Key_Delete);
    EXPECT_EQ(use->text(), u"2"_s);

    // A click shows the help of the box.
    QTest::mouseClick(field(*w, 515), Qt::LeftButton);
    EXPECT_TRUE(child<QPlainTextEdit>(*w, u"TxtAyuda"_s)
                    ->toPlainText()
                    .startsWith(u"Casilla 515 - TOTAL RENTA IMPONIBLE"_s));
}

TEST(Frm0478, NoToCoOwnershipKeepsTheCoOwnersAndAnEmptyBox117ClosesAmazonia) {
    Fixture f;
    f.feeders.setBoxOpener(Feeder::Amazonia, [](const FeederContext& c, int box) {
        c.declaration.setText(box, c.declaration.text(box).isEmpty() ? u"(5,000)"_s : QString());
    });
    auto w = f.window();
    Declaration& d = w->form().declaration();
    identify(*w);

    click(*w, u"optCondomino0"_s);
    for (const char16_t* n : {u"40506070", u"40506071", u"40506072"})
        f.env.db().execute(u"INSERT INTO TMP_F0480CONDOMI (tip_doc_con, num_ruc) VALUES ('01', ?)"_s,
                           {QString::fromUtf16(n)});
    w->Get_Condominos();
    EXPECT_TRUE(child<QPushButton>(*w, u"cmdCondominio0"_s)->isEnabled());
    f.env.sink.setNextAnswer(MsgAnswer::No);
    click(*w, u"optCondomino1"_s);
    EXPECT_TRUE(f.env.sink.contains(
        u"Ya ha registrado condóminos. Si cambia se borrará esta información. ¿Esta seguro?"_s));
    EXPECT_TRUE(child<QRadioButton>(*w, u"optCondomino0"_s)->isChecked());
    EXPECT_FALSE(child<QRadioButton>(*w, u"optCondomino1"_s)->isChecked());
    EXPECT_EQ(child<QLabel>(*w, u"grdCondominosCantidad"_s)->text(), u"3 Registro(s)"_s);
    EXPECT_EQ(w->gridPanel(AnnexGridKind::CoOwners)->view()->model()->rowCount(), 3);

    // Box 117 opens the Amazonía lines; emptying it closes and empties them.
    QTest::keyClick(w->TxtValor(117), Qt::Key_Return);
    EXPECT_EQ(shown(*w, 117), u"(5,000)"_s);
    ASSERT_TRUE(w->TxtValor(229)->isEnabled());
    QTest::keyClicks(field(*w, 229), u"20100123453"_s);
    QTest::keyClicks(field(*w, 231), u"5000"_s);
    EXPECT_EQ(d.text(229), u"20100123453"_s);
    QTest::keyClick(w->TxtValor(117), Qt::Key_Return);
    for (int box : {817, 229, 231}) {
        EXPECT_FALSE(w->TxtValor(box)->isEnabled()) << box;
        EXPECT_TRUE(shown(*w, box).isEmpty()) << box;
    }
}

TEST(Frm0478, ATypedDeclarationSavedClosedAndReopenedShowsTheSameValuesOptionsAndGrids) {
    Fixture f;
    f.feeders.setGridOpener(
        GridEntry::Dividends, [](const FeederContext& c, const QString& mode, const QVariantList&) {
            if (mode == u"NUEVO"_s)
                c.session.db().execute(
                    u"INSERT INTO TMP_F0476DIVID (num_ruc, des_entpagadora, fec_retenida, "
                    "mto_distribuido, mto_retenido) VALUES ('20100123453', 'MINERA SA', "
                    "'15/06/2006', '2500', '103')"_s);
        });
    QHash<int, QString> typed;
    {
        auto w = f.window();
        identify(*w);
        for (const char16_t* option :
             {u"OptElabora0", u"optExonera1", u"optInafecta1", u"optInmueble0", u"optCondomino1"})
            click(*w, QString::fromUtf16(option));
        typed = {{100, u"12,000"_s}, {116, u"3,000"_s},    {180, u"0"_s},
                 {28, u"4567890"_s}, {819, u"LOPEZ SA"_s}, {212, u"6,000"_s}};
        auto* lessorType = qobject_cast<QComboBox*>(reveal(child<QComboBox>(*w, u"cboTipoDoc204"_s)));
        lessorType->setCurrentIndex(lessorType->findData(u"06"_s));
        Q_EMIT lessorType->activated(lessorType->currentIndex());
        typed.insert(208, u"20100123453"_s);
        for (auto it = typed.cbegin(); it != typed.cend(); ++it) {
            QLineEdit* box = field(*w, it.key());
            ASSERT_TRUE(box->isEnabled()) << it.key();
            box->setFocus();
            QTest::keyClicks(box, QString(it.value()).remove(u','));
            QTest::keyClick(box, Qt::Key_Tab);
        }
        click(*w, u"CmdDividendos0"_s);
        EXPECT_EQ(shown(*w, 118), u"2,500"_s);
        click(*w, u"Cmdgeneral0"_s);
        EXPECT_EQ(f.env.db().scalar(u"SELECT count(*) FROM cab"_s).toInt(), 1)
            << f.env.sink.texts().join(u'\n').toStdString();
        EXPECT_FALSE(child<QLineEdit>(*w, u"TxtNumRUC"_s)->isHidden());
        f.env.sink.clear();
        click(*w, u"Cmdgeneral2"_s);
        EXPECT_TRUE(f.env.sink.messages().isEmpty());  // saved: nothing to ask
        EXPECT_FALSE(w->isVisible());
    }
    DeclarationKey stored;
    stored.ruc = kRuc;
    auto w = f.window(OpenRequest::existing(stored));
    for (auto it = typed.cbegin(); it != typed.cend(); ++it)
        EXPECT_EQ(shown(*w, it.key()), it.value()) << it.key();
    EXPECT_EQ(shown(*w, 118), u"2,500"_s);
    EXPECT_EQ(child<QLineEdit>(*w, u"TxtNumRUC"_s)->text(), kRuc);
    EXPECT_EQ(shown(*w, 811), u"PEREZ"_s);
    EXPECT_EQ(child<QComboBox>(*w, u"cboTipoDoc204"_s)->currentData().toString(), u"06"_s);
    for (const char16_t* option : {u"optPor0", u"optSom1", u"OptRectifica1", u"OptElabora0", u"optExonera1",
                                   u"optInafecta1", u"optInmueble0", u"optCondomino1"})
        EXPECT_TRUE(child<QRadioButton>(*w, QString::fromUtf16(option))->isChecked())
            << QString::fromUtf16(option).toStdString();
    EXPECT_EQ(child<QLabel>(*w, u"Grid_DividendosCantidad"_s)->text(), u"Cantidad de Retenciones: 1"_s);
    EXPECT_EQ(w->gridPanel(AnnexGridKind::Dividends)->view()->model()->rowCount(), 1);
    EXPECT_FALSE(w->form().declaration().isModified());
    // The buttons follow the stored answers: no co-owners, no investments abroad, no personalised file.
    EXPECT_TRUE(child<QPushButton>(*w, u"CmdDividendos0"_s)->isEnabled());
    EXPECT_FALSE(child<QPushButton>(*w, u"cmdCondominio0"_s)->isEnabled());
    EXPECT_FALSE(child<QPushButton>(*w, u"CmdExtranjero0"_s)->isEnabled());
    EXPECT_FALSE(child<QPushButton>(*w, u"Cmdgeneral3"_s)->isEnabled());
}

TEST(Frm0478, ThePaymentAmountIsShownAsBox180WhetherReadBackOrComputed) {
    Fixture f;
    auto w = f.window();
    auto* amount = child<QLineEdit>(*w, u"TxtMonto"_s);
    w->form().declaration().setPaymentAmount(u"49828"_s);  // as a stored declaration opens
    EXPECT_EQ(amount->text(), u"49,828"_s);
    w->form().declaration().setPaymentAmount(u"46,828"_s);  // as the tax rules leave it
    EXPECT_EQ(amount->text(), u"46,828"_s);
    w->form().declaration().setPaymentAmount({});
    EXPECT_TRUE(amount->text().isEmpty());
}

TEST(Frm0478, TheHintsOfTheRentAndCoOwnershipQuestionsNameTheTabsWhereTheQuestionsAre) {
    Fixture f;
    auto w = f.window();
    for (const auto& [control, text] :
         {std::pair{u"optInmueble0"_s, hint::kRentPaid}, std::pair{u"optCondomino0"_s, hint::kCoOwnership}}) {
        QStringList tabs;  // the tabs that hold the question, outermost first
        for (QWidget* p = child<QWidget>(*w, control); p->parentWidget(); p = p->parentWidget()) {
            if (auto* t = qobject_cast<QTabWidget*>(p->parentWidget()->parentWidget()))
                tabs.prepend(t->tabText(t->indexOf(p)));
        }
        EXPECT_TRUE(text.contains(u"rubro "_s + tabs.join(u"  - "_s) + u')'))
            << tabs.join(u'>').toStdString();
    }
}

TEST(Frm0478, AWindowDestroyedWhileABoxOrTextFieldHoldsTheFocusGoesQuietly) {
    Fixture f;
    for (int box : {100, 801}) {  // an amount, a name
        auto w = f.window();
        identify(*w);
        w->tabs()->setCurrentIndex(box == 100 ? 1 : 0);
        QLineEdit* typed = field(*w, box);
        typed->setFocus();
        QTest::keyClicks(typed, u"12"_s);
        ASSERT_TRUE(typed->hasFocus());
        w.reset();  // the field leaves its focus while the window's own parts are already gone
    }
}
