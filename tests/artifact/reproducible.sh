#!/usr/bin/env bash
# Builds LinkoraCleaner.exe twice, from two copies of the sources at paths of
# different lengths, and requires the same bytes: anyone can rebuild the
# release from its commit and compare the SHA-256.
#   reproducible.sh SOURCE_DIR
set -u
source_dir=$(cd "$1" && pwd)
scratch=$(mktemp -d /tmp/linkora-repro.XXXXXX)
trap 'rm -rf "$scratch"' EXIT

copy_sources() {  # the files git knows of, or everything but build output
  mkdir -p "$2"
  if git -C "$1" rev-parse --is-inside-work-tree >/dev/null 2>&1; then
    # A tracked file deleted in the work tree is left out, as the build would.
    (cd "$1" && git ls-files -z --cached --others --exclude-standard |
      while IFS= read -r -d '' file; do [ -f "$file" ] && printf '%s\0' "$file"; done |
      tar --null -T - -cf -) | tar -xf - -C "$2"
  else
    (cd "$1" && tar --exclude=./build -cf - .) | tar -xf - -C "$2"
  fi
}

build() {  # build DIR: configure and build the program alone, with the release preset
  cmake --preset windows-x86 -S "$1" -DCLEANER_TESTS=OFF >"$1.log" 2>&1 &&
    cmake --build "$1/build/windows-x86" --target LinkoraCleaner >>"$1.log" 2>&1 ||
    { cat "$1.log"; echo "FAIL the build in $1 failed"; exit 1; }
}

first=$scratch/a
second=$scratch/a-much-longer-folder-name/b
copy_sources "$source_dir" "$first"
copy_sources "$source_dir" "$second"
build "$first"
build "$second"

one=$first/build/windows-x86/LinkoraCleaner.exe
two=$second/build/windows-x86/LinkoraCleaner.exe
sha256sum "$one" "$two"
if cmp "$one" "$two"; then
  echo "1 passed, 0 failed"
else
  echo "FAIL the two builds differ"
  echo "0 passed, 1 failed"
  exit 1
fi
