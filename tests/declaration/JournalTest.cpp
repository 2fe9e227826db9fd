#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QThread>
#include <csignal>
#include <cstdio>

#include "data/SeedCatalogue.h"
#include "declaration/EditJournal.h"
#include "declaration/FormSession.h"
#include "declaration/Recovery.h"
#include "startup/Schema.h"
#include "support/Taxpayers.h"
#include "support/TestEnv.h"

namespace zem {
namespace {

using namespace Qt::StringLiterals;

const QString kRuc = u"10123456781"_s;

DeclarationKey key() {
    DeclarationKey k;
    k.ruc = kRuc;
    return k;
}

QStringList storedBoxes(Db& db) {
    QStringList out;
    QSqlQuery q =
        db.select(u"SELECT casilla, i_valor FROM det WHERE doc_id_d = ? ORDER BY casilla"_s, {kRuc});
    while (q.next())
        out << q.value(u"casilla"_s).toString() + u'=' + q.value(u"i_valor"_s).toString();
    return out;
}

// The edits the journal must bring back, made on the stored declaration (box 107 = 50,000).
void edit(FormSession& form) {
    ASSERT_TRUE(form.setField(107, u"60000"_s));
    ASSERT_TRUE(form.setField(130, u"1500"_s));
    ASSERT_TRUE(form.setAnswer(OptionGroup::optCondomino, u"1"_s));
    ASSERT_TRUE(form.edits().apply(DeclarationEdit{}, true));  // nothing: no line
}

void expectEdited(const Declaration& d) {
    EXPECT_EQ(d.text(107), u"60,000"_s);
    EXPECT_EQ(d.text(507), u"(12,000)"_s);
    EXPECT_EQ(d.text(130), u"1,500"_s);
    EXPECT_EQ(d.option(OptionGroup::optCondomino), u"1"_s);
}

class JournalTest : public ::testing::Test {
protected:
    JournalTest() {
        EXPECT_TRUE(loadSeedCatalogue(env.db()));
        EXPECT_TRUE(test::addTaxpayer(
            env.db(), {.ruc = kRuc, .apellidoM = u"ROJAS"_s, .nombre2 = u""_s, .nombre = u"PEREZ ANA"_s}));
        FormSession form(env.session);
        EXPECT_TRUE(form.open(OpenRequest::newDeclaration(kRuc)));
        Declaration& d = form.declaration();
        d.setOption(OptionGroup::optPor, u"1"_s);
        d.setOption(OptionGroup::optSom, u"0"_s);
        d.setOption(OptionGroup::OptRectifica, u"0"_s);
        d.setText(107, u"50000"_s);
        EXPECT_TRUE(form.save());
        stored = storedBoxes(env.db());
        env.sink.clear();
    }

    // A journal of the edits, copied aside before the window that wrote it closes and removes it.
    QString journalOfEdits() {
        FormSession form(env.session);
        form.keepJournal(true);
        EXPECT_TRUE(form.open(OpenRequest::existing(key())));
        edit(form);
        const QString copy = env.path(u"copia.diario"_s);
        EXPECT_TRUE(QFile::copy(form.journal().path(), copy));
        return copy;
    }

