#include <gtest/gtest.h>

#include <QFile>
#include <QSqlQuery>
#include <QSqlRecord>
#include <stdexcept>

#include "startup/IniFile.h"
#include "startup/Schema.h"
#include "support/TestEnv.h"

using namespace zem;
using namespace Qt::StringLiterals;

namespace {

// Opens the test database once more, as another user of the shared file would.
struct SecondConnection {
    explicit SecondConnection(const Settings& s) {
        DbError e;
        ok = openDatabase(s, name, &e, 200);
    }
    ~SecondConnection() { QSqlDatabase::removeDatabase(name); }
    QSqlDatabase db() const { return QSqlDatabase::database(name); }
    QString name = u"second"_s;
    bool ok = false;
};

}  // namespace

TEST(Connection, FailuresAreShownInTheSystemsWords) {
    test::TestEnv env;
    IniFile ini(env.path(u"QW000.INI"_s));
    ASSERT_TRUE(ini.write(u"Options"_s, u"DBName"_s, u"zem.db"_s));
    Session session(env.sink, env.clock);
    session.settings = env.session.settings;

    session.settings.gDBFile = env.path(u"missing.db"_s);
    EXPECT_FALSE(openConnection(session, ini, 100));
    ASSERT_EQ(env.sink.messages().size(), 1);
    EXPECT_EQ(env.sink.messages()[0].title, u"Error de Conección"_s);
    EXPECT_TRUE(env.sink.messages()[0].text.startsWith(u"No existe la base de datos «"_s));
    EXPECT_FALSE(QFile::exists(session.settings.gDBFile));  // never created by opening
    EXPECT_EQ(ini.read(u"Options"_s, u"SystemDB"_s), env.session.settings.gSysPath + u"QW000.MDW"_s);

    QFile garbage(env.path(u"garbage.db"_s));
    ASSERT_TRUE(garbage.open(QIODevice::WriteOnly));
    garbage.write(QByteArray(4096, 'x'));
    garbage.close();
    session.settings.gDBFile = garbage.fileName();
    env.sink.clear();
    EXPECT_FALSE(openConnection(session, ini, 100));
    EXPECT_TRUE(env.sink.messages()[0].text.endsWith(u"\n3343"_s));

    // Held exclusively by another process.
    Settings held = env.session.settings;
    held.gDBFile = env.path(u"held.db"_s);
    DbError e;
    ASSERT_TRUE(createSqliteFile(held.gDBFile, &e));
    SecondConnection other(held);
    ASSERT_TRUE(other.ok);
    QSqlQuery q(other.db());
    ASSERT_TRUE(q.exec(u"PRAGMA locking_mode=EXCLUSIVE"_s));
    ASSERT_TRUE(q.exec(u"BEGIN EXCLUSIVE"_s)) << q.lastError().text().toStdString();
    ASSERT_TRUE(q.exec(u"CREATE TABLE t (x INTEGER)"_s));
    session.settings.gDBFile = held.gDBFile;
    env.sink.clear();
    EXPECT_FALSE(openConnection(session, ini, 100));
    ASSERT_EQ(env.sink.messages().size(), 1);
    EXPECT_EQ(env.sink.messages()[0].text, u" 3051- Base esta bloqueda"_s);
    q.exec(u"ROLLBACK"_s);
}

TEST(Executor, ReportsAFailureAndCarriesOn) {
    test::TestEnv env;
    EXPECT_FALSE(env.db().execute(u"INSERT INTO no_such_table VALUES (?)"_s, {1}));
    ASSERT_EQ(env.sink.messages().size(), 1);
    EXPECT_EQ(env.sink.messages()[0].title, u"Error al Ejecutar Sentencia SQL"_s);
    EXPECT_TRUE(env.sink.messages()[0].text.startsWith(u"Error Número : 1\n"_s));
    EXPECT_TRUE(env.db().execute(u"INSERT INTO claves (usuario, tipo) VALUES (?, ?)"_s, {u"ANA"_s, u"0"_s}));
}

TEST(Executor, AFailingStatementInAGroupLeavesNothingOfTheGroup) {
    test::TestEnv env;
    Db& db = env.db();
    ASSERT_TRUE(db.execute(u"INSERT INTO claves (usuario, tipo) VALUES ('ANA', '0')"_s));
    const bool ok = db.transaction([&] {
        return db.execute(u"INSERT INTO claves (usuario, tipo) VALUES ('LUIS', '1')"_s) &&
               db.execute(u"DELETE FROM claves WHERE usuario = 'ANA'"_s) &&
               db.execute(u"INSERT INTO claves (usuario, tipo) VALUES ('LUIS', '1')"_s);  // duplicate key
    });
    EXPECT_FALSE(ok);
    EXPECT_EQ(db.scalar(u"SELECT group_concat(usuario) FROM claves"_s).toString(), u"ANA"_s);
    ASSERT_EQ(env.sink.messages().size(), 1);  // reported once, by the database error reporter
    EXPECT_EQ(env.sink.messages()[0].title, u"Mensaje"_s);
    EXPECT_EQ(env.sink.messages()[0].text, u"Registro ya existe lo ingresaron en ese momento"_s);

    // Work that refuses by itself rolls back without a database message.
    env.sink.clear();
    EXPECT_FALSE(db.transaction([&] { return db.execute(u"DELETE FROM claves"_s) && false; }));
    EXPECT_EQ(db.scalar(u"SELECT count(*) FROM claves"_s).toInt(), 1);
    EXPECT_TRUE(env.sink.messages().isEmpty());
}

