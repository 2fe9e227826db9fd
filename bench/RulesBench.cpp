#include <benchmark/benchmark.h>

#include "declaration/Declaration.h"
#include "declaration/Rules.h"

using namespace zem;
using namespace Qt::StringLiterals;

namespace {

// One edit of box 107 (fourth-category income) over a filled declaration: the whole chain runs, through the
// deductions 507-512, box 113, the subtotals 514-528, the taxable income 515, the tax 120, the net tax 516,
// the balance 141/142 and the debt 146. The amount alternates so that every edit changes every box.
void BM_EditBox107(benchmark::State& state) {
    Declaration d;
    Rules rules(d, u"3400"_s);
    d.setText(100, u"24000"_s);
    d.setText(111, u"60000"_s);
    d.setText(116, u"5000"_s);
    d.setText(131, u"9000"_s);
    d.setText(144, u"100"_s);
    const QString amounts[] = {u"340000"_s, u"120000"_s};
    int i = 0;
    for (auto _ : state) {
        d.setText(107, amounts[i ^= 1]);
        benchmark::DoNotOptimize(d.text(146));
    }
    if (d.text(146).isEmpty())
        state.SkipWithError("the chain did not reach box 146");
}
BENCHMARK(BM_EditBox107)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
