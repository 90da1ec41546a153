# Sourced by the scripts. Decides which Wine runs the Windows builds, and gives
# that Wine a prefix of the project's own under build/, the Japanese locale and
# an X display (our own Xvfb when there is none).
#
# After sourcing:
#   NUMORA_WINE_BITS       32 or 64
#   NUMORA_WINDOWS_PRESET  the CMake preset whose programs this Wine runs
#   NUMORA_WINE_WAY        which build runs under which Wine, for the scripts' messages
#   NUMORA_DESKTOP         the virtual desktop's size, WIDTHxHEIGHT
# Set the trap `numora_wine_down` on EXIT first, then call numora_wine_up.
#
# NUMORA_DPI=120, 144 or 192 draws everything at that DPI, in a prefix of its
# own (the tests expect the default 96).
#
# The 32-bit Wine runs the shipped i686 build wherever an i386 program can run.
# Some kernels cannot execute 32-bit code at all (IA-32 emulation off); there the
# x86_64 build runs under the 64-bit loader. NUMORA_WINE=64 forces that way.

source "$(dirname "${BASH_SOURCE[0]}")/common.sh"

# numora_find_wine BITS NAME...: the first Wine program of those names that is
# an executable ELF file of BITS (32 or 64), from where WINELOADER and the `wine64`
# and `wine` commands lead, or the lib/wine folder beside them. Debian's commands
# are scripts that start the loaders in /usr/lib/wine; other packages put them on
# PATH or next to their launchers.
numora_find_wine() {
    local bits=$1 start folder place name
    shift
    for start in ${WINELOADER:+"$WINELOADER"} $(command -v wine64 wine); do
        for folder in "$(dirname "$start")" "$(dirname "$(readlink -f "$start")")"; do
            for place in "$folder" "$folder/../lib/wine"; do
                for name in "$@"; do
                    if numora_is_elf "$bits" "$place/$name"; then
                        readlink -f "$place/$name"
                        return 0
                    fi
                done
            done
        done
    done
    return 1
}

numora_is_elf() {  # BITS FILE: FILE is an executable ELF file of BITS
    local class=01
    [ "$1" = 64 ] && class=02
    [ -f "$2" ] && [ -x "$2" ] &&
        [ "$(head -c 5 "$2" | od -An -tx1 | tr -d ' \n')" = "7f454c46$class" ]
}

numora_can_run_wine32() {
    local loader
    loader=$(numora_find_wine 32 wine) && "$loader" --version >/dev/null 2>&1
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
    # Debian's own launchers pick the 32-bit loader whenever wine32 is installed;
    # the commands in scripts/lib/wine64 (wine, wineboot, winepath, wineserver)
    # take these two instead.
    NUMORA_WINE64_LOADER=$(numora_find_wine 64 wine64 wine) &&
        NUMORA_WINE64_SERVER=$(numora_find_wine 64 wineserver64 wineserver) ||
        numora_fail "the 64-bit Wine (its loader wine64 and its wineserver) is not installed" \
            "run scripts/setup"
    export NUMORA_WINE64_LOADER NUMORA_WINE64_SERVER
    NUMORA_WINE_BITS=64
    NUMORA_WINDOWS_PRESET=windows64
    NUMORA_WINE_WAY="the x86_64 build under wine64"
    export WINEPREFIX="$NUMORA_ROOT/build/wineprefix64"
    export WINEARCH=win64
    export PATH="$NUMORA_ROOT/scripts/lib/wine64:$PATH"
fi
NUMORA_DPI=${NUMORA_DPI:-96}
case $NUMORA_DPI in
    96) ;;
    120 | 144 | 192) WINEPREFIX="$WINEPREFIX-dpi$NUMORA_DPI" ;;
    *) numora_fail "NUMORA_DPI=$NUMORA_DPI is not one of 96, 120, 144, 192" ;;
esac
# Room for the main window at 144 DPI (about 840 px high), which a test makes at
# that DPI in the default prefix: Wine cuts a window to the desktop's height.
NUMORA_DESKTOP="$((1280 * NUMORA_DPI / 96))x$((1024 * NUMORA_DPI / 96))"
export NUMORA_WINE_BITS NUMORA_WINDOWS_PRESET NUMORA_WINE_WAY NUMORA_DPI NUMORA_DESKTOP

export WINEDEBUG=-all
# No debugger on a crash: a crashed test fails at once instead of waiting on winedbg.
export WINEDLLOVERRIDES="mscoree,mshtml=;winedbg.exe=d"
export LANG=ja_JP.UTF-8
# (bash warns when its own shell cannot switch; the programs it starts can.)
{ export LC_ALL=ja_JP.UTF-8; } 2>/dev/null
unset LANGUAGE

numora_xvfb_pid=""

numora_start_xvfb() {
    local number_file tries
    command -v Xvfb >/dev/null || numora_fail "Xvfb is not installed" "run scripts/setup"
    number_file=$(mktemp)
    # Xvfb takes a free display itself and writes its number once it serves it.
    Xvfb -displayfd 3 -screen 0 "${NUMORA_DESKTOP}x24" -nolisten tcp 3>"$number_file" \
        >/dev/null 2>&1 &
    numora_xvfb_pid=$!
    for tries in $(seq 1 100); do
        if [ -s "$number_file" ]; then
            export DISPLAY=":$(head -n 1 "$number_file")"
            rm -f "$number_file"
            return 0
        fi
        kill -0 "$numora_xvfb_pid" 2>/dev/null || break
        sleep 0.1
    done
    rm -f "$number_file"
    numora_fail "Xvfb could not start a display" "run 'Xvfb -displayfd 1' by hand to see why"
}

