#!/usr/bin/env bash
# Configures and builds the project in build/ (Release with debug info, warnings as configured).
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
launcher=()
# A compiler cache, where the machine has one, makes rebuilds of other checkouts cheap.
command -v ccache >/dev/null && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
cmake -S "$root" -B "$root/build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo "${launcher[@]}" >/dev/null
cmake --build "$root/build" -j "$(nproc)"
