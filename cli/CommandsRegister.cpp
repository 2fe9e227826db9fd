// init, taxpayer add, user add: the installation and the registers of the launcher.
#include "Arguments.h"
#include "CliSession.h"
#include "Commands.h"
#include "Output.h"
#include "shell/Installation.h"
#include "shell/Registration.h"
#include "startup/IniFile.h"

namespace zem::cli {

using namespace Qt::StringLiterals;

int cmdInit(const QStringList& words) {
    static const Command command{
        u"zem0482 init [--demo] [--server]"_s,
        u"Crea el archivo de configuración (si falta), la carpeta de instalación con TMP/, RPT/ y BMP/, y "
        u"la\n"
        "base de datos con sus tablas y el catálogo de parámetros. Con --demo registra además un usuario "
        "que\n"
        "ve a todos los contribuyentes y un contribuyente de demostración. Lo que ya existe no cambia.\n"
        "Con --server las tablas y el catálogo se crean en la base de datos del servidor que indica el\n"
        "archivo de configuración (DBDriver=QPSQL, DBHost, DBPort, DBName, DBUser, DBPassword, DBSchema)."_s,
        {},
        {u"--demo"_s, u"--server"_s},
        0,
        0};
    Arguments a;
    if (const auto done = readCommand(command, words, &a))
        return *done;
    if (a.has(u"--server"_s)) {
        const IniFile ini(settingsFilePath());
        if (!loadSettings(ini, false).onServer()) {
            return refuse(
                u"El archivo de configuración "_s + ini.path() +
                u" no indica un servidor de base de datos: escriba en su sección [Options] "
                u"DBDriver=QPSQL, DBHost, DBName y DBUser (y DBPassword si el servidor la pide)."_s);
        }
    }
    CliSink sink;
    InstallResult result;
    const bool ok = initInstallation(sink, a.has(u"--demo"_s), {}, &result);
    sink.flushToStderr();
    if (!ok)
        return kRefused;
    printLine(u"Configuración: "_s + result.settingsFile);
    printLine(u"Instalación:   "_s + result.settings.gSysPath);
    printLine(u"Base de datos: "_s + result.settings.databaseLabel());
    return kOk;
}

int cmdTaxpayer(const QStringList& words) {
    static const Command command{
        u"zem0482 taxpayer add RUC --paterno P --materno M --nombres N [--usuario U]"_s,
        u"Registra (o actualiza) un contribuyente con RUC y rentas de cuarta y quinta categoría. El usuario\n"
        "por omisión es el de la configuración."_s,
        {u"--paterno"_s, u"--materno"_s, u"--nombres"_s, u"--usuario"_s},
        {},
        2,
        2};
    Arguments a;
    if (const auto done = readCommand(command, words, &a))
        return *done;
    if (a.positional[0] != u"add"_s)
        return refuse(u"Uso: "_s + command.usage);
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
    const bool ok = registerTaxpayer(cli.session.db(), cli.sink, t, cli.session.usuario());
    cli.sink.flushToStderr();
    if (!ok)
        return kRefused;
    printLine(u"Contribuyente "_s + t.ruc + u" registrado."_s);
    return kOk;
}

int cmdUser(const QStringList& words) {
    static const Command command{
        u"zem0482 user add NOMBRE --tipo T"_s,
        u"Registra (o actualiza) un usuario: tipo 0 ve a todos los contribuyentes, tipo 1 solo a los suyos."_s,
        {u"--tipo"_s},
        {},
        2,
        2};
    Arguments a;
    if (const auto done = readCommand(command, words, &a))
        return *done;
    if (a.positional[0] != u"add"_s || !a.options.contains(u"--tipo"_s))
        return refuse(u"Uso: "_s + command.usage);
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
