#!/usr/bin/env bash
# Builds both builds and runs every test: native (plain, address+undefined, thread sanitizers),
# short fuzzing runs, and the Windows programs and scenarios under Wine. Ends with one summary line.
set -uo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
bash scripts/install-deps.sh || exit 1

jobs=$(nproc)
passed=0 failed=0
report=()

# run_ctest LABEL BUILD_DIR [ctest args]: runs ctest and adds its counts to the totals.
run_ctest() {
  local label=$1 dir=$2; shift 2
  local log="$root/build/logs/$label.log"
  (cd "$dir" && ctest --output-on-failure --timeout 300 "$@") >"$log" 2>&1
  local line total bad
  line=$(grep -E '[0-9]+% tests passed, [0-9]+ tests? failed out of [0-9]+' "$log" | tail -1)
  if [ -z "$line" ]; then
    if grep -q "No tests were found" "$log"; then report+=("$label: no tests"); return; fi
    failed=$((failed + 1)); report+=("$label: ctest did not finish (see $log)"); tail -20 "$log"; return
  fi
  total=$(sed -E 's/.* out of ([0-9]+).*/\1/' <<<"$line")
  bad=$(sed -E 's/.* ([0-9]+) tests? failed.*/\1/' <<<"$line")
  passed=$((passed + total - bad)); failed=$((failed + bad))
  report+=("$label: $((total - bad)) passed, $bad failed")
  [ "$bad" -gt 0 ] && sed -n '/The following tests FAILED/,$p' "$log"
}

# run_gtest LABEL PROGRAM: runs one test program directly and adds its counts to the totals.
run_gtest() {
  local label=$1 program=$2 log="$root/build/logs/$1.log" ok bad
  TSAN_OPTIONS="halt_on_error=1" "$program" >"$log" 2>&1
  local rc=$?
  ok=$(sed -nE 's/^\[  PASSED  \] ([0-9]+) tests?.*/\1/p' "$log" | tail -1)
  bad=$(sed -nE 's/^\[  FAILED  \] ([0-9]+) tests?, listed below.*/\1/p' "$log" | tail -1)
  ok=${ok:-0}; bad=${bad:-0}
  [ "$rc" -ne 0 ] && [ "$bad" -eq 0 ] && bad=1
  passed=$((passed + ok)); failed=$((failed + bad))
  report+=("$label: $ok passed, $bad failed")
  [ "$bad" -gt 0 ] && tail -40 "$log"
}

# build LABEL DIR [cmake args]: configures and builds (only $TARGETS when set); a failed build
# counts as one failure.
build() {
  local label=$1 dir=$2; shift 2
  local log="$root/build/logs/build-$label.log" targets=()
  for t in ${TARGETS:-}; do targets+=(--target "$t"); done
  if cmake -S "$root" -B "$dir" -G Ninja "$@" >"$log" 2>&1 && cmake --build "$dir" -j"$jobs" "${targets[@]}" >>"$log" 2>&1; then
    return 0
  fi
  failed=$((failed + 1)); report+=("$label: build failed (see $log)"); grep -E 'error|Error' "$log" | head -30
  return 1
}

mkdir -p build/logs
# stage TITLE: announces the next stage with the minutes spent so far.
stage() { printf '== %s (at %d:%02d)\n' "$1" $((SECONDS / 60)) $((SECONDS % 60)); }

stage "native build and tests"
build native build/native -DCMAKE_BUILD_TYPE=RelWithDebInfo && run_ctest native build/native

stage "native tests under address and undefined-behaviour sanitizers"
# Only the unit tests, the inspector and the publish tool (whose checks run here too): the benchmarks
# and the other tools gain nothing from a second, slower build.
sanitized="blockery-inspect blockery-publish publish_tests"
for dir in tests/*/; do
  sub=$(basename "$dir")
  [ -d "src/$sub" ] && ls "$dir"*.cpp 2>/dev/null | grep -qv '_win\.cpp$' && sanitized+=" ${sub}_tests"
done
TARGETS=$sanitized build asan build/asan -DCMAKE_BUILD_TYPE=Debug -DBLOCKERY_SANITIZE=address &&
  run_ctest asan build/asan

stage "threaded code under the thread sanitizer"
threaded=(thumbs_tests update_tests tools/publish/publish_tests)
if TARGETS="${threaded[*]##*/}" build tsan build/tsan -DCMAKE_BUILD_TYPE=Debug -DBLOCKERY_SANITIZE=thread; then
  for t in "${threaded[@]}"; do run_gtest "tsan-${t##*/}" "build/tsan/$t"; done
fi

stage "short fuzzing runs"
fuzz_targets=$(for f in fuzz/*.cpp; do echo "fuzz_$(basename "$f" .cpp)"; done)
if CC=clang CXX=clang++ TARGETS="$fuzz_targets" build fuzz build/fuzz -DCMAKE_BUILD_TYPE=RelWithDebInfo -DBLOCKERY_FUZZ=ON -DBLOCKERY_BENCH=OFF; then
  for target in build/fuzz/fuzz/fuzz_*; do
    [ -x "$target" ] || continue
    name=$(basename "$target")
    mkdir -p "build/fuzz/corpus/$name"
    seeds="fuzz/seeds/${name#fuzz_}"; [ -d "$seeds" ] || seeds=
    if "$target" -max_total_time=15 -timeout=10 -rss_limit_mb=2048 "build/fuzz/corpus/$name" $seeds >"build/logs/$name.log" 2>&1; then
      passed=$((passed + 1)); report+=("$name: 15 s, no crash")
    else
      failed=$((failed + 1)); report+=("$name: crashed (see build/logs/$name.log)"); tail -30 "build/logs/$name.log"
    fi
  done
fi

stage "Windows build and tests under Wine"
if build windows build/win -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-w64-x86_64.cmake" -DCMAKE_BUILD_TYPE=Release; then
  # The packages the package scenario installs (dist/Blockery-<version>-x64.msi and .zip).
  if bash scripts/package.sh --build build/win >build/logs/package.log 2>&1; then
    passed=$((passed + 1)); report+=("packages: built in dist/")
  else
    failed=$((failed + 1)); report+=("packages: failed (see build/logs/package.log)"); tail -20 build/logs/package.log
  fi
  . scripts/wine-env.sh
  wine_env_start build/wine-state 2>/dev/null
  trap wine_env_stop EXIT
  run_ctest windows build/win
  wine_env_stop
  trap - EXIT
fi

echo
stage "done"
printf '%s\n' "${report[@]}"
echo "$passed passed, $failed failed"
[ "$failed" -eq 0 ]
