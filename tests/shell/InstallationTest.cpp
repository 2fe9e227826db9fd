#include <gtest/gtest.h>

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include "ShellFixtures.h"
#include "shell/Installation.h"
#include "shell/Registration.h"
#include "startup/IniFile.h"
#include "support/TestEnv.h"

using namespace zem;
using namespace zem::test;
using namespace Qt::StringLiterals;

TEST(Installation, CreatesWhatIsMissingAndLeavesWhatExists) {
    QTemporaryDir dir;
    RecordingMessageSink sink;
    const InstallTarget target{dir.filePath(u"cfg/QW000.INI"_s), dir.filePath(u"data/zem"_s)};
    EXPECT_EQ(launcherStart(target).kind, LauncherStart::Kind::FirstStart);

    InstallResult first;
    ASSERT_TRUE(initInstallation(sink, true, target, &first)) << sink.texts().join(u'\n').toStdString();
    EXPECT_TRUE(first.createdSettings);
    EXPECT_TRUE(first.createdDatabase);
    EXPECT_EQ(launcherStart(target).kind, LauncherStart::Kind::Ready);
    const IniFile ini(target.settingsFile);
    const QString sys = dir.filePath(u"data/zem/"_s);
    EXPECT_EQ(ini.read(u"Options"_s, u"SysPath"_s), sys);
    EXPECT_EQ(ini.read(u"Options"_s, u"DBPath"_s), sys);
    EXPECT_EQ(ini.read(u"Options"_s, u"SysUser"_s), loginName());
    for (const char16_t* sub : {u"TMP", u"RPT", u"BMP", u"0482/QW482.html"})
        EXPECT_TRUE(QFileInfo::exists(sys + QString::fromUtf16(sub)))
            << QString::fromUtf16(sub).toStdString();

    // Someone edits the installation; running it again changes none of that.
    ini.write(u"Options"_s, u"SysUser"_s, u"ANA"_s);
    ini.write(u"Options"_s, u"SysVersion"_s, u"2.0"_s);
    const Clock clock;
    Session session(sink, clock);
    session.settings = loadSettings(ini, false);
    ASSERT_TRUE(openConnection(session, ini));
    Db& db = session.db();
    db.execute(u"UPDATE cont SET nombre = ? WHERE doc_id_d = ?"_s,
               {u"D'ONOFRIO"_s, QString::fromUtf16(kDemoRuc)});
    const int params = count(db, u"SELECT count(*) FROM param"_s);
    EXPECT_GT(params, 0);

    InstallResult second;
    ASSERT_TRUE(initInstallation(sink, true, target, &second));
    EXPECT_FALSE(second.createdSettings);
    EXPECT_FALSE(second.createdDatabase);
    EXPECT_EQ(ini.read(u"Options"_s, u"SysVersion"_s), u"2.0"_s);
    EXPECT_EQ(
        db.scalar(u"SELECT nombre FROM cont WHERE doc_id_d = ?"_s, {QString::fromUtf16(kDemoRuc)}).toString(),
        u"D'ONOFRIO"_s);
    EXPECT_EQ(count(db, u"SELECT count(*) FROM cont"_s), 1);
    EXPECT_EQ(count(db, u"SELECT count(*) FROM param"_s), params);
    // The demo user follows the settings' SysUser: ANA is added, the first user stays.
    EXPECT_EQ(db.scalar(u"SELECT tipo FROM claves WHERE usuario = 'ANA'"_s).toString(), u"0"_s);
    EXPECT_EQ(count(db, u"SELECT count(*) FROM claves"_s), 2);
}

