#include "Installation.h"

#include <QDir>
#include <QFileInfo>

namespace zem::harness {

using namespace Qt::StringLiterals;

Installation::Installation(QString home, QString tool) : home_(std::move(home)), tool_(std::move(tool)) {}

QProcessEnvironment Installation::environment() const {
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(u"XDG_CONFIG_HOME"_s, home_ + u"/config"_s);
    env.insert(u"XDG_DATA_HOME"_s, home_ + u"/data"_s);
    env.insert(u"USER"_s, QString::fromUtf16(kUser));
    env.insert(u"LOGNAME"_s, QString::fromUtf16(kUser));
    env.insert(u"LC_ALL"_s, u"C.UTF-8"_s);
    return env;
}

void Installation::enter() const {
    const QProcessEnvironment env = environment();
    for (const QString& name : {u"XDG_CONFIG_HOME"_s, u"XDG_DATA_HOME"_s, u"USER"_s, u"LOGNAME"_s})
        qputenv(name.toUtf8().constData(), env.value(name).toUtf8());
}

std::unique_ptr<QProcess> Installation::start(const QStringList& args, const QString& program) const {
    auto p = std::make_unique<QProcess>();
    p->setProcessEnvironment(environment());
    p->start(program.isEmpty() ? tool_ : program, args);
    return p;
}

Outcome Installation::finish(QProcess& p, int timeoutMs) {
    Outcome r;
    if (p.state() != QProcess::NotRunning && !p.waitForFinished(timeoutMs)) {
        p.kill();
        p.waitForFinished();
        r.crashed = true;
    }
    r.crashed = r.crashed || p.exitStatus() == QProcess::CrashExit;
    r.code = p.exitCode();
    r.out = QString::fromUtf8(p.readAllStandardOutput());
    r.err = QString::fromUtf8(p.readAllStandardError());
    return r;
}

Outcome Installation::run(const QStringList& args, const std::function<void()>& prepare,
                          const QStringList& extraEnvironment) const {
    QProcess p;
    QProcessEnvironment env = environment();
    for (const QString& pair : extraEnvironment)
        env.insert(pair.section(u'=', 0, 0), pair.section(u'=', 1));
    p.setProcessEnvironment(env);
    if (prepare)
        p.setChildProcessModifier(prepare);
    p.start(tool_, args);
    return finish(p);
}

bool Installation::prepare(const QStringList& rucs, QString* why) const {
    QDir().mkpath(home_);
    const auto failed = [why](const Outcome& r) {
        *why = r.err.trimmed();
        return r.crashed || r.code != 0;
    };
    if (!QFileInfo::exists(home_ + u"/config/zem/QW000.INI"_s) && failed(run({u"init"_s})))
        return false;
    // A user or taxpayer registered by an earlier run is refused as already there; what matters is that
    // the tool takes the taxpayer afterwards (without a declaration it then only says there is none).
    run({u"user"_s, u"add"_s, QString::fromUtf16(kUser), u"--tipo"_s, u"0"_s});
    for (const QString& ruc : rucs) {
        run({u"taxpayer"_s, u"add"_s, ruc, u"--paterno"_s, u"PRUEBA"_s, u"--materno"_s, u"CARGA"_s,
             u"--nombres"_s, u"CONTRIBUYENTE "_s + ruc.right(3)});
        const Outcome listed = run({u"annex"_s, u"list"_s, ruc});
        if (listed.crashed || listed.err.contains(u"no está registrado"_s)) {
            *why = listed.err.trimmed();
            return false;
        }
    }
    return true;
}

QString harnessRuc(int n) {
    // Persons' RUCs start with 10; the eight digits that follow carry n, then comes the check digit.
    const QString body = u"10"_s + QString::number(40000000 + n).rightJustified(8, u'0');
    static constexpr int kWeights[] = {5, 4, 3, 2, 7, 6, 5, 4, 3, 2};
    int sum = 0;
    for (int i = 0; i < 10; ++i)
        sum += body[i].digitValue() * kWeights[i];
    const int digit = (11 - sum % 11) % 10;  // 10 gives 0, 11 gives 1
    return body + QString::number(digit);
}

}  // namespace zem::harness
