#!/usr/bin/env bash
# Installs the Debian 12 packages the project builds, runs and tests with; does nothing when all are present.
set -euo pipefail
packages=(
    g++ cmake ninja-build pkg-config git
    qt6-base-dev qt6-base-dev-tools libqt6sql6-sqlite libqt6sql6-psql qt6-translations-l10n qt6-qpa-plugins
    libzip-dev libxcb1-dev googletest libgtest-dev libbenchmark-dev
    fonts-liberation xvfb xauth clang-format
    dpkg-dev file
    postgresql
)
missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if ((${#missing[@]})); then
    echo "Instalando: ${missing[*]}"
    sudo_cmd=""
    [ "$(id -u)" -ne 0 ] && sudo_cmd="sudo"
    $sudo_cmd apt-get update
    DEBIAN_FRONTEND=noninteractive $sudo_cmd apt-get install -y --no-install-recommends "${missing[@]}"
fi
