#!/usr/bin/env bash
# check_package.sh NUMORA_EXE GUIDE: the release zip, made twice: the same bytes, three
# ASCII names, the exe built, the guide in UTF-8 with a BOM and CRLF, sums that match.
set -euo pipefail
exe=$1 guide=$2
source "$(dirname "$0")/../../scripts/lib/package.sh"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() { echo "package check: $*" >&2 && exit 1; }

numora_package "$exe" "$guide" "$work/first.zip"
numora_package "$exe" "$guide" "$work/second.zip"
cmp -s "$work/first.zip" "$work/second.zip" || fail "two packages of one build differ"
names=$(unzip -Z1 "$work/first.zip" | tr '\n' ' ')
[ "$names" = "numora.exe README-ja.txt SHA256SUMS " ] || fail "the zip holds: $names"

mkdir "$work/unpacked"
cd "$work/unpacked"
unzip -q ../first.zip
cmp -s "$exe" numora.exe || fail "the zip's numora.exe is not the one built"
[ "$(head -c 3 README-ja.txt | od -An -tx1 | tr -d ' ')" = efbbbf ] ||
    fail "README-ja.txt has no byte order mark"
if grep -qv $'\r$' README-ja.txt; then fail "a line of README-ja.txt does not end in CRLF"; fi
iconv -f UTF-8 -t UTF-16 README-ja.txt >/dev/null || fail "README-ja.txt is not UTF-8"
sha256sum --quiet -c SHA256SUMS || fail "SHA256SUMS does not match the files"
echo "package check: passed"
