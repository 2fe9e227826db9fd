#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QGroupBox>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBrowser>
#include <QTimer>

#include "ShellFixtures.h"
#include "declaration/FormCaption.h"
#include "declaration/Opening.h"
#include "shell/DeclarationLists.h"
#include "shell/Installation.h"
#include "shell/Startup.h"
#include "shell/ui/DeclarationGrid.h"
#include "shell/ui/FrmModFor.h"
#include "shell/ui/HelpWindow.h"
#include "shell/ui/MDIFrm.h"
#include "shell/ui/Main.h"
#include "shell/ui/WindowFactory.h"
#include "shell/ui/ZemStatBar.h"
#include "startup/IniFile.h"
#include "startup/WindowFinder.h"
#include "support/TestEnv.h"

using namespace zem;
using namespace zem::test;
using namespace Qt::StringLiterals;

namespace {

struct Seen {
    QString name;
    QString title;
};

// Runs trigger; when a new modal window shows, records it, runs inside on it and closes it.
Seen whileModal(const std::function<void()>& trigger, const std::function<void(QDialog*)>& inside = {}) {
    Seen seen;
    QWidget* before = QApplication::activeModalWidget();
    QTimer timer;
    timer.setInterval(5);
    QObject::connect(&timer, &QTimer::timeout, &timer, [&] {
        QWidget* w = QApplication::activeModalWidget();
        if (!w || w == before)
            return;
        timer.stop();
        seen = {w->objectName(), w->windowTitle()};
        auto* dialog = qobject_cast<QDialog*>(w);
        if (dialog && inside)
            inside(dialog);
        if (dialog && dialog->isVisible())
            dialog->reject();
    });
    timer.start();
    trigger();
    return seen;
}

struct Shell {
    Shell() : main(env.session, factory) {
        main.setExitHandler([this] { exited = true; });
        main.show();
    }
    Seen menu(const char16_t* name, const std::function<void(QDialog*)>& inside = {}) {
        QAction* action = main.findChild<QAction*>(QString::fromUtf16(name));
        EXPECT_TRUE(action) << QString::fromUtf16(name).toStdString();
        return action ? whileModal([action] { action->trigger(); }, inside) : Seen{};
    }

    TestEnv env;
    WindowFactory factory;
    MDIFrm main;
    bool exited = false;
};

}  // namespace

TEST(MainWindow, StartsOnlyBesideTheLauncherOverTheInstalledDatabase) {
    QTemporaryDir dir;
    RecordingMessageSink sink;
    const FixedClock clock(QDateTime(QDate(2007, 3, 15), QTime(10, 0)));
    const InstallTarget target{dir.filePath(u"cfg/QW000.INI"_s), dir.filePath(u"zem"_s)};
    ASSERT_TRUE(initInstallation(sink, true, target));
    const IniFile ini(target.settingsFile);
    const WindowFactory windows;
    FixedWindowEnumerator desktop({{u"Zemlanda"_s, false}});
    const QString cwd = QDir::currentPath();

    Session refused(sink, clock);
    SingleInstance instance(dir.filePath(u"qw482.lock"_s));
    EXPECT_FALSE(Main(refused, desktop, instance, ini, windows));
    EXPECT_EQ(sink.messages().last().title, u"Error al ejecutar el módulo"_s);
    EXPECT_FALSE(refused.gDB);  // nothing was opened

    desktop.setWindows({{u"Zemlanda"_s, true}});
    Session session(sink, clock);
    const auto main = Main(session, desktop, instance, ini, windows);
    ASSERT_TRUE(main);
    EXPECT_TRUE(main->isVisible());
    EXPECT_EQ(main->windowTitle(), u"0482  Declaración Pago Anual Impuesto a la Renta 1.0"_s);
    EXPECT_EQ(main->statusBarZem()->anio(), u"2006"_s);
    // The demonstration user is of kind "0": the demonstration taxpayer's declaration is listed.
    addPrepared(session.db(), QString::fromUtf16(kDemoRuc));
    const Seen list =
        whileModal([&] { main->findChild<QAction*>(u"mnuModificar"_s)->trigger(); },
                   [](QDialog* d) { EXPECT_EQ(static_cast<FrmModFor*>(d)->model()->rowCount(), 1); });
    EXPECT_EQ(list.name, u"frmModFor"_s);
    QDir::setCurrent(cwd);
}

