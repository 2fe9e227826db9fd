#include <gtest/gtest.h>

#include <QFile>
#include <QSqlQuery>

#include "startup/IniFile.h"
#include "startup/Schema.h"
#include "support/TestEnv.h"

using namespace zem;
using namespace Qt::StringLiterals;

namespace {

// A database file of its own beside the test installation, reached through a raw connection to shape it.
class OtherFile {
public:
    OtherFile(test::TestEnv& env, const QString& file) : path(env.path(file)) {
        DbError e;
        createSqliteFile(path, &e);
    }
    bool exec(const QString& sql) {
        bool ok = false;
        {
            QSqlDatabase db = QSqlDatabase::addDatabase(u"QSQLITE"_s, u"shape"_s);
            db.setDatabaseName(path);
            ok = db.open() && QSqlQuery(db).exec(sql);
            db.close();
        }
        QSqlDatabase::removeDatabase(u"shape"_s);
        return ok;
    }
    QByteArray bytes() const {
        QFile f(path);
        f.open(QIODevice::ReadOnly);
        return f.readAll();
    }
    QString path;
};

// Opens a file as the module, the launcher and the batch tool do; the messages go to env.sink.
bool openAsTheModule(test::TestEnv& env, const QString& path, Session* session) {
    session->settings = env.session.settings;
    session->settings.gDBFile = path;
    env.sink.clear();
    return openConnection(*session, IniFile(env.path(u"QW000.INI"_s)), 100);
}

}  // namespace

TEST(Schema, OpeningRefusesWhatIsNotOursOrIsNewerAndLeavesItAsItWas) {
    test::TestEnv env;
    Session session(env.sink, env.clock);

    OtherFile empty(env, u"empty.db"_s);
    const QByteArray emptyBefore = empty.bytes();
    EXPECT_FALSE(openAsTheModule(env, empty.path, &session));
    ASSERT_EQ(env.sink.messages().size(), 1);  // one connection message, no cascade of SQL errors
    EXPECT_EQ(env.sink.messages()[0].title, u"Error de Conección"_s);
    EXPECT_TRUE(env.sink.messages()[0].text.contains(u"está vacía"_s));
    EXPECT_TRUE(env.sink.messages()[0].text.endsWith(u"\n3343"_s));
    EXPECT_EQ(empty.bytes(), emptyBefore);

    OtherFile foreign(env, u"foreign.db"_s);
    ASSERT_TRUE(foreign.exec(u"CREATE TABLE clientes (nombre TEXT)"_s));
    EXPECT_FALSE(openAsTheModule(env, foreign.path, &session));
    ASSERT_EQ(env.sink.messages().size(), 1);
    EXPECT_TRUE(env.sink.messages()[0].text.contains(u"tablas de otro programa"_s));

    // Neither does the installation step put our tables beside someone else's.
    env.sink.clear();
    {
        DbError e;
        ASSERT_TRUE(openDatabase(session.settings, u"install"_s, &e, 100));
        Db db(u"install"_s, env.sink);
        EXPECT_FALSE(createSchema(db));
        EXPECT_EQ(db.handle().tables(), QStringList{u"clientes"_s});
    }
    EXPECT_TRUE(env.sink.messages().last().text.contains(u"tablas de otro programa"_s));

    // A database a newer program wrote: refused, its version and rows untouched.
    ASSERT_TRUE(env.db().execute(u"UPDATE schema_version SET version = ?"_s, {kSchemaVersion + 1}));
    EXPECT_FALSE(openAsTheModule(env, env.session.settings.gDBFile, &session));
    ASSERT_EQ(env.sink.messages().size(), 1);
    EXPECT_TRUE(env.sink.messages()[0].text.contains(u"versión más reciente del programa (versión "_s +
                                                     QString::number(kSchemaVersion + 1)));
    EXPECT_EQ(schemaVersion(env.db()), kSchemaVersion + 1);
}

TEST(Schema, AnOlderDatabaseIsUpgradedOnOpeningAndKeepsItsRows) {
    test::TestEnv env;
    Db& db = env.db();
    // The tables as the first version wrote them: CAB without its save counter.
    ASSERT_TRUE(db.execute(u"ALTER TABLE cab DROP COLUMN version"_s));
    ASSERT_TRUE(db.execute(u"DROP TABLE F0482RETIMP"_s));
    ASSERT_TRUE(db.execute(u"DROP TABLE HF0482RETIMP"_s));
    ASSERT_TRUE(db.execute(u"UPDATE schema_version SET version = 1"_s));
    ASSERT_TRUE(
        db.execute(u"INSERT INTO cab (tip_doc_d, doc_id_d, periodo, formulario, semana, estado) "
                   "VALUES (6, '10123456789', '2006', '0482', 0, 9)"_s));

    Session session(env.sink, env.clock);
    ASSERT_TRUE(openAsTheModule(env, env.session.settings.gDBFile, &session));
    ASSERT_EQ(env.sink.messages().size(), 1);
    EXPECT_EQ(env.sink.messages()[0].text, u"La base de datos se actualizó de la versión 1 a la 3."_s);
    EXPECT_EQ(schemaVersion(session.db()), kSchemaVersion);
    EXPECT_EQ(session.db().scalar(u"SELECT estado || '/' || version FROM cab"_s).toString(), u"9/0"_s);
    EXPECT_TRUE(
        session.db().execute(u"SELECT cnumero FROM F0482RETIMP UNION SELECT correl FROM HF0482RETIMP"_s));

    // Opened again, and by a program that already upgraded it: nothing more to do, nothing said.
    Session again(env.sink, env.clock);
    ASSERT_TRUE(openAsTheModule(env, env.session.settings.gDBFile, &again));
    EXPECT_TRUE(env.sink.messages().isEmpty());
    EXPECT_EQ(again.db().scalar(u"SELECT count(*) FROM schema_version"_s).toInt(), 1);
}
