#!/usr/bin/env bash
# The Windows packages as an administrator uses them (scripts/package.sh has built dist/): a silent
# per-machine install with SERVERURL puts the program files, the Start menu shortcut 墨匣图库, the
# Programs and Features entry, the server address and the install folder (for Blockery.lsp) in place; the gallery started from the
# shortcut's target shows the sample library and asks the installed address for its index; the zip
# holds the same files and a Blockery.ini; a damaged package is refused and changes nothing; a later
# version installed over it without SERVERURL keeps the address, and one given SERVERURL takes the
# new one; the uninstall leaves no program file, shortcut, entry or address behind and the documents
# folder byte for byte as it was.
. "$(dirname "$0")/lib/gallery.sh"
scenario_begin
install_sample_library
# Shortcuts would otherwise also be copied into the Linux desktop's menus.
export WINEDLLOVERRIDES="$WINEDLLOVERRIDES;winemenubuilder.exe=d"

version=$(cat "$BLOCKERY_BUILD/version.txt")
msi=$BLOCKERY_SOURCE/dist/Blockery-$version-x64.msi
zip=$BLOCKERY_SOURCE/dist/Blockery-$version-x64.zip
staged=$BLOCKERY_BUILD/package/$version/files
[ -f "$msi" ] && [ -f "$zip" ] || fail "no packages in dist/: run bash scripts/package.sh"
[ "$msi" -nt "$BLOCKERY_BUILD/program/Blockery.exe" ] || fail "dist/ is older than the build: run bash scripts/package.sh"
PROGRAM_FILES=$WINEPREFIX/drive_c/Program\ Files/Blockery
UNINSTALL='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall'
SETTINGS='HKLM\Software\Blockery'
INSTALLED_CODES=()
server_pid=

package_end() {
  local code pid
  for pid in "${STARTED_PIDS[@]}"; do kill "$pid" 2>/dev/null && wait "$pid" 2>/dev/null; done
  for code in "${INSTALLED_CODES[@]}"; do
    [ "$(installed_version "$code")" ] && wine msiexec /x "$code" /qn >/dev/null 2>&1
  done
  [ -n "$server_pid" ] && kill "$server_pid" 2>/dev/null && wait "$server_pid" 2>/dev/null
  scenario_end
}
trap package_end EXIT

reg_value() {  # KEY NAME: the value's data, nothing when the key or value is absent
  wine reg query "$1" /v "$2" 2>/dev/null | tr -d '\r' | sed -nE "s/^ *$2 +REG_[A-Z_]+ *(.*)$/\1/p"
}
product_code() { msiinfo export "$1" Property | tr -d '\r' | sed -nE 's/^ProductCode\t(.*)$/\1/p'; }
installed_version() { reg_value "$UNINSTALL\\$1" DisplayVersion; }
blockery_entries() { wine reg query "$UNINSTALL" /s 2>/dev/null | tr -d '\r' | grep -cE '^ *DisplayName +REG_SZ +Blockery$'; }
# Wine resolves the per-machine ProgramMenuFolder to the user's Start menu, Windows to ProgramData's.
shortcuts() { find "$WINEPREFIX/drive_c/ProgramData" "$WINEPREFIX/drive_c/users" -path '*/Start Menu/Programs/墨匣图库.lnk'; }
install() {  # PACKAGE [PROPERTY=VALUE]: msiexec's exit status
  wine msiexec /i "$(winepath -w "$1")" /qn "${@:2}" >/dev/null 2>&1
}
# Everything an install owns: program files with their contents, entries, shortcut, address.
installed_state() {
  [ -d "$PROGRAM_FILES" ] && (cd "$PROGRAM_FILES" && find . -type f -print0 | LC_ALL=C sort -z | xargs -0 sha256sum)
  wine reg query "$UNINSTALL" /s 2>/dev/null | tr -d '\r' | grep -E '^HKEY|DisplayName|DisplayVersion'
  shortcuts
  echo "address=$(reg_value "$SETTINGS" ServerUrl) folder=$(reg_value "$SETTINGS" InstallDir)"
}
asked_for() {  # PATH: the test server has served it
  python3 -c 'import sys, urllib.request; sys.stdout.write(urllib.request.urlopen(sys.argv[1]).read().decode())' \
    "$address/__requests" | grep -q "^$1"$'\t'
}
documents_state() {
  (cd "$WORK/Documents" && find . -type d | LC_ALL=C sort && find . -type f -print0 | LC_ALL=C sort -z | xargs -0 sha256sum)
}

# The update server the install names: the sample library as blockery-publish serves it.
python3 "$BLOCKERY_SOURCE/tools/samplelib/publish_sample.py" publish \
  "$BLOCKERY_BUILD/tools/publish/blockery-publish.exe" "$WORK/server" || fail "publishing the sample library"
python3 "$BLOCKERY_SOURCE/tests/server/blockery_test_server.py" --root "$WORK/server" --port 0 --lifetime 600 \
  >"$WORK/server.port" 2>/dev/null &
server_pid=$!
wait_for_line "$WORK/server.port" '^[0-9]+$' || fail "the test server did not start"
address=http://127.0.0.1:$(head -1 "$WORK/server.port")

