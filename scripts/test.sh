#!/usr/bin/env bash
# Installs what is missing, builds everything and runs every test: the host
# unit tests, then the Windows program with its checks under Wine and of the
# built file.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-prerequisites.sh

cmake --preset host
cmake --build --preset host -j "$(nproc)"
ctest --preset host

cmake --preset windows-x86
cmake --build --preset windows-x86 -j "$(nproc)"
ctest --preset windows-x86 -j 2
