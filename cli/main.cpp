// zem0482: the batch tool of the module, over the same code as the windows.
#include <QCoreApplication>
#include <QGuiApplication>
#include <cstdio>
#include <memory>

#include "Commands.h"
#include "Output.h"

namespace {

using namespace Qt::StringLiterals;

int usage(int code) {
    const QString text =
        u"Uso: zem0482 ORDEN [opciones]\n"
        "\n"
        "  init [--demo] [--server]              crea la configuración y la base de datos que falten\n"
        "  taxpayer add RUC --paterno P --materno M --nombres N [--usuario U]\n"
        "                                        registra un contribuyente\n"
        "  user add NOMBRE --tipo T              registra un usuario (0 ve a todos, 1 solo a los suyos)\n"
        "  compute [--uit N] CASILLA=VALOR ...   calcula una declaración nueva y muestra sus casillas\n"
        "  save RUC [CASILLA=VALOR ...]          graba la declaración del RUC con esos valores\n"
        "  show RUC [--correl C]                 muestra la declaración grabada (o la enviada)\n"
        "  validate RUC                          verifica la declaración grabada\n"
        "  list [--enviadas]                     lista las declaraciones que el usuario puede ver\n"
        "  delete RUC [--correl C]               elimina la declaración (o la enviada)\n"
        "  send RUC                              envía la declaración consistente\n"
        "  annex list RUC [CASILLA] [--json]     lista las filas de los registros de detalle\n"
        "  annex add RUC CASILLA COLUMNA=VALOR ...\n"
        "                                        registra una fila de detalle y graba la declaración\n"
        "  annex delete RUC CASILLA FILA         elimina una fila de detalle y graba la declaración\n"
        "  print RUC [--correl C] [--anexos all|none|CASILLA,...] [--prn ARCHIVO] [--pdf ARCHIVO]\n"
        "                                        imprime la declaración y sus anexos en PDF (o impresora)\n"
        "  import RUC ARCHIVO.zip                importa el archivo personalizado y graba la declaración\n"
        "\n"
        "Cada orden acepta --help; compute, show, validate y list aceptan --json.\n"
        "Salida: 0 éxito, 1 inconsistencias encontradas, 2 rechazo o dato inválido."_s;
    if (code == 0) {
        zem::cli::printLine(text);
    } else {
        zem::cli::printError(text);
    }
    return code;
}

// Qt's own notices ("QStandardPaths: XDG_RUNTIME_DIR not set…") are English remarks for developers, not
// for the user of the tool, who reads every outcome in the tool's own messages; only Qt's critical and fatal
// messages still reach standard error.
void qtMessages(QtMsgType type, const QMessageLogContext& context, const QString& text) {
    if (type == QtCriticalMsg || type == QtFatalMsg)
        std::fprintf(stderr, "%s\n", qPrintable(qFormatLogMessage(type, context, text)));
}

}  // namespace

int main(int argc, char** argv) {
    qInstallMessageHandler(qtMessages);
    // Printing draws with fonts and needs the graphical application; without a display it draws offscreen.
    const bool printing = argc > 1 && qstrcmp(argv[1], "print") == 0;
    if (printing && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") &&
        qEnvironmentVariableIsEmpty("DISPLAY") && qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    const std::unique_ptr<QCoreApplication> app = printing ? std::make_unique<QGuiApplication>(argc, argv)
                                                           : std::make_unique<QCoreApplication>(argc, argv);
    const QStringList args = QCoreApplication::arguments().mid(1);
    const QString command = args.value(0);
    const QStringList rest = args.mid(1);
    using namespace zem::cli;
    if (command == u"init")
        return cmdInit(rest);
    if (command == u"taxpayer")
        return cmdTaxpayer(rest);
    if (command == u"user")
        return cmdUser(rest);
    if (command == u"compute")
        return cmdCompute(rest);
    if (command == u"save")
        return cmdSave(rest);
    if (command == u"show")
        return cmdShow(rest);
    if (command == u"validate")
        return cmdValidate(rest);
    if (command == u"list")
        return cmdList(rest);
    if (command == u"delete")
        return cmdDelete(rest);
    if (command == u"send")
        return cmdSend(rest);
    if (command == u"annex")
        return cmdAnnex(rest);
    if (command == u"print")
        return cmdPrint(rest);
    if (command == u"import")
        return cmdImport(rest);
    if (command == u"--help" || command == u"help")
        return usage(kOk);
    if (!command.isEmpty())
        printError(u"Orden desconocida: "_s + zem::echoed(command));
    return usage(kRefused);
}
