#include <gtest/gtest.h>

#include "DirectPayment.h"
#include "annexes/AnnexEntry.h"
#include "annexes/AnnexRegister.h"
#include "annexes/Registers.h"
#include "data/SeedCatalogue.h"
#include "declaration/BoxAssistant.h"
#include "declaration/DeclarationState.h"
#include "declaration/EditScopes.h"
#include "declaration/FormSession.h"
#include "declaration/ui/EditUndoStack.h"
#include "support/Taxpayers.h"
#include "support/TestEnv.h"

namespace zem {
namespace {

using namespace Qt::StringLiterals;

const QString kRuc = u"10123456781"_s;

// Everything a user sees of the model, for comparing a state with another.
struct Seen {
    explicit Seen(const Declaration& d) : s(d.state()) {}
    DeclarationState s;
    bool operator==(const Seen& o) const {
        return s.texts == o.s.texts && s.disabled == o.s.disabled && s.locked == o.s.locked &&
               s.options == o.s.options && s.paymentType == o.s.paymentType &&
               s.paymentAmount == o.s.paymentAmount && s.patrimonialTotal == o.s.patrimonialTotal;
    }
};

class UndoTest : public ::testing::Test {
protected:
    UndoTest() : form(env.session), stack(form), d(form.declaration()) {
        EXPECT_TRUE(loadSeedCatalogue(env.db()));
        EXPECT_TRUE(test::addTaxpayer(
            env.db(), {.ruc = kRuc, .apellidoM = u"ROJAS"_s, .nombre2 = u""_s, .nombre = u"PEREZ ANA"_s}));
        EXPECT_TRUE(form.open(OpenRequest::newDeclaration()));
        form.chooseTaxpayer(kRuc);
        // The identification as a save wants it, set before any edit is recorded.
        d.setOption(OptionGroup::optPor, u"1"_s);
        d.setOption(OptionGroup::optSom, u"0"_s);
        d.setOption(OptionGroup::OptRectifica, u"0"_s);
        d.setModified(false);
    }

    int rows(const QString& table) { return env.db().scalar(u"SELECT count(*) FROM "_s + table).toInt(); }

