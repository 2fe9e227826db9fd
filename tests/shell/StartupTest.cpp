#include <gtest/gtest.h>

#include <QTemporaryDir>

#include "shell/Installation.h"
#include "shell/Startup.h"
#include "startup/IniFile.h"
#include "startup/MessageSink.h"
#include "startup/Session.h"
#include "startup/WindowFinder.h"

using namespace zem;
using namespace Qt::StringLiterals;

TEST(Startup, LauncherWindowMustBeVisibleAndTitledExactly) {
    FixedWindowEnumerator desktop({{u"zemlanda"_s, true},
                                   {u"Zemlandá"_s, true},
                                   {u"Zemlanda "_s, true},
                                   {u"Zemlanda"_s, false},
                                   {QString(), true}});
    const cWindows windows(desktop);
    EXPECT_FALSE(windows.CorreApp(u"Zemlanda"_s));
    EXPECT_FALSE(windows.CorreApp(QString()));  // an empty title never matches

    desktop.setWindows({{QString(), true}, {u"Terminal"_s, true}, {u"Zemlanda"_s, true}});
    EXPECT_TRUE(windows.CorreApp(u"Zemlanda"_s));
}

TEST(Startup, RefusalsComeInOrderWithTheirTextsAndTakeNothing) {
    QTemporaryDir dir;
    const QString lock = dir.filePath(u"qw482.lock"_s);
    FixedWindowEnumerator desktop;
    const cWindows windows(desktop);
    RecordingMessageSink sink;

    // No launcher: the launcher message, even though another copy runs, and the lock stays free.
    SingleInstance running(lock);
    ASSERT_TRUE(running.acquire());
    SingleInstance second(lock);
    EXPECT_FALSE(checkLaunch(sink, windows, second));
    ASSERT_EQ(sink.messages().size(), 1);
    EXPECT_EQ(sink.messages()[0].text, u"Debe ejecutar este módulo desde el Didazarevo del ZEM"_s);
    EXPECT_EQ(sink.messages()[0].title, u"Error al ejecutar el módulo"_s);
    EXPECT_EQ(sink.messages()[0].icon, MsgIcon::Critical);

    // Launcher present, another copy running: the information message.
    desktop.setWindows({{u"Zemlanda"_s, true}});
    sink.clear();
    EXPECT_FALSE(checkLaunch(sink, windows, second));
    ASSERT_EQ(sink.messages().size(), 1);
    EXPECT_EQ(sink.messages()[0].text, u"La Aplicación ya se encuentra en ejecución"_s);
    EXPECT_EQ(sink.messages()[0].title, u"Declaración Pago Anual Impuesto a la Renta"_s);
    EXPECT_EQ(sink.messages()[0].icon, MsgIcon::Information);

    // The only copy starts.
    sink.clear();
    SingleInstance alone(dir.filePath(u"other.lock"_s));
    EXPECT_TRUE(checkLaunch(sink, windows, alone));
    EXPECT_TRUE(sink.messages().isEmpty());
}

TEST(Startup, OneCopyPerInstallationNotPerUser) {
    QTemporaryDir dir;
    auto installation = [&](const QString& name) {
        const QString sys = dir.filePath(name + u"/data/"_s);
        QDir().mkpath(sys);
        const IniFile ini(dir.filePath(name + u"/config/QW000.INI"_s));
        EXPECT_TRUE(ini.write(u"Options"_s, u"SysPath"_s, sys));
        return SingleInstance::lockPathFor(ini);
    };
    const QString first = installation(u"home1"_s);
    const QString second = installation(u"home2"_s);
    EXPECT_EQ(first, dir.filePath(u"home1/data/qw482.lock"_s));

    SingleInstance running(first);
    ASSERT_TRUE(running.acquire());
    SingleInstance sameInstallation(first);
    EXPECT_FALSE(sameInstallation.acquire());
    SingleInstance otherInstallation(second);  // another HOME of the same Unix user
    EXPECT_TRUE(otherInstallation.acquire());

    // Without a usable SysPath the lock sits beside the settings file.
    const IniFile bare(dir.filePath(u"home3/QW000.INI"_s));
    ASSERT_TRUE(bare.write(u"Options"_s, u"SysPath"_s, dir.filePath(u"nowhere/"_s)));
    EXPECT_EQ(SingleInstance::lockPathFor(bare), dir.filePath(u"home3/qw482.lock"_s));
}

TEST(Startup, MainSessionOpensTheInstalledDatabaseOrEndsWithTheConnectionMessage) {
    QTemporaryDir dir;
    RecordingMessageSink sink;
    const InstallTarget target{dir.filePath(u"cfg/QW000.INI"_s), dir.filePath(u"zem"_s)};
    ASSERT_TRUE(initInstallation(sink, true, target));

    const FixedClock clock(QDateTime(QDate(2007, 3, 15), QTime(10, 0)));
    const QString cwd = QDir::currentPath();
    {
        Session session(sink, clock);
        ASSERT_TRUE(loadMainSession(session, IniFile(target.settingsFile)));
        EXPECT_EQ(session.gFormulario, u"0482"_s);
        EXPECT_EQ(session.helpFile, dir.filePath(u"zem/0482/QW482"_s));
        EXPECT_EQ(IniFile(target.settingsFile).read(u"Options"_s, u"SystemDB"_s),
                  dir.filePath(u"zem/QW000.MDW"_s));
        EXPECT_TRUE(session.db().select(u"SELECT count(*) FROM tmp_f0480pagos"_s).isActive());
    }
    QDir::setCurrent(cwd);

    QFile::remove(dir.filePath(u"zem/zem.db"_s));
    Session broken(sink, clock);
    EXPECT_FALSE(loadMainSession(broken, IniFile(target.settingsFile)));
    EXPECT_EQ(sink.messages().last().title, u"Error de Conección"_s);
    EXPECT_FALSE(broken.gDB);
    QDir::setCurrent(cwd);
}
