#include <gtest/gtest.h>

#include <QFile>
#include <QSqlQuery>

#include "startup/IniFile.h"
#include "startup/SystemError.h"
#include "support/TestEnv.h"

using namespace zem;
using namespace Qt::StringLiterals;

namespace {

// Qt's own warnings, which would reach the user's terminal in English.
QStringList qtWarnings;
void keepWarning(QtMsgType type, const QMessageLogContext&, const QString& text) {
    if (type != QtDebugMsg)
        qtWarnings << text;
}

}  // namespace

TEST(DbErrors, EngineFailuresReachTheUserInSpanishWithTheEnginesTextAsDetail) {
    struct Case {
        const char16_t* code;
        const char16_t* engine;
        const char16_t* spanish;
    };
    const Case cases[] = {
        {u"8", u"attempt to write a readonly database", u"La base de datos es de solo lectura"},
        {u"11", u"database disk image is malformed", u"El archivo de la base de datos está dañado."},
        {u"13", u"database or disk is full", u"No queda espacio en el disco"},
        {u"10", u"disk I/O error", u"Error del disco"},
        {u"53100", u"could not extend file", u"No queda espacio en el disco"},
        {u"", u"Driver not loaded", u"Error de la base de datos."},
    };
    for (const Case& c : cases) {
        const QString engine = QString::fromUtf16(c.engine);
        const DbError e = DbError::fromSql(
            QSqlError(u"driver"_s, engine, QSqlError::StatementError, QString::fromUtf16(c.code)));
        const QString text = dbErrorReporterText(e);
        EXPECT_TRUE(text.startsWith(u"Error tecnico: "_s)) << text.toStdString();
        EXPECT_TRUE(text.contains(QString::fromUtf16(c.spanish))) << text.toStdString();
        EXPECT_FALSE(text.contains(engine)) << text.toStdString();
        EXPECT_EQ(dbErrorDetail(e), u"Detalle: "_s + engine);
    }
}

TEST(DbErrors, TheServersConflictsReadAsTheEmbeddedFilesOnes) {
    // Each server state beside the embedded engine's error that means the same to the user.
    struct Case {
        const char16_t* state;
        const char16_t* sqlite;
        const char16_t* sqliteText;
    };
    const Case cases[] = {
        {u"55P03", u"5", u"database is locked"},                       // lock wait over: busy
        {u"23505", u"19", u"UNIQUE constraint failed: cab.doc_id_d"},  // the row exists already
    };
    for (const Case& c : cases) {
        const DbError server = DbError::fromSql(QSqlError(
            u"driver"_s, u"ERROR: server words"_s, QSqlError::StatementError, QString::fromUtf16(c.state)));
        const DbError file =
            DbError::fromSql(QSqlError(u"driver"_s, QString::fromUtf16(c.sqliteText),
                                       QSqlError::StatementError, QString::fromUtf16(c.sqlite)));
        EXPECT_EQ(server.number, file.number) << QString::fromUtf16(c.state).toStdString();
        EXPECT_EQ(dbErrorReporterText(server), dbErrorReporterText(file));
        EXPECT_EQ(dbErrorDetail(server), u"Detalle: ERROR: server words"_s);
    }
    // The conflicts only a server has: a transaction that lost a race is told the data changed, a deadlock
    // that the record is held; a lost link (any 08 state, a shut-down server, or no code at all when the
    // connection drops) is named as such and never as a damaged file.
    const auto textOf = [](const QString& state, const QString& words,
                           QSqlError::ErrorType type = QSqlError::StatementError) {
        return dbErrorReporterText(DbError::fromSql(QSqlError(u"driver"_s, words, type, state)));
    };
    EXPECT_EQ(textOf(u"40001"_s, u"could not serialize access"_s), u"La data ha cambiado"_s);
    EXPECT_EQ(textOf(u"40P01"_s, u"deadlock detected"_s), u"No puede grabarlo. Actualmente bloqueado"_s);
    for (const auto& [state, words] : {std::pair{u"08006"_s, u"connection failure"_s},
                                       {u"57P01"_s, u"terminating connection due to administrator command"_s},
                                       {QString(), u"server closed the connection unexpectedly"_s}}) {
        const QString text = textOf(state, words);
        EXPECT_TRUE(text.startsWith(u"Error tecnico: 3151\nNo hay conexión con el servidor"_s))
            << text.toStdString();
    }
    EXPECT_TRUE(textOf({}, u"could not connect to server"_s, QSqlError::ConnectionError)
                    .contains(u"No hay conexión con el servidor"_s));
}

