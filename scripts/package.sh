#!/usr/bin/env bash
# Builds the Windows packages from the Windows build:
#   dist/Blockery-<version>-x64.msi  per-machine install (packaging/Blockery.wxs, built with wixl)
#   dist/Blockery-<version>-x64.zip  the same files and a Blockery.ini, for a portable install
# The version is the CMake project's (version.txt in the build folder).
#   bash scripts/package.sh [--build DIR] [--out DIR] [--version X.Y.Z]
# --version names another version (the tests build a later package to install over the first).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=$root/build/win out=$root/dist version=
while [ $# -gt 0 ]; do
  case "$1" in
    --build) build=$(cd "$2" && pwd); shift 2 ;;
    --out) mkdir -p "$2"; out=$(cd "$2" && pwd); shift 2 ;;
    --version) version=$2; shift 2 ;;
    *) echo "usage: bash scripts/package.sh [--build DIR] [--out DIR] [--version X.Y.Z]" >&2; exit 2 ;;
  esac
done
for tool in wixl wixl-heat msibuild zip; do
  command -v "$tool" >/dev/null || { echo "package.sh: $tool is missing (bash scripts/install-deps.sh)" >&2; exit 1; }
done
[ -f "$build/build.ninja" ] || { echo "package.sh: $build is not a configured Windows build" >&2; exit 1; }
cmake --build "$build" --target Blockery Tetherling >/dev/null
mkdir -p "$out"
version=${version:-$(cat "$build/version.txt")}
[[ $version =~ ^[0-9]+\.[0-9]+\.[0-9]+$ ]] || { echo "package.sh: bad version '$version'" >&2; exit 1; }

# What both packages install: the program folder as the build leaves it, and Tetherling beside it.
work=$build/package/$version
rm -rf "$work"
mkdir -p "$work/files"
cp -r "$build/program/." "$work/files/"
cp "$build/Tetherling.exe" "$work/files/"
cp "$root/resources/Blockery.ico" "$work/"
for f in Blockery.exe Blockery.lsp InkCasket.xml GallerySkin Tetherling.exe; do
  [ -e "$work/files/$f" ] || { echo "package.sh: $f is missing from the build" >&2; exit 1; }
done

# wixl reads sources relative to the folder it runs in.
cd "$work"
(cd files && find GallerySkin -type f | LC_ALL=C sort |
  wixl-heat --var var.StageDir --directory-ref INSTALLDIR --component-group GallerySkin --win64 --prefix "") >GallerySkin.wxs
msi=$out/Blockery-$version-x64.msi
rm -f "$msi"
wixl --arch x64 -D Version="$version" -D StageDir=files -D Win64=yes -o "$msi" "$root/packaging/Blockery.wxs" GallerySkin.wxs
[ -s "$msi" ] || { echo "package.sh: wixl made no $msi" >&2; exit 1; }
# wixl writes every text in the default code page and leaves SERVERURL out of the secure
# properties, so the database is switched to Chinese (936) and those two are set afterwards.
printf '\r\n\r\n936\t_ForceCodepage\r\n' >_ForceCodepage.idt
msibuild "$msi" -i _ForceCodepage.idt \
  -q "UPDATE \`Shortcut\` SET \`Name\` = '墨匣图库' WHERE \`Shortcut\` = 'GalleryShortcut'" \
  -q "UPDATE \`Property\` SET \`Value\` = 'WIX_DOWNGRADE_DETECTED;WIX_UPGRADE_DETECTED;SERVERURL;CMDLINE_SERVERURL' WHERE \`Property\` = 'SecureCustomProperties'"

# The portable zip: one folder Blockery with a Blockery.ini naming the default update server.
mkdir -p zip/Blockery
cp -r files/. zip/Blockery/
printf '; Blockery: the update server the library is brought up to date from.\r\n[Server]\r\nBaseUrl=http://127.0.0.1:8480\r\n' \
  >zip/Blockery/Blockery.ini
archive=$out/Blockery-$version-x64.zip
rm -f "$archive"
(cd zip && zip -qr -X "$archive" Blockery)
echo "$msi"
echo "$archive"
