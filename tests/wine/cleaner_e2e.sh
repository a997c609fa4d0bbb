#!/usr/bin/env bash
# LinkoraCleaner.exe end to end under Wine: its real registry, its real
# console, keys typed through a terminal, standard output checked byte for
# byte and the registry checked afterwards.
#   cleaner_e2e.sh EXE BASE_PREFIX WORK_DIR SCENARIO
# A key that exists but may only be read cannot be made under Wine, where
# every program has full rights; that case is covered by the host tests.
set -u
here=$(cd "$(dirname "$0")" && pwd)
. "$here/wine_lib.sh"

[ $# -eq 4 ] || fail "usage: $0 EXE BASE_PREFIX WORK_DIR SCENARIO"
exe=$1
scenario=$4
begin_test "$2" "$3/$scenario"
start_wineserver

PROMPT="(y = YES, n = NO)?"
CLOSING="press any key to exit."

# The seven entries, as the 32-bit program sees them.
SEVEN=(
  "32|HKCU\\Software\\Telvix"
  "32|HKCU\\Software\\Orvane\\LinkoraForOrvaneMerrow"
  "32|HKLM\\Software\\Telvix"
  "32|HKLM\\Software\\Telvix Ltd"
  "32|HKLM\\Software\\Orvane\\LinkoraForOrvaneMerrow"
  "32|HKLM\\Software\\Orvane\\Trebbin"
  "32|HKLM\\Software\\Orvane|HalvexPhoneID"
)
# What the leftovers fixtures hold besides them, which no run may delete.
NEIGHBOURS=(
  "32|HKLM\\Software\\Orvane"
  "32|HKLM\\Software\\Orvane|Unrelated"
  "32|HKLM\\Software\\Orvane\\Connection Manager"
  "32|HKLM\\Software\\TelvixOther"
  "32|HKCU\\Software\\Orvane|HalvexPhoneID"
  "32|HKCU\\Software\\Orvane\\Trebbin"
  "64|HKLM\\Software\\Telvix"
  "64|HKLM\\Software\\Telvix Ltd"
  "64|HKLM\\Software\\Orvane|HalvexPhoneID"
  "64|HKLM\\Software\\Orvane\\LinkoraForOrvaneMerrow"
  "64|HKLM\\Software\\Orvane\\Trebbin"
)

check_entries() {  # check_entries present|absent ENTRY...
  local want=$1 entry
  shift
  for entry in "$@"; do
    IFS='|' read -r -a parts <<<"$entry"
    "expect_$want" "${parts[@]}"
  done
}

seed_leftovers() {
  reg_import "$here/fixtures/leftovers.reg" 32
  reg_import "$here/fixtures/view64.reg" 64
  check_entries present "${SEVEN[@]}" "${NEIGHBOURS[@]}"
}

# Standard output goes to a file; the console stays the terminal's.
start_cleaner() {
  terminal_start "cd '$work' && wine '$exe' > '$out'; echo \$? > '$status_file'; sleep 600"
}

# Every key below is typed only once the prompt is in the file: the program
# must flush its output before it waits, even into a file.
wait_for_output() {
  wait_until "${2:-60}" file_contains "$out" "$1" || fail "no '$1' in the output; it holds: $(cat -A "$out" 2>/dev/null)"
}

still_waiting() { [ ! -f "$status_file" ]; }

expect_still_waiting_after() {  # expect_still_waiting_after SECONDS
  sleep "$1"
  still_waiting || fail "the program ended without a fresh key press (status $(cat "$status_file"))"
}

expect_exit() {  # expect_exit STATUS
  wait_until 30 test -f "$status_file" || fail "the program did not end within 30 s"
  local got
  got=$(cat "$status_file")
  [ "$got" = "$1" ] || fail "exit status $got, expected $1"
}

expect_output() {  # expect_output EXPECTED_FILE: the exact bytes, CR LF included
  cmp -s "$here/expected/$1" "$out" && return 0
  diff <(cat -A "$here/expected/$1") <(cat -A "$out") >&2
  fail "standard output differs from expected/$1"
}

case $scenario in
  declined)
    seed_leftovers
    start_cleaner
    wait_for_output "$PROMPT"
    terminal_keys n
    wait_for_output "$CLOSING"
    expect_still_waiting_after 1
    terminal_keys x
    expect_exit 0
    expect_output declined.txt
    check_entries present "${SEVEN[@]}" "${NEIGHBOURS[@]}"
    ;;
  consent)
    seed_leftovers
    start_cleaner
    wait_for_output "$PROMPT"
    terminal_keys y
    wait_for_output "$CLOSING"
    expect_still_waiting_after 1
    terminal_keys x
    expect_exit 0
    expect_output consent_all.txt
    check_entries absent "${SEVEN[@]}"
    check_entries present "${NEIGHBOURS[@]}"
    ;;
  nothing_present)
    start_cleaner
    wait_for_output "$PROMPT"
    terminal_keys y
    wait_for_output "$CLOSING"
    terminal_keys Space
    expect_exit 0
    expect_output consent_none.txt
    ;;
  maker_key_without_value)
    reg_import "$here/fixtures/maker_key_without_value.reg" 32
    start_cleaner
    wait_for_output "$PROMPT"
    terminal_keys y
    wait_for_output "$CLOSING"
    terminal_keys x
    expect_exit 0
    expect_output consent_none.txt
    check_entries present "32|HKLM\\Software\\Orvane" "32|HKLM\\Software\\Orvane|Unrelated" \
      "32|HKLM\\Software\\Orvane\\Other"
    ;;
  keys_that_do_not_answer)
    # Upper case, Enter, Space, Escape and keys without a character neither
    # answer nor echo. Alt+F7 delivers 0 and then the code of "n", and so
    # declines. (Ctrl+C cannot be typed here: Wine's console ends the process
    # on it whatever the input mode.)
    seed_leftovers
    start_cleaner
    wait_for_output "$PROMPT"
    for key in Y N Enter Space Escape F1 Up PageUp; do
      terminal_keys "$key"
      sleep 0.3
    done
    expect_still_waiting_after 1
    expect_output prompt_only.txt
    terminal_keys M-F7
    wait_for_output "$CLOSING"
    terminal_keys x
    expect_exit 0
    expect_output declined.txt
    check_entries present "${SEVEN[@]}" "${NEIGHBOURS[@]}"
    ;;
  type_ahead)
    # "y" and Enter typed at once: the Enter must not close the summary.
    seed_leftovers
    start_cleaner
    wait_for_output "$PROMPT"
    terminal_keys y Enter
    wait_for_output "$CLOSING"
    expect_still_waiting_after 2
    terminal_keys x
    expect_exit 0
    expect_output consent_all.txt
    ;;
  no_console)
    # No terminal at all: the prompt cannot be answered, so the run ends at
    # once, says so, and deletes nothing.
    seed_leftovers
    status=0
    timeout 60 setsid wine "$exe" </dev/null >"$out" 2>/dev/null || status=$?
    [ "$status" != 124 ] || fail "the program hung without a console"
    [ "$status" = 1 ] || fail "exit status $status, expected 1"
    expect_output no_keyboard.txt
    check_entries present "${SEVEN[@]}" "${NEIGHBOURS[@]}"
    ;;
  on_screen)
    # Output to the console itself: the banner and the prompt are on screen
    # before the first key, the summary before the last.
    seed_leftovers
    terminal_start "cd '$work' && wine '$exe'; echo \$? > '$status_file'; sleep 600"
    wait_until 60 screen_contains "$PROMPT" || fail "no prompt on screen: $(terminal_screen)"
    screen_contains "Orvane Merrow Linkora Registry Cleaner, v.1.0.1 09Dec2003" || fail "no banner on screen"
    terminal_keys y
    wait_until 30 screen_contains "7 registry keys deleted, press any key to exit." ||
      fail "no summary on screen: $(terminal_screen)"
    expect_still_waiting_after 1
    terminal_keys x
    expect_exit 0
    check_entries absent "${SEVEN[@]}"
    ;;
  *)
    fail "unknown scenario $scenario"
    ;;
esac
echo "ok: $scenario"