TEST(DbErrors, AFullDatabaseIsReportedInSpanish) {
    test::TestEnv env;
    Db& db = env.db();
    // The file may not grow past its present pages: the next insert meets a full disk.
    QSqlQuery q(db.handle());
    ASSERT_TRUE(q.exec(u"PRAGMA max_page_count = 1"_s));
    EXPECT_FALSE(
        db.execute(u"INSERT INTO claves (usuario, tipo) VALUES (?, ?)"_s, {QString(20000, u'A'), u"0"_s}));
    ASSERT_EQ(env.sink.messages().size(), 1);
    const Message& m = env.sink.messages()[0];
    EXPECT_EQ(m.title, u"Error al Ejecutar Sentencia SQL"_s);
    EXPECT_EQ(m.text,
              u"Error Número : 3026\nNo queda espacio en el disco para grabar en la base de datos."_s);
    EXPECT_TRUE(m.detail.contains(u"full"_s)) << m.detail.toStdString();
}

TEST(DbErrors, ABadDatabaseNameIsRefusedBeforeTheFileIsTouched) {
    test::TestEnv env;
    const IniFile ini(env.path(u"QW000.INI"_s));
    ASSERT_TRUE(ini.write(u"Options"_s, u"DBName"_s, u"zem.db"_s));
    Session session(env.sink, env.clock);
    session.settings = env.session.settings;
    session.settings.gDBFile = env.path(u"ze"_s) + QChar(0) + u"m.db"_s;

    qtWarnings.clear();
    const QtMessageHandler previous = qInstallMessageHandler(keepWarning);
    EXPECT_FALSE(openConnection(session, ini, 100));
    qInstallMessageHandler(previous);
    EXPECT_TRUE(qtWarnings.isEmpty()) << qtWarnings.join(u'\n').toStdString();
    ASSERT_EQ(env.sink.messages().size(), 1);
    EXPECT_EQ(env.sink.messages()[0].title, u"Error de Conección"_s);
    EXPECT_TRUE(env.sink.messages()[0].text.startsWith(u"El nombre de la base de datos «"_s));
    EXPECT_TRUE(env.sink.messages()[0].text.contains(u"ze?m.db"_s));
}

TEST(DbErrors, AFileThatCannotBeWrittenGivesTheSystemsReasonInSpanish) {
    test::TestEnv env;
    QFile missingFolder(env.path(u"no-hay/reporte.prn"_s));
    ASSERT_FALSE(missingFolder.open(QIODevice::WriteOnly));
    EXPECT_EQ(systemErrorInSpanish(missingFolder.errorString()), u"la carpeta no existe"_s);
    QFile folder(env.path(QString()));
    ASSERT_FALSE(folder.open(QIODevice::WriteOnly));
    EXPECT_EQ(systemErrorInSpanish(folder.errorString()), u"es una carpeta, no un archivo"_s);
    // Qt's own untranslated texts, whatever the locale's language.
    EXPECT_EQ(systemErrorInSpanish(u"No space left on device"_s), u"no queda espacio en el disco"_s);
    EXPECT_EQ(systemErrorInSpanish(u"Permission denied"_s),
              u"no tiene permiso para escribir en esa carpeta o archivo"_s);
    EXPECT_EQ(systemErrorInSpanish(u"Unknown error 999"_s), u"Unknown error 999"_s);
}
