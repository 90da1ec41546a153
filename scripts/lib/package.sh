# Sourced by scripts/package and the package check: the release zip.
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"

# numora_package EXE GUIDE ZIP: the zip of numora.exe, the users' guide and their
# SHA-256 sums. The same commit gives the same bytes: the entries carry the
# commit's time (or SOURCE_DATE_EPOCH) and no owner or extra times, in a fixed
# order. Names are ASCII, since Windows' own zip folder reads them in the
# system's code page before Windows 11.
numora_package() {
    local exe=$1 guide=$2 zip=$3 stage epoch
    epoch=${SOURCE_DATE_EPOCH:-$(git -C "$NUMORA_ROOT" log -1 --format=%ct 2>/dev/null)} ||
        true
    [ -n "$epoch" ] || numora_fail "no commit time for the zip's entries" \
        "package from a git checkout, or set SOURCE_DATE_EPOCH"
    stage=$(mktemp -d)
    cp "$exe" "$stage/numora.exe"
    # With a byte order mark and CRLF line ends, so that Notepad on every
    # Windows opens it as UTF-8.
    { printf '\357\273\277'; sed 's/$/\r/' "$guide"; } \
        >"$stage/README-ja.txt"
    (cd "$stage" && sha256sum numora.exe README-ja.txt >SHA256SUMS)
    chmod 644 "$stage"/*
    touch -d "@$epoch" "$stage"/*
    rm -f "$zip"
    (cd "$stage" && TZ=UTC zip -X -D -q "$zip" numora.exe README-ja.txt SHA256SUMS) ||
        numora_fail "zip could not make $zip" "run scripts/setup, which installs zip"
    rm -rf "$stage"
}
