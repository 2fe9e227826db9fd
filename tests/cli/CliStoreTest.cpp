// The batch tool over a shared database: concurrent saves, damaged or foreign files, old and new versions,
// reading beside a writer.
#include <gtest/gtest.h>

#include <unistd.h>
#include <QFile>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QVariant>

#include "CliTool.h"

using namespace Qt::StringLiterals;
using zem::test::Outcome;
using zem::test::RawFile;
using zem::test::Tool;

namespace {

const QString kDemo = u"10406958278"_s;
// The identification a declaration needs to be saved.
const QStringList kIdentification = {u"552=1"_s, u"554=0"_s, u"005=0"_s,  u"027=2"_s, u"556=1"_s,
                                     u"560=0"_s, u"561=0"_s, u"025=01"_s, u"599=E"_s};

QByteArray bytesOf(const QString& path) {
    QFile f(path);
    f.open(QIODevice::ReadOnly);
    return f.readAll();
}

// Overwrites whole pages of the file with garbage.
void damagePages(const QString& path, const QList<qint64>& pages, qint64 pageSize) {
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::ReadWrite));
    for (qint64 page : pages) {
        f.seek((page - 1) * pageSize);
        f.write(QByteArray(pageSize, '\x5a'));
    }
}

// The value of a box in the output of show, "" when it has none.
QString shownBox(const QString& show, const QString& box) {
    for (const QString& line : show.split(u'\n')) {
        if (line.startsWith(box + u'\t'))
            return line.section(u'\t', 1);
    }
    return {};
}

void install(const Tool& zem) {
    ASSERT_EQ(zem({u"init"_s, u"--demo"_s}).code, 0);
}

}  // namespace

TEST(CliStore, ConcurrentSavesNeverLoseAReportedUpdate) {
    Tool zem;
    install(zem);
    ASSERT_LE(zem(QStringList{u"save"_s, kDemo} + kIdentification).code, 1);
    // Each process saves the same declaration with its own box; a save that another one overtook must be
    // refused, never reported as saved and then overwritten.
    const QStringList boxes = {u"100"_s, u"116"_s, u"203"_s, u"128"_s, u"114"_s, u"523"_s};
    QStringList expected(boxes.size());
    int saved = 0, lost = 0;
    for (int round = 1; round <= 8; ++round) {
        std::vector<std::unique_ptr<QProcess>> running;
        for (qsizetype p = 0; p < boxes.size(); ++p)
            running.push_back(
                zem.start({u"save"_s, kDemo, boxes[p] + u'=' + QString::number(round * 10 + p)}));
        for (qsizetype p = 0; p < boxes.size(); ++p) {
            const Outcome r = Tool::finish(*running[p]);
            if (r.code <= 1) {
                ++saved;
                expected[p] = QString::number(round * 10 + p);
            } else {
                EXPECT_TRUE(r.err.contains(u"Registro ha sido modificado o eliminado por otro usuario"_s) ||
                            r.err.contains(u"Registro bloqueado"_s))
                    << r.err.toStdString();
            }
        }
        const QString show = zem({u"show"_s, kDemo}).out;
        for (qsizetype p = 0; p < boxes.size(); ++p) {
            const QString stored = shownBox(show, boxes[p]).remove(u'-');
            if (stored != expected[p]) {
                ++lost;
                expected[p] = stored;
            }
        }
    }
    EXPECT_GT(saved, 0);
    EXPECT_EQ(lost, 0);
}

