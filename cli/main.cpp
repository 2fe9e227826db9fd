// zem0482: the batch tool of the module over the same code as the windows.
#include <QCoreApplication>
#include <QStringList>
#include <cstdio>

#include "shell/Installation.h"
#include "shell/SendCommand.h"
#include "startup/Clock.h"
#include "startup/IniFile.h"
#include "startup/MessageSink.h"
#include "startup/Session.h"

namespace {

using namespace Qt::StringLiterals;

void print(const QString& text) {
    std::fprintf(stdout, "%s\n", text.toUtf8().constData());
}

int usage() {
    std::fprintf(stderr,
                 "Uso: zem0482 init [--demo]   crea la configuración y la base de datos que falten\n"
                 "     zem0482 send RUC        envía la declaración consistente del RUC\n");
    return 2;
}

int init(bool demo) {
    zem::StderrMessageSink sink;
    zem::InstallResult result;
    if (!zem::initInstallation(sink, demo, {}, &result))
        return 1;
    print(u"Configuración: "_s + result.settingsFile);
    print(u"Instalación:   "_s + result.settings.gSysPath);
    print(u"Base de datos: "_s + result.settings.gDBFile);
    return 0;
}

int send(const QString& ruc) {
    zem::StderrMessageSink sink;
    const zem::Clock clock;
    zem::Session session(sink, clock);
    const zem::IniFile ini(zem::settingsFilePath());
    session.settings = zem::loadSettings(ini, false);
    if (!zem::openConnection(session, ini))
        return 1;
    QString correl;
    if (!zem::sendByRuc(session, ruc, &correl))
        return 1;
    print(u"Declaración del RUC "_s + ruc.trimmed() + u" enviada con el correlativo "_s + correl);
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const QStringList args = QCoreApplication::arguments().mid(1);
    if (args.value(0) == u"init" && args.size() <= 2) {
        if (args.size() == 2 && args[1] != u"--demo")
            return usage();
        return init(args.size() == 2);
    }
    if (args.value(0) == u"send" && args.size() == 2)
        return send(args[1]);
    return usage();
}