    test::TestEnv env;
    QStringList stored;
};

TEST_F(JournalTest, EditsComeBackOnTheStoredDeclarationWithoutSavingAndTheJournalGoesOnSave) {
    const QString journal = journalOfEdits();
    EXPECT_TRUE(EditJournal::find(env.session).isEmpty());  // the window closed: its journal went
    const EditJournal::Contents read = EditJournal::read(journal);
    ASSERT_TRUE(read.error.isEmpty()) << read.error.toStdString();
    EXPECT_EQ(read.header.ruc, kRuc);
    EXPECT_EQ(read.header.nombre, u"PEREZ ROJAS ANA"_s);
    EXPECT_EQ(read.editCount(), 3);

    FormSession form(env.session);
    form.keepJournal(true);
    OpenRequest request = OpenRequest::existing(key());
    request.journal = journal;
    ASSERT_TRUE(form.open(request));
    expectEdited(form.declaration());
    EXPECT_TRUE(form.declaration().isModified());
    EXPECT_EQ(storedBoxes(env.db()), stored);
    EXPECT_FALSE(QFile::exists(journal));
    // The recovered edits are in the window's own journal until it is saved.
    ASSERT_EQ(EditJournal::find(env.session).size(), 1);
    EXPECT_EQ(EditJournal::read(EditJournal::find(env.session).first()).editCount(), 1);
    ASSERT_TRUE(form.save());
    EXPECT_TRUE(EditJournal::find(env.session).isEmpty());
}

TEST_F(JournalTest, ADamagedCutOrStaleJournalIsReportedAndChangesNothing) {
    const QString journal = journalOfEdits();
    QFile f(journal);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    const QByteArray whole = f.readAll();
    f.close();
    QString as = u"50,000"_s;  // box 107 as stored
    const auto tryWith = [&](const QByteArray& bytes) {
        QFile out(journal);
        EXPECT_TRUE(out.open(QIODevice::WriteOnly | QIODevice::Truncate));
        out.write(bytes);
        out.close();
        env.sink.clear();
        FormSession form(env.session);
        OpenRequest request = OpenRequest::existing(key());
        request.journal = journal;
        EXPECT_TRUE(form.open(request));
        EXPECT_EQ(form.declaration().text(107), as);
        EXPECT_FALSE(form.declaration().isModified());
        return env.sink.texts().join(u'\n');
    };
    QByteArray flipped = whole;
    flipped[flipped.size() / 2] = flipped[flipped.size() / 2] == 'x' ? 'y' : 'x';
    EXPECT_TRUE(tryWith(flipped).contains(u"está dañado o incompleto"_s));
    EXPECT_TRUE(tryWith(whole.left(whole.size() - 5)).contains(u"está dañado o incompleto"_s));
    EXPECT_TRUE(tryWith(QByteArray("\n\n\t\\")).contains(u"está dañado o incompleto"_s));

    // Saved with another value since: the edits no longer fit and none is put back.
    {
        FormSession form(env.session);
        ASSERT_TRUE(form.open(OpenRequest::existing(key())));
        ASSERT_TRUE(form.setField(107, u"70000"_s));
        ASSERT_TRUE(form.save());
    }
    const QStringList saved = storedBoxes(env.db());
    as = u"70,000"_s;
    EXPECT_TRUE(tryWith(whole).contains(u"no corresponden a la declaración tal como está grabada"_s));
    EXPECT_EQ(storedBoxes(env.db()), saved);
    EXPECT_TRUE(env.sink.messages().size() == 1);
}

// The module killed after some edits: at the next start the user is asked, and the edits come back only when
// accepted. The edits are made by a child process of this program, which is killed with SIGKILL.
TEST_F(JournalTest, AModuleKilledAfterEditsGetsThemBackOnlyWhenTheUserAccepts) {
    QProcess child;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(u"ZEM_JOURNAL_CHILD"_s, env.dir.path());
    child.setProcessEnvironment(environment);
    child.start(QCoreApplication::applicationFilePath(), {u"--gtest_filter=JournalChild.EditsUntilKilled"_s});
    ASSERT_TRUE(child.waitForStarted());
    QByteArray out;
    while (!out.contains("listo") && child.state() == QProcess::Running && child.waitForReadyRead(60000))
        out += child.readAllStandardOutput();
    ASSERT_TRUE(out.contains("listo")) << out.toStdString();
    ::kill(static_cast<pid_t>(child.processId()), SIGKILL);
    ASSERT_TRUE(child.waitForFinished());
    EXPECT_EQ(child.exitStatus(), QProcess::CrashExit);

    // Declined: the journal goes and the stored declaration is as it was.
    ASSERT_EQ(EditJournal::find(env.session).size(), 1);
    const QString journal = EditJournal::find(env.session).first();
    ASSERT_TRUE(QFile::copy(journal, journal + u".copia"_s));
    env.sink.setNextAnswer(MsgAnswer::No);
    EXPECT_FALSE(offerRecovery(env.session));
    ASSERT_EQ(env.sink.messages().size(), 1);
    EXPECT_TRUE(env.sink.texts().first().startsWith(
        u"Hay cambios sin grabar de la declaración del RUC 10123456781 (PEREZ ROJAS ANA), del "_s));
    EXPECT_TRUE(
        env.sink.texts().first().contains(u": 3 modificaciones. El programa se cerró sin grabarlos."_s));
    EXPECT_TRUE(EditJournal::find(env.session).isEmpty());
    EXPECT_EQ(storedBoxes(env.db()), stored);

    // Accepted: the declaration opens with the edits, unsaved.
    ASSERT_TRUE(QFile::rename(journal + u".copia"_s, journal));
    env.sink.setNextAnswer(MsgAnswer::Yes);
    const std::optional<OpenRequest> request = offerRecovery(env.session);
    ASSERT_TRUE(request);
    EXPECT_EQ(request->mode, OpenMode::Existing);
    FormSession form(env.session);
    form.keepJournal(true);
    ASSERT_TRUE(form.open(*request));
    expectEdited(form.declaration());
    EXPECT_EQ(storedBoxes(env.db()), stored);
}

// The child of the test above: opens the declaration as the window does, edits and waits to be killed.
TEST(JournalChild, EditsUntilKilled) {
    const QString dir = qEnvironmentVariable("ZEM_JOURNAL_CHILD");
    if (dir.isEmpty())
        GTEST_SKIP() << "run by AModuleKilledAfterEditsGetsThemBackOnlyWhenTheUserAccepts";
    RecordingMessageSink sink;
    const Clock clock;
    Session session(sink, clock);
    Settings& s = session.settings;
    s.gSysPath = dir + u'/';
    s.gDBFile = s.gSysPath + u"zem.db"_s;
    s.gUsuario = u"CONTADOR"_s;
    DbError error;
    ASSERT_TRUE(openDatabase(s, u"child"_s, &error, 2000));
    session.gDB = std::make_unique<Db>(u"child"_s, sink);
    ASSERT_TRUE(createWorkingTables(session.db()));
    auto* form = new FormSession(session);  // never destroyed: the process dies with it open
    form->keepJournal(true);
    ASSERT_TRUE(form->open(OpenRequest::existing(key())));
    edit(*form);
    std::puts("listo");
    std::fflush(stdout);
    for (int i = 0; i < 600; ++i)
        QThread::msleep(100);
    FAIL() << "not killed";
}

}  // namespace
}  // namespace zem
