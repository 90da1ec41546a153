# Sourced by the scripts. Decides which Wine runs the Windows builds, and gives
# that Wine a prefix of the project's own under build/, the Japanese locale and
# an X display (our own Xvfb when there is none).
#
# After sourcing:
#   NUMORA_WINE_BITS       32 or 64
#   NUMORA_WINDOWS_PRESET  the CMake preset whose programs this Wine runs
#   NUMORA_WINE_WAY        which build runs under which Wine, for the scripts' messages
# Set the trap `numora_wine_down` on EXIT first, then call numora_wine_up.
#
# The 32-bit Wine runs the shipped i686 build wherever an i386 program can run.
# Some kernels cannot execute 32-bit code at all (IA-32 emulation off); there the
# x86_64 build runs under the 64-bit loader. NUMORA_WINE=64 forces that way.

NUMORA_ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)

numora_fail() {  # what failed, then what to do
    echo "error: $1" >&2
    [ -n "${2:-}" ] && echo "  what to do: $2" >&2
    exit 1
}

numora_can_run_wine32() {
    [ -x /usr/lib/wine/wine ] && /usr/lib/wine/wine --version >/dev/null 2>&1
}

if [ "${NUMORA_WINE:-}" != 64 ] && numora_can_run_wine32; then
    NUMORA_WINE_BITS=32
    NUMORA_WINDOWS_PRESET=windows
    NUMORA_WINE_WAY="the i686 build under the 32-bit Wine"
    export WINEPREFIX="$NUMORA_ROOT/build/wineprefix"
    export WINEARCH=win32
else
    if [ "${NUMORA_WINE:-}" = 64 ]; then
        echo "NUMORA_WINE=64: using the x86_64 build under wine64"
    else
        echo "this machine cannot run 32-bit programs: using the x86_64 build under wine64"
    fi
    [ -x /usr/lib/wine/wine64 ] ||
        numora_fail "the 64-bit Wine (/usr/lib/wine/wine64) is not installed" "run scripts/setup"
    NUMORA_WINE_BITS=64
    NUMORA_WINDOWS_PRESET=windows64
    NUMORA_WINE_WAY="the x86_64 build under wine64"
    export WINEPREFIX="$NUMORA_ROOT/build/wineprefix64"
    export WINEARCH=win64
    # Debian's own launchers pick the 32-bit loader whenever wine32 is installed;
    # these take wine, wineboot, winepath and wineserver to the 64-bit one.
    export PATH="$NUMORA_ROOT/scripts/lib/wine64:$PATH"
fi
export NUMORA_WINE_BITS NUMORA_WINDOWS_PRESET NUMORA_WINE_WAY

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
    command -v Xvfb >/dev/null || numora_fail "Xvfb is not installed" "run scripts/setup"
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
    numora_fail "Xvfb could not start on any display from :90 to :140" \
        "end stale Xvfb servers (pkill Xvfb) or remove stale /tmp/.X*-lock files, then try again"
}

numora_make_prefix() {
    echo "wine-env: creating the Wine prefix $WINEPREFIX (once; about half a minute)"
    rm -rf "$WINEPREFIX"
    mkdir -p "$WINEPREFIX"
    wineboot -i >/dev/null 2>&1 && wineserver -w ||
        numora_fail "Wine could not create its prefix $WINEPREFIX" \
            "see that '$(command -v wine) --version' works, then run the script again"
    # Every program of this prefix runs inside one virtual desktop, which draws
    # title bars and menus the way a user sees them.
    wine reg add 'HKCU\Software\Wine\Explorer' /v Desktop /d Default /f >/dev/null 2>&1 &&
        wine reg add 'HKCU\Software\Wine\Explorer\Desktops' /v Default /d 1024x768 /f \
            >/dev/null 2>&1 ||
        numora_fail "Wine could not set up the virtual desktop in $WINEPREFIX" \
            "remove $WINEPREFIX and run the script again"
    wineserver -w
    touch "$WINEPREFIX/.numora-ready"
}

numora_wine_up() {
    if [ -z "${DISPLAY:-}" ] || [ "${NUMORA_OWN_XVFB:-0}" = 1 ]; then
        numora_start_xvfb
    fi
    [ -f "$WINEPREFIX/.numora-ready" ] || numora_make_prefix
    # This Wine does not find its own Marlett, and without it the caption
    # buttons are drawn as the letters "r", "0" and "1".
    local fonts="$WINEPREFIX/drive_c/windows/Fonts"
    if [ ! -f "$fonts/marlett.ttf" ] && [ -f /usr/share/wine/fonts/marlett.ttf ]; then
        mkdir -p "$fonts" && cp /usr/share/wine/fonts/marlett.ttf "$fonts/"
    fi
    # A drive whose folder is missing: listed, but it cannot be opened (not ready).
    ln -sfn /nonexistent/numora-missing-drive "$WINEPREFIX/dosdevices/r:"
    # Keep one wineserver for the whole session instead of one per program.
    wineserver -p 60 ||
        numora_fail "the wineserver of $WINEPREFIX could not start" "run scripts/setup"
    # Start Wine's own services and the desktop now, away from the test runner:
    # started by the first test, they would inherit its output pipe and the
    # runner would wait on them until its timeout.
    wine cmd /c exit >/dev/null 2>&1 ||
        numora_fail "Wine cannot start a program in $WINEPREFIX" \
            "remove $WINEPREFIX so that it is made afresh, and run the script again"
}

numora_wine_down() {
    wineserver -k >/dev/null 2>&1 || true
    if [ -n "$numora_xvfb_pid" ]; then
        kill "$numora_xvfb_pid" 2>/dev/null || true
        wait "$numora_xvfb_pid" 2>/dev/null || true
        numora_xvfb_pid=""
    fi
}
