#!/usr/bin/env bash
# source_archive_test.sh SOURCE_ROOT CMAKE
# A release is built from `git archive` output extracted as root, which keeps
# the archive's modes (0775 where a clone has 0755): what the package takes
# from the tree must come out with the build's modes all the same.
set -euo pipefail
root=$1
cmake=$2
if ! git -C "$root" rev-parse --git-dir >/dev/null 2>&1; then
  echo "not a git checkout: nothing to archive"
  exit 0
fi
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir "$work/source"
git -C "$root" archive --format=tar HEAD | tar -x -p -C "$work/source"
archived=$(stat -c %a "$work/source/share/debian/postrm.in")
"$cmake" -S "$work/source" -B "$work/build" -DGRIDATELIER_BUILD_BENCH=OFF >"$work/log" 2>&1 ||
  { cat "$work/log" >&2; exit 1; }
built=$(stat -c %a "$work/build/debian/postrm")
echo "postrm: $archived in the archive, $built in the build"
[[ $built == 755 ]] || { echo "FAIL: the package's postrm would have mode $built, not 755" >&2; exit 1; }
