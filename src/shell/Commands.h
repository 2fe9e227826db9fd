#pragma once

#include <optional>

namespace zem {

// The commands of the main window's menus and toolbar.
enum class Command {
    Nueva,      // mnuNueva, button 1
    Modificar,  // mnuModificar, button 2
    Eliminar,   // mnuEliminar, button 3
    Imprimir,   // mnuImprimir, button 4
    Salir,      // mnuSalir, button 5
    Registrar,  // mnuRegistrar, button 7
    EliminarE,  // mnuEliminarE
    ImprimirE,  // mnuImprimirE
    Pro,        // mnuPro
    Bancos,     // mnuBancos
    Uit,        // mnuUit
    Contenido,  // mnuContenido, button 10
    Acerca,     // mnuAcerca
};

enum class CommandSource { Menu, Toolbar };

// What a command opens.
enum class ShellWindow { Declaration, ModFor, Print, AbrirEnv, Bancos, Acercade, Help, Exit };

// Which window a command opens and what that window is for; the main window hands these values to the
// window it opens.
struct CommandAction {
    ShellWindow window;
    bool hourglass = false;      // the wait cursor while the window loads
    bool closeChildren = false;  // close the main window's active child windows first
    int modo = 0;                // the declaration list: 2 modify, 3 delete
    bool enviadas = false;       // the list or the printout is of sent declarations
    int consulta = 0;            // the reference query: 1 professions, 2 banks, 3 UIT
};

// What the command opens.
CommandAction applyCommand(Command command, CommandSource source);

// The command of a toolbar button by its index (1 "Nueva" ... 10 help); separators have none.
std::optional<Command> toolbarCommand(int index);

}  // namespace zem
