#pragma once

#include <QProcess>
#include <QProcessEnvironment>
#include <QString>
#include <QStringList>
#include <functional>
#include <memory>

namespace zem::harness {

// What one run of the batch tool gave.
struct Outcome {
    int code = -1;
    bool crashed = false;  // ended by a signal (or never finished)
    QString out;
    QString err;
};

// An installation of the module under one home folder (its settings in HOME/config, its data in HOME/data),
// reached only through the batch tool zem0482, so that it works on whatever database its settings name.
class Installation {
public:
    Installation(QString home, QString tool);

    const QString& home() const { return home_; }
    // The environment of the batch tool and of the harness's own children: the home's folders, the user.
    QProcessEnvironment environment() const;
    // Makes this process see the installation as the batch tool does (for the core opened in-process).
    void enter() const;

    // Runs the batch tool and waits for it; `prepare` runs in the child before the tool starts.
    Outcome run(const QStringList& args, const std::function<void()>& prepare = {},
                const QStringList& extraEnvironment = {}) const;
    // Starts a program (the batch tool when empty) without waiting.
    std::unique_ptr<QProcess> start(const QStringList& args, const QString& program = {}) const;
    static Outcome finish(QProcess& p, int timeoutMs = 300000);

    // Creates what is missing: the installation (init, unless its settings exist), the user and the
    // taxpayers. False with the tool's words in *why.
    bool prepare(const QStringList& rucs, QString* why) const;

private:
    QString home_;
    QString tool_;
};

// The user every harness works as.
inline constexpr char16_t kUser[] = u"CONTADOR";

// The n-th taxpayer of a harness: an 11-digit RUC with its check digit.
QString harnessRuc(int n);

}  // namespace zem::harness
