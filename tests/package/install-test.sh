#!/usr/bin/env bash
# The program as a package installs it: the built tree installed under a temporary root, then run from
# there, from another folder, through the links on the PATH.
set -euo pipefail
build=$(cd "$1" && pwd)
root=$(mktemp -d)
trap 'rm -rf "$root"' EXIT

fail() {
  echo "FAILED: $*" >&2
  exit 1
}

cmake --install "$build" --prefix "$root" >/dev/null
program="$root/opt/zfn"
for name in zfn zfn-cli; do
  [ -L "$root/usr/bin/$name" ] || fail "usr/bin/$name is not a link"
  [ "$(readlink -f "$root/usr/bin/$name")" = "$(readlink -f "$program/$name")" ] || fail "usr/bin/$name points elsewhere"
done
for file in zfn.ini vozuvada.sqlite pritoshka.sqlite Help.rtf Logo.bmp; do
  [ -f "$program/$file" ] || fail "$file is not in the program folder"
done
ls "$program"/*.jpg >/dev/null 2>&1 || fail "no dimension drawings in the program folder"
desktop="$root/usr/share/applications/zfn.desktop"
grep -qx 'Exec=zfn' "$desktop" || fail "the desktop entry does not start zfn"
grep -qx 'Icon=zfn' "$desktop" || fail "the desktop entry names no icon"
[ -f "$root/usr/share/icons/hicolor/128x128/apps/zfn.png" ] || fail "the icon is not installed"

# The package names what the program needs at run time that no library tells, Qt's Russian texts among them.
for need in libqt6sql6-sqlite libqt6sql6-psql qt6-qpa-plugins qt6-translations-l10n fonts-liberation2; do
  grep -q "$need" "$build/CPackConfig.cmake" || fail "the package does not depend on $need"
done

# Run from elsewhere: the program finds its catalogue beside itself, not in the current folder.
cd "$root"
cli="$root/usr/bin/zfn-cli"
check=$("$cli" catalogue check) || fail "catalogue check from the installed program: $check"
[ "$check" = "Каталог $program/vozuvada.sqlite: замечаний нет" ] || fail "catalogue check read another catalogue: $check"
duty=(select --flow 5000 --pressure 500 --json)
installed=$("$cli" "${duty[@]}")
built=$("$build/bin/zfn-cli" "${duty[@]}")
grep -q '"designation"' <<<"$installed" || fail "the installed program lists no fans"
[ "$installed" = "$built" ] || fail "the installed program selects other fans than the built one"
QT_QPA_PLATFORM=offscreen ZFN_QUIT_WHEN_SHOWN=1 timeout 120 "$root/usr/bin/zfn" || fail "the installed program does not start"
