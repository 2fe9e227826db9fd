#include "shell/Commands.h"

#include "startup/Session.h"

namespace zem {

CommandAction applyCommand(Session& s, Command command, CommandSource source) {
    const bool menu = source == CommandSource::Menu;
    switch (command) {
        case Command::Nueva:
            s.gModo = 1;
            return {ShellWindow::Declaration, true, !menu};
        case Command::Modificar:
            // The toolbar clears the registration flag as the menu does: a flag left over from the
            // order-number list would otherwise open the chosen declaration as a sent one.
            s.gModo = 2;
            s.gEnviadas = false;
            s.gRegistrar = false;
            return {ShellWindow::ModFor, false, true};
        case Command::Eliminar:
            s.gModo = 3;
            s.gEnviadas = false;
            s.gRegistrar = false;
            return {ShellWindow::ModFor, false, !menu};
        case Command::Imprimir:
            s.gEnviadas = false;
            s.gRegistrar = false;
            return {ShellWindow::Print, true, !menu};
        case Command::Salir:
            return {ShellWindow::Exit, false, !menu};
        case Command::Registrar:
            s.gRegistrar = true;
            s.gModo = 2;
            return {ShellWindow::AbrirEnv, true, !menu};
        case Command::EliminarE:
            s.gModo = 3;
            s.gEnviadas = true;
            s.gRegistrar = false;
            return {ShellWindow::ModFor, false, true};
        case Command::ImprimirE:
            s.gEnviadas = true;
            s.gRegistrar = false;
            return {ShellWindow::Print, true, false};
        case Command::Pro:
            s.gConsulta = 1;
            return {ShellWindow::Bancos, true, true};
        case Command::Bancos:
            s.gConsulta = 2;
            return {ShellWindow::Bancos, true, true};
        case Command::Uit:
            s.gConsulta = 3;
            return {ShellWindow::Bancos, true, true};
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
