#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTableView>

#include "LauncherWindow.h"
#include "ShellFixtures.h"
#include "declaration/Sending.h"
#include "shell/SendCommand.h"
#include "support/TestEnv.h"

using namespace zem;
using namespace zem::test;
using namespace Qt::StringLiterals;

namespace {

struct Launcher {
    explicit Launcher(TestEnv& env) : window(env.session) { window.show(); }

    template <typename T>
    T* find(const QString& name) {
        T* w = window.findChild<T*>(name);
        EXPECT_TRUE(w) << name.toStdString();
        return w;
    }
    // What the window does each time it comes back to the front.
    void activate() {
        QEvent event(QEvent::WindowActivate);
        QApplication::sendEvent(&window, &event);
    }
    int selectedRow(const QString& view) {
        const QModelIndexList rows = find<QTableView>(view)->selectionModel()->selectedRows();
        return rows.isEmpty() ? -1 : rows.first().row();
    }

    LauncherWindow window;
};

QStringList sentRucs(Db& db) {
    QStringList out;
    QSqlQuery q = db.select(u"SELECT doc_id_d, correl FROM hcab ORDER BY doc_id_d"_s);
    while (q.next())
        out << q.value(u"doc_id_d"_s).toString() + u'/' + q.value(u"correl"_s).toString();
    return out;
}

}  // namespace

TEST(Launcher, SendsTheSelectedDeclarationOnlyAfterNamingIt) {
    TestEnv env;
    Db& db = env.db();
    addUser(db, u"CONTADOR"_s, u"0"_s);
    const QStringList rucs = {u"10074326159"_s, u"10406958278"_s, u"20100070970"_s};
    for (const QString& ruc : rucs) {
        addTaxpayer(db, {.ruc = ruc, .nombre = u"CONTRIBUYENTE "_s + ruc.right(3), .usuario = u"CONTADOR"_s});
        addPrepared(db, ruc);
    }
    Launcher l(env);
    auto* send = l.find<QPushButton>(u"cmdEnviar"_s);

    // Nothing selected: the button is off and sending does nothing at all.
    EXPECT_FALSE(send->isEnabled());
    l.window.sendChosen();
    EXPECT_TRUE(env.sink.messages().isEmpty());

    // The third row is chosen, then the window comes back to the front: the choice survives the reload.
    l.find<QTableView>(u"grdPreparadas"_s)->selectRow(2);
    l.activate();
    EXPECT_EQ(l.selectedRow(u"grdPreparadas"_s), 2);
    ASSERT_TRUE(send->isEnabled());

    env.sink.setNextAnswer(MsgAnswer::No);
    send->click();
    ASSERT_EQ(env.sink.messages().size(), 1);
    const Message& question = env.sink.messages()[0];
    EXPECT_EQ(question.text,
              u"¿Confirma que va a enviar a KELOR la declaración del RUC 20100070970 - CONTRIBUYENTE 970?"_s);
    EXPECT_EQ(question.title, QString::fromUtf16(kSendTitle));
    EXPECT_EQ(question.defaultAnswer, MsgAnswer::No);
    EXPECT_TRUE(sentRucs(db).isEmpty());

    env.sink.clear();
    env.sink.setNextAnswer(MsgAnswer::Yes);
    send->click();
    EXPECT_EQ(sentRucs(db), QStringList{u"20100070970/1"_s});
    ASSERT_EQ(env.sink.messages().size(), 2);
    EXPECT_EQ(env.sink.messages()[1].text,
              u"La declaración del RUC 20100070970 - CONTRIBUYENTE 970 fue enviada con el correlativo 1."_s);
    EXPECT_EQ(env.sink.messages()[1].title, QString::fromUtf16(kSendTitle));
    EXPECT_EQ(l.selectedRow(u"grdPreparadas"_s), 2);

    // The module deletes the chosen declaration: back at the front the list has lost it, and the button is
    // off.
    auto* prepared = l.find<QTableView>(u"grdPreparadas"_s);
    db.execute(u"DELETE FROM cab WHERE doc_id_d = '20100070970'"_s);
    l.activate();
    EXPECT_EQ(prepared->model()->rowCount(), 2);
    EXPECT_FALSE(send->isEnabled());
    // A choice taken back turns it off as well.
    prepared->selectRow(0);
    EXPECT_TRUE(send->isEnabled());
    prepared->clearSelection();
    EXPECT_FALSE(send->isEnabled());
}