TEST(Executor, TextsComeBackExactly) {
    test::TestEnv env;
    const QString name = u"D'ONOFRIO 100% C:\\ruta \"x\" ñandú"_s;
    ASSERT_TRUE(env.db().execute(u"INSERT INTO cont (tip_doc_d, doc_id_d, nombre) VALUES (6, ?, ?)"_s,
                                 {u"20100070970"_s, name}));
    EXPECT_EQ(env.db().scalar(u"SELECT nombre FROM cont WHERE nombre = ?"_s, {name}).toString(), name);
}

TEST(DbErrors, EngineErrorsMapToTheFamilysMessages) {
    auto text = [](const QString& code, QSqlError::ErrorType type = QSqlError::StatementError) {
        return dbErrorReporterText(DbError::fromSql(QSqlError(u"driver"_s, u"database text"_s, type, code)));
    };
    EXPECT_EQ(text(u"5"_s), u"Registro bloqueado. Intente luego"_s);
    EXPECT_EQ(text(u"6"_s), u"No puede grabarlo. Actualmente bloqueado"_s);
    EXPECT_EQ(text(u"23505"_s), u"Registro ya existe lo ingresaron en ese momento"_s);
    EXPECT_EQ(text(u"55P03"_s), u"Registro bloqueado. Intente luego"_s);
    EXPECT_EQ(text(u"40001"_s), u"La data ha cambiado"_s);
    EXPECT_EQ(dbErrorReporterText({DbError::kRowModified, {}}),
              u"Registro ha sido modificado o eliminado por otro usuario"_s);
    EXPECT_EQ(dbErrorReporterText({DbError::kRowDeleted, {}}),
              u"Registro ha sido eliminado por otro usuario"_s);
    EXPECT_EQ(dbErrorReporterText({3021, u"Sin registro actual"_s}),
              u"Error tecnico: 3021\nError de la base de datos.\nIntente nuevamente por favor."_s);

    RecordingMessageSink sink;
    bool writing = true;
    reportDbError(sink, {}, &writing);
    EXPECT_TRUE(sink.messages().isEmpty());
    EXPECT_TRUE(writing);
    reportDbError(sink, {DbError::kDuplicate, {}}, &writing);
    EXPECT_FALSE(writing);
    EXPECT_EQ(sink.messages()[0].icon, MsgIcon::Information);
}

TEST(Schema, CreatesEveryTableOnceAndKeepsWorkingTablesPrivate) {
    test::TestEnv env;
    Db& db = env.db();
    EXPECT_EQ(schemaVersion(db), kSchemaVersion);
    EXPECT_TRUE(createSchema(db));  // again: nothing changes
    EXPECT_EQ(db.scalar(u"SELECT count(*) FROM schema_version"_s).toInt(), 1);

    ASSERT_EQ(annexTables().size(), 17);
    EXPECT_EQ(annexTables().first().working, u"TMP_F0476DIVID"_s);
    EXPECT_EQ(annexTables().last().stored, u"F0482DIFCAS"_s);
    const AnnexTable* pagos = annexByWorking(u"tmp_f0480pagos"_s);
    ASSERT_NE(pagos, nullptr);
    EXPECT_EQ(pagos->history, u"HF0480PAGOS"_s);

    QSqlQuery q(db.handle());
    ASSERT_TRUE(q.exec(u"SELECT * FROM HF0480PAGOS"_s));
    QStringList cols;
    for (int i = 0; i < q.record().count(); ++i)
        cols << q.record().fieldName(i);
    EXPECT_EQ(cols.mid(0, 5),
              QStringList({u"tip_doc_d"_s, u"doc_id_d"_s, u"periodo"_s, u"formulario"_s, u"correl"_s}));
    EXPECT_EQ(cols.last(), u"cnumero"_s);
    EXPECT_EQ(cols.mid(5, cols.size() - 6), pagos->columns);

    ASSERT_TRUE(db.execute(u"INSERT INTO TMP_F0480PAGOS (casilla) VALUES ('133')"_s));
    SecondConnection other(env.session.settings);
    ASSERT_TRUE(other.ok);
    QSqlQuery o(other.db());
    EXPECT_FALSE(o.exec(u"SELECT count(*) FROM TMP_F0480PAGOS"_s));  // not visible to another connection
}

