#!/usr/bin/env bash
# Installs the build into a fresh temporary prefix and checks what a desktop
# and a shell will look for there: the two programs, the launcher entry and the
# icon it names, and a manual page that still describes the tool's commands.
#
#   install_test.sh CMAKE BUILD_DIR BINDIR DATADIR MANDIR VERSION
#
# The folders are the build's GNUInstallDirs values, relative to the prefix.
set -euo pipefail

if (($# != 6)); then
  echo "usage: $0 CMAKE BUILD_DIR BINDIR DATADIR MANDIR VERSION" >&2
  exit 2
fi
cmake=$1 build=$2 bindir=$3 datadir=$4 mandir=$5 version=$6

# A DESTDIR from the environment would put the files outside the prefix.
unset DESTDIR

work=$(mktemp -d "${TMPDIR:-/tmp}/gridatelier-install-test.XXXXXX")
prefix=$work/prefix

# cmake --install always writes its manifest into the build folder; a manifest
# there from the developer's own install must survive this run unchanged.
manifest=$build/install_manifest.txt
if [[ -e $manifest ]]; then
  cp -p "$manifest" "$work/manifest.saved"
fi
restore() {
  if [[ -e $work/manifest.saved ]]; then
    cp -p "$work/manifest.saved" "$manifest"
  else
    rm -f "$manifest"
  fi
  rm -rf "$work"
}
trap restore EXIT

failures=0
fail() {
  echo "FAIL: $*" >&2
  failures=$((failures + 1))
}

if ! "$cmake" --install "$build" --prefix "$prefix" >"$work/install.log" 2>&1; then
  cat "$work/install.log" >&2
  echo "FAIL: cmake --install failed" >&2
  exit 1
fi

# --- exactly these files, nothing else (no static libraries, no build tools) ---
desktop_file=$datadir/applications/gridatelier.desktop
icon_file=$datadir/icons/hicolor/scalable/apps/gridatelier.svg
man_page=$mandir/man1/gridatelier-cli.1
expected=$(printf '%s\n' "$bindir/gridatelier" "$bindir/gridatelier-cli" \
  "$desktop_file" "$icon_file" "$man_page" | sort)
installed=$(cd "$prefix" && find . \( -type f -o -type l \) | sed 's|^\./||' | sort)
if [[ $installed != "$expected" ]]; then
  fail "installed files differ from the expected set"
  diff <(echo "$expected") <(echo "$installed") >&2 || true
fi
for program in gridatelier gridatelier-cli; do
  [[ -x $prefix/$bindir/$program ]] || fail "$bindir/$program is missing or not executable"
done

# --- the launcher entry ---
entry=$prefix/$desktop_file
value_of() { sed -n "s/^$1=//p" "$entry" | head -n 1; }
if [[ -f $entry ]]; then
  first_group=$(grep -m 1 '^\[' "$entry" || true)
  [[ $first_group == "[Desktop Entry]" ]] || fail "the entry's first group is '$first_group'"
  [[ $(value_of Type) == Application ]] || fail "Type is not Application"
  [[ $(value_of Name) == gridAtelier ]] || fail "Name is not gridAtelier"
  [[ -n $(value_of Comment) ]] || fail "the entry has no Comment"
  # The launcher starts whatever Exec names from PATH: it must be the installed program.
  exec_program=$(value_of Exec)
  exec_program=${exec_program%% *}
  [[ $exec_program == gridatelier && -x $prefix/$bindir/$exec_program ]] ||
    fail "Exec names '$exec_program', which is not an installed program"
  # An icon theme finds the icon by its file name without the extension.
  [[ $(value_of Icon) == "$(basename "$icon_file" .svg)" ]] ||
    fail "Icon '$(value_of Icon)' does not name the installed icon"
  categories=";$(value_of Categories)"
  [[ $categories == *";Game;"* && $categories == *";LogicGame;"* ]] ||
    fail "Categories lack Game or LogicGame"
  if command -v desktop-file-validate >/dev/null; then
    desktop-file-validate "$entry" || fail "desktop-file-validate rejected the entry"
  else
    echo "note: desktop-file-validate not installed, the entry was checked by this script only"
  fi
fi

# --- the icon: an SVG that scales ---
icon=$prefix/$icon_file
if [[ -f $icon ]]; then
  grep -q '<svg[^>]*viewBox=' "$icon" || fail "the icon has no viewBox, so it does not scale"
  if command -v xmllint >/dev/null; then
    xmllint --noout "$icon" || fail "the icon is not well-formed XML"
  fi
fi

# --- the installed tool runs on its own ---
cli=$prefix/$bindir/gridatelier-cli
help=$work/help.txt
if "$cli" --help >"$help" 2>&1; then
  grep -q '^Usage: gridatelier-cli' "$help" || fail "gridatelier-cli --help printed no usage"
else
  fail "the installed gridatelier-cli --help failed"
  cat "$help" >&2
fi
if command -v readelf >/dev/null; then
  # A run path into the build folder would hide a binary that only works there.
  run_paths=$(readelf -d "$cli" "$prefix/$bindir/gridatelier" | grep -E 'R(UN)?PATH' || true)
  if [[ $run_paths == *"$build"* ]]; then
    fail "an installed program still looks for libraries in the build folder"
  fi
fi
puzzle='....4..2.....3..9...59..84..7.2..3.....3.126.6....5......159.........5...39..7...'
solved='0 398746125142538796765912843971264358854391267623875914487159632216483579539627481'
answer=$(echo "$puzzle" | "$cli" --seed 1 solve) || fail "the installed gridatelier-cli solve failed"
[[ $answer == "$solved" ]] || fail "the installed gridatelier-cli solved to '$answer'"

# --- the manual page follows the tool ---
page=$prefix/$man_page
if [[ -f $page ]]; then
  grep -q '@[A-Z_]*@' "$page" && fail "the manual page has unconfigured @VARIABLES@"
  grep -q "^\.TH .*gridAtelier $version" "$page" ||
    fail "the manual page's title line does not name version $version"
  # Every subcommand and every option that --help lists must be documented.
  tags=$(awk '/^\.TP/ { getline; print }' "$page")
  subcommands=$(sed -n '/^Subcommands:/,$s/^  \([a-z][a-z-]*\) .*/\1/p' "$help")
  [[ -n $subcommands ]] || fail "no subcommands found in the --help output"
  for subcommand in $subcommands; do
    # A command's own paragraph: a tagged paragraph whose tag starts with its name.
    grep -qE "^\.(B|BR|BI) \"?$subcommand( |\"|$)" <<<"$tags" ||
      fail "the manual page does not describe the command '$subcommand'"
    for option in $("$cli" "$subcommand" --help | grep -oE -- '--[a-z][a-z-]*' | sort -u); do
      [[ $option == --help ]] && continue
      grep -qF -- "${option//-/\\-}" "$page" ||
        fail "the manual page does not mention '$option' of '$subcommand'"
    done
  done
  while read -r option; do
    grep -qF -- "${option//-/\\-}" "$page" || fail "the manual page does not mention '$option'"
  done < <(grep -oE -- '--[a-z][a-z-]*' "$help" | sort -u)
  if command -v groff >/dev/null; then
    warnings=$(groff -man -ww -z -Tutf8 "$page" 2>&1 || true)
    [[ -z $warnings ]] || fail "groff warns about the manual page: $warnings"
  else
    echo "note: groff not installed, the manual page was not formatted"
  fi
fi

if ((failures > 0)); then
  echo "$failures check(s) failed" >&2
  exit 1
fi
echo "installed and checked: $(echo "$installed" | tr '\n' ' ')"
