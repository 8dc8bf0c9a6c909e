#!/usr/bin/env bash
# check_translations.sh SOURCE_ROOT TEST_PROGRAM
set -euo pipefail
root=$1
program=$2
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
bash "$root/scripts/update-translations" "$scratch"
GA_TS_FOLDER="$scratch" "$program"
