# Sourced by the scripts: a Wine prefix of the project's own under build/,
# the Japanese locale, and an X display (our own Xvfb when there is none).
# Call numora_wine_up first and numora_wine_down on the way out.

NUMORA_ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
export WINEPREFIX="${NUMORA_WINEPREFIX:-$NUMORA_ROOT/build/wineprefix}"
export WINEDEBUG=-all
# No debugger on a crash: a crashed test fails at once instead of waiting on winedbg.
export WINEDLLOVERRIDES="mscoree,mshtml=;winedbg.exe=d"
export LANG=ja_JP.UTF-8
# (bash warns when its own shell cannot switch; the programs it starts can.)
{ export LC_ALL=ja_JP.UTF-8; } 2>/dev/null
unset LANGUAGE

numora_xvfb_pid=""

numora_start_xvfb() {
  local display tries
  for display in $(seq 90 140); do
    [ -e "/tmp/.X${display}-lock" ] && continue
    # A display that is taken elsewhere (another /tmp, the same abstract socket)
    # makes Xvfb exit at once: then try the next number.
    Xvfb ":${display}" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
    numora_xvfb_pid=$!
    for tries in $(seq 1 50); do
      if [ -e "/tmp/.X11-unix/X${display}" ]; then
        export DISPLAY=":${display}"
        return 0
      fi
      kill -0 "$numora_xvfb_pid" 2>/dev/null || break
      sleep 0.1
    done
    kill "$numora_xvfb_pid" 2>/dev/null || true
    wait "$numora_xvfb_pid" 2>/dev/null || true
    numora_xvfb_pid=""
  done
  echo "wine-env: no display number free for Xvfb" >&2
  return 1
}

numora_wine_up() {
  if [ -z "${DISPLAY:-}" ] || [ "${NUMORA_OWN_XVFB:-0}" = 1 ]; then
    numora_start_xvfb
  fi
  if [ ! -f "$WINEPREFIX/system.reg" ]; then
    echo "wine-env: creating the Wine prefix $WINEPREFIX"
    mkdir -p "$WINEPREFIX"
    wineboot -i >/dev/null 2>&1
    # Every program of this prefix runs inside one virtual desktop, which draws
    # title bars and menus the way a user sees them.
    wine reg add 'HKCU\Software\Wine\Explorer' /v Desktop /d Default /f >/dev/null 2>&1
    wine reg add 'HKCU\Software\Wine\Explorer\Desktops' /v Default /d 1024x768 /f >/dev/null 2>&1
    wineserver -w
  fi
  # A drive whose folder is missing: listed, but it cannot be opened (not ready).
  ln -sfn /nonexistent/numora-missing-drive "$WINEPREFIX/dosdevices/r:"
  # Keep one wineserver for the whole session instead of one per program.
  wineserver -p 60
  # Start Wine's own services and the desktop now, away from the test runner:
  # started by the first test, they would inherit its output pipe and the
  # runner would wait on them until its timeout.
  wine cmd /c exit >/dev/null 2>&1
}

numora_wine_down() {
  wineserver -k >/dev/null 2>&1 || true
  if [ -n "$numora_xvfb_pid" ]; then
    kill "$numora_xvfb_pid" 2>/dev/null || true
    wait "$numora_xvfb_pid" 2>/dev/null || true
    numora_xvfb_pid=""
  fi
}
