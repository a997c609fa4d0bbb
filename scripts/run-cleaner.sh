#!/usr/bin/env bash
# Installs what is missing, builds LinkoraCleaner.exe and runs it under Wine
# in this terminal. With WINEPREFIX set it cleans that prefix. Without it, it
# runs in a sandbox prefix under build/, seeded before every run with a sample
# of the suite's leftover entries, so there is something to find.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-prerequisites.sh

cmake --preset windows-x86 -DCLEANER_TESTS=OFF >/dev/null
cmake --build --preset windows-x86 --target LinkoraCleaner >/dev/null
exe=$PWD/build/windows-x86/LinkoraCleaner.exe

. tests/wine/wine_lib.sh
if [ -z "${WINEPREFIX:-}" ]; then
  export WINEPREFIX=$PWD/build/sandbox-prefix
  if [ ! -f "$WINEPREFIX/.ready" ]; then
    echo "Making a sandbox Wine prefix in $WINEPREFIX (once, about 20 seconds)..."
    make_base_prefix "$WINEPREFIX"
  fi
  # The suite was 32-bit, so its machine-wide entries sit in the 32-bit view.
  reg_import tests/wine/fixtures/leftovers.reg 32
  echo "Sandbox prefix $WINEPREFIX, seeded with the suite's leftovers."
fi

status=0
wine "$exe" || status=$?
wineserver -w
exit "$status"
