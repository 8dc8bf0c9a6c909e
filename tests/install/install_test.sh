#!/usr/bin/env bash
# Installs the build into a fresh prefix and checks what a desktop and a shell
# look for there: exactly the two programs, the launcher entry and the icon it
# names, the software centres' description, the manual pages (the tool's
# describing every command and option), the copyright file and the changelog.
# Then the Debian package of the build must hold the same files, with the
# programs in games/, and lintian, when installed, must find nothing to warn of.
#   install_test.sh CMAKE CPACK BUILD_DIR BINDIR DATADIR MANDIR DOCDIR VERSION APP_ID
set -euo pipefail
cmake=$1 cpack=$2 build=$3 bindir=$4 datadir=$5 mandir=$6 docdir=$7 version=$8 app_id=$9
licence=$(dirname "${BASH_SOURCE[0]}")/../../LICENSE
unset DESTDIR
work=$(mktemp -d) prefix=$work/prefix manifest=$build/install_manifest.txt
# cmake --install writes its manifest into the build folder: keep the developer's.
[[ -e $manifest ]] && cp -p "$manifest" "$work/manifest"
trap '[[ -e $work/manifest ]] && cp -p "$work/manifest" "$manifest" || rm -f "$manifest"; rm -rf "$work"' EXIT
failures=0
fail() { echo "FAIL: $*" >&2; failures=$((failures + 1)); }

"$cmake" --install "$build" --prefix "$prefix" >"$work/log" 2>&1 || { cat "$work/log" >&2; exit 1; }
entry=$datadir/applications/$app_id.desktop icon=$datadir/icons/hicolor/scalable/apps/gridatelier.svg
page=$mandir/man1/gridatelier-cli.1.gz game_page=$mandir/man6/gridatelier.6.gz
meta=$datadir/metainfo/$app_id.metainfo.xml mime=$datadir/mime/packages/$app_id.xml copyright=$docdir/copyright changelog=$docdir/changelog.gz
translated_pages=()
for language in de fr; do
  translated_pages+=("$mandir/$language/man1/gridatelier-cli.1.gz" "$mandir/$language/man6/gridatelier.6.gz")
done
expected=$(printf '%s\n' "$bindir/gridatelier" "$bindir/gridatelier-cli" "$entry" "$icon" "$page" "$game_page" \
  "${translated_pages[@]}" "$meta" "$mime" "$copyright" "$changelog" | sort)
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
[[ $(value_of Exec) == *" %f" ]] || fail "Exec takes no file"
for type in $(value_of MimeType | tr ';' ' '); do
  grep -q "<mime-type type=\"$type\">" "$prefix/$mime" || fail "the MIME type $type is not declared"
done
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

for manual in "$page" "$game_page"; do
  text=$work/$(basename "$manual" .gz)
  gzip -dc "$prefix/$manual" >"$text"
  grep -q "^\.TH .*gridAtelier $version" "$text" || fail "$manual does not name $version"
  ! grep -q '@[A-Z_]*@' "$text" || fail "$manual has unconfigured @VARIABLES@"
done
commands=$("$cli" --help | sed -n '/^Subcommands:/,$s/^  \([a-z][a-z-]*\) .*/\1/p')
[[ -n $commands ]] || fail "no subcommands in the --help output"
for command in "" $commands; do  # "": the options before the command
  for word in $command $("$cli" $command --help | grep -oE -- '--[a-z][a-z-]*' | grep -v -- --help); do
    grep -qF -- "${word//-/\\-}" "$work/gridatelier-cli.1" || fail "the manual page lacks '$word' of '$command'"
  done
done

[[ $(gzip -dc "$prefix/$changelog" | head -n 1) == "gridatelier ($version) "* ]] ||
  fail "the changelog's newest entry is not $version"
spdx=$(sed -n 's/^SPDX-License-Identifier: //p' "$licence")
[[ -n $spdx ]] && grep -qx "License: $spdx" "$prefix/$copyright" &&
  grep -q "<project_license>$spdx</project_license>" "$prefix/$meta" ||
  fail "LICENSE, the copyright file and the description name different licences"

# dpkg-shlibdeps takes most of the packing time, so the package has its
# dependencies only when lintian is there to miss them.
if command -v dpkg-deb >/dev/null; then
  shlibdeps=OFF
  ! command -v lintian >/dev/null || shlibdeps=ON
  "$cpack" --config "$build/CPackConfig.cmake" -B "$work/package" -D CPACK_DEBIAN_PACKAGE_SHLIBDEPS=$shlibdeps \
    >"$work/log" 2>&1 || { cat "$work/log" >&2; exit 1; }
  deb=$(echo "$work"/package/*.deb)
  packed=$(dpkg-deb -c "$deb" | awk '$1 !~ /^d/ {print $6}' | sed 's|^\./usr/||' | sort)
  [[ $packed == "$(sed "s|^$bindir/|games/|" <<<"$installed" | sort)" ]] || fail "packed: $packed"
  [[ $(dpkg-deb -f "$deb" Package Version Section) == "Package: gridatelier"*"Version: $version"*"Section: games" ]] ||
    fail "the package's name, version or section"
  dpkg-deb --ctrl-tarfile "$deb" | tar -tv | grep -q '^-rwxr-xr-x .* \./postrm$' ||
    fail "the package lacks its postrm script, or its mode is not 0755"
  if [[ $shlibdeps == ON ]]; then
    lintian "$deb" >"$work/lintian" 2>&1 || true
    ! grep -E '^(E|W):' "$work/lintian" >&2 || fail "lintian finds errors or warnings in the package"
  fi
fi
((failures == 0)) || exit 1
