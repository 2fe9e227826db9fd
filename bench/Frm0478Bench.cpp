// One keystroke in box 107 of the declaration window, from the key to the last field updated, against setting
// the same fields' texts directly. The goal: the keystroke costs at most twice the direct update.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QLineEdit>
#include <QTest>
#include <memory>

#include "data/SeedCatalogue.h"
#include "declaration/ui/FeederRegistry.h"
#include "declaration/ui/Frm0478.h"
#include "support/TestEnv.h"

using namespace zem;
using namespace Qt::StringLiterals;

namespace {

// A throw-away installation and a new declaration in the window, with income in every category so that the
// edit runs the whole chain down to the debt.
struct Bench {
    Bench() {
        if (!loadSeedCatalogue(session.db()))
            qFatal("catalogue");
        // The withholding register writes its total into box 107; each keystroke alternates the amount.
        feeders.setBoxOpener(Feeder::Withholdings, [this](const FeederContext& c, int box) {
            c.declaration.setText(box, amounts[turn ^= 1]);
        });
        window = std::make_unique<Frm0478>(session, feeders, OpenRequest::newDeclaration());
        Declaration& d = window->form().declaration();
        for (auto [box, text] : {std::pair{100, u"24,000"_s},
                                 {111, u"60,000"_s},
                                 {116, u"5,000"_s},
                                 {131, u"(9,000)"_s},
                                 {144, u"100"_s}})
            d.setText(box, text);
        window->show();
    }

    test::TestEnv installation;  // the database with its schema and working tables
    Session& session = installation.session;
    FeederRegistry feeders;
    std::unique_ptr<Frm0478> window;
    const QString amounts[2] = {u"340000"_s, u"120000"_s};
    int turn = 0;
};

// The boxes one edit of 107 changes.
const int kDependent[] = {107, 507, 508, 509, 510, 511, 512, 113, 514,
                          518, 513, 528, 515, 120, 516, 141, 142, 146};

// Made once the application exists and gone before it ends.
Bench* gBench = nullptr;

Bench& bench() {
    return *gBench;
}

void BM_KeyInBox107(benchmark::State& state) {
    Bench& b = bench();
    QLineEdit* box107 = b.window->TxtValor(107);
    for (auto _ : state) {
        QTest::keyClick(box107, Qt::Key_5);
        benchmark::DoNotOptimize(b.window->TxtValor(146)->text());
    }
    if (b.window->TxtValor(146)->text().isEmpty())
        state.SkipWithError("the chain did not reach box 146");
}
BENCHMARK(BM_KeyInBox107)->Unit(benchmark::kMicrosecond);

// The edit of the model alone, with the window following it.
void BM_ModelEditWithWindow(benchmark::State& state) {
    Bench& b = bench();
    Declaration& d = b.window->form().declaration();
    for (auto _ : state)
        d.setText(107, b.amounts[b.turn ^= 1]);
}
BENCHMARK(BM_ModelEditWithWindow)->Unit(benchmark::kMicrosecond);

// The same fields set directly, with the texts the two amounts give them.
void BM_SetFieldsDirectly(benchmark::State& state) {
    Bench& b = bench();
    QList<QLineEdit*> fields;
    QList<QStringList> texts(2);
    for (int turn = 0; turn < 2; ++turn) {
        QTest::keyClick(b.window->TxtValor(107), Qt::Key_5);
        for (int box : kDependent)
            texts[b.turn] << b.window->TxtValor(box)->text();
    }
    for (int box : kDependent)
        fields << b.window->TxtValor(box);
    int turn = 0;
    for (auto _ : state) {
        turn ^= 1;
        for (int i = 0; i < fields.size(); ++i)
            fields[i]->setText(texts[turn][i]);
        benchmark::DoNotOptimize(fields.last()->text());
    }
}
BENCHMARK(BM_SetFieldsDirectly)->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    auto b = std::make_unique<Bench>();
    gBench = b.get();
    benchmark::RunSpecifiedBenchmarks();
    gBench = nullptr;
    b.reset();
    benchmark::Shutdown();
    return 0;
}