TEST(Launcher, AUserOfKindOneSeesAndSendsOnlyTheOwnTaxpayers) {
    TestEnv env;  // the session's user is CONTADOR
    Db& db = env.db();
    addUser(db, u"CONTADOR"_s, u"1"_s);
    addUser(db, u"OTRO"_s, u"0"_s);
    addTaxpayer(db, {.ruc = u"10406958278"_s, .nombre = u"PROPIO"_s, .usuario = u"CONTADOR"_s});
    addTaxpayer(db, {.ruc = u"20100070970"_s, .nombre = u"AJENO"_s, .usuario = u"OTRO"_s});
    for (const QString& ruc : {u"10406958278"_s, u"20100070970"_s}) {
        addPrepared(db, ruc);
        addSent(db, ruc, u"1"_s);
    }
    Launcher l(env);
    for (const QString& list : {u"grdPreparadas"_s, u"grdEnviadas"_s, u"grdContribuyentes"_s}) {
        const QAbstractItemModel* model = l.find<QTableView>(list)->model();
        ASSERT_EQ(model->rowCount(), 1) << list.toStdString();
        EXPECT_EQ(model->index(0, 0).data().toString(), u"10406958278"_s) << list.toStdString();
    }
    // New taxpayers are registered under the own name only.
    auto* usuario = l.find<QComboBox>(u"cboUsuario"_s);
    EXPECT_EQ(usuario->count(), 1);
    EXPECT_EQ(usuario->currentText(), u"CONTADOR"_s);
    EXPECT_FALSE(usuario->isEnabled());

    // The batch tool's road refuses another user's declaration as well.
    EXPECT_FALSE(sendByRuc(env.session, u"20100070970"_s));
    EXPECT_EQ(count(db, u"SELECT count(*) FROM hcab WHERE correl = '2'"_s), 0);
}

TEST(Launcher, ANewUserStartsFromNuevoAndIsConfirmed) {
    TestEnv env;
    Db& db = env.db();
    addUser(db, u"ANA"_s, u"0"_s);
    Launcher l(env);
    auto* name = l.find<QLineEdit>(u"txtUsuario"_s);
    auto* kind = l.find<QComboBox>(u"cboTipo"_s);
    l.find<QTableView>(u"grdUsuarios"_s)->selectRow(0);
    EXPECT_EQ(name->text(), u"ANA"_s);
    EXPECT_EQ(kind->currentData().toString(), u"0"_s);
    EXPECT_TRUE(name->isReadOnly());  // the chosen user's name is not overwritten

    // A new user starts from the narrower kind, whatever the user shown before had.
    l.find<QPushButton>(u"cmdNuevoUsuario"_s)->click();
    EXPECT_TRUE(name->text().isEmpty());
    EXPECT_FALSE(name->isReadOnly());
    EXPECT_EQ(kind->currentData().toString(), u"1"_s);
    name->setText(u"LUIS"_s);
    l.find<QPushButton>(u"cmdGrabarUsuario"_s)->click();
    EXPECT_EQ(env.sink.texts(), QStringList{u"El usuario LUIS fue grabado."_s});
    EXPECT_EQ(env.sink.messages()[0].icon, MsgIcon::Information);
    EXPECT_EQ(count(db, u"SELECT count(*) FROM claves"_s), 2);
    EXPECT_EQ(db.scalar(u"SELECT tipo FROM claves WHERE usuario = 'ANA'"_s).toString(), u"0"_s);
}

