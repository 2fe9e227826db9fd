#!/usr/bin/env bash
# Builds the project with the address, leak and undefined-behaviour sanitizers (gcc) in build-asan/ and runs
# every test there: a memory error, a leak or undefined behaviour anywhere under the tests fails the run.
#   scripts/sanitize.sh [CTEST ARGUMENTS...]   e.g. -R Cli to run a part of the suite
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
"$root/scripts/deps.sh"
launcher=()
command -v ccache >/dev/null && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
# -O1 keeps the stacks readable and the build quicker than the release flags, while still inlining enough to
# run the suite at a reasonable speed.
flags="-O1 -g -fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer"
build="$root/build-asan"
cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE= "${launcher[@]}" \
    -DCMAKE_CXX_FLAGS="$flags" -DCMAKE_EXE_LINKER_FLAGS="-fsanitize=address,undefined" \
    -DCMAKE_SHARED_LINKER_FLAGS="-fsanitize=address,undefined" >/dev/null
cmake --build "$build" -j "$(nproc)"
cd "$build"
# Leaks are checked. lsan.supp may name memory that libraries outside this program keep to the end of the
# process on purpose (Qt's font and plugin caches); never a leak of this program.
export ASAN_OPTIONS="halt_on_error=1:abort_on_error=1:detect_leaks=1:strict_string_checks=1:check_initialization_order=1"
export LSAN_OPTIONS="suppressions=$root/scripts/lsan.supp:print_suppressions=0"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1:abort_on_error=1"
ctest --output-on-failure -j "$(nproc)" --timeout 900 "$@"
