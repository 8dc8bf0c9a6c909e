#!/usr/bin/env bash
# Installs the build into a fresh prefix and checks what a desktop and a shell
# look for there: exactly the two programs, the launcher entry and the icon it
# names, the software centres' description, and a manual page that describes
# every command and option of the tool. Then the Debian package of the build
# must hold the same files.
#   install_test.sh CMAKE CPACK BUILD_DIR BINDIR DATADIR MANDIR VERSION APP_ID
set -euo pipefail
cmake=$1 cpack=$2 build=$3 bindir=$4 datadir=$5 mandir=$6 version=$7 app_id=$8
unset DESTDIR
work=$(mktemp -d) prefix=$work/prefix manifest=$build/install_manifest.txt
# cmake --install writes its manifest into the build folder: keep the developer's.
[[ -e $manifest ]] && cp -p "$manifest" "$work/manifest"
trap '[[ -e $work/manifest ]] && cp -p "$work/manifest" "$manifest" || rm -f "$manifest"; rm -rf "$work"' EXIT
failures=0
fail() { echo "FAIL: $*" >&2; failures=$((failures + 1)); }

"$cmake" --install "$build" --prefix "$prefix" >"$work/log" 2>&1 || { cat "$work/log" >&2; exit 1; }
entry=$datadir/applications/$app_id.desktop icon=$datadir/icons/hicolor/scalable/apps/gridatelier.svg
page=$mandir/man1/gridatelier-cli.1 meta=$datadir/metainfo/$app_id.metainfo.xml
expected=$(printf '%s\n' "$bindir/gridatelier" "$bindir/gridatelier-cli" "$entry" "$icon" "$page" "$meta" | sort)
installed=$(cd "$prefix" && find . \( -type f -o -type l \) | sed 's|^\./||' | sort)
[[ $installed == "$expected" ]] || fail "installed: $installed"

value_of() { sed -n "s/^$1=//p" "$prefix/$entry" | head -n 1; }
[[ $(grep -m 1 '^\[' "$prefix/$entry") == "[Desktop Entry]" && $(value_of Type) == Application &&
  $(value_of Name) == gridAtelier ]] || fail "the entry's group, Type or Name"
[[ -x $prefix/$bindir/$(value_of Exec | cut -d' ' -f1) ]] || fail "Exec names no installed program"
[[ $(value_of Icon) == "$(basename "$icon" .svg)" ]] || fail "Icon does not name the installed icon"
[[ ";$(value_of Categories)" == *";Game;"* && ";$(value_of Categories)" == *";LogicGame;"* ]] ||
  fail "Categories lack Game or LogicGame"
grep -q '<svg[^>]*viewBox=' "$prefix/$icon" || fail "the icon has no viewBox"
! command -v desktop-file-validate >/dev/null || desktop-file-validate "$prefix/$entry" ||
  fail "desktop-file-validate refuses the entry"

grep -q "<id>$app_id</id>" "$prefix/$meta" &&
  grep -q "<launchable type=\"desktop-id\">$app_id.desktop<" "$prefix/$meta" ||
  fail "the description's id or launchable is not $app_id"
[[ $(grep -om 1 '<release version="[^"]*"' "$prefix/$meta") == "<release version=\"$version\"" ]] ||
  fail "the newest release in the description is not $version"
! grep -q '@[A-Z_]*@' "$prefix/$meta" || fail "the description has unconfigured @VARIABLES@"
! command -v appstreamcli >/dev/null || appstreamcli validate --no-net "$prefix/$meta" >&2 ||
  fail "the description is not valid AppStream"

cli=$prefix/$bindir/gridatelier-cli
puzzle='....4..2.....3..9...59..84..7.2..3.....3.126.6....5......159.........5...39..7...'
[[ $(echo "$puzzle" | "$cli" solve) == "0 398746125142538796765912843971264358854391267623875914487159632216483579539627481" ]] ||
  fail "the installed gridatelier-cli does not solve"
[[ $(readelf -d "$cli" "$prefix/$bindir/gridatelier" | grep -E 'R(UN)?PATH' || true) != *"$build"* ]] ||
  fail "an installed program looks for libraries in the build folder"

grep -q "^\.TH .*gridAtelier $version" "$prefix/$page" || fail "the manual page does not name $version"
! grep -q '@[A-Z_]*@' "$prefix/$page" || fail "the manual page has unconfigured @VARIABLES@"
commands=$("$cli" --help | sed -n '/^Subcommands:/,$s/^  \([a-z][a-z-]*\) .*/\1/p')
[[ -n $commands ]] || fail "no subcommands in the --help output"
for command in "" $commands; do  # "": the options before the command
  for word in $command $("$cli" $command --help | grep -oE -- '--[a-z][a-z-]*' | grep -v -- --help); do
    grep -qF -- "${word//-/\\-}" "$prefix/$page" || fail "the manual page lacks '$word' of '$command'"
  done
done

# dpkg-shlibdeps would take most of the test's time, so the package is made
# here without the dependencies it finds.
if command -v dpkg-deb >/dev/null; then
  "$cpack" --config "$build/CPackConfig.cmake" -B "$work/package" -D CPACK_DEBIAN_PACKAGE_SHLIBDEPS=OFF \
    >"$work/log" 2>&1 || { cat "$work/log" >&2; exit 1; }
  deb=$(echo "$work"/package/*.deb)
  packed=$(dpkg-deb -c "$deb" | awk '$1 !~ /^d/ {print $6}' | sed 's|^\./usr/||' | sort)
  [[ $packed == "$installed" ]] || fail "packed: $packed"
  [[ $(dpkg-deb -f "$deb" Package Version Section) == "Package: gridatelier"*"Version: $version"*"Section: games" ]] ||
    fail "the package's name, version or section"
  dpkg-deb --ctrl-tarfile "$deb" | tar -t | grep -qx './postrm' || fail "the package lacks its postrm script"
fi
((failures == 0)) || exit 1