TEST(Launcher, ATaxpayerChosenFromTheListIsSavedAsItWasAndEverySaveReachesTheOtherLists) {
    TestEnv env;  // the session's user is CONTADOR
    Db& db = env.db();
    addUser(db, u"CONTADOR"_s, u"0"_s);
    addUser(db, u"ANA"_s, u"1"_s);
    addTaxpayer(
        db, {.ruc = u"10406958278"_s, .nombre = u"PEREZ GOMEZ ANA"_s, .tipoIngreso = 3, .usuario = u"ANA"_s});
    addPrepared(db, u"10406958278"_s);
    Launcher l(env);
    auto* usuario = l.find<QComboBox>(u"cboUsuario"_s);
    auto* kind = l.find<QSpinBox>(u"spnTipoIngreso"_s);
    EXPECT_TRUE(usuario->isEnabled());  // a user of kind "0" registers taxpayers for any user

    // Chosen, renamed and saved: the kind of income and the user stay the taxpayer's own.
    l.find<QTableView>(u"grdContribuyentes"_s)->selectRow(0);
    EXPECT_EQ(kind->value(), 3);
    EXPECT_EQ(usuario->currentText(), u"ANA"_s);
    l.find<QLineEdit>(u"txtNombre"_s)->setText(u"PEREZ GOMEZ ANA MARIA"_s);
    l.find<QPushButton>(u"cmdGrabarContribuyente"_s)->click();
    EXPECT_EQ(db.scalar(u"SELECT tipo_ingreso || usuario FROM cont"_s).toString(), u"3ANA"_s);
    // The declaration list shows the new name at once.
    const QAbstractItemModel* prepared = l.find<QTableView>(u"grdPreparadas"_s)->model();
    EXPECT_EQ(prepared->index(0, 1).data().toString(), u"PEREZ GOMEZ ANA MARIA"_s);

    // "Nuevo" starts from this module's kind of income and the session's user.
    l.find<QPushButton>(u"cmdNuevoContribuyente"_s)->click();
    EXPECT_EQ(kind->value(), 2);
    EXPECT_EQ(usuario->currentText(), u"CONTADOR"_s);

    // A user registered on the other page can be chosen at once.
    l.find<QLineEdit>(u"txtUsuario"_s)->setText(u"LUIS"_s);
    l.find<QPushButton>(u"cmdGrabarUsuario"_s)->click();
    EXPECT_GE(usuario->findText(u"LUIS"_s), 0);
}

TEST(Launcher, OnlyAUserOfKindZeroActsOnOtherUsersTaxpayers) {
    TestEnv env;  // the session's user is CONTADOR
    Db& db = env.db();
    addUser(db, u"CONTADOR"_s, u"2"_s);  // any kind but "0" keeps to the own taxpayers
    addTaxpayer(db, {.ruc = u"10406958278"_s, .nombre = u"PROPIO"_s, .usuario = u"CONTADOR"_s});
    addTaxpayer(db, {.ruc = u"20100070970"_s, .nombre = u"AJENO"_s, .usuario = u"OTRO"_s});
    for (const QString& ruc : {u"10406958278"_s, u"20100070970"_s})
        addPrepared(db, ruc);
    {
        Launcher l(env);
        EXPECT_EQ(l.find<QTableView>(u"grdPreparadas"_s)->model()->rowCount(), 1);
    }
    EXPECT_FALSE(sendByRuc(env.session, u"20100070970"_s));
    EXPECT_TRUE(env.sink.contains(u"El RUC 20100070970 no es un contribuyente del usuario CONTADOR."_s));

    // Of kind "0" the same user lists and sends the other user's declaration.
    addUser(db, u"CONTADOR"_s, u"0"_s);
    Launcher l(env);
    auto* prepared = l.find<QTableView>(u"grdPreparadas"_s);
    ASSERT_EQ(prepared->model()->rowCount(), 2);
    prepared->selectRow(1);
    env.sink.clear();
    env.sink.setNextAnswer(MsgAnswer::Yes);
    l.find<QPushButton>(u"cmdEnviar"_s)->click();
    EXPECT_EQ(sentRucs(db), QStringList{u"20100070970/1"_s}) << env.sink.texts().join(u'\n').toStdString();
}
