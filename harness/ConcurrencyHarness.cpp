// The concurrency harness: eight batch-tool processes at once on four declarations for a while: two pairs of
// writers on the same declaration, two writers on declarations of their own, one process sending and one
// listing. Every refusal must be the module's own message with exit code 2; afterwards no payment that was
// reported registered is missing, none reported refused is there, none belongs to another taxpayer, and
// each declaration holds the last telephone a writer of its own saved.
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QMap>
#include <QSet>
#include <QTemporaryDir>
#include <QTimer>
#include <cstdio>
#include <random>
#include <vector>

#include "Harness.h"
#include "Installation.h"
#include "Messages.h"

namespace zem::harness {

using namespace Qt::StringLiterals;

namespace {

struct Worker {
    enum class Role { Writer, Sender, Lister };
    Role role = Role::Writer;
    QString ruc;  // the writer's declaration
    int step = 0;
    std::unique_ptr<QProcess> process;
    QStringList args;
};

// What the run saw, and what the declarations must hold afterwards.
struct Ledger {
    int operations = 0, refusals = 0, lockRefusals = 0, sendings = 0, violations = 0;
    QMap<QString, QSet<QString>> registered;  // RUC: payment order numbers reported registered
    QMap<QString, QSet<QString>> refused;     // RUC: order numbers reported refused
    QMap<QString, QStringList> phones;        // RUC: telephones saved, in the order their saves ended
    QMap<QString, int> refusalTexts;          // the first line of each refusal, counted

