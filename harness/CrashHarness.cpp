// The crash harness: a child runs saves, imports, sendings and deletions while this process kills it at
// random moments; after each kill the database must pass its own check and every declaration must be wholly
// of one generation.
#include <signal.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QMap>
#include <QTemporaryDir>
#include <QThread>
#include <chrono>
#include <cstdio>
#include <random>
#include <thread>

#include "CoreSession.h"
#include "Generation.h"
#include "Harness.h"
#include "Installation.h"
#include "Wholeness.h"

namespace zem::harness {

using namespace Qt::StringLiterals;

namespace {

// An aimed kill comes at most this long after a write started: about what a save of thousands of rows takes.
constexpr int kAimMs = 250;

QStringList rucs(int n) {
    QStringList out;
    for (int i = 1; i <= n; ++i)
        out << harnessRuc(i);
    return out;
}

void say(const QString& line) {
    std::printf("%s\n", line.toUtf8().constData());
    std::fflush(stdout);
}

// Every taxpayer's declaration exists with its imported payments before the killing starts.
bool seed(const Installation& inst, const QStringList& taxpayers, QString* why) {
    if (!inst.prepare(taxpayers, why))
        return false;
    inst.enter();
    CoreSession core;
    if (!core.open(why))
        return false;
    QTemporaryDir work;
    for (const QString& ruc : taxpayers) {
        if (storedGeneration(core, ruc) > 0)
            continue;
        const OpResult r = runOp(core, ruc, Op::Import, work.path());
        if (!r.done) {
            *why = ruc + u": "_s + r.messages;
            return false;
        }
    }
    return true;
}

// The faults of the installation as a fresh process finds it.
QStringList faultsNow(const QStringList& taxpayers) {
    CoreSession core;
    QString why;
    if (!core.open(&why))
        return {why};
    QStringList faults = integrityFaults(core);
    for (const QString& ruc : taxpayers)
        faults += wholenessFaults(core, ruc);
    return faults;
}

}  // namespace

int crashChild(const Options& o) {
    CoreSession core;
    QString why;
    if (!core.open(&why)) {
        std::fprintf(stderr, "%s\n", why.toUtf8().constData());
        return 2;
    }
    QTemporaryDir work;
    const QStringList taxpayers = rucs(o.declarations);
    std::mt19937 random(o.seed);
    // Saves and imports most, as users do; a sending only goes through for a consistent declaration.
    const Op ops[] = {Op::Save, Op::Save, Op::Save, Op::Import, Op::Import, Op::Send, Op::Send, Op::Delete};
    say(u"listo"_s);
    bool armed = false;
    for (;;) {
        const QString ruc = taxpayers[static_cast<int>(random() % taxpayers.size())];
        const Op op = ops[random() % std::size(ops)];
        say(u"+ "_s + opName(op) + u' ' + ruc);
        const OpResult r = runOp(core, ruc, op, work.path(), [&] {
            say(u"* escribiendo "_s + opName(op) + u' ' + ruc);
            // An aimed child kills itself within a moment of its first write starting, wherever the write
            // then is: a parent reading the pipe of a busy machine comes too late.
            if (o.aimMs > 0 && !armed) {
                armed = true;
                const auto delay = std::chrono::milliseconds(random() % static_cast<unsigned>(o.aimMs));
                std::thread([delay] {
                    std::this_thread::sleep_for(delay);
                    ::kill(::getpid(), SIGKILL);
                }).detach();
            }
        });
        say(u"= "_s + opName(op) + u' ' + ruc + (r.done ? u" hecho"_s : u" rechazado"_s));
        if (!r.done && op != Op::Send && op != Op::Delete)
            std::fprintf(stderr, "%s %s: %s\n", qPrintable(opName(op)), qPrintable(ruc),
                         r.messages.toUtf8().constData());
    }
}

int crashHarness(const Options& o) {
    QTemporaryDir temporary;
    const Installation inst(o.home.isEmpty() ? temporary.path() : o.home, batchTool());
    const QStringList taxpayers = rucs(o.declarations);
    QElapsedTimer clock;
    clock.start();
    QString why;
    if (!seed(inst, taxpayers, &why)) {
        std::fprintf(stderr, "No se pudo preparar la instalación: %s\n", why.toUtf8().constData());
        return 2;
    }
    std::mt19937 random(o.seed);
    int kills = 0, violations = 0, done = 0, refused = 0, exits = 0;
    QMap<QString, int> killedDuring;
    for (int run = 0; run < o.runs; ++run) {
        // Every other kill is aimed at a write: it comes within a moment of one starting.
        const bool aimed = run % 2 == 1;
        const std::unique_ptr<QProcess> child =
            inst.start({u"child"_s, u"--seed"_s, QString::number(o.seed * 7919u + run), u"--declarations"_s,
                        QString::number(o.declarations), u"--aim"_s, QString::number(aimed ? kAimMs : 0)},
                       harnessProgram());
        QByteArray out;
        while (!out.contains("listo") && child->state() != QProcess::NotRunning &&
               child->waitForReadyRead(30000))
            out += child->readAllStandardOutput();
        // An aimed child kills itself (see crashChild); the others are killed from here.
        const int delay = aimed ? 60000 : static_cast<int>(random() % static_cast<unsigned>(o.maxDelayMs));
        if (child->waitForFinished(delay)) {
            if (aimed && child->exitStatus() == QProcess::CrashExit && child->exitCode() == SIGKILL) {
                ++kills;
            } else {
                ++exits;  // it ended by itself: that is a fault of the child
                std::fprintf(stderr, "El proceso terminó sin ser detenido: %s\n",
                             child->readAllStandardError().constData());
            }
        } else {
            ::kill(static_cast<pid_t>(child->processId()), SIGKILL);
            child->waitForFinished();
            ++kills;
        }
        out += child->readAllStandardOutput();
        const QStringList lines = QString::fromUtf8(out).split(u'\n', Qt::SkipEmptyParts);
        for (const QString& line : lines) {
            done += line.startsWith(u"= "_s) && line.endsWith(u" hecho"_s);
            refused += line.startsWith(u"= "_s) && line.endsWith(u" rechazado"_s);
        }
        // Where the kill came: preparing an operation, writing it, or between two.
        const QString last = lines.isEmpty() ? QString() : lines.last();
        if (last.startsWith(u"* "_s))
            killedDuring[u"escritura de "_s + last.section(u' ', 2, 2)] += 1;
        else if (last.startsWith(u"+ "_s))
            killedDuring[u"preparación de "_s + last.section(u' ', 1, 1)] += 1;
        else
            killedDuring[u"entre operaciones"_s] += 1;
        const QString err = QString::fromUtf8(child->readAllStandardError()).trimmed();
        if (!err.isEmpty())
            std::fprintf(stderr, "%s\n", err.toUtf8().constData());

        const QStringList faults = faultsNow(taxpayers);
        if (!faults.isEmpty()) {
            ++violations;
            std::fprintf(stderr, "Tras la detención %d (%d ms): %s\n", run + 1, delay,
                         faults.mid(0, 5).join(u"; "_s).toUtf8().constData());
        }
    }
    QStringList during;
    for (auto it = killedDuring.cbegin(); it != killedDuring.cend(); ++it)
        during << it.key() + u' ' + QString::number(it.value());
    say(u"Ejecuciones: %1, detenciones: %2, terminadas solas: %3, violaciones: %4"_s.arg(o.runs)
            .arg(kills)
            .arg(exits)
            .arg(violations));
    say(u"Operaciones hechas: %1, rechazadas: %2; detenidas durante: %3"_s.arg(done).arg(refused).arg(
        during.join(u", "_s)));
    say(u"Tiempo: %1 s"_s.arg(clock.elapsed() / 1000.0, 0, 'f', 1));
    return violations == 0 && exits == 0 ? 0 : 1;
}

int oneOperation(const Options& o) {
    static const QMap<QString, Op> names = {{u"grabar"_s, Op::Save},
                                            {u"importar"_s, Op::Import},
                                            {u"enviar"_s, Op::Send},
                                            {u"eliminar"_s, Op::Delete}};
    if (o.rest.size() != 2 || !names.contains(o.rest[0])) {
        std::fprintf(stderr, "Uso: zem-harness op grabar|importar|enviar|eliminar RUC\n");
        return 2;
    }
    CoreSession core;
    QString why;
    if (!core.open(&why)) {
        std::fprintf(stderr, "%s\n", why.toUtf8().constData());
        return 2;
    }
    QTemporaryDir work;
    const OpResult r = runOp(core, o.rest[1], names.value(o.rest[0]), work.path());
    if (!r.messages.isEmpty())
        std::fprintf(stderr, "%s\n", r.messages.toUtf8().constData());
    return r.done ? 0 : 2;
}

}  // namespace zem::harness