TEST(MainWindow, EveryCommandOpensItsWindowWithItsCaption) {
    Shell shell;
    Session& s = shell.env.session;
    EXPECT_EQ(shell.main.windowTitle(), u"0482  Declaración Pago Anual Impuesto a la Renta 1.0"_s);
    EXPECT_EQ(shell.main.statusBarZem()->formulario(), u"0482"_s);
    EXPECT_EQ(shell.main.statusBarZem()->anio(), u"2006"_s);
    EXPECT_EQ(shell.main.statusBarZem()->modo(), 1);

    struct Case {
        const char16_t* menu;
        QString window;
        QString caption;
    };
    const QList<Case> cases = {
        {u"mnuNueva", u"Frm0478"_s, QString::fromUtf16(kFormCaption)},
        {u"mnuModificar", u"frmModFor"_s, u"Modificar Formularios"_s},
        {u"mnuEliminar", u"frmModFor"_s, u"Eliminar Formularios"_s},
        {u"mnuImprimir", u"frmImprimir"_s, u"Imprimir "_s},
        {u"mnuRegistrar", u"frmAbrirEnv"_s, u"Registrar Número de Orden"_s},
        {u"mnuEliminarE", u"frmModFor"_s, u"Eliminar Formularios"_s},
        {u"mnuImprimirE", u"frmImprimir"_s, u"Imprimir Formularios enviados"_s},
        {u"mnuPro", u"frmBancos"_s, u"Consulta de Profesiones"_s},
        {u"mnuBancos", u"frmBancos"_s, u"Consulta de Bancos"_s},
        {u"mnuUit", u"frmBancos"_s, u"Consulta de UIT"_s},
        {u"mnuAcerca", u"frmAcercade"_s, u"Acerca de Zemlanda "_s},
    };
    for (const Case& c : cases) {
        const Seen seen = shell.menu(c.menu);
        EXPECT_EQ(seen.name, c.window) << QString::fromUtf16(c.menu).toStdString();
        EXPECT_EQ(seen.title, c.caption) << QString::fromUtf16(c.menu).toStdString();
        EXPECT_EQ(QApplication::overrideCursor(), nullptr) << "wait cursor left behind";
    }

    // The sent list of the delete command; the empty reference grid is disabled.
    shell.menu(u"mnuEliminarE", [](QDialog* d) {
        EXPECT_EQ(d->findChild<QGroupBox*>()->title(), u"Declaraciones Enviadas"_s);
    });
    shell.menu(u"mnuUit",
               [](QDialog* d) { EXPECT_FALSE(d->findChild<QTableView*>(u"grdBancos"_s)->isEnabled()); });

    // The toolbar: separators do nothing; "Modificar" opens the list.
    for (int separator : {6, 8, 9})
        EXPECT_TRUE(whileModal([&] { shell.main.clickToolbarButton(separator); }).name.isEmpty());
    EXPECT_EQ(whileModal([&] { shell.main.clickToolbarButton(2); }).name, u"frmModFor"_s);

    shell.menu(u"mnuContenido");
    ASSERT_TRUE(shell.main.helpWindow());
    EXPECT_TRUE(shell.main.helpWindow()->isVisible());
    EXPECT_EQ(shell.main.helpWindow()->source().fragment(), u"contenido"_s);
    EXPECT_TRUE(shell.main.helpWindow()->browser()->toPlainText().contains(u"Contenido de la Ayuda"_s));

    shell.menu(u"mnuSalir");
    EXPECT_TRUE(shell.exited);
    EXPECT_FALSE(s.gDB);
    EXPECT_FALSE(shell.main.isVisible());
}

TEST(MainWindow, ComesBackToItsFixedGeometryOnActivation) {
    Shell shell;
    shell.main.move(200, 150);
    shell.main.resize(300, 200);
    QEvent activate(QEvent::WindowActivate);
    QApplication::sendEvent(&shell.main, &activate);
    EXPECT_EQ(shell.main.frameGeometry().topLeft(), QPoint(-4, -4));
    EXPECT_EQ(shell.main.frameGeometry().size(), QSize(648, 488));
}

