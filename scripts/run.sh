#!/usr/bin/env bash
# Installs what is missing, builds, prepares the demonstration installation (settings in ~/.config/zem/, data in
# ~/.local/share/zem/: the database with the catalogue, a user and a demonstration taxpayer) and opens the
# launcher Zemlanda, from which the module starts. Without a display, the batch tool computes, saves and checks
# the demonstration taxpayer's declaration instead.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
"$root/scripts/deps.sh"
"$root/scripts/build.sh"
bin="$root/build/bin"
"$bin/zem0482" init --demo
if [ -n "${DISPLAY:-}" ]; then
    exec "$bin/zemlanda"
fi

ruc=10406958278
echo
echo "Sin pantalla gráfica (DISPLAY vacío): la declaración del contribuyente de demostración, con zem0482."
echo
echo "\$ zem0482 compute 107=340000 111=48000 130=17000"
"$bin/zem0482" compute 107=340000 111=48000 130=17000
echo
echo "\$ zem0482 save $ruc ... 107=340000 111=48000 130=17000 180=49828"
"$bin/zem0482" save "$ruc" 552=1 554=0 005=0 027=2 556=1 560=0 561=0 025=01 599=E 028=4215566 \
    107=340000 111=48000 130=17000 180=49828 || true
echo
echo "\$ zem0482 validate $ruc"
"$bin/zem0482" validate "$ruc" || true
echo
echo "\$ zem0482 show $ruc"
"$bin/zem0482" show "$ruc"
