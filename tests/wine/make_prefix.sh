#!/usr/bin/env bash
# Makes the Wine prefix that every Wine test copies: make_prefix.sh DIR
set -u
. "$(dirname "$0")/wine_lib.sh"
make_base_prefix "$1"
echo "prefix ready: $1"
