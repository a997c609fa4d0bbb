#!/usr/bin/env bash
# Inspects the built LinkoraCleaner.exe for what a user downloading it relies
# on: a 32-bit console program that needs nothing a clean Windows lacks, with
# its manifest and version resource, hardened, stripped and small.
#   check_exe.sh EXE SOURCE_DIR BUILD_DIR
set -u
exe=$1
source_dir=$2
build_dir=$3
objdump=i686-w64-mingw32-objdump
windres=i686-w64-mingw32-windres

passed=0
failed=0
check() {  # check NAME COMMAND...
  local name=$1
  shift
  if "$@"; then
    passed=$((passed + 1))
    echo "ok   $name"
  else
    failed=$((failed + 1))
    echo "FAIL $name"
  fi
}

[ -f "$exe" ] || { echo "FAIL no file $exe"; echo "0 passed, 1 failed"; exit 1; }
# objdump prints the time stamp in local time.
headers=$(TZ=UTC $objdump -p "$exe")
resources=$($windres -i "$exe" -O rc 2>/dev/null)
header() { grep -qE -- "$1" <<<"$headers"; }
resource() { grep -qF -- "$1" <<<"$resources"; }
resource_matches() { grep -qE -- "$1" <<<"$resources"; }
resource_lacks() { ! grep -qiF -- "$1" <<<"$resources"; }

# Machine and subsystem.
check "32-bit i386 PE32 image" header '^Magic[[:space:]]+010b[[:space:]]+\(PE32\)'
check "machine i386" grep -q 'architecture: i386' <($objdump -f "$exe")
check "console subsystem" header '^Subsystem[[:space:]]+00000003[[:space:]]+\(Windows CUI\)'
check "DYNAMIC_BASE set" header '^[[:space:]]+DYNAMIC_BASE$'
check "NX_COMPAT set" header '^[[:space:]]+NX_COMPAT$'
# Without relocations a DYNAMIC_BASE image still loads only at its fixed base.
check "relocations kept for ASLR" grep -qE '[[:space:]]\.reloc[[:space:]]' <($objdump -h "$exe")

# Imports: the system's own DLLs only, nothing from the MinGW runtime that a
# planted copy in the download folder could stand in for.
imports=$(grep -E 'DLL Name:' <<<"$headers" | awk '{print toupper($3)}' | sort -u | tr '\n' ' ')
echo "     imports: $imports"
only_system_dlls() {
  local dll
  for dll in $imports; do
    case $dll in KERNEL32.DLL | ADVAPI32.DLL | SHLWAPI.DLL | MSVCRT.DLL) ;; *) return 1 ;; esac
  done
  [[ " $imports " == *" KERNEL32.DLL "* && " $imports " == *" ADVAPI32.DLL "* &&
     " $imports " == *" SHLWAPI.DLL "* ]]
}
check "imports only KERNEL32, ADVAPI32, SHLWAPI and msvcrt" only_system_dlls

# Manifest.
manifest_count=$(grep -c '^1 24 /\* RT_MANIFEST \*/' <<<"$resources")
check "one manifest, resource id 1" test "$manifest_count" = 1
check "execution level highestAvailable, no UI access" \
  resource 'requestedExecutionLevel level=""highestAvailable"" uiAccess=""false""'
check "no requireAdministrator" resource_lacks requireAdministrator
for os in "Windows 7|35138b9a-5d96-4fbd-8e2d-a2440225f93a" "Windows 8|4a2f28e3-53b9-4441-ba9c-d69d4a4a6e38" \
          "Windows 8.1|1f676c76-80e1-4239-95bb-83d0f6d0da78" "Windows 10 and 11|8e0f7a12-bfb3-4fe8-b9a5-48fd50a15a9a"; do
  check "supportedOS ${os%%|*}" resource "supportedOS Id=\"\"{${os#*|}}\"\""
done

# Version information, with the banner's own copyright line.
copyright=$(tr -d '\r' <"$source_dir/tests/wine/expected/declined.txt" | grep -m1 '^Copyright')
check "FILEVERSION 1.0.1" resource 'FILEVERSION 1, 0, 1, 0'
check "PRODUCTVERSION 1.0.1" resource 'PRODUCTVERSION 1, 0, 1, 0'
check "FileVersion string" resource 'VALUE "FileVersion", "1.0.1"'
check "ProductVersion string" resource 'VALUE "ProductVersion", "1.0.1"'
check "ProductName" resource 'VALUE "ProductName", "Orvane Merrow Linkora Registry Cleaner"'
check "FileDescription" resource_matches 'VALUE "FileDescription", "[^"]+"'
check "OriginalFilename" resource 'VALUE "OriginalFilename", "LinkoraCleaner.exe"'
check "LegalCopyright is the banner's line" resource "VALUE \"LegalCopyright\", \"$copyright\""

# Release form: stripped, no link time stamp, no build path, small.
check "stripped of symbols" grep -q 'no symbols' <(i686-w64-mingw32-nm "$exe" 2>&1)
check "no link time stamp" header '^Time/Date[[:space:]]+Thu Jan  1 00:00:00 1970$'
no_path() { ! grep -aqF -- "$1" "$exe"; }
check "no source path inside" no_path "$source_dir"
check "no build path inside" no_path "$build_dir"
size=$(stat -c %s "$exe")
echo "     size: $size bytes"
check "at most 64 KiB" test "$size" -le 65536

echo "$passed passed, $failed failed"
[ "$failed" = 0 ]