TEST(CliStore, DamagedOrForeignDatabasesAreRefusedInSpanish) {
    if (zem::test::onTestServer())
        GTEST_SKIP() << zem::test::kSqliteOnly;  // damaged pages, file permissions
    Tool zem;
    install(zem);
    const QString file = zem.databaseFile();
    {
        // Other declarations before this one, so that its box rows lie on pages of their own.
        RawFile raw(file);
        raw.exec(
            u"WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < 3000) "
            "INSERT INTO det (tip_doc_d, doc_id_d, periodo, formulario, semana, casilla, i_valor) "
            "SELECT 6, printf('20%09d', i), '2006', '0482', 0, '100', '1' FROM n"_s);
    }
    ASSERT_LE(zem(QStringList{u"save"_s, kDemo, u"107=340000"_s} + kIdentification).code, 1);
    qint64 pageSize = 0;
    QList<qint64> detPages;
    {
        RawFile raw(file);
        pageSize = raw.scalar(u"PRAGMA page_size"_s).toLongLong();
        QSqlQuery q = raw.exec(u"SELECT pageno FROM dbstat WHERE name = 'det' AND pagetype = 'leaf'"_s);
        while (q.next())
            detPages << q.value(0).toLongLong();
    }
    // The pages that hold this declaration's boxes.
    const QByteArray content = bytesOf(file);
    QList<qint64> ours;
    for (qint64 page : detPages) {
        if (content.mid((page - 1) * pageSize, pageSize).contains(kDemo.toLatin1()))
            ours << page;
    }
    ASSERT_FALSE(ours.isEmpty());
    damagePages(file, ours, pageSize);

    const auto refusedInSpanish = [](const Outcome& r) {
        EXPECT_EQ(r.code, 2);
        EXPECT_TRUE(r.out.isEmpty()) << r.out.toStdString();  // not a line of a half-read declaration
        // The module's own words first; the engine's only as the detail after them.
        EXPECT_TRUE(r.err.startsWith(u"No se pudo leer la base de datos"_s) ||
                    r.err.startsWith(u"No se puede abrir la base de datos"_s) ||
                    r.err.startsWith(u"Error tecnico: "_s))
            << r.err.toStdString();
    };
    refusedInSpanish(zem({u"show"_s, kDemo}));
    refusedInSpanish(zem({u"validate"_s, kDemo}));
    EXPECT_EQ(zem({u"list"_s}).code, 0);  // the headers are intact

    // Every page but the first damaged: nothing can be read.
    const qint64 pages = QFile(file).size() / pageSize;
    QList<qint64> all;
    for (qint64 p = 2; p <= pages; ++p)
        all << p;
    damagePages(file, all, pageSize);
    refusedInSpanish(zem({u"list"_s}));
    refusedInSpanish(zem({u"show"_s, kDemo}));

    // Another program's database, and an empty one: refused at connection, and left as they were.
    for (const QString& suffix : {u""_s, u"-wal"_s, u"-shm"_s})
        QFile::remove(file + suffix);
    {
        RawFile raw(file);
        raw.exec(u"CREATE TABLE clientes (nombre TEXT)"_s);
    }
    const QByteArray foreign = bytesOf(file);
    Outcome r = zem({u"list"_s});
    refusedInSpanish(r);
    EXPECT_TRUE(r.err.contains(u"tablas de otro programa"_s));
    r = zem({u"init"_s});
    EXPECT_EQ(r.code, 2);
    EXPECT_TRUE(r.err.contains(u"tablas de otro programa"_s));
    EXPECT_EQ(bytesOf(file), foreign);

    QFile::resize(file, 0);
    r = zem({u"save"_s, kDemo, u"107=1"_s});
    refusedInSpanish(r);
    EXPECT_TRUE(r.err.contains(u"está vacía"_s));
    EXPECT_EQ(QFile(file).size(), 0);
}