// The help an earlier version left in the installation is replaced by this program's own, once.
TEST(Installation, HelpOfAnEarlierVersionIsReplaced) {
    QTemporaryDir dir;
    RecordingMessageSink sink;
    const InstallTarget target{dir.filePath(u"QW000.INI"_s), dir.filePath(u"zem"_s)};
    InstallResult installed;
    ASSERT_TRUE(initInstallation(sink, false, target, &installed));
    QFile builtIn(u":/help/QW482.html"_s);
    ASSERT_TRUE(builtIn.open(QIODevice::ReadOnly));
    const QByteArray help = builtIn.readAll();
    QFile copy(dir.filePath(u"zem/0482/QW482.html"_s));
    ASSERT_TRUE(copy.open(QIODevice::WriteOnly | QIODevice::Truncate));
    copy.write("<html><body>Ayuda anterior, mucho m\xc3\xa1s larga que nada</body></html>");
    copy.close();

    ASSERT_TRUE(installHelp(installed.settings));
    ASSERT_TRUE(copy.open(QIODevice::ReadOnly));
    EXPECT_EQ(copy.readAll(), help);
    copy.close();
    const QDateTime written = QFileInfo(copy).lastModified();
    ASSERT_TRUE(installHelp(installed.settings));  // already current: left as it is
    EXPECT_EQ(QFileInfo(copy).lastModified(), written);
}

TEST(Installation, AMissingDatabaseIsNamedAndNeverReplaced) {
    QTemporaryDir dir;
    RecordingMessageSink sink;
    const InstallTarget target{dir.filePath(u"cfg/QW000.INI"_s), dir.filePath(u"data/zem"_s)};
    ASSERT_TRUE(initInstallation(sink, true, target));
    const QString database = dir.filePath(u"data/zem/zem.db"_s);

    // The database was moved away (or its disk is not mounted): the launcher says so and stops.
    ASSERT_TRUE(QFile::rename(database, dir.filePath(u"moved.db"_s)));
    const LauncherStart moved = launcherStart(target);
    EXPECT_EQ(moved.kind, LauncherStart::Kind::Refused);
    EXPECT_TRUE(moved.problem.startsWith(u"No existe la base de datos «"_s + database + u"»"_s))
        << moved.problem.toStdString();
    EXPECT_FALSE(QFile::exists(database));

    // An empty settings file is named as such, not as a database without a name.
    QFile ini(target.settingsFile);
    ASSERT_TRUE(ini.open(QIODevice::WriteOnly | QIODevice::Truncate));
    ini.close();
    const LauncherStart empty = launcherStart(target);
    EXPECT_EQ(empty.kind, LauncherStart::Kind::Refused);
    EXPECT_TRUE(empty.problem.contains(u"está vacío"_s)) << empty.problem.toStdString();
}

