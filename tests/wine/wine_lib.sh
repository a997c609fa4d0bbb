# Helpers for driving Windows programs under Wine: a throwaway prefix per
# test, a private tmux server as the terminal, bounded waits, and cleanup of
# everything a test started. Sourced by the test scripts.

export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml="  # no Mono or Gecko install prompts
export TERM=${TERM:-xterm}

fail() {
  echo "FAIL: $*" >&2
  exit 1
}

# make_base_prefix DIR: a fresh 64-bit prefix, made once and copied per test.
make_base_prefix() {
  local dir=$1
  [ -f "$dir/system.reg" ] && [ -f "$dir/.ready" ] && return 0
  rm -rf "$dir"
  mkdir -p "$(dirname "$dir")"
  WINEPREFIX=$dir timeout 300 wineboot -i >/dev/null 2>&1 || fail "wineboot -i failed for $dir"
  WINEPREFIX=$dir timeout 60 wineserver -w
  touch "$dir/.ready"
}

# new_prefix BASE DIR: a copy of BASE that this test alone uses. The large
# Windows directory is shared through hard links, which Wine never writes to;
# the registry files are real copies.
new_prefix() {
  local base=$1 dir=$2
  rm -rf "$dir"
  mkdir -p "$dir"
  cp -al "$base/." "$dir/"
  local reg
  for reg in system.reg user.reg userdef.reg; do
    rm -f "$dir/$reg"
    cp "$base/$reg" "$dir/$reg"
  done
}

# begin_test BASE WORK: a fresh folder WORK with the test's own copy of the
# prefix BASE in it. Sets work, prefix, out and status_file, and stops
# whatever the test started when the script ends.
begin_test() {
  work=$2
  prefix=$work/prefix
  out=$work/stdout.txt
  status_file=$work/exit-status
  trap end_test EXIT
  rm -rf "$work"
  mkdir -p "$work"
  new_prefix "$1" "$prefix"
  export WINEPREFIX=$prefix
}

end_test() {
  terminal_stop
  WINEPREFIX=$prefix wineserver -k >/dev/null 2>&1
  rm -rf "$prefix"
}

# In the test's own prefix (WINEPREFIX set by the caller).
start_wineserver() { wineserver -p 60 || fail "wineserver did not start"; }

reg_import() {  # reg_import FILE VIEW(32|64)
  wine reg import "$(winepath -w "$1" 2>/dev/null)" "/reg:$2" >/dev/null 2>&1 || fail "could not import $1 into the $2-bit view"
}

# key_exists VIEW KEY [VALUE]: is it in Wine's registry now?
key_exists() {
  local view=$1 key=$2
  if [ $# -ge 3 ]; then
    wine reg query "$key" /v "$3" "/reg:$view" >/dev/null 2>&1
  else
    wine reg query "$key" "/reg:$view" >/dev/null 2>&1
  fi
}

expect_present() {
  key_exists "$@" || fail "expected to survive: $* (view $1)"
}

expect_absent() {
  if key_exists "$@"; then fail "expected to be deleted: $* (view $1)"; fi
}

# wait_until SECONDS COMMAND...: polls COMMAND every 0.1 s, fails after SECONDS.
wait_until() {
  local limit=$1
  shift
  local deadline=$((SECONDS + limit))
  until "$@"; do
    [ $SECONDS -lt $deadline ] || return 1
    sleep 0.1
  done
}

# The terminal: one tmux server per test, on its own socket.
TMUX_SOCKET=""

terminal_start() {  # terminal_start COMMAND: runs COMMAND in a 160x50 terminal
  TMUX_SOCKET="linkora-test-$$-$RANDOM"
  tmux -L "$TMUX_SOCKET" new-session -d -s main -x 160 -y 50 "$1" || fail "tmux did not start"
}

terminal_keys() {  # terminal_keys KEY...: tmux key names, typed one after another
  tmux -L "$TMUX_SOCKET" send-keys -t main "$@"
}

terminal_screen() { tmux -L "$TMUX_SOCKET" capture-pane -p -t main 2>/dev/null; }

terminal_stop() {
  [ -n "$TMUX_SOCKET" ] && tmux -L "$TMUX_SOCKET" kill-server >/dev/null 2>&1
  TMUX_SOCKET=""
}

file_contains() { [ -f "$1" ] && grep -qF -- "$2" "$1"; }
screen_contains() { terminal_screen | grep -qF -- "$1"; }