TEST(DeclarationList, DeletesAfterBothQuestionsAndShowsOnlyTheUsersTaxpayers) {
    Shell shell;
    Db& db = shell.env.db();
    addTaxpayer(db, {.ruc = u"10406958278"_s, .nombre = u"QUISPE MAMANI ROSA"_s, .usuario = u"CONTADOR"_s});
    addTaxpayer(db, {.ruc = u"10074326159"_s, .nombre = u"D'ONOFRIO LUIS"_s, .usuario = u"OTRO"_s});
    addPrepared(db, u"10406958278"_s);
    addPrepared(db, u"10074326159"_s);
    db.execute(
        u"INSERT INTO f0480pagos (tip_doc_d, doc_id_d, periodo, formulario, casilla) "
        u"VALUES (6, '10406958278', '2006', '0482', '133')"_s);
    RecordingMessageSink& sink = shell.env.sink;
    auto cabRows = [&] { return count(db, u"SELECT count(*) FROM cab WHERE doc_id_d = '10406958278'"_s); };

    shell.menu(u"mnuEliminar", [&](QDialog* d) {
        auto* list = static_cast<FrmModFor*>(d);
        // CONTADOR is of kind "1": the other user's taxpayer is not offered.
        ASSERT_EQ(list->model()->rowCount(), 1);
        EXPECT_EQ(list->model()->rowAt(0)->ruc, u"10406958278"_s);
        EXPECT_EQ(shell.main.statusBarZem()->numDoc(), u"10406958278"_s);
        EXPECT_EQ(shell.main.statusBarZem()->nombre(), u"QUISPE MAMANI ROSA"_s);

        sink.setNextAnswer(MsgAnswer::Cancel);
        list->act();
        sink.setNextAnswer(MsgAnswer::Ok);
        sink.setNextAnswer(MsgAnswer::No);
        list->act();
        EXPECT_EQ(cabRows(), 1);

        sink.clear();
        sink.setNextAnswer(MsgAnswer::Ok);
        sink.setNextAnswer(MsgAnswer::Yes);
        QTest::keyClick(list->grid(), Qt::Key_Return);
        ASSERT_EQ(sink.messages().size(), 2);
        EXPECT_EQ(sink.messages()[0].text, u"Se eliminarán todos los registros de la declaración "_s);
        EXPECT_EQ(sink.messages()[0].title, u"Eliminar Formulario"_s);
        EXPECT_EQ(sink.messages()[0].icon, MsgIcon::Exclamation);
        EXPECT_EQ(sink.messages()[0].defaultAnswer, MsgAnswer::Cancel);
        EXPECT_EQ(sink.messages()[1].text, u"¿Confirma que va a eliminar la declaración?"_s);
        EXPECT_EQ(sink.messages()[1].defaultAnswer, MsgAnswer::No);
        EXPECT_EQ(list->model()->rowCount(), 0);
        list->act();  // nothing chosen: nothing happens
        EXPECT_EQ(sink.messages().size(), 2);
    });
    EXPECT_EQ(cabRows(), 0);
    EXPECT_EQ(count(db, u"SELECT count(*) FROM det WHERE doc_id_d = '10406958278'"_s), 0);
    EXPECT_EQ(count(db, u"SELECT count(*) FROM f0480pagos"_s), 0);
    EXPECT_EQ(count(db, u"SELECT count(*) FROM cab"_s), 1);

    // A user of kind "0" sees every taxpayer; Enter opens the chosen declaration to modify it.
    addUser(db, u"CONTADOR"_s, u"0"_s);
    OpenRequest asked;
    shell.factory.setDeclarationWindow([&](Session&, const OpenRequest& request, QWidget* parent) {
        asked = request;
        auto* w = new QDialog(parent);
        w->setObjectName(u"Frm0478"_s);
        return w;
    });
    shell.menu(u"mnuModificar", [&](QDialog* d) {
        auto* list = static_cast<FrmModFor*>(d);
        ASSERT_EQ(list->model()->rowCount(), 1);
        EXPECT_EQ(list->model()->rowAt(0)->ruc, u"10074326159"_s);
        const Seen opened = whileModal([&] { QTest::keyClick(list->grid(), Qt::Key_Return); });
        EXPECT_EQ(opened.name, u"Frm0478"_s);
        EXPECT_EQ(asked.mode, OpenMode::Existing);
        EXPECT_EQ(asked.key.ruc, u"10074326159"_s);
    });
}

TEST(DeclarationList, OrderNumberListShowsARegistrationAsSoonAsItComesBack) {
    Shell shell;
    Db& db = shell.env.db();
    addTaxpayer(db,
                {.ruc = u"10406958278"_s, .nombre = u"  QUISPE MAMANI ROSA  "_s, .usuario = u"CONTADOR"_s});
    addSent(db, u"10406958278"_s, u"1"_s);
    addSent(db, u"10406958278"_s, u"2"_s, 0);
    OpenRequest asked;
    // The declaration window stands in for the order-number registration.
    shell.factory.setDeclarationWindow([&](Session& session, const OpenRequest& request, QWidget* parent) {
        asked = request;
        session.db().execute(u"UPDATE hcab SET norden = '87654321' WHERE correl = ?"_s, {request.key.correl});
        auto* d = new QDialog(parent);
        d->setObjectName(u"Frm0478"_s);
        return d;
    });

    shell.menu(u"mnuRegistrar", [&](QDialog* d) {
        auto* grid = d->findChild<DeclarationGrid*>(u"grdContrib"_s);
        auto* model = grid->model();
        ASSERT_EQ(model->rowCount(), 2);  // every sending, whatever its state
        const QPoint row = grid->visualRect(model->index(1, 0)).center();
        const Seen opened = whileModal([&] {
            QTest::mousePress(grid->viewport(), Qt::LeftButton, {}, row);
            QTest::mouseRelease(grid->viewport(), Qt::LeftButton, {}, row);
            QTest::mouseDClick(grid->viewport(), Qt::LeftButton, {}, row);
        });
        EXPECT_EQ(opened.name, u"Frm0478"_s);
        EXPECT_EQ(asked.mode, OpenMode::Sent);
        EXPECT_EQ(asked.key.correl, u"2"_s);
        EXPECT_EQ(asked.key.ruc, u"10406958278"_s);
        EXPECT_EQ(asked.control, u"12345678"_s);
        EXPECT_EQ(grid->currentIndex().row(), 1);
        EXPECT_EQ(model->index(1, 4).data().toString(), u"87654321"_s);
    });
}