TEST(Registration, RefusesBadInputWithAMessageAndWritesNothing) {
    TestEnv env;
    Db& db = env.db();
    addUser(db, u"CONTADOR"_s, u"0"_s);
    const Taxpayer good{u"10406958278"_s, u"D'ONOFRIO"_s, u"PEÑA"_s, u"JOSÉ"_s, QString(), 2, u"CONTADOR"_s};

    struct Case {
        QString ruc;
        QString nombre;
        int tipo;
        QString usuario;
        QString message;
    };
    const QList<Case> bad = {
        {u"1040695827"_s, u"X"_s, 2, u"CONTADOR"_s, u"La longitud del RUC no es válida"_s},
        {u"10406958270"_s, u"X"_s, 2, u"CONTADOR"_s, u"El número de RUC no es válido"_s},
        {u"10406958278"_s, u"X"_s, 0, u"CONTADOR"_s, u"El tipo de ingreso no es válido"_s},
        {u"10406958278"_s, u"X"_s, 2, u"  "_s, u"Debe ingresar el usuario"_s},
        {u"10406958278"_s, u"X"_s, 2, u"NADIE"_s,
         u"El usuario NADIE no está registrado: regístrelo antes de asignarle contribuyentes."_s},
    };
    for (const Case& c : bad) {
        env.sink.clear();
        const Taxpayer t{c.ruc, QString(), QString(), QString(), c.nombre, c.tipo, c.usuario};
        EXPECT_FALSE(registerTaxpayer(db, env.sink, t, u"CONTADOR"_s)) << c.message.toStdString();
        EXPECT_EQ(env.sink.texts(), QStringList{c.message});
    }
    EXPECT_FALSE(
        registerTaxpayer(db, env.sink, {u"10406958278"_s, {}, {}, {}, u" "_s, 2, u"A"_s}, u"CONTADOR"_s));
    EXPECT_EQ(count(db, u"SELECT count(*) FROM cont"_s), 0);

    // A good one is added, then edited in place; the full name is built when left empty.
    ASSERT_TRUE(registerTaxpayer(db, env.sink, good, u"CONTADOR"_s));
    Taxpayer edited = good;
    edited.nombre = u"OTRO NOMBRE"_s;
    ASSERT_TRUE(registerTaxpayer(db, env.sink, edited, u"CONTADOR"_s));
    const QList<Taxpayer> all = taxpayers(db, u"CONTADOR"_s);
    ASSERT_EQ(all.size(), 1);
    EXPECT_EQ(all[0].apellidoP, u"D'ONOFRIO"_s);
    EXPECT_EQ(all[0].nombre, u"OTRO NOMBRE"_s);
    ASSERT_TRUE(registerTaxpayer(db, env.sink, good, u"CONTADOR"_s));
    EXPECT_EQ(taxpayers(db, u"CONTADOR"_s)[0].nombre, u"D'ONOFRIO PEÑA JOSÉ"_s);

    env.sink.clear();
    EXPECT_FALSE(registerUser(db, env.sink, {u"ANA"_s, u"2"_s}));
    EXPECT_FALSE(registerUser(db, env.sink, {u" "_s, u"0"_s}));
    EXPECT_EQ(env.sink.messages().size(), 2);
    ASSERT_TRUE(registerUser(db, env.sink, {u"ANA"_s, u"1"_s}));
    ASSERT_TRUE(registerUser(db, env.sink, {u"ANA"_s, u"0"_s}));
    ASSERT_EQ(users(db).size(), 2);
    EXPECT_EQ(users(db)[0].usuario, u"ANA"_s);
    EXPECT_EQ(users(db)[0].tipo, u"0"_s);
}

TEST(Registration, AUserWhoSeesOnlyTheOwnTaxpayersActsOnlyOnThem) {
    TestEnv env;
    Db& db = env.db();
    addUser(db, u"JEFE"_s, u"0"_s);
    addUser(db, u"ANA"_s, u"1"_s);
    const Taxpayer jefes{u"10406958278"_s, u"QUISPE"_s, u"MAMANI"_s, u"ROSA"_s, QString(), 2, u"JEFE"_s};
    ASSERT_TRUE(registerTaxpayer(db, env.sink, jefes, u"JEFE"_s));

    env.sink.clear();
    Taxpayer taken = jefes;
    taken.usuario = u"ANA"_s;
    EXPECT_FALSE(registerTaxpayer(db, env.sink, taken, u"ANA"_s));  // another user's taxpayer
    Taxpayer forOther{u"20100070970"_s, u"PEREZ"_s, u"LUNA"_s, u"ANA"_s, QString(), 2, u"JEFE"_s};
    EXPECT_FALSE(registerTaxpayer(db, env.sink, forOther, u"ANA"_s));  // under another user's name
    EXPECT_EQ(env.sink.texts(),
              (QStringList{u"El contribuyente 10406958278 está registrado por otro usuario."_s,
                           u"Solo puede registrar contribuyentes a su propio nombre de usuario."_s}));
    forOther.usuario = u"ANA"_s;
    ASSERT_TRUE(registerTaxpayer(db, env.sink, forOther, u"ANA"_s));

    EXPECT_EQ(taxpayers(db, u"ANA"_s).size(), 1);
    EXPECT_EQ(taxpayers(db, u"JEFE"_s).size(), 2);
    EXPECT_TRUE(taxpayerVisible(db, u"ANA"_s, u"20100070970"_s));
    EXPECT_FALSE(taxpayerVisible(db, u"ANA"_s, u"10406958278"_s));
    EXPECT_TRUE(taxpayerVisible(db, u"JEFE"_s, u"20100070970"_s));
    EXPECT_FALSE(taxpayerVisible(db, u"JEFE"_s, u"20999999999"_s));  // not registered at all
}