# The prefix's settings, made once. Bump the number when they change, so that
# every prefix made before is made again.
numora_prefix_marker() { echo "$WINEPREFIX/.numora-ready-4"; }

numora_make_prefix() {
    echo "wine-env: creating the Wine prefix $WINEPREFIX (once; about half a minute)"
    rm -rf "$WINEPREFIX"
    mkdir -p "$WINEPREFIX"
    wineboot -i >/dev/null 2>&1 && wineserver -w ||
        numora_fail "Wine could not create its prefix $WINEPREFIX" \
            "see that '$(command -v wine) --version' works, then run the script again"
    local settings="$WINEPREFIX/numora-settings.reg"
    # - Every program of this prefix runs inside one virtual desktop, which draws
    #   title bars and menus the way a user sees them.
    # - The Japanese UI font. Left to itself Wine takes IPAGothic, whose thin "_"
    #   is hinted away to nothing at most small sizes (12 px among them), so
    #   DSC_0001.JPG would read as "DSC 0001.JPG"; and IPAPGothic joins the 1 px
    #   "." of ".JPG" to the J's hook at 12 px. VL Gothic draws every glyph
    #   apart at every size.
    cat >"$settings" <<REG
REGEDIT4

[HKEY_CURRENT_USER\\Software\\Wine\\Explorer]
"Desktop"="Default"

[HKEY_CURRENT_USER\\Software\\Wine\\Explorer\\Desktops]
"Default"="$NUMORA_DESKTOP"

[HKEY_CURRENT_USER\\Software\\Wine\\Fonts\\Replacements]
"MS UI Gothic"="VL Gothic"

[HKEY_CURRENT_USER\\Control Panel\\Desktop]
"LogPixels"=dword:$(printf '%08x' "$NUMORA_DPI")
REG
    wine regedit /S "$(winepath -w "$settings")" >/dev/null 2>&1 && wineserver -w ||
        numora_fail "Wine could not take the settings of $WINEPREFIX" \
            "remove $WINEPREFIX and run the script again"
    touch "$(numora_prefix_marker)"
}

numora_wine_up() {
    if [ -z "${DISPLAY:-}" ] || [ "${NUMORA_OWN_XVFB:-0}" = 1 ]; then
        numora_start_xvfb
    fi
    [ -f "$(numora_prefix_marker)" ] || numora_make_prefix
    # This Wine does not find its own Marlett, and without it the caption
    # buttons are drawn as the letters "r", "0" and "1".
    local fonts="$WINEPREFIX/drive_c/windows/Fonts"
    if [ ! -f "$fonts/marlett.ttf" ] && [ -f /usr/share/wine/fonts/marlett.ttf ]; then
        mkdir -p "$fonts" && cp /usr/share/wine/fonts/marlett.ttf "$fonts/"
    fi
    # A drive whose folder is missing: listed, but it cannot be opened (not ready).
    ln -sfn /nonexistent/numora-missing-drive "$WINEPREFIX/dosdevices/r:"
    # A drive with nothing on it (DefineDosDevice's drives cannot be opened under Wine).
    rm -rf "$WINEPREFIX/numora-empty-drive" && mkdir "$WINEPREFIX/numora-empty-drive"
    ln -sfn "$WINEPREFIX/numora-empty-drive" "$WINEPREFIX/dosdevices/e:"
    # A label for c:, read by the drive list's tests. Wine keeps a folder drive's
    # label in this file and reads it once, before the first program starts.
    echo NUMORA-C >"$WINEPREFIX/drive_c/.windows-label"
    # Keep one wineserver for the whole session instead of one per program, and
    # start Wine's own services and the desktop now, away from the test runner:
    # started by the first test, they would inherit its output pipe and the
    # runner would wait on them until its timeout. That first program reads the
    # prefix's DPI. A test that changes it for a while may have died before it
    # put it back: then it is set back, and Wine started again at the right one.
    local dpi attempt
    for attempt in 1 2; do
        wineserver -p 60 ||
            numora_fail "the wineserver of $WINEPREFIX could not start" "run scripts/setup"
        dpi=$(wine reg query 'HKCU\Control Panel\Desktop' /v LogPixels 2>/dev/null |
            tr -d '\r' | awk '$1 == "LogPixels" && $3 ~ /^0x[0-9a-f]+$/ { print $3 }') || true
        [ "$((${dpi:-0}))" = "$NUMORA_DPI" ] && return 0
        [ "$attempt" = 1 ] &&
            wine reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD \
                /d "$NUMORA_DPI" /f >/dev/null 2>&1 ||
            numora_fail "Wine cannot start a program in $WINEPREFIX, or keep its DPI" \
                "remove $WINEPREFIX so that it is made afresh, and run the script again"
        echo "wine-env: the prefix's DPI was ${dpi:-unset}: set back to $NUMORA_DPI"
        wineserver -k  # which saves the registry
        wineserver -w
    done
}

# wine, without a line that Wine prints of its own and that reads like a fault of
# the program: the drive list reads the label of every fixed drive it shows,
# Wine's z: among them, whose root "/" Wine cannot read a label of.
numora_wine() {
    wine "$@" 2> >(grep -vF 'Read access denied for device L"\\??\\z:\\"' >&2)
}

numora_wine_down() {
    wineserver -k >/dev/null 2>&1 || true
    if [ -n "$numora_xvfb_pid" ]; then
        kill "$numora_xvfb_pid" 2>/dev/null || true
        wait "$numora_xvfb_pid" 2>/dev/null || true
        numora_xvfb_pid=""
    fi
}