note "silent install of $version with SERVERURL"
[ "$(blockery_entries)" = 0 ] || fail "Blockery is installed before the scenario"
code=$(product_code "$msi")
INSTALLED_CODES+=("$code")
install "$msi" SERVERURL="$address" || fail "msiexec /i $msi failed ($?)"
diff -r "$staged" "$PROGRAM_FILES" >/dev/null || fail "Program Files\\Blockery differs from the package's files: $(diff -rq "$staged" "$PROGRAM_FILES")"
expect_eq "$(reg_value "$SETTINGS" ServerUrl)" "$address" "installed server address"
expect_eq "$(reg_value "$SETTINGS" InstallDir)" 'C:\Program Files\Blockery\' "install folder for Blockery.lsp"
expect_eq "$(installed_version "$code")" "$version" "Programs and Features version"
expect_eq "$(reg_value "$UNINSTALL\\$code" Publisher)" Blockery "Programs and Features publisher"
packed=$(python3 -c 'import sys; g = sys.argv[1].strip("{}").split("-"); r = lambda s: s[::-1]
print(r(g[0]) + r(g[1]) + r(g[2]) + "".join(r(g[3][i:i + 2]) for i in (0, 2)) + "".join(r(g[4][i:i + 2]) for i in range(0, 12, 2)))' "$code")
icon=$(reg_value "HKLM\\Software\\Classes\\Installer\\Products\\$packed" ProductIcon)
[ -n "$icon" ] && [ -s "$(winepath -u "$icon")" ] || fail "no Programs and Features icon ('$icon')"
expect_eq "$(shortcuts | wc -l)" 1 "Start menu shortcuts"
target=$(strings -n 8 "$(shortcuts)" | grep -m1 -iE '^[A-Z]:\\.*\.exe$')
expect_eq "$target" 'C:\Program Files\Blockery\Blockery.exe' "the shortcut's target"

note "the zip holds the same files and a Blockery.ini"
python3 -m zipfile -e "$zip" "$WORK/zip" || fail "the zip could not be read"
diff -r -x Blockery.ini "$staged" "$WORK/zip/Blockery" >/dev/null || fail "the zip's files differ from the package's"
grep -q '^BaseUrl=http' "$WORK/zip/Blockery/Blockery.ini" || fail "the zip's Blockery.ini names no server"

note "the gallery from the shortcut"
start_background shortcut wine "$target"
GALLERY_PID=$LAST_PID
open_gallery "$STANDALONE_TITLE"
wait_until list_has_items || fail "the installed gallery shows no blocks: $(probe list "$GALLERY")"
wait_until asked_for /InkCasket/InkCasket.xml ||
  fail "the gallery did not ask the installed address for its index"
probe close "$GALLERY" >/dev/null
wait_for_exit "$GALLERY_PID" || fail "the installed gallery did not end on the close request"

note "a damaged package is refused"
before=$(installed_state)
head -c $(($(stat -c %s "$msi") / 2)) "$msi" >"$WORK/damaged.msi"
install "$WORK/damaged.msi" SERVERURL=http://127.0.0.1:1 && fail "msiexec installed a damaged package"
expect_eq "$(installed_state)" "$before" "state after the damaged package"

note "a later version without SERVERURL keeps the address"
IFS=. read -r major minor patch <<<"$version"
next=$major.$minor.$((patch + 1))
bash "$BLOCKERY_SOURCE/scripts/package.sh" --build "$BLOCKERY_BUILD" --out "$WORK/next" --version "$next" >/dev/null ||
  fail "package.sh --version $next"
next_code=$(product_code "$WORK/next/Blockery-$next-x64.msi")
INSTALLED_CODES+=("$next_code")
install "$WORK/next/Blockery-$next-x64.msi" || fail "msiexec /i of $next over $version failed ($?)"
expect_eq "$(installed_version "$next_code")" "$next" "version after the upgrade"
expect_eq "$(installed_version "$code")" "" "the earlier version's entry after the upgrade"
expect_eq "$(blockery_entries)" 1 "Programs and Features entries"
expect_eq "$(reg_value "$SETTINGS" ServerUrl)" "$address" "server address after an upgrade without SERVERURL"
diff -r "$BLOCKERY_BUILD/package/$next/files" "$PROGRAM_FILES" >/dev/null || fail "program files after the upgrade"
expect_eq "$(shortcuts | wc -l)" 1 "Start menu shortcuts after the upgrade"

note "a later version given SERVERURL takes the new address"
last=$major.$minor.$((patch + 2))
bash "$BLOCKERY_SOURCE/scripts/package.sh" --build "$BLOCKERY_BUILD" --out "$WORK/next" --version "$last" >/dev/null ||
  fail "package.sh --version $last"
last_msi=$WORK/next/Blockery-$last-x64.msi
INSTALLED_CODES+=("$(product_code "$last_msi")")
install "$last_msi" SERVERURL=http://library.example.com || fail "msiexec /i of $last failed ($?)"
expect_eq "$(reg_value "$SETTINGS" ServerUrl)" http://library.example.com "server address given to an upgrade"

note "uninstall"
documents=$(documents_state)
wine msiexec /x "$(winepath -w "$last_msi")" /qn >/dev/null 2>&1 || fail "msiexec /x failed ($?)"
[ -e "$PROGRAM_FILES" ] && fail "the uninstall left $(cd "$PROGRAM_FILES" && find . | tr '\n' ' ')"
expect_eq "$(shortcuts)" "" "shortcuts after the uninstall"
expect_eq "$(blockery_entries)" 0 "Programs and Features entries after the uninstall"
expect_eq "$(reg_value "$SETTINGS" ServerUrl)" "" "server address after the uninstall"
expect_eq "$(reg_value "$SETTINGS" InstallDir)" "" "install folder after the uninstall"
expect_eq "$(documents_state)" "$documents" "the documents folder after the uninstall"
echo "PASS"
