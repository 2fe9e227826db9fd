// The full-disk and I/O-error harnesses: one operation runs in a child whose writes fail (a file size limit
// as on a full disk; the I/O shim failing the database's writes and flushes after some calls). Whatever
// happens the module must say so in its own words, never report a failed write as done, and leave the
// declaration wholly as it was or wholly the new generation.
#include <dlfcn.h>
#include <sys/resource.h>

#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <csignal>
#include <cstdio>
#include <random>

#include "CoreSession.h"
#include "Generation.h"
#include "Harness.h"
#include "Installation.h"
#include "Messages.h"
#include "Wholeness.h"

namespace zem::harness {

using namespace Qt::StringLiterals;

namespace {

struct Tally {
    int runs = 0, failed = 0, succeeded = 0, violations = 0;
};

void say(const QString& line) {
    std::printf("%s\n", line.toUtf8().constData());
    std::fflush(stdout);
}

struct Before {
    QString snapshot;
    int generation = 0;
    bool whole = false;  // one generation throughout (the batch tool's save dates the header today)
};

Before look(const QString& ruc) {
    CoreSession core;
    QString why;
    if (!core.open(&why))
        return {why, -1, false};
    return {snapshot(core, ruc), storedGeneration(core, ruc), wholenessFaults(core, ruc).isEmpty()};
}

// Judges one run of `command` against the declaration as it was before: a failure told in Spanish with the
// declaration as it was, or a success with the declaration wholly new (the next generation, for the
// harness's own operations).
void judge(Tally& t, const QString& what, const Outcome& r, const QString& ruc, const Before& before,
           bool generational) {
    ++t.runs;
    say(what + u": código "_s + QString::number(r.code) + u", "_s +
        (r.err.trimmed().isEmpty() ? u"sin mensaje"_s : r.err.trimmed().replace(u'\n', u" / "_s).left(160)));
    QStringList faults;
    if (r.crashed)
        faults << u"terminó por una señal"_s;
    const QStringList foreign = foreignLines(r.err);
    if (!foreign.isEmpty())
        faults << u"mensaje que no es del sistema: "_s + foreign.join(u" / "_s);
    CoreSession core;
    QString why;
    if (!core.open(&why)) {
        faults << u"la instalación no abre después: "_s + why;
    } else {
        faults += integrityFaults(core);
        if (generational && (r.code == 0 || before.whole))
            faults += wholenessFaults(core, ruc);
        const QString after = snapshot(core, ruc);
        if (r.code == 0) {
            ++t.succeeded;
            if (generational && storedGeneration(core, ruc) != before.generation + 1)
                faults << u"informó éxito pero la declaración es de la generación "_s +
                              QString::number(storedGeneration(core, ruc));
            if (!generational && after == before.snapshot)
                faults << u"informó éxito pero nada cambió"_s;
        } else {
            ++t.failed;
            if (r.err.trimmed().isEmpty())
                faults << u"falló (código "_s + QString::number(r.code) + u") sin decir por qué"_s;
            if (after != before.snapshot)
                faults << u"falló pero la declaración cambió"_s;
        }
    }
    if (!faults.isEmpty()) {
        ++t.violations;
        std::fprintf(stderr, "%s: %s\n  dijo: %s\n", what.toUtf8().constData(),
                     faults.mid(0, 5).join(u"; "_s).toUtf8().constData(),
                     r.err.trimmed().toUtf8().constData());
    }
}

// An installation with one taxpayer whose declaration holds its imported payments.
bool prepareOne(const Options& o, QTemporaryDir& temporary, QString* ruc, QString* dbFile) {
    const Installation inst(o.home.isEmpty() ? temporary.path() : o.home, batchTool());
    *ruc = harnessRuc(1);
    QString why;
    bool ok = inst.prepare({*ruc}, &why);
    if (ok) {
        inst.enter();
        CoreSession core;
        QTemporaryDir work;
        ok = core.open(&why);
        if (ok && !core.isSqlite()) {
            why = u"la base de datos de la instalación no es un archivo SQLite"_s;
            ok = false;
        }
        if (ok && storedGeneration(core, *ruc) == 0) {
            const OpResult r = runOp(core, *ruc, Op::Import, work.path());
            ok = r.done;
            why = r.messages;
        }
        *dbFile = ok ? core.session.settings.gDBFile : QString();
    }
    if (!ok)
        std::fprintf(stderr, "No se pudo preparar la instalación: %s\n", why.toUtf8().constData());
    return ok;
}

void report(const QString& name, const Tally& t, const QElapsedTimer& clock) {
    say(u"%1: ejecuciones %2, fallaron %3, grabaron %4, violaciones %5; tiempo %6 s"_s.arg(name)
            .arg(t.runs)
            .arg(t.failed)
            .arg(t.succeeded)
            .arg(t.violations)
            .arg(clock.elapsed() / 1000.0, 0, 'f', 1));
}

// How the writes of one run fail: variables for the I/O shim, or a limit set in the child.
struct Failure {
    QString label;
    QStringList environment;
    std::function<void()> prepare;
};

// The harness's own save (or import) of a whole generation, then the batch tool's save of one box, each
// under the failure and judged.
void runBoth(Tally& t, const Installation& inst, const QString& ruc, const Failure& f, bool importing,
             int step) {
    Before before = look(ruc);
    QProcess p;
    QProcessEnvironment env = inst.environment();
    for (const QString& pair : f.environment)
        env.insert(pair.section(u'=', 0, 0), pair.section(u'=', 1));
    p.setProcessEnvironment(env);
    if (f.prepare)
        p.setChildProcessModifier(f.prepare);
    p.start(harnessProgram(), {u"op"_s, importing ? u"importar"_s : u"grabar"_s, ruc});
    judge(t, f.label + u", harness "_s + (importing ? u"importar"_s : u"grabar"_s), Installation::finish(p),
          ruc, before, true);

    before = look(ruc);
    const Outcome r =
        inst.run({u"save"_s, ruc, u"110="_s + QString::number(500 + step)}, f.prepare, f.environment);
    judge(t, f.label + u", zem0482 save"_s, r, ruc, before, false);
}

// What LD_PRELOAD must hold for the shim. In a build with the address sanitizer its runtime must be the first
// library loaded, ahead of anything preloaded, so it goes first when this harness itself carries it.
QString preload() {
    QString libs = QString::fromUtf8(ZEM_EIO_SHIM);
    if (void* init = dlsym(RTLD_DEFAULT, "__asan_init")) {
        Dl_info info{};
        // A runtime linked into the program itself (clang's default) needs nothing preloaded.
        const QString runtime = dladdr(init, &info) != 0 ? QString::fromLocal8Bit(info.dli_fname) : QString();
        if (QFileInfo(runtime).fileName().startsWith(u"lib"_s))
            libs = runtime + u':' + libs;
    }
    return libs;
}

// The shim's variables for failing from the n-th call on (0: never), counting into countFile when given.
QStringList shim(const QString& dbFile, long n, bool full, const QString& countFile = {}) {
    QStringList env = {u"LD_PRELOAD="_s + preload(), u"ZEM_EIO_MATCH="_s + dbFile,
                       u"ZEM_EIO_AFTER="_s + QString::number(n)};
    if (full)
        env << u"ZEM_EIO_FULL=1"_s;
    if (!countFile.isEmpty())
        env << u"ZEM_EIO_COUNT="_s + countFile;
    return env;
}

// The calls a whole save makes to the database's files (with its import, when importing), as the shim
// counts them on a save that goes through: their number, and the numbers of the flushes among them.
struct Calls {
    long count = 1;
    QList<long> flushes;
};

Calls callsOfASave(const Installation& inst, const QString& dbFile, const QString& ruc, bool importing) {
    const QString countFile = inst.home() + u"/llamadas.txt"_s;
    const QString traceFile = inst.home() + u"/traza.txt"_s;
    QFile::remove(traceFile);
    QProcess p;
    QProcessEnvironment env = inst.environment();
    for (const QString& pair : shim(dbFile, 0, false, countFile))
        env.insert(pair.section(u'=', 0, 0), pair.section(u'=', 1));
    env.insert(u"ZEM_EIO_TRACE"_s, traceFile);
    p.setProcessEnvironment(env);
    p.start(harnessProgram(), {u"op"_s, importing ? u"importar"_s : u"grabar"_s, ruc});
    Installation::finish(p);
    Calls calls;
    QFile count(countFile);
    if (count.open(QIODevice::ReadOnly))
        calls.count = std::max(1L, count.readAll().trimmed().toLong());
    QFile trace(traceFile);
    if (trace.open(QIODevice::ReadOnly)) {
        for (const QByteArray& line : trace.readAll().split('\n')) {
            if (line.contains(" flush "))
                calls.flushes << line.split(' ').value(0).toLong();
        }
    }
    return calls;
}

// The failure points of a sweep: every flush of a save first (the commit's among them), then points spread
// over all its calls.
QList<long> failurePoints(const Calls& calls, int runs, unsigned seed) {
    std::mt19937 random(seed);
    QList<long> points = calls.flushes.mid(0, runs);
    const auto spread = static_cast<long>(runs - points.size());
    for (long k = 0; k < spread; ++k)
        points << 1 + (k * calls.count +
                       static_cast<long>(random() % static_cast<unsigned long>(calls.count))) /
                          spread;
    return points;
}

int sweep(const Options& o, bool diskFull) {
    QElapsedTimer clock;
    clock.start();
    QTemporaryDir temporary;
    QString ruc, dbFile;
    if (!prepareOne(o, temporary, &ruc, &dbFile))
        return 2;
    const Installation inst(o.home.isEmpty() ? temporary.path() : o.home, batchTool());
    Tally t;
    const Calls saveCalls = callsOfASave(inst, dbFile, ruc, false);
    const Calls importCalls = callsOfASave(inst, dbFile, ruc, true);
    say(u"Escrituras de la base de datos en una grabación: %1; con importación: %2"_s.arg(saveCalls.count)
            .arg(importCalls.count));
    const QList<long> savePoints = failurePoints(saveCalls, (o.runs + 1) / 2, o.seed);
    const QList<long> importPoints = failurePoints(importCalls, o.runs / 2, o.seed + 1);
    for (int step = 0; step < o.runs; ++step) {
        const bool importing = step % 2 == 1;
        const long n = (importing ? importPoints : savePoints)[step / 2];
        Failure f{(diskFull ? u"disco lleno en la escritura "_s : u"error de E/S en la escritura "_s) +
                      QString::number(n),
                  shim(dbFile, n, diskFull),
                  {}};
        runBoth(t, inst, ruc, f, importing, step);
        if (diskFull) {
            // The same by a file size limit: the write past it fails with EFBIG.
            const rlim_t limit = rlim_t(16 * 1024) << (step % 8);
            Failure limited{u"límite de "_s + QString::number(limit / 1024) + u" KiB"_s, {}, [limit] {
                                std::signal(SIGXFSZ, SIG_IGN);
                                rlimit r{};
                                getrlimit(RLIMIT_FSIZE, &r);
                                r.rlim_cur = limit;
                                setrlimit(RLIMIT_FSIZE, &r);
                            }};
            runBoth(t, inst, ruc, limited, importing, step);
        }
    }
    report(diskFull ? u"Disco lleno"_s : u"Error de E/S"_s, t, clock);
    return t.violations == 0 ? 0 : 1;
}

}  // namespace

int fullDiskHarness(const Options& o) {
    return sweep(o, true);
}

int ioErrorHarness(const Options& o) {
    return sweep(o, false);
}

}  // namespace zem::harness
