#!/usr/bin/env bash
# Installs what is missing, builds, and opens the launcher Zemlanda, which creates a demonstration installation
# on its first start (settings in ~/.config/zem/, data in ~/.local/share/zem/) and starts the module.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
"$root/scripts/deps.sh"
"$root/scripts/build.sh"
if [ -z "${DISPLAY:-}" ]; then
    echo "No hay pantalla gráfica (DISPLAY vacío): Zemlanda y el módulo necesitan un servidor X." >&2
    echo "Sin pantalla se puede preparar la instalación con: $root/build/bin/zem0482 init --demo" >&2
    exit 1
fi
exec "$root/build/bin/zemlanda"
