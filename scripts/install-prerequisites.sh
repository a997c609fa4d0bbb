#!/usr/bin/env bash
# Installs, from Debian's packages, whatever of the build and test tools is
# missing: CMake and GoogleTest for the host tests, mingw-w64 for the Windows
# program, Wine (with its 32-bit part) and tmux to run it. Does nothing when
# all of it is there.
set -euo pipefail

packages=(cmake make g++ libgtest-dev git tmux
          g++-mingw-w64-i686 binutils-mingw-w64-i686 g++-mingw-w64-x86-64
          wine wine32:i386 wine64)

installed() { dpkg-query -W -f='${Status}' "$1" 2>/dev/null | grep -q 'install ok installed'; }

missing=()
for package in "${packages[@]}"; do
  installed "$package" || missing+=("$package")
done
[ ${#missing[@]} -eq 0 ] && exit 0

command -v apt-get >/dev/null || { echo "missing ${missing[*]}, and no apt-get to install them" >&2; exit 1; }
sudo=""
[ "$(id -u)" = 0 ] || sudo=sudo

echo "installing: ${missing[*]}"
# Wine's 32-bit half comes from the i386 architecture.
if ! dpkg --print-foreign-architectures | grep -qx i386; then
  $sudo dpkg --add-architecture i386
fi
$sudo apt-get update -qq
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq "${missing[@]}" >/dev/null
