# Sourced by the test and run commands: one Xvfb (unless a display is given), a fresh Wine prefix
# in a Chinese locale with the crash dialog off and unmanaged windows, and a primed wineserver.
#   wine_env_start STATE_DIR [use-display]   sets WINEPREFIX, DISPLAY, LOCPATH, LC_ALL ...
#   wine_env_stop                             ends only what wine_env_start started

wine_env_start() {
  local state=$1 use_display=${2:-}
  mkdir -p "$state"
  state=$(cd "$state" && pwd)
  export WINEARCH=win64 WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
  export WINEPREFIX="$state/prefix"
  rm -rf "$WINEPREFIX"

  # Chinese Windows behaviour (ANSI and OEM code page 936, CJK fonts) without touching the system.
  if [ ! -d "$state/locale/zh_CN.UTF-8" ]; then
    mkdir -p "$state/locale"
    localedef -i zh_CN -f UTF-8 "$state/locale/zh_CN.UTF-8" 2>/dev/null || true
  fi
  export LOCPATH="$state/locale" LC_ALL=zh_CN.UTF-8 LANG=zh_CN.UTF-8

  WINE_ENV_XVFB_PID=
  if [ -z "$use_display" ] || [ -z "${DISPLAY:-}" ]; then
    local n
    for n in $(seq 91 140); do
      [ -e "/tmp/.X11-unix/X$n" ] || [ -e "/tmp/.X$n-lock" ] && continue
      Xvfb ":$n" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
      WINE_ENV_XVFB_PID=$!
      export DISPLAY=":$n"
      local i
      for i in $(seq 1 50); do [ -e "/tmp/.X11-unix/X$n" ] && break; sleep 0.1; done
      kill -0 "$WINE_ENV_XVFB_PID" 2>/dev/null && break
      WINE_ENV_XVFB_PID=
    done
  fi

  local try
  for try in 1 2 3; do
    wineboot -i </dev/null >/dev/null 2>&1 && break
    wineserver -k 2>/dev/null; sleep 1
  done
  wineserver -w
  wine reg add 'HKCU\Software\Wine\WineDbg' /v ShowCrashDialog /t REG_DWORD /d 0 /f >/dev/null 2>&1
  wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /t REG_SZ /d N /f >/dev/null 2>&1
  wine reg add 'HKCU\Software\Wine\Fonts\Replacements' /v '微软雅黑' /t REG_SZ /d 'WenQuanYi Micro Hei' /f >/dev/null 2>&1
  wine reg add 'HKCU\Software\Wine\Fonts\Replacements' /v 'Microsoft YaHei' /t REG_SZ /d 'WenQuanYi Micro Hei' /f >/dev/null 2>&1
  wineserver -w
  # A persistent server started outside the tests, so no test inherits its output pipe.
  wineserver -p </dev/null >/dev/null 2>&1
  wine cmd /c exit </dev/null >/dev/null 2>&1
  : "${WINEPREFIX:?}" "${DISPLAY:?}"
}

wine_env_stop() {
  [ -n "${WINEPREFIX:-}" ] && wineserver -k 2>/dev/null
  if [ -n "${WINE_ENV_XVFB_PID:-}" ]; then
    kill "$WINE_ENV_XVFB_PID" 2>/dev/null
    wait "$WINE_ENV_XVFB_PID" 2>/dev/null
  fi
  WINE_ENV_XVFB_PID=
}
