#!/usr/bin/env bash
# Configuring for 64-bit Windows must stop with a message that says why: such
# a build would look in the wrong registry view and silently delete nothing.
#   refuses_64bit.sh SOURCE_DIR
set -u
scratch=$(mktemp -d /tmp/linkora-64.XXXXXX)
trap 'rm -rf "$scratch"' EXIT
status=0
cmake -S "$1" -B "$scratch" -DCMAKE_SYSTEM_NAME=Windows -DCMAKE_SYSTEM_PROCESSOR=AMD64 \
  -DCMAKE_CXX_COMPILER=x86_64-w64-mingw32-g++ -DCMAKE_RC_COMPILER=x86_64-w64-mingw32-windres \
  >"$scratch/log" 2>&1 || status=$?
if [ "$status" = 0 ]; then
  echo "FAIL a 64-bit configuration was accepted"
  exit 1
fi
if ! tr -s ' \n' ' ' <"$scratch/log" | grep -q 'must be built as a 32-bit (x86) Windows program'; then
  cat "$scratch/log"
  echo "FAIL the configuration failed, but not with the 32-bit message"
  exit 1
fi
echo "ok   64-bit configuration refused with the 32-bit message"
