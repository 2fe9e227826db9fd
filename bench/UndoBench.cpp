// Recording an edit for undo and for the recovery journal, against the bare edit of box 107 through the one
// setter; and taking an edit back, against making it. The goals: recording adds under 20 µs to the edit of
// box 107, and taking an edit back costs no more than making it.
#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <QFile>
#include <memory>

#include "data/SeedCatalogue.h"
#include "declaration/DeclarationState.h"
#include "declaration/FormSession.h"
#include "declaration/ui/EditUndoStack.h"
#include "support/TestEnv.h"

using namespace zem;
using namespace Qt::StringLiterals;

namespace {

// A throw-away installation and a new declaration with income in every category, so that an edit of 107
// runs the whole chain down to the debt; its journal is kept as the window keeps it.
struct Bench {
    Bench() {
        if (!loadSeedCatalogue(session.db()))
            qFatal("catalogue");
        form = std::make_unique<FormSession>(session);
        stack = std::make_unique<EditUndoStack>(*form);
        stack->setUndoLimit(100);
        form->keepJournal(true);
        if (!form->open(OpenRequest::newDeclaration()))
            qFatal("open");
        form->chooseTaxpayer(u"10123456781"_s);
        Declaration& d = form->declaration();
        for (auto [box, text] : {std::pair{100, u"24,000"_s},
                                 {111, u"60,000"_s},
                                 {116, u"5,000"_s},
                                 {131, u"(9,000)"_s},
                                 {144, u"100"_s}})
            d.setText(box, text);
    }

    // The edit of box 107, alternating two amounts so that every edit changes the whole chain.
    void edit() {
        if (!form->setField(107, amounts[turn ^= 1]))
            qFatal("refused");
    }

    test::TestEnv installation;  // the database with its schema and working tables
    Session& session = installation.session;
    std::unique_ptr<FormSession> form;
    std::unique_ptr<EditUndoStack> stack;
    const QString amounts[2] = {u"340000"_s, u"120000"_s};
    int turn = 0;
};

Bench* gBench = nullptr;

// The edit alone: nothing recorded.
void BM_Edit107Bare(benchmark::State& state) {
    Bench& b = *gBench;
    b.form->edits().setEnabled(false);
    for (auto _ : state)
        b.edit();
    b.form->edits().setEnabled(true);
}
BENCHMARK(BM_Edit107Bare)->Unit(benchmark::kMicrosecond)->Iterations(20000);

// The edit recorded: its values before and after taken, the command pushed, the journal line written.
void BM_Edit107Recorded(benchmark::State& state) {
    Bench& b = *gBench;
    for (auto _ : state)
        b.edit();
    state.counters["journal_bytes_per_edit"] =
        static_cast<double>(QFile(b.form->journal().path()).size()) / static_cast<double>(state.iterations());
    b.form->discardJournal();
}
BENCHMARK(BM_Edit107Recorded)->Unit(benchmark::kMicrosecond)->Iterations(20000);

// What recording adds, without the edit itself: the model's values taken, compared with those an edit of 107
// left, the command pushed and the journal line written.
void BM_RecordingAlone(benchmark::State& state) {
    Bench& b = *gBench;
    Declaration& d = b.form->declaration();
    b.form->edits().setEnabled(false);
    const DeclarationState before = d.state();
    b.edit();
    const DeclarationState after = d.state();
    b.form->edits().setEnabled(true);
    qsizetype changed = 0;
    for (auto _ : state) {
        const DeclarationState taken = d.state();
        benchmark::DoNotOptimize(taken.texts.size());
        auto edit = std::make_shared<DeclarationEdit>();
        edit->description = u"casilla 107"_s;
        edit->fields = diffStates(before, after);
        changed = edit->fields.size();
        Q_EMIT b.form->edits().recorded(edit);
    }
    state.counters["values_per_edit"] = static_cast<double>(changed);
    b.form->discardJournal();
}
BENCHMARK(BM_RecordingAlone)->Unit(benchmark::kMicrosecond)->Iterations(20000);

// One edit taken back and done again (two journal lines): each half is one undo or one redo.
void BM_UndoRedo107(benchmark::State& state) {
    Bench& b = *gBench;
    b.edit();
    for (auto _ : state) {
        b.stack->undo();
        b.stack->redo();
    }
    if (b.form->declaration().text(146).isEmpty())
        state.SkipWithError("the chain did not reach box 146");
    b.form->discardJournal();
}
BENCHMARK(BM_UndoRedo107)->Unit(benchmark::kMicrosecond)->Iterations(10000);

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    Bench bench;
    gBench = &bench;
    benchmark::RunSpecifiedBenchmarks();
    gBench = nullptr;
    benchmark::Shutdown();
    return 0;
}
