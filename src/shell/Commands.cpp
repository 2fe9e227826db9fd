#include "shell/Commands.h"

namespace zem {

CommandAction applyCommand(Command command, CommandSource source) {
    const bool menu = source == CommandSource::Menu;
    switch (command) {
        case Command::Nueva:
            return {ShellWindow::Declaration, true, !menu};
        case Command::Modificar:
            return {ShellWindow::ModFor, false, true, 2};
        case Command::Eliminar:
            return {ShellWindow::ModFor, false, !menu, 3};
        case Command::Imprimir:
            return {ShellWindow::Print, true, !menu};
        case Command::Salir:
            return {ShellWindow::Exit, false, !menu};
        case Command::Registrar:
            return {ShellWindow::AbrirEnv, true, !menu};
        case Command::EliminarE:
            return {ShellWindow::ModFor, false, true, 3, true};
        case Command::ImprimirE:
            return {ShellWindow::Print, true, false, 0, true};
        case Command::Pro:
            return {ShellWindow::Bancos, true, true, 0, false, 1};
        case Command::Bancos:
            return {ShellWindow::Bancos, true, true, 0, false, 2};
        case Command::Uit:
            return {ShellWindow::Bancos, true, true, 0, false, 3};
        case Command::Contenido:
            return {ShellWindow::Help, false, !menu};
        case Command::Acerca:
            return {ShellWindow::Acercade, false, false};
    }
    return {ShellWindow::Help, false, false};
}

std::optional<Command> toolbarCommand(int index) {
    switch (index) {
        case 1:
            return Command::Nueva;
        case 2:
            return Command::Modificar;
        case 3:
            return Command::Eliminar;
        case 4:
            return Command::Imprimir;
        case 5:
            return Command::Salir;
        case 7:
            return Command::Registrar;
        case 10:
            return Command::Contenido;
        default:
            return std::nullopt;
    }
}

}  // namespace zem
