// init, taxpayer add, user add: the installation and the registers of the launcher.
#include "Arguments.h"
#include "CliSession.h"
#include "Commands.h"
#include "shell/Installation.h"
#include "shell/Registration.h"

namespace zem::cli {

using namespace Qt::StringLiterals;

namespace {

int refuse(const QString& message) {
    printError(message);
    return kRefused;
}

}  // namespace

int cmdInit(const QStringList& words) {
    const Arguments a = parseArguments(words, {}, {u"--demo"_s});
    if (a.has(u"--help"_s)) {
        printLine(
            u"Uso: zem0482 init [--demo]\n"
            "Crea el archivo de configuración (si falta), la carpeta de instalación con TMP/, RPT/ y BMP/, y "
            "la\n"
            "base de datos con sus tablas y el catálogo de parámetros. Con --demo registra además un usuario "
            "que\n"
            "ve a todos los contribuyentes y un contribuyente de demostración. Lo que ya existe no cambia."_s);
        return kOk;
    }
    if (!a.error.isEmpty())
        return refuse(a.error);
    if (!a.positional.isEmpty())
        return refuse(u"La orden init no lleva argumentos."_s);
    CliSink sink;
    InstallResult result;
    const bool ok = initInstallation(sink, a.has(u"--demo"_s), {}, &result);
    sink.flushToStderr();
    if (!ok)
        return kRefused;
    printLine(u"Configuración: "_s + result.settingsFile);
    printLine(u"Instalación:   "_s + result.settings.gSysPath);
    printLine(u"Base de datos: "_s + result.settings.gDBFile);
    return kOk;
}

int cmdTaxpayer(const QStringList& words) {
    const Arguments a =
        parseArguments(words, {u"--paterno"_s, u"--materno"_s, u"--nombres"_s, u"--usuario"_s}, {});
    if (a.has(u"--help"_s)) {
        printLine(
            u"Uso: zem0482 taxpayer add RUC --paterno P --materno M --nombres N [--usuario U]\n"
            "Registra (o actualiza) un contribuyente con RUC, rentas de cuarta y quinta categoría. El "
            "usuario\n"
            "por omisión es el de la configuración."_s);
        return kOk;
    }
    if (!a.error.isEmpty())
        return refuse(a.error);
    if (a.positional.size() != 2 || a.positional[0] != u"add"_s)
        return refuse(u"Uso: zem0482 taxpayer add RUC --paterno P --materno M --nombres N [--usuario U]"_s);
    CliSession cli;
    if (!cli.open())
        return kRefused;
    Taxpayer t;
    t.ruc = a.positional[1].trimmed();
    t.apellidoP = a.option(u"--paterno"_s).trimmed();
    t.apellidoM = a.option(u"--materno"_s).trimmed();
    t.nombre1 = a.option(u"--nombres"_s).trimmed();
    t.usuario =
        a.options.contains(u"--usuario"_s) ? a.option(u"--usuario"_s).trimmed() : cli.session.usuario();
    const bool ok = registerTaxpayer(cli.session.db(), cli.sink, t);
    cli.sink.flushToStderr();
    if (!ok)
        return kRefused;
    printLine(u"Contribuyente "_s + t.ruc + u" registrado."_s);
    return kOk;
}

int cmdUser(const QStringList& words) {
    const Arguments a = parseArguments(words, {u"--tipo"_s}, {});
    if (a.has(u"--help"_s)) {
        printLine(
            u"Uso: zem0482 user add NOMBRE --tipo T\n"
            "Registra (o actualiza) un usuario: tipo 0 ve a todos los contribuyentes, tipo 1 solo a los suyos."_s);
        return kOk;
    }
    if (!a.error.isEmpty())
        return refuse(a.error);
    if (a.positional.size() != 2 || a.positional[0] != u"add"_s || !a.options.contains(u"--tipo"_s))
        return refuse(u"Uso: zem0482 user add NOMBRE --tipo T"_s);
    CliSession cli;
    if (!cli.open())
        return kRefused;
    const User user{a.positional[1].trimmed(), a.option(u"--tipo"_s).trimmed()};
    const bool ok = registerUser(cli.session.db(), cli.sink, user);
    cli.sink.flushToStderr();
    if (!ok)
        return kRefused;
    printLine(u"Usuario "_s + user.usuario + u" registrado."_s);
    return kOk;
}

}  // namespace zem::cli
