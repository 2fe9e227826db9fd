#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <sys/resource.h>
#include <csignal>

#include "startup/IniFile.h"
#include "startup/Settings.h"

using namespace zem;
using namespace Qt::StringLiterals;

namespace {

void writeFile(const QString& path, const QByteArray& text) {
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(text);
}

QByteArray readFile(const QString& path) {
    QFile f(path);
    f.open(QIODevice::ReadOnly);
    return f.readAll();
}

}  // namespace

TEST(Settings, PathsAreDerivedByPlainConcatenation) {
    QTemporaryDir dir;
    const QString ini = dir.filePath(u"QW000.INI"_s);
    writeFile(ini,
              "garbage without equals\r\n[options]\r\n  sysPATH =  /opt/zem/  \r\nSysVersion=2.1\r\n"
              "DBPath=/srv/db/\r\nDBName= zem.db \r\nSysMenu=menu.dat\r\nSysUser=  ANA  "
              "\r\n[Other]\r\nSysUser=X\r\n");
    const Settings s = loadSettings(IniFile(ini), false);
    EXPECT_EQ(s.gSysPath, u"/opt/zem/"_s);
    EXPECT_EQ(s.gTmpPath, u"/opt/zem/TMP/"_s);
    EXPECT_EQ(s.gTmpDir, u"/opt/zem/TMP"_s);
    EXPECT_EQ(s.gRptPath, u"/opt/zem/RPT"_s);
    EXPECT_EQ(s.gBmpPath, u"/opt/zem/BMP/"_s);
    EXPECT_EQ(s.gSysMenu, u"/opt/zem/menu.dat"_s);
    EXPECT_EQ(s.gDBFile, u"/srv/db/zem.db"_s);
    EXPECT_EQ(s.gSysVersion, u"2.1"_s);
    EXPECT_EQ(s.gUsuario, u"ANA"_s);

    // A SysPath without its separator is not mended: the paths are concatenations.
    writeFile(ini, "[Options]\nSysPath=/opt/zem\n");
    EXPECT_EQ(loadSettings(IniFile(ini), false).gTmpPath, u"/opt/zemTMP/"_s);
}

TEST(Settings, MissingFileOrKeysGiveEmptyValues) {
    QTemporaryDir dir;
    const Settings s = loadSettings(IniFile(dir.filePath(u"none.ini"_s)), false);
    EXPECT_TRUE(s.gSysPath.isEmpty());
    EXPECT_EQ(s.gTmpPath, u"TMP/"_s);
    EXPECT_TRUE(s.gDBFile.isEmpty());
    EXPECT_TRUE(s.gUsuario.isEmpty());
}

TEST(Settings, WritingAKeyKeepsEveryOtherLine) {
    QTemporaryDir dir;
    const QString ini = dir.filePath(u"QW000.INI"_s);
    writeFile(ini,
              "; comment\n[Options]\nSysPath=/opt/zem/\nsystemdb=/old.mdw\n\n[Launcher]\nKey=1\nnoise\n");
    IniFile file(ini);
    ASSERT_TRUE(file.write(u"Options"_s, u"SystemDB"_s, u"/opt/zem/QW000.MDW"_s));
    EXPECT_EQ(
        readFile(ini),
        "; comment\r\n[Options]\r\nSysPath=/opt/zem/\r\nSystemDB=/opt/zem/QW000.MDW\r\n\r\n[Launcher]\r\n"
        "Key=1\r\nnoise\r\n");

    ASSERT_TRUE(file.write(u"Options"_s, u"DBName"_s, u"zem.db"_s));
    EXPECT_EQ(file.read(u"OPTIONS"_s, u"dbname"_s), u"zem.db"_s);
    EXPECT_EQ(file.read(u"Launcher"_s, u"Key"_s), u"1"_s);

    IniFile fresh(dir.filePath(u"sub/new.ini"_s));
    ASSERT_TRUE(fresh.write(u"Options"_s, u"SysUser"_s, u"ANA"_s));
    EXPECT_EQ(fresh.read(u"Options"_s, u"SysUser"_s), u"ANA"_s);
}

TEST(Settings, TheFileIsReadAndWrittenInTheWindowsCodePageWithCrLf) {
    QTemporaryDir dir;
    const QString ini = dir.filePath(u"QW000.INI"_s);
    const QByteArray original = "[Options]\r\nSysPath=/opt/zem/\r\nSysUser=MU\xd1OZ\r\n";
    writeFile(ini, original);
    const IniFile file(ini);
    EXPECT_EQ(file.read(u"Options"_s, u"SysUser"_s), u"MUÑOZ"_s);

    ASSERT_TRUE(file.write(u"Options"_s, u"SystemDB"_s, u"/opt/zem/QW000.MDW"_s));
    const QByteArray written = readFile(ini);
    EXPECT_EQ(written, original + "SystemDB=/opt/zem/QW000.MDW\r\n");

    // Text the code page cannot hold would come back as '?': it is refused and the file stays as it was.
    EXPECT_FALSE(file.write(u"Options"_s, u"SysUser"_s, u"ЖУК"_s));
    EXPECT_FALSE(file.write(u"Options"_s, u"Sys\uFFFDUser"_s, QString()));
    EXPECT_FALSE(file.write(u"Opci\u00F3n\u20AC\u4E2D"_s, u"SysUser"_s, u"MU\u00D1OZ"_s));
    EXPECT_EQ(readFile(ini), written);
    EXPECT_TRUE(file.write(u"Options"_s, u"Moneda"_s, u"\u20AC ?"_s));  // the euro sign is in the page
}

