#!/usr/bin/env bash
# Tetherling.exe under Wine: register, switch off, copy, and the argument counts that choose
# between them, read back from the registry with `wine reg query` (output in the OEM code page, GBK).
set -uo pipefail
: "${WINEPREFIX:?}" "${DISPLAY:?}" "${BLOCKERY_BUILD:?}"
built="$BLOCKERY_BUILD/Tetherling.exe"
[ -f "$built" ] || { echo "missing $built"; exit 1; }

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }
windows_path() { winepath -w "$1" | tr -d '\r'; }

file_exts='HKCU\Software\Microsoft\Windows\CurrentVersion\Explorer\FileExts'

# A folder with blanks and Chinese, like an install below Program Files.
folder="$work/Program Files/地形 工具"
mkdir -p "$folder"
cp "$built" "$folder/"
exe="$folder/Tetherling.exe"
win_folder=$(windows_path "$folder")

# tether EXE ARGS...: runs the program; its output (GBK, CRLF) becomes UTF-8 lines in $out, with
# the program's own path on line 2 replaced by <program>.
tether() {
  local program=$1; shift
  out=$(wine "$program" "$@" </dev/null 2>/dev/null | tr -d '\r' | iconv -f GBK -t UTF-8)
  local rc=${PIPESTATUS[0]}
  [ "$rc" -eq 0 ] || fail "exit code $rc for arguments: $*"
  out=$(sed '2s/.*\\Tetherling\.exe$/<program>/' <<<"$out")
}

expect_output() {
  local expected
  expected=$(printf '%s\n' "$@")
  [ "$out" = "$expected" ] || fail "output was [$out], expected [$expected]"
}

# classes: "KEY = DEFAULT" for every key at and below HKCR\.dwg and HKCR\dwgFile, sorted.
classes() {
  local key
  for key in 'HKCR\.dwg' 'HKCR\dwgFile'; do wine reg query "$key" /s 2>/dev/null; done |
    tr -d '\r' | iconv -f GBK -t UTF-8 | awk '
      /^HKEY_CLASSES_ROOT\\/ { if (key != "") print key " = " value; key = substr($0, 19); value = ""; next }
      /REG_SZ/ { sub(/^ *\([^)]*\) *REG_SZ */, ""); value = $0 }
      END { if (key != "") print key " = " value }' | LC_ALL=C sort
}

# expect_classes FOLDER COMMAND: the five values written from FOLDER, the open command as given.
expect_classes() {
  local expected actual
  expected=$(printf '%s\n' '.dwg = dwgFile' 'dwgFile = DWG图纸' "dwgFile\\DefaultIcon = $1\\dwg.ico" \
    'dwgFile\Shell = Open' 'dwgFile\Shell\Open = ' "dwgFile\\Shell\\Open\\Command = $2" | LC_ALL=C sort)
  actual=$(classes)
  [ "$actual" = "$expected" ] || fail "classes were [$actual], expected [$expected]"
}

expect_no_classes() {
  local actual
  actual=$(classes)
  [ -z "$actual" ] || fail "$1 left [$actual]"
}

forget_classes() {
  wine reg delete 'HKCR\dwgFile' /f >/dev/null 2>&1
  wine reg delete 'HKCR\.dwg' /f >/dev/null 2>&1
}

printf '%s\r\n' REGEDIT4 '' "[${file_exts/HKCU/HKEY_CURRENT_USER}\\.dwg\\UserChoice]" '"Progid"="Other.Drawing"' '' \
  "[${file_exts/HKCU/HKEY_CURRENT_USER}\\.dwg\\OpenWithProgids]" '"Other.Drawing"=""' '' \
  "[${file_exts/HKCU/HKEY_CURRENT_USER}\\.dwg\\OpenWithList]" '"a"="other.exe"' >"$work/choice.reg"
give_user_choice() { wine reg import "$(windows_path "$work/choice.reg")" >/dev/null 2>&1; }

expect_user_choice_cleared() {
  wine reg query "$file_exts\\.dwg" >/dev/null 2>&1 && fail "per-user choices for .dwg were not deleted ($1)"
  wine reg query "$file_exts" >/dev/null 2>&1 || fail "the FileExts parent was deleted ($1)"
}

registered_command="\"$win_folder\\Terrafold.exe\" \"%1\""
forget_classes

echo "== one argument before any registration: nothing is created, per-user choices go"
give_user_choice
tether "$exe" 关闭
expect_output 2 '<program>' 关闭
expect_no_classes "switching off an absent association"
expect_user_choice_cleared "unregister"

echo "== no arguments: the five values, with the quoted program path"
give_user_choice
tether "$exe"
expect_output 1 '<program>'
expect_classes "$win_folder" "$registered_command"
expect_user_choice_cleared "register"

echo "== three arguments: a copy over an existing destination, the registry untouched"
give_user_choice
printf '新图块' >"$work/源.dwg"
printf 'old and longer' >"$work/目标.dwg"
source_win=$(windows_path "$work/源.dwg")
target_win=$(windows_path "$work/目标.dwg")
tether "$exe" 任意 "$source_win" "$target_win"
expect_output 4 '<program>' 任意 "$source_win" "$target_win" 'COPY结果: 1'
[ "$(cat "$work/目标.dwg")" = '新图块' ] || fail "destination not overwritten: $(cat "$work/目标.dwg")"
expect_classes "$win_folder" "$registered_command"
wine reg query "$file_exts\\.dwg\\UserChoice" >/dev/null 2>&1 || fail "copy mode deleted the per-user choice"

echo "== three arguments with a missing source: result 0, destination kept"
missing_win="${source_win%\\*}\\没有.dwg"
tether "$exe" x "$missing_win" "$target_win"
expect_output 4 '<program>' x "$missing_win" "$target_win" 'COPY结果: 0'
[ "$(cat "$work/目标.dwg")" = '新图块' ] || fail "a failed copy changed the destination"

echo "== one argument after registration: only the command becomes 0"
tether "$exe" '%s %n'
expect_output 2 '<program>' '%s %n'
expect_classes "$win_folder" 0
expect_user_choice_cleared "unregister after register"

echo "== two and four arguments also switch the command off"
for args in "a b" "a b c d"; do
  tether "$exe"
  expect_classes "$win_folder" "$registered_command"
  read -ra words <<<"$args"
  tether "$exe" "${words[@]}"
  expect_output $((${#words[@]} + 1)) '<program>' "${words[@]}"
  expect_classes "$win_folder" 0
done

echo "== a program folder too long for the 260-byte command"
# The command is the folder with its backslash plus 20 bytes, and 259 fit beside the NUL: a
# folder of 238 characters before its backslash still fits, one of 239 writes nothing.
base="$work/deep"
mkdir -p "$base"
base_length=$(windows_path "$base" | wc -c)   # the newline stands for the backslash
for length in 238 239; do
  deep="$base/$(printf 'd%.0s' $(seq 1 $((length - base_length))))"
  mkdir -p "$deep"
  cp "$built" "$deep/"
  deep_win=$(windows_path "$deep")
  [ ${#deep_win} -eq "$length" ] || fail "test folder is ${#deep_win} long, wanted $length"
  forget_classes
  tether "$deep/Tetherling.exe"
  if [ "$length" -eq 238 ]; then
    expect_classes "$deep_win" "\"$deep_win\\Terrafold.exe\" \"%1\""
  else
    expect_no_classes "an over-long program folder"
  fi
done

[ "$failures" -eq 0 ] && echo "tetherling: all checks passed"
[ "$failures" -eq 0 ]