TEST(Executor, AnErrorAfterSomeRowsFailsTheWholeRead) {
    test::TestEnv env;
    Db& db = env.db();
    // Two rows, then the engine fails on the third (abs() of the smallest integer overflows), as a damaged
    // page fails in the middle of a table.
    const QString failingLate =
        u"WITH RECURSIVE c(n) AS (SELECT 1 UNION ALL SELECT n + 1 FROM c WHERE n < 5) "
        "SELECT CASE WHEN n < 3 THEN n ELSE abs(-9223372036854775807 + 2 - n) END AS v FROM c"_s;
    QSqlQuery q = db.select(failingLate);
    EXPECT_FALSE(q.isActive());
    EXPECT_FALSE(q.next());
    EXPECT_TRUE(db.lastError().isError());
    ASSERT_EQ(env.sink.messages().size(), 1);
    EXPECT_EQ(env.sink.messages()[0].title, u"Error al Ejecutar Sentencia SQL"_s);

    // Inside a transaction the read fails the transaction, which reports it once.
    env.sink.clear();
    EXPECT_FALSE(db.transaction([&] {
        QSqlQuery rows = db.select(failingLate);
        while (rows.next()) {
        }
        return true;
    }));
    ASSERT_EQ(env.sink.messages().size(), 1);
    EXPECT_EQ(env.sink.messages()[0].title, u"Mensaje"_s);

    // A sound query still gives every row, from the first, and can be read by column name.
    QSqlQuery ok = db.select(u"SELECT 7 AS a UNION ALL SELECT 8"_s);
    ASSERT_TRUE(ok.next());
    EXPECT_EQ(ok.value(u"a"_s).toInt(), 7);
    ASSERT_TRUE(ok.next());
    EXPECT_FALSE(ok.next());
}

TEST(Executor, ATransactionWhoseWorkThrowsIsRolledBackAndLeavesNoNesting) {
    test::TestEnv env;
    Db& db = env.db();
    const auto throwing = [&] {
        db.execute(u"INSERT INTO claves (usuario, tipo) VALUES ('ANA', '0')"_s);
        throw std::runtime_error("interrupted");
        return true;
    };
    EXPECT_THROW(db.transaction(throwing), std::runtime_error);
    EXPECT_FALSE(db.inTransaction());
    EXPECT_THROW(db.transaction([&] { return db.transaction(throwing); }), std::runtime_error);
    EXPECT_FALSE(db.inTransaction());
    EXPECT_EQ(db.scalar(u"SELECT count(*) FROM claves"_s).toInt(), 0);

    // The next transaction is a transaction of its own again: its failure rolls back only itself.
    EXPECT_TRUE(db.transaction(
        [&] { return db.execute(u"INSERT INTO claves (usuario, tipo) VALUES ('LUIS', '1')"_s); }));
    EXPECT_FALSE(db.transaction([&] { return db.execute(u"DELETE FROM claves"_s) && false; }));
    EXPECT_EQ(db.scalar(u"SELECT group_concat(usuario) FROM claves"_s).toString(), u"LUIS"_s);
}

TEST(Executor, AReadNeitherWaitsForNorBlocksAWriterOfAnotherProcess) {
    test::TestEnv env;
    Db& db = env.db();
    ASSERT_TRUE(db.execute(u"INSERT INTO claves (usuario, tipo) VALUES ('ANA', '0')"_s));
    SecondConnection other(env.session.settings);
    ASSERT_TRUE(other.ok);
    QSqlQuery w(other.db());
    ASSERT_TRUE(w.exec(u"BEGIN IMMEDIATE"_s));
    ASSERT_TRUE(w.exec(u"INSERT INTO claves (usuario, tipo) VALUES ('LUIS', '1')"_s));

    // The working tables are this connection's own, so filling them is part of a read.
    const bool read = db.transaction(
        [&] {
            return db.execute(
                u"INSERT INTO TMP_F0480CONDOMI (tip_doc_con, num_ruc) SELECT tipo, usuario FROM claves"_s);
        },
        Db::Access::Read);
    EXPECT_TRUE(read);
    EXPECT_EQ(db.scalar(u"SELECT group_concat(num_ruc) FROM TMP_F0480CONDOMI"_s).toString(), u"ANA"_s);
    // A write has to wait, and says so once its wait is over.
    env.sink.clear();
    EXPECT_FALSE(db.transaction([&] { return db.execute(u"DELETE FROM claves"_s); }));
    ASSERT_EQ(env.sink.messages().size(), 1);
    EXPECT_EQ(env.sink.messages()[0].text, u"Registro bloqueado. Intente luego"_s);
    ASSERT_TRUE(w.exec(u"COMMIT"_s));
}