TEST(Settings, AFailedWriteLeavesTheOldFileAsItWas) {
    QTemporaryDir dir;
    const QString ini = dir.filePath(u"QW000.INI"_s);
    const QByteArray original = "[Options]\r\nSysPath=/opt/zem/\r\nSysUser=MU\xd1OZ\r\n";
    writeFile(ini, original);

    // Files may not grow past 16 bytes: the new file cannot be written, as on a full disk.
    std::signal(SIGXFSZ, SIG_IGN);
    rlimit before{};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &before), 0);
    rlimit tight = before;
    tight.rlim_cur = 16;
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &tight), 0);
    const bool written = IniFile(ini).write(u"Options"_s, u"SystemDB"_s, u"/opt/zem/QW000.MDW"_s);
    // A key that already holds its value is not written at all, so it succeeds even now.
    const bool unchanged = IniFile(ini).write(u"options"_s, u"sysuser"_s, u"MUÑOZ"_s);
    setrlimit(RLIMIT_FSIZE, &before);

    EXPECT_FALSE(written);
    EXPECT_TRUE(unchanged);
    EXPECT_EQ(readFile(ini), original);
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{u"QW000.INI"_s});  // no leftovers
}

TEST(Settings, AnEmptyOrMissingFileIsNamedAsSuch) {
    QTemporaryDir dir;
    const QString path = dir.filePath(u"QW000.INI"_s);
    EXPECT_EQ(IniFile(path).state(), IniFile::State::Missing);
    EXPECT_TRUE(settingsFileProblem(IniFile(path)).startsWith(u"No existe el archivo de configuración «"_s));
    writeFile(path, " \r\n");
    EXPECT_EQ(IniFile(path).state(), IniFile::State::Empty);
    EXPECT_EQ(settingsFileProblem(IniFile(path)),
              u"El archivo de configuración «"_s + path +
                  u"» está vacío: no indica la instalación ni la base de datos."_s);
    writeFile(path, "[Options]\r\nDBName=zem.db\r\n");
    EXPECT_TRUE(settingsFileProblem(IniFile(path)).isEmpty());
}

TEST(Settings, FileLivesUnderTheConfigHome) {
    qputenv("XDG_CONFIG_HOME", "/tmp/cfg");
    EXPECT_EQ(settingsFilePath(), u"/tmp/cfg/zem/QW000.INI"_s);
    qunsetenv("XDG_CONFIG_HOME");
    EXPECT_EQ(settingsFilePath(), QDir::homePath() + u"/.config/zem/QW000.INI"_s);
}

TEST(Settings, AnOfficeServerIsChosenByItsKeysAndABadChoiceIsNamed) {
    QTemporaryDir dir;
    const QString ini = dir.filePath(u"QW000.INI"_s);
    // Without the keys an installation keeps its file; a QSQLITE driver is the same file.
    for (const QByteArray& driver : {QByteArray(), QByteArray("DBDriver=QSQLITE\r\n")}) {
        writeFile(ini, "[Options]\r\nDBPath=" + dir.path().toUtf8() + "/\r\nDBName=zem.db\r\n" + driver);
        const Settings s = loadSettings(IniFile(ini), false);
        EXPECT_FALSE(s.onServer());
        EXPECT_EQ(s.databaseLabel(), dir.filePath(u"zem.db"_s));
        EXPECT_TRUE(databaseFileProblem(s, ini).startsWith(u"No existe la base de datos"_s));
    }

    writeFile(
        ini,
        "[Options]\r\nDBDriver=qpsql\r\nDBHost=servidor\r\nDBPort=5433\r\nDBName=zem\r\nDBUser=ana\r\n"
        "DBPassword=D'ONOFRIO;x\r\nDBSchema=oficina\r\nDBOptions=sslmode=require connect_timeout=5\r\n");
    Settings s = loadSettings(IniFile(ini), false);
    EXPECT_TRUE(s.onServer());
    EXPECT_EQ(s.dbPassword, u"D'ONOFRIO;x"_s);
    EXPECT_EQ(s.dbOptions, u"sslmode=require connect_timeout=5"_s);
    EXPECT_EQ(s.databaseLabel(), u"servidor:5433/zem.oficina"_s);
    EXPECT_EQ(databaseFileProblem(s, ini), QString());  // no file to look for

    s.dbName.clear();
    EXPECT_TRUE(databaseFileProblem(s, ini).contains(u"(clave DBName)"_s));
    s.dbDriver = u"QODBC"_s;
    const QString problem = databaseFileProblem(s, ini);
    EXPECT_TRUE(problem.contains(u"«QODBC»"_s) && problem.contains(u"QPSQL"_s)) << problem.toStdString();
}
