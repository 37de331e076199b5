# Sourced by the update benchmarks under Wine, with root and build set: checks the stand-in
# gallery was built, starts a private Wine environment and loads the update scenarios' helpers
# (server, stand-in, waits), all stopped when the benchmark ends.
[ -f "$build/update_driver/update_driver.exe" ] || { echo "no update_driver.exe in $build: build the Windows build"; exit 1; }
. "$root/scripts/wine-env.sh"
wine_env_start "$build/bench-wine" 2>/dev/null
export BLOCKERY_BUILD=$build BLOCKERY_SOURCE=$root
. "$root/tests/wine/update_scenario.sh"
trap 'finish; wine_env_stop' EXIT