    void fault(const QString& text) {
        ++violations;
        std::fprintf(stderr, "%s\n", text.toUtf8().constData());
    }
};

const QStringList kIdentification = {u"552=1"_s, u"554=0"_s, u"005=0"_s, u"027=2"_s,  u"556=1"_s,
                                     u"560=0"_s, u"561=0"_s, u"559=0"_s, u"025=01"_s, u"599=E"_s};

QString orderNumber(int worker, int step) {
    return QString::number((worker + 1) * 100000 + step);
}

QString phone(int worker, int step) {
    return QString::number((worker + 1) * 1000000 + step % 1000000);
}

// The next command of a worker.
QStringList nextCommand(Worker& w, int index, const QStringList& rucs) {
    const int step = w.step++;
    switch (w.role) {
        case Worker::Role::Sender:
            return {u"send"_s, rucs[step % rucs.size()]};
        case Worker::Role::Lister: {
            const QStringList kinds[] = {{u"list"_s},
                                         {u"list"_s, u"--enviadas"_s},
                                         {u"show"_s, rucs[step % rucs.size()]},
                                         {u"annex"_s, u"list"_s, rucs[step % rucs.size()], u"133"_s}};
            return kinds[step % 4];
        }
        case Worker::Role::Writer:
            if (step % 2 == 0)
                return {u"save"_s, w.ruc, u"028="_s + phone(index, step), u"140=1"_s, u"180=0"_s};
            return {u"annex"_s,
                    u"add"_s,
                    w.ruc,
                    u"133"_s,
                    u"per_tri=200603"_s,
                    u"num_for=1662"_s,
                    u"num_ord="_s + orderNumber(index, step),
                    u"fec_pago=15/04/2006"_s,
                    u"mto_trib="_s + QString::number(1 + step % 50),
                    u"mto_int=0"_s};
    }
    return {};
}

// Books the end of one command.
void book(Ledger& l, const Worker& w, const Outcome& r) {
    ++l.operations;
    const QString command = w.args.join(u' ');
    if (r.crashed || r.code < 0 || r.code > 2)
        l.fault(command + u": terminó con "_s + (r.crashed ? u"una señal"_s : QString::number(r.code)));
    if (const QStringList foreign = foreignLines(r.err); !foreign.isEmpty())
        l.fault(command + u": mensaje que no es del sistema: "_s + foreign.join(u" / "_s));
    if (r.code == 2) {
        ++l.refusals;
        l.lockRefusals += isLockRefusal(r.err);
        l.refusalTexts[r.err.trimmed().section(u'\n', -1).startsWith(u"Detalle: "_s)
                           ? r.err.trimmed().section(u'\n', -2, -2)
                           : r.err.trimmed().section(u'\n', -1)] += 1;
        if (r.err.trimmed().isEmpty())
            l.fault(command + u": rechazado sin mensaje"_s);
    }
    const bool ok = !r.crashed && (r.code == 0 || r.code == 1);
    if (w.role == Worker::Role::Sender && ok)
        ++l.sendings;
    if (w.role != Worker::Role::Writer)
        return;
    if (w.args[0] == u"save") {
        if (ok)
            l.phones[w.ruc] << w.args[2].mid(4);
        return;
    }
    const QString order = w.args[6].mid(8);
    (ok ? l.registered : l.refused)[w.ruc].insert(order);
}

// The payments' order numbers of a declaration as the batch tool lists them.
QSet<QString> listedOrders(const Installation& inst, const QString& ruc, bool* ok) {
    const Outcome r = inst.run({u"annex"_s, u"list"_s, ruc, u"133"_s});
    *ok = !r.crashed && r.code == 0;
    QSet<QString> orders;
    for (const QString& line : r.out.split(u'\n', Qt::SkipEmptyParts)) {
        for (const QString& field : line.split(u'\t')) {
            if (field.startsWith(u"num_ord="_s))
                orders.insert(field.mid(8));
        }
    }
    return orders;
}

QString storedPhone(const Installation& inst, const QString& ruc) {
    const Outcome r = inst.run({u"show"_s, ruc});
    for (const QString& line : r.out.split(u'\n', Qt::SkipEmptyParts)) {
        if (line.startsWith(u"028\t"_s))
            return line.mid(4).trimmed();
    }
    return {};
}

void checkAfterwards(const Installation& inst, const QStringList& rucs, const std::vector<Worker>& workers,
                     Ledger& l) {
    for (const QString& ruc : rucs) {
        bool ok = false;
        const QSet<QString> orders = listedOrders(inst, ruc, &ok);
        if (!ok) {
            l.fault(u"RUC "_s + ruc + u": no se pudieron listar sus pagos"_s);
            continue;
        }
        QSet<int> writers;
        for (int i = 0; i < int(workers.size()); ++i) {
            if (workers[i].ruc == ruc)
                writers.insert(i);
        }
        for (const QString& order : l.registered.value(ruc)) {
            if (!orders.contains(order))
                l.fault(u"RUC "_s + ruc + u": se perdió el pago "_s + order);
        }
        for (const QString& order : orders) {
            if (l.refused.value(ruc).contains(order))
                l.fault(u"RUC "_s + ruc + u": está el pago rechazado "_s + order);
            if (!writers.contains(order.toInt() / 100000 - 1))
                l.fault(u"RUC "_s + ruc + u": pago ajeno "_s + order);
        }
        // A save writes only over the version it opened, so the telephone stored is the one of the last
        // save that went through.
        const QStringList saved = l.phones.value(ruc);
        const QString stored = storedPhone(inst, ruc);
        if (!saved.isEmpty() && stored != saved.last())
            l.fault(u"RUC "_s + ruc + u": teléfono "_s + stored + u", el último grabado fue "_s +
                    saved.last());
    }
}

}  // namespace

int concurrencyHarness(const Options& o) {
    QElapsedTimer clock;
    clock.start();
    QTemporaryDir temporary;
    const Installation inst(o.home.isEmpty() ? temporary.path() : o.home, batchTool());
    const QStringList rucs = {harnessRuc(11), harnessRuc(12), harnessRuc(13), harnessRuc(14)};
    QString why;
    if (!inst.prepare(rucs, &why)) {
        std::fprintf(stderr, "No se pudo preparar la instalación: %s\n", why.toUtf8().constData());
        return 2;
    }
    for (const QString& ruc : rucs) {
        // A declaration of an earlier run on the same installation goes first: its payments would be taken
        // for this run's.
        inst.run({u"delete"_s, ruc});
        const Outcome r =
            inst.run(QStringList{u"save"_s, ruc} + kIdentification + QStringList{u"140=1"_s, u"180=0"_s});
        if (r.crashed || r.code == 2) {
            std::fprintf(stderr, "No se pudo grabar la declaración %s: %s\n", qPrintable(ruc),
                         r.err.toUtf8().constData());
            return 2;
        }
    }

    // Two writers on each of the first two declarations, one on each of the others, a sender, a lister.
    std::vector<Worker> workers(8);
    const int declarationOf[] = {0, 0, 1, 1, 2, 3};
    for (int i = 0; i < 6; ++i)
        workers[i].ruc = rucs[declarationOf[i]];
    workers[6].role = Worker::Role::Sender;
    workers[7].role = Worker::Role::Lister;

    Ledger ledger;
    bool stopping = false;
    int running = 0;
    std::function<void(int)> launch = [&](int i) {
        Worker& w = workers[i];
        w.args = nextCommand(w, i, rucs);
        w.process = inst.start(w.args);
        ++running;
        QObject::connect(w.process.get(), &QProcess::finished, QCoreApplication::instance(), [&, i] {
            Worker& done = workers[i];
            book(ledger, done, Installation::finish(*done.process));
            --running;
            if (!stopping) {
                QTimer::singleShot(0, QCoreApplication::instance(), [&, i] { launch(i); });
            } else if (running == 0) {
                QCoreApplication::quit();
            }
        });
    };
    for (int i = 0; i < int(workers.size()); ++i)
        launch(i);
    QTimer::singleShot(o.seconds * 1000, QCoreApplication::instance(), [&] { stopping = true; });
    QCoreApplication::exec();

    checkAfterwards(inst, rucs, workers, ledger);
    std::printf(
        "Concurrencia: %d procesos durante %d s; operaciones %d, rechazos %d (por bloqueo o cambio %d), "
        "envíos %d, violaciones %d; tiempo %.1f s\n",
        int(workers.size()), o.seconds, ledger.operations, ledger.refusals, ledger.lockRefusals,
        ledger.sendings, ledger.violations, clock.elapsed() / 1000.0);
    for (auto it = ledger.refusalTexts.cbegin(); it != ledger.refusalTexts.cend(); ++it)
        std::printf("  %d × %s\n", it.value(), it.key().toUtf8().constData());
    return ledger.violations == 0 ? 0 : 1;
}

}  // namespace zem::harness
