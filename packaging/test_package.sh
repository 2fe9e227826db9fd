#!/usr/bin/env bash
# Builds the Debian package, unpacks it into a temporary root and runs the batch tool from there on a
# temporary home: init --demo, compute, save and show. Also checks that the package carries the desktop entry,
# its icons and the manual page, and nothing that points back into the build or source tree.
# test_package.sh BUILD_DIR SOURCE_DIR; exits 77 (skipped) where dpkg-deb is missing.
set -euo pipefail
build="$1"
source="$2"
command -v dpkg-deb >/dev/null || { echo "dpkg-deb no está instalado: prueba omitida"; exit 77; }

work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
fail() { echo "FALLO: $*" >&2; exit 1; }

# gzip instead of the package's xz: the same contents in two thirds of the time.
cpack --config "$build/CPackConfig.cmake" -B "$work/out" -D CPACK_DEBIAN_COMPRESSION_TYPE=gzip \
    >"$work/cpack.log" 2>&1 || { cat "$work/cpack.log"; fail "cpack"; }
deb="$(ls "$work"/out/*.deb)"
dpkg-deb -x "$deb" "$work/root"
root="$work/root"

for f in usr/bin/qw482 usr/bin/zemlanda usr/bin/zem0482 usr/share/applications/zemlanda.desktop \
    usr/share/man/man1/zem0482.1.gz usr/share/zem/translations/qtbase_es.qm; do
    [ -f "$root/$f" ] || fail "falta $f en el paquete"
done
for size in 16 22 24 32 48 64 128 256; do
    icon="$root/usr/share/icons/hicolor/${size}x${size}/apps/zemlanda.png"
    [ -f "$icon" ] || fail "falta el icono de $size"
    # The PNG header carries the width and height as 32-bit big-endian numbers at bytes 16 and 20.
    [ "$(od --endian=big -An -tu4 -j16 -N8 "$icon" | xargs)" = "$size $size" ] ||
        fail "el icono de $size no mide ${size}x${size}"
done
grep -qx 'Exec=zemlanda' "$root/usr/share/applications/zemlanda.desktop" || fail "Exec de la entrada"
grep -qx 'Icon=zemlanda' "$root/usr/share/applications/zemlanda.desktop" || fail "Icon de la entrada"
gzip -dc "$root/usr/share/man/man1/zem0482.1.gz" | grep -q '^\.TH ZEM0482 1' || fail "página de manual"
gzip -dc "$root/usr/share/man/man1/zem0482.1.gz" | grep -q 'init \\-\\-demo' ||
    fail "la página de manual no lista las órdenes"
# A sanitized build (scripts/sanitize.sh) is never shipped, and its programs keep the full name of every source
# file for the sanitizers' reports; only a normal build must name neither tree.
if readelf -d "$root/usr/bin/zem0482" | grep -q 'NEEDED.*lib[au][bs]san'; then
    echo "compilación con sanitizadores: no se busca el árbol de fuentes en el paquete"
elif grep -rlaF -e "$build" -e "$source" "$root"; then
    fail "el paquete nombra el árbol de compilación o de fuentes"
fi
depends="$(dpkg-deb -f "$deb" Depends)"
# The libraries the programs link come from dpkg-shlibdeps; libzip only once a program links it.
wanted=(libqt6core6 libqt6widgets6 libqt6sql6 libqt6sql6-sqlite fonts-liberation)
readelf -d "$root"/usr/bin/* | grep -q 'NEEDED.*libzip\.so' && wanted+=(libzip4)
for p in "${wanted[@]}"; do
    [[ ",$depends," == *", $p"[\ ,]* || ",$depends," == *",$p"[\ ,]* ]] || fail "Depends sin $p: $depends"
done

# The batch tool as installed, on a home of its own.
export HOME="$work/home" XDG_CONFIG_HOME="$work/home/config" XDG_DATA_HOME="$work/home/data"
export XDG_RUNTIME_DIR="$work/home/run" USER=prueba LC_ALL=C.UTF-8
mkdir -p "$HOME" "$XDG_RUNTIME_DIR"
chmod 700 "$XDG_RUNTIME_DIR"
tool="$root/usr/bin/zem0482"
ruc=10406958278
"$tool" init --demo
[ -f "$XDG_CONFIG_HOME/zem/QW000.INI" ] || fail "init no creó la configuración"
[ -f "$XDG_DATA_HOME/zem/zem.db" ] || fail "init no creó la base de datos"
[ -f "$XDG_DATA_HOME/zem/0482/QW482.html" ] || fail "init no dejó la ayuda"
computed="$("$tool" compute 107=340000 111=48000 130=17000)"
echo "$computed"
# 296,200 of taxable income pays 66,828 on the 2006 scale of the starting catalogue's UIT.
grep -q $'^120\t66,828$' <<<"$computed" || fail "compute no da 66,828 en la casilla 120"
"$tool" save "$ruc" 552=1 554=0 005=0 027=2 556=1 560=0 561=0 025=01 599=E 028=4215566 \
    107=340000 111=48000 130=17000 180=49828 || [ $? -eq 1 ] || fail "save"
shown="$("$tool" show "$ruc")"
echo "$shown"
grep -q $'^107\t340000$' <<<"$shown" || fail "show no muestra la casilla 107 grabada"
grep -q $'^142\t49828$' <<<"$shown" || fail "show no muestra el saldo 142 grabado"
echo "Paquete: $(basename "$deb"), $(stat -c %s "$deb") bytes"
echo "Depends: $depends"
