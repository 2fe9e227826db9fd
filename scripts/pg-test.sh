#!/usr/bin/env bash
# Runs the database suites (store, lists, sending, batch tool) against a throw-away PostgreSQL server: a
# cluster in a temporary folder, owned by the postgres user (the server refuses to run as root), listening
# only on a Unix socket in that folder. The cluster is stopped and removed however the run ends.
# Usage: scripts/pg-test.sh [TEST_PROGRAM...]   (after scripts/build.sh; by default the suites below)
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
suites=("$@")
if ((${#suites[@]} == 0)); then
    suites=(declaration/store_tests declaration/form_tests shell/shell_tests cli/cli_tests annexes/annex_tests
            reports/reports_tests import/import_tests)
fi
bin=/usr/lib/postgresql/15/bin
if [ ! -x "$bin/initdb" ]; then
    echo "pg-test: falta PostgreSQL 15 ($bin); ejecute scripts/deps.sh" >&2
    exit 1
fi
as_postgres() {
    if [ "$(id -u)" -eq 0 ]; then
        runuser -u postgres -- "$@"
    else
        "$@"
    fi
}
dir="$(mktemp -d /tmp/zem-pg.XXXXXX)"
chmod 755 "$dir"
[ "$(id -u)" -eq 0 ] && chown postgres: "$dir"
stop() {
    as_postgres "$bin/pg_ctl" -D "$dir/data" -m immediate stop >/dev/null 2>&1 || true
    rm -rf "$dir"
}
trap stop EXIT
as_postgres "$bin/initdb" -D "$dir/data" -U postgres -A trust -E UTF8 --locale=C.UTF-8 >"$dir/initdb.log"
as_postgres "$bin/pg_ctl" -D "$dir/data" -l "$dir/server.log" -w \
    -o "-k $dir -c listen_addresses='' -c fsync=off -c synchronous_commit=off -c full_page_writes=off \
        -c max_connections=200" start >/dev/null
as_postgres "$bin/createdb" -h "$dir" -U postgres zemtest
export ZEM_TEST_PG="host=$dir port=5432 dbname=zemtest user=postgres"
echo "PostgreSQL de prueba en $dir"
cd "$root/build"
export QT_QPA_PLATFORM=offscreen LC_ALL=C.UTF-8
passed=0
failed=0
broken=0
start=$(date +%s)
for suite in "${suites[@]}"; do
    program="$root/build/tests/$suite"
    begin=$(date +%s)
    status=0
    "$program" --gtest_brief=1 >"$dir/suite.log" 2>&1 || status=$?
    ok=$(sed -n 's/^\[  PASSED  \] \([0-9]*\) test.*/\1/p' "$dir/suite.log")
    bad=$(sed -n 's/^\[  FAILED  \] \([0-9]*\) test.*/\1/p' "$dir/suite.log")
    passed=$((passed + ${ok:-0}))
    failed=$((failed + ${bad:-0}))
    if ((status != 0)); then
        broken=$((broken + 1))
        cat "$dir/suite.log"
    fi
    echo "PostgreSQL: $suite ${ok:-0} bien, ${bad:-0} mal ($(( $(date +%s) - begin )) s)"
done
# The concurrency harness's quick form over an installation whose settings point at the server.
if [ -x "$root/build/bin/zem-harness" ]; then
    home="$dir/harness"
    mkdir -p "$home/config/zem"
    printf '[Options]\r\nDBDriver=QPSQL\r\nDBHost=%s\r\nDBPort=5432\r\nDBName=zemtest\r\nDBUser=postgres\r\nDBSchema=harness\r\nSysUser=CONTADOR\r\n' \
        "$dir" >"$home/config/zem/QW000.INI"
    psql -h "$dir" -U postgres -q -c "CREATE SCHEMA harness" zemtest
    begin=$(date +%s)
    if XDG_CONFIG_HOME="$home/config" XDG_DATA_HOME="$home/data" "$root/build/bin/zem0482" init --server \
        >"$dir/suite.log" 2>&1 &&
        "$root/build/bin/zem-harness" concurrency --home "$home" --seconds "${ZEM_PG_HARNESS_SECONDS:-10}" \
            >>"$dir/suite.log" 2>&1; then
        passed=$((passed + 1))
        tail -n 12 "$dir/suite.log"
    else
        failed=$((failed + 1))
        broken=$((broken + 1))
        cat "$dir/suite.log"
    fi
    echo "PostgreSQL: harness concurrency ($(( $(date +%s) - begin )) s)"
fi
echo "PostgreSQL: $(( $(date +%s) - start )) s en total"
echo "$passed passed, $failed failed"
((broken == 0))