TEST(CliStore, NewerDatabasesAreRefusedAndOlderOnesUpgraded) {
    if (zem::test::onTestServer())
        GTEST_SKIP() << zem::test::kSqliteOnly;  // damaged pages, file permissions
    Tool zem;
    install(zem);
    const QString file = zem.databaseFile();
    ASSERT_LE(zem(QStringList{u"save"_s, kDemo, u"107=340000"_s} + kIdentification).code, 1);
    const QString before = zem({u"show"_s, kDemo}).out;
    {
        RawFile raw(file);
        raw.exec(u"UPDATE schema_version SET version = 99"_s);
    }
    const QByteArray newer = bytesOf(file);
    for (const QStringList& command : {QStringList{u"save"_s, kDemo, u"107=1"_s}, QStringList{u"list"_s}}) {
        const Outcome r = zem(command);
        EXPECT_EQ(r.code, 2);
        EXPECT_TRUE(r.out.isEmpty());
        EXPECT_TRUE(r.err.contains(u"es de una versión más reciente del programa (versión 99)"_s))
            << r.err.toStdString();
    }
    EXPECT_EQ(bytesOf(file), newer);

    {
        // The first version's tables: CAB without the save counter.
        RawFile raw(file);
        raw.exec(u"UPDATE schema_version SET version = 1"_s);
        raw.exec(u"ALTER TABLE cab DROP COLUMN version"_s);
        ASSERT_EQ(
            raw.scalar(u"SELECT count(*) FROM pragma_table_info('cab') WHERE name = 'version'"_s).toInt(), 0);
    }
    const Outcome upgraded = zem({u"show"_s, kDemo});
    EXPECT_EQ(upgraded.code, 0);
    EXPECT_EQ(upgraded.out, before);
    EXPECT_TRUE(upgraded.err.contains(u"La base de datos se actualizó de la versión 1 a la 3."_s));
    EXPECT_LE(zem({u"save"_s, kDemo, u"107=350000"_s}).code, 1);
    EXPECT_EQ(zem({u"show"_s, kDemo}).err, QString());
}

TEST(CliStore, ReadingNeedsNoWriteLockNorAWritableFolder) {
    if (zem::test::onTestServer())
        GTEST_SKIP() << zem::test::kSqliteOnly;  // damaged pages, file permissions
    Tool zem;
    install(zem);
    ASSERT_LE(zem(QStringList{u"save"_s, kDemo, u"107=340000"_s} + kIdentification).code, 1);
    const QString shown = zem({u"show"_s, kDemo}).out;
    {
        // Another process is in the middle of a save.
        RawFile raw(zem.databaseFile());
        raw.exec(u"BEGIN IMMEDIATE"_s);
        raw.exec(u"UPDATE cab SET estado = 9"_s);
        const Outcome validated = zem({u"validate"_s, kDemo});
        EXPECT_LE(validated.code, 1) << validated.err.toStdString();
        EXPECT_FALSE(validated.err.contains(u"bloqueado"_s));
        EXPECT_EQ(zem({u"show"_s, kDemo}).out, shown);
        raw.exec(u"ROLLBACK"_s);
    }

    // The database's folder and file read-only, for a user who cannot write there.
    const QString folder = zem.home.filePath(u"data/zem"_s);
    const QString user = geteuid() == 0 ? u"nobody"_s : QString();
    QFile::setPermissions(zem.home.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner |
                                               QFile::ReadOther | QFile::ExeOther | QFile::ReadGroup |
                                               QFile::ExeGroup);
    const auto readable = QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther;
    const auto enterable = readable | QFile::ExeOwner | QFile::ExeGroup | QFile::ExeOther;
    for (const QString& dir : {u"data"_s, u"config"_s, u"config/zem"_s})
        QFile::setPermissions(zem.home.filePath(dir), enterable | QFile::WriteOwner);
    QFile::setPermissions(zem.home.filePath(u"config/zem/QW000.INI"_s), readable | QFile::WriteOwner);
    QFile::setPermissions(zem.databaseFile(), readable);
    QFile::setPermissions(folder, enterable);
    const auto asReader = [&](const QStringList& args) {
        if (user.isEmpty())
            return zem(args);
        return zem(QStringList{u"-u"_s, user, u"--"_s, QString::fromUtf8(ZEM0482_PATH)} + args, u"runuser"_s);
    };
    const Outcome listed = asReader({u"list"_s});
    EXPECT_EQ(listed.code, 0) << listed.err.toStdString();
    EXPECT_TRUE(listed.out.startsWith(kDemo));
    const Outcome show = asReader({u"show"_s, kDemo});
    EXPECT_EQ(show.code, 0) << show.err.toStdString();
    EXPECT_EQ(show.out, shown);
    QFile::setPermissions(folder, enterable | QFile::WriteOwner);
}
