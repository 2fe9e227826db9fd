#include <gtest/gtest.h>

#include "DirectPayment.h"
#include "annexes/AnnexEntry.h"
#include "annexes/AnnexRegister.h"
#include "annexes/Registers.h"
#include "data/SeedCatalogue.h"
#include "declaration/BoxAssistant.h"
#include "declaration/EditScopes.h"
#include "declaration/FormSession.h"
#include "declaration/ui/EditUndoStack.h"
#include "support/TestEnv.h"

// The windows that feed the declaration (assistants, registers) as the declaration window runs them.
namespace zem {
namespace {

using namespace Qt::StringLiterals;

class FeederTest : public ::testing::Test {
protected:
    FeederTest() : form(env.session), stack(form), d(form.declaration()) {
        EXPECT_TRUE(loadSeedCatalogue(env.db()));
        EXPECT_TRUE(form.open(OpenRequest::newDeclaration()));
        d.setModified(false);
    }

    bool leavingAsks() {
        env.sink.clear();
        env.sink.setNextAnswer(MsgAnswer::Cancel);
        return !form.closeRequested();
    }

    test::TestEnv env;
    FormSession form;
    EditUndoStack stack;
    Declaration& d;
};

TEST_F(FeederTest, OnlyAFeederThatChangedSomethingLeavesTheDeclarationToSave) {
    BoxAssistant exempt(AssistantKind::Exoneradas, form.rules(), env.sink);
    exempt.setLine(0, u"1000"_s);
    // Lines typed and cancelled; a register looked at and left.
    EXPECT_FALSE(form.runFeeder(edits::boxText(200), {}));
    EXPECT_FALSE(form.runFeeder(
        edits::boxText(133), [&] { EXPECT_TRUE(openRegister(env.session, form.editor(), 133)->leave()); }));
    EXPECT_FALSE(leavingAsks());

    EXPECT_TRUE(form.runFeeder(edits::boxText(200), [&] { EXPECT_TRUE(exempt.accept()); }));
    EXPECT_TRUE(leavingAsks());
    stack.undo();
    EXPECT_FALSE(leavingAsks());

    EXPECT_TRUE(form.runFeeder(edits::boxText(133), [&] {
        auto r = openRegister(env.session, form.editor(), 133);
        auto e = r->newEntry();
        EXPECT_TRUE(test::typeDirectPayment(*e));
        EXPECT_TRUE(e->accept());
    }));
    EXPECT_TRUE(leavingAsks());
}

TEST_F(FeederTest, EveryTableARegisterNamesIsWatchedAndTakenBack) {
    QStringList tables;
    const auto collect = [&tables](std::unique_ptr<AnnexRegister> r) {
        ASSERT_TRUE(r);
        tables << r->def().table << r->def().sumTable;
        for (const RegisterDef::DetailLink& link : r->def().details)
            tables << link.table;
    };
    for (int box : registerBoxes())
        collect(openRegister(env.session, form.editor(), box));
    for (const QString& name : gridRegisterNames())
        collect(openGridRegister(env.session, form.editor(), name));
    tables.removeAll(QString());
    tables.removeDuplicates();

    for (const QString& table : std::as_const(tables)) {
        const QString insert = u"INSERT INTO "_s + table + u" DEFAULT VALUES"_s;
        EXPECT_TRUE(form.runFeeder(table, [&] { EXPECT_TRUE(env.db().execute(insert)); }))
            << table.toStdString() << " is not watched";
        stack.undo();
        EXPECT_EQ(env.db().scalar(u"SELECT count(*) FROM "_s + table).toInt(), 0) << table.toStdString();
        EXPECT_FALSE(d.isModified()) << table.toStdString();
    }
}

}  // namespace
}  // namespace zem
