#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QSet>

#include "reports/Spool.h"
#include "startup/Settings.h"
#include "support/TestEnv.h"

namespace zem::reports {
namespace {

using namespace Qt::StringLiterals;

SpoolRequest request(const QString& codRep = u"RP0014"_s) {
    return {codRep, 6, u"10123456789"_s, u"CONTADOR"_s, QDateTime(QDate(2007, 3, 15), QTime(10, 0))};
}

class SpoolTest : public ::testing::Test {
protected:
    std::optional<SpoolFile> reserve(const QString& codRep = u"RP0014"_s) {
        QString error;
        return AsignaSpool(env.db(), env.session.settings.gRptPath, request(codRep), &error);
    }
    QStringList spoolRows() {
        QStringList out;
        QSqlQuery q = env.db().select(u"SELECT codrep, secuencia, archivo, usuario, doc_id_d FROM spool"_s);
        while (q.next()) {
            out << q.value(u"codrep"_s).toString() + u' ' + q.value(u"secuencia"_s).toString() + u' ' +
                       q.value(u"archivo"_s).toString() + u' ' + q.value(u"usuario"_s).toString() + u' ' +
                       q.value(u"doc_id_d"_s).toString();
        }
        return out;
    }

    test::TestEnv env;
};

TEST_F(SpoolTest, NumbersAreGlobalAndSequencesPerReportCode) {
    const auto first = reserve(u"RP0099"_s);
    ASSERT_TRUE(first);
    EXPECT_EQ(first->archivo, u"00000001.PRN"_s);
    EXPECT_EQ(first->path, QDir(env.session.settings.gRptPath).filePath(u"00000001.PRN"_s));
    EXPECT_TRUE(QFile::exists(first->path));
    const auto second = reserve();
    ASSERT_TRUE(second);
    EXPECT_EQ(second->archivo, u"00000002.PRN"_s);
    EXPECT_EQ(spoolRows(), (QStringList{u"RP0099 000001 00000001.PRN CONTADOR 10123456789"_s,
                                        u"RP0014 000001 00000002.PRN CONTADOR 10123456789"_s}));
}

TEST_F(SpoolTest, AFileAlreadyInTheFolderIsNeverOverwritten) {
    QFile other(QDir(env.session.settings.gRptPath).filePath(u"00000001.PRN"_s));
    ASSERT_TRUE(other.open(QIODevice::WriteOnly));
    other.write("ajeno\r\n");
    other.close();
    const auto file = reserve();
    ASSERT_TRUE(file);
    EXPECT_EQ(file->archivo, u"00000002.PRN"_s);
    ASSERT_TRUE(other.open(QIODevice::ReadOnly));
    EXPECT_EQ(other.readAll(), QByteArray("ajeno\r\n"));
}

TEST_F(SpoolTest, WithoutTheReportFolderNothingIsReserved) {
    QString error;
    EXPECT_FALSE(AsignaSpool(env.db(), env.path(u"NO_EXISTE"_s), request(), &error));
    EXPECT_FALSE(error.isEmpty());
    EXPECT_TRUE(spoolRows().isEmpty());
}

// Run as a child process by the test below: reserves numbers in the database and folder it is given.
TEST(SpoolWorker, ReservesNumbers) {
    const QString dbFile = qEnvironmentVariable("ZEM_SPOOL_DB");
    if (dbFile.isEmpty())
        GTEST_SKIP() << "only as a child process";
    Settings settings;
    settings.gDBFile = dbFile;
    RecordingMessageSink sink;
    DbError error;
    ASSERT_TRUE(openDatabase(settings, u"worker"_s, &error, 20000));
    Db db(u"worker"_s, sink);
    for (int i = 0; i < 25; ++i) {
        QString why;
        ASSERT_TRUE(AsignaSpool(db, qEnvironmentVariable("ZEM_SPOOL_RPT"), request(), &why))
            << why.toStdString();
    }
}

TEST_F(SpoolTest, TwoProcessesPrintingAtOnceNeverShareANumber) {
    if (test::onTestServer())
        GTEST_SKIP() << test::kSqliteOnly;  // the workers open the installation's SQLite file
    QList<QProcess*> workers;
    for (int i = 0; i < 2; ++i) {
        auto* p = new QProcess;
        QProcessEnvironment e = QProcessEnvironment::systemEnvironment();
        e.insert(u"ZEM_SPOOL_DB"_s, env.session.settings.gDBFile);
        e.insert(u"ZEM_SPOOL_RPT"_s, env.session.settings.gRptPath);
        p->setProcessEnvironment(e);
        p->start(QCoreApplication::applicationFilePath(), {u"--gtest_filter=SpoolWorker.ReservesNumbers"_s});
        workers.append(p);
    }
    for (QProcess* p : workers) {
        EXPECT_TRUE(p->waitForFinished(120000));
        EXPECT_EQ(p->exitCode(), 0) << p->readAll().toStdString();
        delete p;
    }
    QSet<QString> names, sequences;
    QSqlQuery q = env.db().select(u"SELECT secuencia, archivo FROM spool"_s);
    int rows = 0;
    while (q.next()) {
        ++rows;
        names.insert(q.value(u"archivo"_s).toString());
        sequences.insert(q.value(u"secuencia"_s).toString());
    }
    EXPECT_EQ(rows, 50);
    EXPECT_EQ(names.size(), 50);
    EXPECT_EQ(sequences.size(), 50);
    EXPECT_EQ(QDir(env.session.settings.gRptPath).entryList(QDir::Files).size(), 50);
}

}  // namespace
}  // namespace zem::reports
