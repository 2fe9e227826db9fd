#!/usr/bin/env bash
# Builds the fuzz targets with clang and libFuzzer in build-fuzz/ and runs them.
#   scripts/fuzz.sh [SECONDS [TARGET...]]   each target (default: all) for SECONDS (default 180)
# An input that runs longer than 60 s is kept as a timeout (a busy shared machine stalls runs for seconds).
# Every run starts from the committed corpus (fuzz/corpus/NAME) and keeps what it learns in
# build-fuzz/corpus/NAME; a crash is written to build-fuzz/crashes/NAME/. Add a crashing input to the
# committed corpus once it is fixed, so that the replay tests of the normal build keep it.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
seconds="${1:-180}"
shift || true
targets=("$@")
((${#targets[@]})) || targets=(report records package settings format amount)

missing=()
for p in clang libclang-rt-dev; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if ((${#missing[@]})); then
    sudo_cmd=""
    [ "$(id -u)" -ne 0 ] && sudo_cmd="sudo"
    $sudo_cmd apt-get update
    DEBIAN_FRONTEND=noninteractive $sudo_cmd apt-get install -y --no-install-recommends "${missing[@]}"
fi

launcher=()
command -v ccache >/dev/null && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
build="$root/build-fuzz"
cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER=clang++ \
    -DZEM_FUZZ=ON "${launcher[@]}" >/dev/null
cmake --build "$build" --target "${targets[@]/#/fuzz_}"

status=0
for t in "${targets[@]}"; do
    mkdir -p "$build/corpus/$t" "$build/crashes/$t"
    echo "== $t: $seconds s"
    (cd "$build/crashes/$t" &&
        "$build/fuzz/fuzz_$t" -max_total_time="$seconds" -timeout=60 -rss_limit_mb=2048 -print_final_stats=1 \
            -artifact_prefix="$build/crashes/$t/" "$build/corpus/$t" "$root/fuzz/corpus/$t") || status=1
done
exit $status