    test::TestEnv env;
    FormSession form;
    EditUndoStack stack;
    Declaration& d;
};

TEST_F(UndoTest, TypedBoxesAreTakenBackOneByOneWithEverythingTheyComputedAndDoneAgain) {
    const Seen opened(d);
    ASSERT_TRUE(form.setField(107, u"50000"_s));
    const Seen after107(d);
    ASSERT_TRUE(form.setField(111, u"30000"_s));
    ASSERT_TRUE(form.setField(130, u"1500"_s));
    const Seen typed(d);
    EXPECT_EQ(d.text(507), u"(10,000)"_s);
    EXPECT_FALSE(d.text(120).isEmpty());
    EXPECT_TRUE(d.isEnabled(215));  // box 107 opened the fourth-category lines
    // One command per box, the rules' own writes inside it; a refused value is no command.
    EXPECT_FALSE(form.setField(107, u"12x"_s));
    ASSERT_EQ(stack.count(), 3);
    EXPECT_EQ(stack.undoText(), u"casilla 130"_s);
    EXPECT_TRUE(d.isModified());

    stack.undo();
    stack.undo();
    EXPECT_TRUE(Seen(d) == after107);
    EXPECT_TRUE(d.isModified());
    stack.undo();
    EXPECT_TRUE(Seen(d) == opened);
    EXPECT_TRUE(d.text(507).isEmpty() && d.text(120).isEmpty());
    EXPECT_FALSE(d.isEnabled(215));
    // Back where it was opened: nothing to save.
    EXPECT_FALSE(d.isModified());
    EXPECT_EQ(stack.redoText(), u"casilla 107"_s);

    for (int i = 0; i < 3; ++i)
        stack.redo();
    EXPECT_TRUE(Seen(d) == typed);
    EXPECT_TRUE(d.isModified());
}

TEST_F(UndoTest, SavingIsTheCleanStateAndTheCloseQuestionFollowsTheStack) {
    ASSERT_TRUE(form.setField(107, u"50000"_s));
    ASSERT_TRUE(form.setField(180, u"0"_s));
    ASSERT_TRUE(form.save()) << env.sink.texts().join(u'\n').toStdString();
    EXPECT_TRUE(stack.isClean());
    EXPECT_FALSE(d.isModified());

    env.sink.clear();
    stack.undo();  // box 180 as before the save
    EXPECT_TRUE(d.isModified());
    env.sink.setNextAnswer(MsgAnswer::Cancel);
    EXPECT_FALSE(form.closeRequested());
    EXPECT_EQ(env.sink.texts(),
              QStringList{u"¿El formulario ha sido modificado, desea guardar los cambios?"_s});

    env.sink.clear();
    stack.redo();  // back to what is stored
    EXPECT_FALSE(d.isModified());
    EXPECT_TRUE(form.closeRequested());
    EXPECT_TRUE(env.sink.texts().isEmpty());
}

TEST_F(UndoTest, AfterAnImportNothingCanBeTakenBackAndNoStateCountsAsSaved) {
    ASSERT_TRUE(form.setField(116, u"300"_s));
    ASSERT_TRUE(form.save());
    ASSERT_TRUE(form.setField(107, u"50000"_s));
    stack.forgetEdits();
    EXPECT_EQ(stack.count(), 0);
    EXPECT_TRUE(d.isModified());
    ASSERT_TRUE(form.setField(116, u"400"_s));
    stack.undo();
    EXPECT_TRUE(d.isModified());  // the imported rows are still not saved
}

TEST_F(UndoTest, AnAnswerTakenBackRestoresWhatItEmptiedAndDeleted) {
    ASSERT_TRUE(form.setAnswer(OptionGroup::optExonera, u"1"_s));
    BoxAssistant exempt(AssistantKind::Exoneradas, form.rules(), env.sink);
    exempt.setLine(0, u"1000"_s);
    exempt.setLine(4, u"250"_s);
    EXPECT_TRUE(form.runFeeder(edits::boxText(200), [&] { ASSERT_TRUE(exempt.accept()); }));
    EXPECT_EQ(stack.undoText(), u"casilla 200"_s);
    EXPECT_EQ(d.text(200), u"1,250"_s);

    ASSERT_TRUE(form.setAnswer(OptionGroup::optCondomino, u"1"_s));
    for (const char* doc : {"40506070", "40506071"})
        ASSERT_TRUE(
            env.db().execute(u"INSERT INTO TMP_F0480CONDOMI (tip_doc_con, num_ruc) VALUES ('01', ?)"_s,
                             {QString::fromLatin1(doc)}));
    form.grids().refreshAll();
    const Seen before(d);

    env.sink.setNextAnswer(MsgAnswer::Yes);
    ASSERT_TRUE(form.setAnswer(OptionGroup::optExonera, u"0"_s));
    EXPECT_TRUE(d.text(535).isEmpty() && d.text(539).isEmpty() && d.text(200).isEmpty());
    EXPECT_FALSE(d.isEnabled(200));
    env.sink.setNextAnswer(MsgAnswer::Yes);
    ASSERT_TRUE(form.setField(559, u"0"_s));  // the co-ownership answer, typed as its box
    EXPECT_EQ(rows(u"TMP_F0480CONDOMI"_s), 0);
    EXPECT_EQ(stack.undoText(), u"casilla 559"_s);

    stack.undo();
    EXPECT_EQ(rows(u"TMP_F0480CONDOMI"_s), 2);
    EXPECT_EQ(form.grids().NumSuministros(), 2);
    EXPECT_EQ(form.grids().grid(AnnexGridKind::CoOwners).count(), 2);
    EXPECT_EQ(d.option(OptionGroup::optCondomino), u"1"_s);
    stack.undo();
    EXPECT_TRUE(Seen(d) == before);
    EXPECT_EQ(d.text(535), u"1,000"_s);
    EXPECT_EQ(d.text(200), u"1,250"_s);
    EXPECT_TRUE(d.isEnabled(200));

    // Done again, the rows go again; a user who keeps the answer made no edit.
    stack.redo();
    stack.redo();
    EXPECT_EQ(rows(u"TMP_F0480CONDOMI"_s), 0);
    const int count = stack.count();
    env.sink.setNextAnswer(MsgAnswer::No);
    ASSERT_TRUE(form.setAnswer(OptionGroup::optCondomino, u"1"_s));
    EXPECT_EQ(stack.count(), count + 1);
}

TEST_F(UndoTest, ARegisterRowAddedThenTakenBackIsGoneAndItsBoxFollows) {
    // The window records everything done in a register between opening and leaving it.
    form.runFeeder(edits::boxText(133), [&] {
        auto r = openRegister(env.session, form.editor(), 133);
        ASSERT_TRUE(r);
        auto e = r->newEntry();
        ASSERT_TRUE(test::typeDirectPayment(*e));
        ASSERT_TRUE(e->accept());
        ASSERT_TRUE(r->leave());
    });
    EXPECT_EQ(d.text(133), u"(1,235)"_s);
    EXPECT_FALSE(d.text(501).isEmpty());
    EXPECT_EQ(stack.undoText(), u"casilla 133"_s);

    stack.undo();
    EXPECT_EQ(rows(u"TMP_F0480PAGOS"_s), 0);
    EXPECT_TRUE(d.text(133).isEmpty() && d.text(100).isEmpty() && d.text(501).isEmpty());
    EXPECT_FALSE(form.registerHasRows(133));
    stack.redo();
    EXPECT_EQ(rows(u"TMP_F0480PAGOS"_s), 1);
    EXPECT_EQ(d.text(133), u"(1,235)"_s);
}

TEST_F(UndoTest, PaymentKeystrokesAreOneEdit) {
    for (const QString& amount : {u"1"_s, u"12"_s, u"120"_s}) {
        const EditRecorder::Scope edit(form.edits(), QString::fromUtf16(edits::kPayment));
        d.setPaymentType(u"E"_s);
        d.setPaymentAmount(amount);
    }
    EXPECT_EQ(stack.count(), 1);
    stack.undo();
    EXPECT_TRUE(d.paymentAmount().isEmpty() && d.paymentType().isEmpty());
}

TEST_F(UndoTest, NestedScopesAreOneEditThatTakesBackEveryRowFromTheStart) {
    const QString payments = u"TMP_F0480PAGOS"_s;
    const auto addRow = [&] { env.db().execute(u"INSERT INTO TMP_F0480PAGOS (casilla) VALUES ('133')"_s); };
    {
        const EditRecorder::Scope outer(form.edits(), edits::boxText(107), {payments});
        d.setText(107, u"1000"_s);
        addRow();
        {
            // The inner scope names the same table: its rows as the outer scope found them are kept.
            const EditRecorder::Scope inner(form.edits(), edits::boxText(108), {payments});
            d.setText(108, u"500"_s);
            addRow();
        }
        EXPECT_EQ(stack.count(), 0);  // nothing is announced before the outer scope closes
    }
    EXPECT_EQ(stack.count(), 1);
    EXPECT_EQ(stack.undoText(), u"casilla 107"_s);
    stack.undo();
    EXPECT_EQ(rows(payments), 0);
    EXPECT_TRUE(d.text(107).isEmpty() && d.text(108).isEmpty());
    stack.redo();
    EXPECT_EQ(rows(payments), 2);
    EXPECT_EQ(d.text(108), u"500"_s);
}

}  // namespace
}  // namespace zem
