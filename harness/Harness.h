#pragma once

#include <QString>
#include <QStringList>

namespace zem::harness {

// What every harness is told on its command line.
struct Options {
    QString home;       // the installation's home folder; a temporary one when empty
    int runs = 20;      // kills, runs or sweep steps, by harness
    int seconds = 10;   // how long the concurrency harness runs
    unsigned seed = 1;  // of every random choice, so that a run can be repeated
    int declarations = 3;
    int maxDelayMs = 2500;  // the longest a child of the crash harness lives before it is killed
    int aimMs = 0;          // a child of the crash harness kills itself within this of its first write
    QStringList rest;       // the words a child is started with
};

// Each harness prints its figures and returns 0 when it found no fault, 1 when it did, 2 when it could not
// run. The children they start run `child` and `op`.
int crashHarness(const Options& o);
int fullDiskHarness(const Options& o);
int ioErrorHarness(const Options& o);
int concurrencyHarness(const Options& o);

// The child of the crash harness: runs random operations on the declarations until it is killed.
int crashChild(const Options& o);
// One operation on one declaration, for the harnesses that start it under a limit: `op NAME RUC`. Exits 0
// when the module reported success, 2 otherwise, with what the module told on standard error.
int oneOperation(const Options& o);

// The program itself and the batch tool, for the children.
QString harnessProgram();
QString batchTool();

}  // namespace zem::harness
