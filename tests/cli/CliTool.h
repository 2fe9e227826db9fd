#pragma once

#include <QProcess>
#include <QProcessEnvironment>
#include <QTemporaryDir>

namespace zem::test {

using namespace Qt::StringLiterals;

struct Outcome {
    int code = -1;
    QString out;
    QString err;
};

// Runs the batch tool with its settings and data under a temporary home.
class Tool {
public:
    Outcome operator()(const QStringList& args) const {
        QProcess p;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(u"XDG_CONFIG_HOME"_s, home.filePath(u"config"_s));
        env.insert(u"XDG_DATA_HOME"_s, home.filePath(u"data"_s));
        env.insert(u"USER"_s, u"CONTADOR"_s);
        env.insert(u"LOGNAME"_s, u"CONTADOR"_s);
        p.setProcessEnvironment(env);
        p.start(QString::fromUtf8(ZEM0482_PATH), args);
        p.waitForFinished(60000);
        return {p.exitCode(), QString::fromUtf8(p.readAllStandardOutput()),
                QString::fromUtf8(p.readAllStandardError())};
    }
    QTemporaryDir home;
};

}  // namespace zem::test
