#!/usr/bin/env bash
# Runs readkey_test.exe under Wine inside a terminal:
#   readkey.sh EXE BASE_PREFIX WORK_DIR
set -u
here=$(cd "$(dirname "$0")" && pwd)
. "$here/wine_lib.sh"

[ $# -eq 3 ] || fail "usage: $0 EXE BASE_PREFIX WORK_DIR"
exe=$1
begin_test "$2" "$3/readkey"
start_wineserver
terminal_start "cd '$work' && wine '$exe' > '$out'; echo \$? > '$status_file'; sleep 600"
wait_until 60 test -f "$status_file" || fail "readkey_test did not finish within 60 s: $(cat "$out" 2>/dev/null)"
cat "$out"
[ "$(cat "$status_file")" = 0 ] || fail "readkey_test exited with $(cat "$status_file")"
# A process ended from outside can still report 0: only the closing line
# proves that every check ran.
tr -d '\r' <"$out" | grep -qE '^[0-9]+ passed, 0 failed$' || fail "readkey_test did not run to its end"
